#include <gtest/gtest.h>

#include <filesystem>

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

} // namespace
