#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/scrittura_atomica.h"
#include "core/window/avvio.h"
#include "support/cartella_temporanea.h"

using namespace paretix;

namespace {

namespace fs = std::filesystem;

TEST(Avvio, ProgramFolderLosesTrailingSeparators) {
    EXPECT_EQ(CartellaProgrammaDa("/opt/paretix/"), "/opt/paretix");
    EXPECT_EQ(CartellaProgrammaDa("/opt/paretix"), "/opt/paretix");
    EXPECT_EQ(CartellaProgrammaDa("/"), "");
    EXPECT_EQ(CartellaProgrammaDa("C:\\"), "C:");
}

TEST(Avvio, AWritableFolderGetsItsMaterialsDatabase) {
    const test::CartellaTemporanea cartella;
    const EsitoAvvio avvio = PreparazioneAvvio(cartella.Percorso() + "/");
    EXPECT_EQ(avvio.CartellaProgramma, cartella.Percorso());
    EXPECT_EQ(avvio.ScritturaConsentita, Si);
    EXPECT_TRUE(avvio.AbacoUtilizzabile);
    EXPECT_TRUE(fs::is_regular_file(cartella / "dati/abaco.txt"));
}

TEST(Avvio, AMissingFolderLeavesTheDatabaseUnusable) {
    const EsitoAvvio avvio = PreparazioneAvvio("/nonexistent/paretix/bin");
    EXPECT_EQ(avvio.ScritturaConsentita, No);
    EXPECT_FALSE(avvio.AbacoUtilizzabile);
}

TEST(Avvio, TheUsersDataFolderFollowsTheDesktopRules) {
    EXPECT_EQ(CartellaDatiUtente({"/home/anna/dati", "/home/anna"}), "/home/anna/dati/paretix");
    EXPECT_EQ(CartellaDatiUtente({"", "/home/anna/"}), "/home/anna/.local/share/paretix");
    // A relative XDG_DATA_HOME is to be ignored.
    EXPECT_EQ(CartellaDatiUtente({"dati", "/home/anna"}), "/home/anna/.local/share/paretix");
    EXPECT_EQ(CartellaDatiUtente({"", ""}), "");
}

// An installed tree: <prefix>/bin for the executable, <prefix>/share/paretix for the shipped
// database, and a home of its own.
struct Installazione {
    test::CartellaTemporanea radice;
    std::string bin = radice / "usr/bin";
    std::string spedito = radice / "usr/share/paretix/abaco.txt";
    AmbienteUtente ambiente{"", radice / "home"};
    std::string utente = radice / "home/.local/share/paretix";

    Installazione() {
        fs::create_directories(bin);
        fs::create_directories(fs::path(spedito).parent_path());
        fs::create_directories(ambiente.Home);
        EXPECT_TRUE(ScritturaAtomica(spedito, "\xB6\r\nMateriali spediti\r\n \r\n \r\n \r\n \r\n"));
    }
};

TEST(Avvio, AnInstalledProgramWorksOnTheUsersCopyOfTheShippedDatabase) {
    Installazione i;
    const EsitoAvvio avvio = PreparazioneAvvio(i.bin, i.ambiente);
    EXPECT_EQ(avvio.CartellaProgramma, i.bin);
    EXPECT_EQ(avvio.CartellaDati(), i.utente);
    EXPECT_EQ(avvio.ScritturaConsentita, Si);
    EXPECT_TRUE(avvio.AbacoUtilizzabile);
    EXPECT_EQ(test::LeggiTutto(i.utente + "/dati/abaco.txt"), test::LeggiTutto(i.spedito));
    EXPECT_FALSE(fs::exists(i.bin + "/dati"));

    // The user's edits survive the next start: the copy is made once.
    ASSERT_TRUE(ScritturaAtomica(i.utente + "/dati/abaco.txt", "modificato"));
    PreparazioneAvvio(i.bin, i.ambiente);
    EXPECT_EQ(test::LeggiTutto(i.utente + "/dati/abaco.txt"), "modificato");
}

TEST(Avvio, AFolderWithItsOwnDatabaseStaysPortable) {
    Installazione i;
    fs::create_directories(i.bin + "/dati");
    ASSERT_TRUE(ScritturaAtomica(i.bin + "/dati/abaco.txt", "portatile"));
    const EsitoAvvio avvio = PreparazioneAvvio(i.bin, i.ambiente);
    EXPECT_EQ(avvio.CartellaDati(), i.bin);
    EXPECT_TRUE(avvio.CartellaUtente.empty());
    EXPECT_FALSE(fs::exists(i.utente));
}

} // namespace
