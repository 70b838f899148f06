#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/materials/abaco_file.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;

namespace {

const Abaco Materiali = {
    {"Metalli", "", "", "", ""},
    {"Ghisa", "7200", "50", "0", "-"},
    {"Legno di abete", "450", "0,12", "4", "0,9"},
};

// The rows above as the program writes them.
const std::string FileMateriali = "\xB6\r\nMetalli \r\n \r\n \r\n \r\n \r\n"
                                  "\xB6\r\nGhisa \r\n7200 \r\n50 \r\n0 \r\n- \r\n"
                                  "\xB6\r\nLegno di abete \r\n450 \r\n0,12 \r\n4 \r\n0,9 \r\n";

} // namespace

TEST(Abaco, WritesAndReadsBackTheSameRows) {
    EXPECT_EQ(ContenutoFileAbaco(Materiali, ""), FileMateriali);
    EXPECT_EQ(LetturaAbaco(FileMateriali), (ContenutoAbaco{Materiali, ""}));
    EXPECT_EQ(LetturaAbaco(ContenutoAbacoPredefinito),
              (ContenutoAbaco{{{"Metalli", "", "", "", ""}}, ""}));
    EXPECT_EQ(LetturaAbaco(""), ContenutoAbaco{});
}

TEST(Abaco, TrimsBlanksOnlyAndConvertsTheText) {
    const Abaco scritto = {{"  Calcestruzzo à  ", " 2400", "\t1,9 ", "", "  "}};
    EXPECT_EQ(ContenutoFileAbaco(scritto, ""),
              "\xB6\r\nCalcestruzzo \xE0 \r\n2400 \r\n\t1,9 \r\n \r\n \r\n");
    const auto letto = LetturaAbaco("  \xB6 \nCalcestruzzo \xE0\n2400\n\t1,9\n\n   ");
    EXPECT_EQ(letto.Voci, (Abaco{{"Calcestruzzo à", "2400", "\t1,9", "", ""}}));
}

TEST(Abaco, ReadingStopsWhereNoMarkerStandsAndKeepsTheRest) {
    const std::string coda = "\r\n\xB6\r\nPerso? \r\nno\r\n";
    const ContenutoAbaco letto = LetturaAbaco(FileMateriali + coda);
    EXPECT_EQ(letto.Voci, Materiali);
    EXPECT_EQ(letto.Coda, coda);

    Abaco modificato = letto.Voci;
    modificato.push_back({"Rame", "8900", "380", "0", "-"});
    const auto riscritto = ContenutoFileAbaco(modificato, letto.Coda);
    ASSERT_TRUE(riscritto.has_value());
    EXPECT_TRUE(riscritto->ends_with("\xB6\r\nRame \r\n8900 \r\n380 \r\n0 \r\n- \r\n" + coda));
    EXPECT_EQ(LetturaAbaco(*riscritto), (ContenutoAbaco{modificato, coda}));
}

TEST(Abaco, ARowCutShortIsNotCountedButKept) {
    const std::string tronca = "\xB6\r\nRame\r\n8900\r\n380";
    const ContenutoAbaco letto = LetturaAbaco(FileMateriali + tronca);
    EXPECT_EQ(letto.Voci, Materiali);
    EXPECT_EQ(letto.Coda, tronca);
}

TEST(Abaco, RefusesValuesItCannotStore) {
    EXPECT_FALSE(ContenutoFileAbaco({{"Vetro α", "", "", "", ""}}, "").has_value());
    EXPECT_FALSE(ContenutoFileAbaco({{"Vetro", "2500\r\n", "", "", ""}}, "").has_value());

    CartellaTemporanea cartella;
    const std::string file = cartella / "abaco.txt";
    ScriviTutto(file, FileMateriali);
    EXPECT_FALSE(SalvaAbaco(file, {{"Vetro α", "", "", "", ""}}, ""));
    EXPECT_EQ(LeggiTutto(file), FileMateriali);
    EXPECT_TRUE(SalvaAbaco(file, {Materiali[1]}, "coda"));
    EXPECT_EQ(Prosegui(file), (ContenutoAbaco{{Materiali[1]}, "coda"}));
    EXPECT_FALSE(Prosegui(cartella / "manca.txt").has_value());
}

// Files no writer makes, among them the inputs that once upset the reader: what is read and
// rewritten must read back the same, with the unread tail at the end.
TEST(Abaco, HostileFilesRewriteToWhatWasRead) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti += "\xB6\r\n";
        tutti.push_back(static_cast<char>(b));
    }
    std::vector<std::string> file = {tutti, "\xB6\r" + std::string(2 << 20, '\xB6') + "\r\r\r\r\r",
                                     "\xB6\n\n\n\n\n\n \xB6 \r\n\r\n"};
    for (const auto& voce : std::filesystem::directory_iterator(PARETIX_TEST_DATA "/fuzz-abaco")) {
        file.push_back(LeggiTutto(voce.path().string()));
    }
    for (const std::string& f : file) {
        const ContenutoAbaco letto = LetturaAbaco(f);
        EXPECT_TRUE(f.ends_with(letto.Coda));
        const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
        ASSERT_TRUE(riscritto.has_value());
        EXPECT_EQ(LetturaAbaco(*riscritto), letto);
    }
}
