#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;
namespace fs = std::filesystem;

TEST(PreparazioneAbaco, CreatesTheDefaultDatabaseInAWritableFolder) {
    CartellaTemporanea programma;
    const EsitoPreparazioneAbaco esito = PreparazioneAbaco(programma.Percorso() + "/");
    EXPECT_TRUE(esito.ScritturaConsentita);
    EXPECT_TRUE(esito.AbacoUtilizzabile);
    EXPECT_EQ(esito.PercorsoAbaco, programma.Percorso() + "/dati/abaco.txt");
    EXPECT_EQ(LeggiTutto(esito.PercorsoAbaco), "\xB6\r\nMetalli\r\n \r\n \r\n \r\n \r\n");
    EXPECT_FALSE(fs::exists(programma / "~zyjmgekpokbfws4g7333"));
}

TEST(PreparazioneAbaco, KeepsAnExistingDatabaseAndItsReadOnlyMode) {
    CartellaTemporanea programma;
    fs::create_directory(programma / "dati");
    const std::string abaco = programma / "dati/abaco.txt";
    ScriviTutto(abaco, "mio");
    SolaLettura(abaco);
    const EsitoPreparazioneAbaco esito = PreparazioneAbaco(programma.Percorso());
    EXPECT_TRUE(esito.AbacoUtilizzabile);
    EXPECT_EQ(LeggiTutto(abaco), "mio");
    EXPECT_EQ(fs::status(abaco).permissions() & fs::perms::owner_write, fs::perms::none);
}

// A read-only program folder gets nothing, but a database already there can still be used.
TEST(PreparazioneAbaco, AReadOnlyProgramFolderGetsNothing) {
    for (const bool conAbaco : {false, true}) {
        SCOPED_TRACE(conAbaco);
        CartellaTemporanea programma;
        if (conAbaco) {
            fs::create_directory(programma / "dati");
            ScriviTutto(programma / "dati/abaco.txt", std::string(ContenutoAbacoPredefinito));
            SolaLettura(programma / "dati");
        }
        SolaLettura(programma.Percorso());
        EsitoPreparazioneAbaco esito;
        {
            ComeUtenteQualsiasi utente;
            esito = PreparazioneAbaco(programma.Percorso());
        }
        EXPECT_FALSE(esito.ScritturaConsentita);
        EXPECT_EQ(esito.AbacoUtilizzabile, conAbaco);
        EXPECT_EQ(fs::is_empty(programma.Percorso()), !conAbaco);
    }
}

// A database the user cannot read is still the user's: it is never replaced by the default one,
// and the database commands stay off. The process runs as "nobody" in a folder everyone may
// write, and owns the file it may not read, so that root (as in CI) meets the same permissions
// as a user would.
TEST(PreparazioneAbaco, AnUnreadableDatabaseIsLeftUntouched) {
    using fs::perms;
    CartellaTemporanea programma;
    fs::create_directory(programma / "dati");
    const std::string abaco = programma / "dati/abaco.txt";
    ScriviTutto(abaco, "materiali dell'utente");
    fs::permissions(programma.Percorso(), perms::all);
    fs::permissions(programma / "dati", perms::all);
    fs::permissions(abaco, perms::owner_write);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(abaco.c_str(), UtenteNobody, UtenteNobody), 0);
    }
    EsitoPreparazioneAbaco esito;
    {
        ComeUtenteQualsiasi utente;
        esito = PreparazioneAbaco(programma.Percorso());
    }
    EXPECT_TRUE(esito.ScritturaConsentita);
    EXPECT_FALSE(esito.AbacoUtilizzabile);
    EXPECT_EQ(LeggiTutto(abaco), "materiali dell'utente");
}

TEST(PreparazioneAbaco, AFolderInPlaceOfTheDatabaseStaysAFolder) {
    CartellaTemporanea programma;
    fs::create_directories(programma / "dati/abaco.txt");
    const EsitoPreparazioneAbaco esito = PreparazioneAbaco(programma.Percorso());
    EXPECT_FALSE(esito.AbacoUtilizzabile);
    EXPECT_TRUE(fs::is_directory(programma / "dati/abaco.txt"));
}
