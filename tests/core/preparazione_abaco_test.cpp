#include <gtest/gtest.h>

#include <filesystem>

#include "cartella_temporanea.h"
#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"

using namespace paretix;
using namespace paretix::test;
namespace fs = std::filesystem;

TEST(PreparazioneAbaco, CreatesTheDefaultDatabaseInAWritableFolder) {
    CartellaTemporanea programma;
    const EsitoPreparazioneAbaco esito = PreparazioneAbaco(programma.Percorso() + "/");
    EXPECT_TRUE(esito.ScritturaConsentita);
    EXPECT_TRUE(esito.AbacoUtilizzabile);
    EXPECT_EQ(esito.PercorsoAbaco, programma.Percorso() + "/dati/abaco.txt");
    EXPECT_EQ(LeggiTutto(esito.PercorsoAbaco), ContenutoAbacoPredefinito);
    EXPECT_EQ(LeggiTutto(esito.PercorsoAbaco), "\xB6\r\nMetalli\r\n \r\n \r\n \r\n \r\n");
    EXPECT_FALSE(fs::exists(programma / "~zyjmgekpokbfws4g7333"));
}

TEST(PreparazioneAbaco, KeepsAnExistingDatabaseAndMakesItWritable) {
    CartellaTemporanea programma;
    fs::create_directory(programma / "dati");
    const std::string abaco = programma / "dati/abaco.txt";
    ScriviTutto(abaco, "mio");
    SolaLettura(abaco);
    const EsitoPreparazioneAbaco esito = PreparazioneAbaco(programma.Percorso());
    EXPECT_TRUE(esito.AbacoUtilizzabile);
    EXPECT_EQ(LeggiTutto(abaco), "mio");
    EXPECT_NE(fs::status(abaco).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(PreparazioneAbaco, AReadOnlyProgramFolderGetsNothing) {
    CartellaTemporanea programma;
    SolaLettura(programma.Percorso());
    EsitoPreparazioneAbaco esito;
    {
        ComeUtenteQualsiasi utente;
        esito = PreparazioneAbaco(programma.Percorso());
    }
    EXPECT_FALSE(esito.ScritturaConsentita);
    EXPECT_FALSE(esito.AbacoUtilizzabile);
    EXPECT_TRUE(fs::is_empty(programma.Percorso()));
}

TEST(PreparazioneAbaco, AReadOnlyFolderWithADatabaseCanStillUseIt) {
    CartellaTemporanea programma;
    fs::create_directory(programma / "dati");
    ScriviTutto(programma / "dati/abaco.txt", std::string(ContenutoAbacoPredefinito));
    SolaLettura(programma / "dati");
    SolaLettura(programma.Percorso());
    EsitoPreparazioneAbaco esito;
    {
        ComeUtenteQualsiasi utente;
        esito = PreparazioneAbaco(programma.Percorso());
    }
    EXPECT_FALSE(esito.ScritturaConsentita);
    EXPECT_TRUE(esito.AbacoUtilizzabile);
}
