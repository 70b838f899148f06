#include <gtest/gtest.h>

#include <filesystem>

#include "core/window/avvio.h"

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
    const fs::path cartella = fs::temp_directory_path() / "paretix_avvio_test";
    fs::remove_all(cartella);
    fs::create_directories(cartella);

    const EsitoAvvio avvio = PreparazioneAvvio(cartella.string() + "/");
    EXPECT_EQ(avvio.CartellaProgramma, cartella.string());
    EXPECT_EQ(avvio.ScritturaConsentita, Si);
    EXPECT_TRUE(avvio.AbacoUtilizzabile);
    EXPECT_TRUE(fs::is_regular_file(cartella / "dati" / "abaco.txt"));
    fs::remove_all(cartella);
}

TEST(Avvio, AMissingFolderLeavesTheDatabaseUnusable) {
    const EsitoAvvio avvio = PreparazioneAvvio("/nonexistent/paretix/bin");
    EXPECT_EQ(avvio.ScritturaConsentita, No);
    EXPECT_FALSE(avvio.AbacoUtilizzabile);
}

} // namespace
