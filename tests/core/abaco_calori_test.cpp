#include <gtest/gtest.h>

#include "core/materials/abaco_file.h"

using namespace paretix;

namespace {

// Two rows as the writer puts them: marker, then five values each followed by one blank.
constexpr std::string_view RigheAcciaioLegno = "\xB6\r\nAcciaio \r\n7800 \r\n50 \r\n0,0001875 \r\n"
                                               "- \r\n\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n"
                                               "0,90 \r\n";

TEST(AbacoCalori, TheSpecificHeatsFollowTheRowsAsASectionOfTheirOwn) {
    Abaco abaco{{"Acciaio", "7800", "50", "0,0001875", "-", "450"},
                {"Legno", "500", "0,13", "3,75", "0,90", ""}};
    const auto byte = ContenutoFileAbaco(abaco, "");
    ASSERT_TRUE(byte);
    EXPECT_EQ(*byte, std::string(RigheAcciaioLegno) + "Calori specifici J/kgK\r\nAcciaio=450\r\n");
    const ContenutoAbaco letto = LetturaAbaco(*byte);
    EXPECT_EQ(letto.Voci, abaco);
    EXPECT_EQ(letto.Coda, "");
}

TEST(AbacoCalori, AReaderOfTheRowsAloneKeepsTheSectionAndSoTheValues) {
    // A copy of the program that knows only the six-line rows stops reading at the title and
    // writes everything from there back after its rows, unchanged: after it has deleted the
    // first row, the value of the second is still there.
    const std::string scrittoDaAltri = "\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n0,90 \r\n"
                                       "Calori specifici J/kgK\r\nAcciaio=450\r\nLegno=1600\r\n";
    const ContenutoAbaco letto = LetturaAbaco(scrittoDaAltri);
    ASSERT_EQ(letto.Voci.size(), 1u);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "1600");
    // The line of the deleted row belongs to no row: it goes at the next save.
    EXPECT_EQ(*ContenutoFileAbaco(letto.Voci, letto.Coda),
              "\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n0,90 \r\n"
              "Calori specifici J/kgK\r\nLegno=1600\r\n");
}

TEST(AbacoCalori, RowsOfTheSameNameTakeTheLinesInOrderAndTheRestOfTheTailIsKept) {
    const std::string file =
        "\xB6\r\nX \r\n1 \r\n1 \r\n1 \r\n1 \r\n\xB6\r\nX \r\n2 \r\n2 \r\n2 \r\n2 "
        "\r\nCalori specifici J/kgK\r\n X = 800 \r\nX=900\r\nA=B=1000\r\n"
        "\r\nnote dell'utente\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    ASSERT_EQ(letto.Voci.size(), 2u);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "800");
    EXPECT_EQ(letto.Voci[1].CaloreSpecifico, "900");
    EXPECT_EQ(letto.Coda, "\r\nnote dell'utente\r\n");
}

TEST(AbacoCalori, ADatabaseWithoutSpecificHeatsIsWrittenAsBefore) {
    Abaco abaco{{"Acciaio", "7800", "50", "0,0001875", "-"},
                {"Legno", "500", "0,13", "3,75", "0,90", "  "}};
    EXPECT_EQ(*ContenutoFileAbaco(abaco, "coda"), std::string(RigheAcciaioLegno) + "coda");
    // A title further down the tail is not the section: it stays where it is.
    const std::string file = std::string(RigheAcciaioLegno) + "\r\nCalori specifici J/kgK\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "");
    EXPECT_EQ(*ContenutoFileAbaco(letto.Voci, letto.Coda), file);
}

TEST(AbacoCalori, AValueTheSectionCannotHoldIsRefused) {
    for (const char* valore : {"4=5", "450\r\n"}) {
        EXPECT_FALSE(ContenutoFileAbaco({{"Acciaio", "7800", "50", "1", "-", valore}}, ""))
            << valore;
    }
}

} // namespace

// What is read and written again reads back the same, even in the corners a hand-edited file
// can reach.
TEST(AbacoCalori, EveryRowGetsItsOwnValueBackAndATitleInTheTailStaysTail) {
    // The first "X" has no value, the second has one: an empty line keeps their places.
    Abaco stessoNome{{"X", "1", "1", "1", "1", ""}, {"X", "2", "2", "2", "2", "900"}};
    const auto byte = ContenutoFileAbaco(stessoNome, "");
    ASSERT_TRUE(byte);
    EXPECT_TRUE(byte->ends_with("Calori specifici J/kgK\r\nX=\r\nX=900\r\n")) << *byte;
    EXPECT_EQ(LetturaAbaco(*byte).Voci, stessoNome);

    // A section without lines followed by a second title: the second is tail, and stays so.
    const std::string file = "\xB6\r\nX \r\n1 \r\n1 \r\n1 \r\n1 \r\nCalori specifici J/kgK\r\n"
                             "Calori specifici J/kgK\r\nX=5\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "");
    EXPECT_EQ(letto.Coda, "Calori specifici J/kgK\r\nX=5\r\n");
    const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    ASSERT_TRUE(riscritto);
    EXPECT_EQ(LetturaAbaco(*riscritto), letto);
}
