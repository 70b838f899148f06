#include <gtest/gtest.h>

#include <filesystem>

#include "cartella_temporanea.h"
#include "core/files/lettura_file.h"
#include "core/files/scrittura_atomica.h"

using namespace paretix;
using namespace paretix::test;
namespace fs = std::filesystem;

namespace {

std::size_t Voci(const std::string& cartella) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(cartella), fs::directory_iterator()));
}

} // namespace

TEST(ScritturaAtomica, CreatesAndReplacesKeepingThePermissions) {
    CartellaTemporanea cartella;
    const std::string file = cartella / "muro.css";
    ASSERT_TRUE(ScritturaAtomica(file, "primo"));
    EXPECT_EQ(LeggiTutto(file), "primo");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ScritturaAtomica(file, std::string("secondo\0\xFF", 9)));
    EXPECT_EQ(LeggiTutto(file), std::string("secondo\0\xFF", 9));
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Voci(cartella.Percorso()), 1u) << "a temporary file was left behind";
}

TEST(ScritturaAtomica, WritesAFileWhoseNameIsAsLongAsAllowed) {
    CartellaTemporanea cartella;
    const std::string file = cartella / (std::string(251, 'm') + ".css");
    ASSERT_TRUE(ScritturaAtomica(file, "muro"));
    EXPECT_EQ(LeggiTutto(file), "muro");
}

TEST(ScritturaAtomica, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    CartellaTemporanea cartella;
    ScriviTutto(cartella / "vero.css", "vecchio");
    fs::create_symlink(cartella / "vero.css", cartella / "link.css");
    ASSERT_TRUE(ScritturaAtomica(cartella / "link.css", "nuovo"));
    EXPECT_TRUE(fs::is_symlink(cartella / "link.css"));
    EXPECT_EQ(LeggiTutto(cartella / "vero.css"), "nuovo");
}

TEST(ScritturaAtomica, AFailureLeavesThePreviousContentAndNoTemporaryFile) {
    CartellaTemporanea cartella;
    EXPECT_FALSE(ScritturaAtomica(cartella / "manca/muro.css", "x"));
    EXPECT_FALSE(ScritturaAtomica(cartella.Percorso(), "x")); // a folder
    EXPECT_FALSE(ScritturaAtomica("", "x"));

    // A read-only file in a folder that anyone may write.
    fs::create_directory(cartella / "aperta");
    fs::permissions(cartella / "aperta", fs::perms::all);
    const std::string protetto = cartella / "aperta/protetto.css";
    ScriviTutto(protetto, "vecchio");
    SolaLettura(protetto);
    const std::string inCartellaProtetta = cartella / "sola-lettura/muro.css";
    fs::create_directory(cartella / "sola-lettura");
    ScriviTutto(inCartellaProtetta, "vecchio");
    SolaLettura(cartella / "sola-lettura");
    {
        ComeUtenteQualsiasi utente;
        EXPECT_FALSE(ScritturaAtomica(protetto, "nuovo"));
        EXPECT_FALSE(ScritturaAtomica(inCartellaProtetta, "nuovo"));
    }
    EXPECT_EQ(LeggiTutto(protetto), "vecchio");
    EXPECT_EQ(LeggiTutto(inCartellaProtetta), "vecchio");
    EXPECT_EQ(Voci(cartella / "aperta"), 1u);
    EXPECT_EQ(Voci(cartella / "sola-lettura"), 1u);
}

TEST(LeggiFile, ReadsWithinTheLimitOnly) {
    CartellaTemporanea cartella;
    ScriviTutto(cartella / "dieci", "0123456789");
    EXPECT_EQ(LeggiFile(cartella / "dieci", 10), "0123456789");
    EXPECT_FALSE(LeggiFile(cartella / "dieci", 9).has_value());
    EXPECT_FALSE(LeggiFile(cartella / "manca", 10).has_value());
    EXPECT_FALSE(LeggiFile(cartella.Percorso(), 10).has_value());
    ScriviTutto(cartella / "vuoto", "");
    EXPECT_EQ(LeggiFile(cartella / "vuoto", 10), "");
}
