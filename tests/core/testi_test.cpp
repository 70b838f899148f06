#include <gtest/gtest.h>

#include "core/files/testo_terminale.h"
#include "core/files/win1252.h"
#include "core/window/percorso_esercizio.h"
#include "core/window/righe_testo.h"

using namespace paretix;
using Righe = std::vector<std::string_view>;

TEST(Win1252, RoundTripsTheAccentedLettersAndTheEuroSign) {
    const std::string utf8 = "Densità € ¶ È “x”";
    const auto ansi = Utf8AWin1252(utf8);
    ASSERT_TRUE(ansi.has_value());
    EXPECT_EQ(*ansi, "Densit\xE0 \x80 \xB6 \xC8 \x93x\x94");
    EXPECT_EQ(Win1252AUtf8(*ansi), utf8);
}

TEST(Win1252, EveryByteReadsAndWritesBack) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8AWin1252(Win1252AUtf8(tutti)), tutti);
}

TEST(Win1252, RefusesWhatItCannotStore) {
    EXPECT_FALSE(RappresentabileWin1252("α"));
    EXPECT_FALSE(RappresentabileWin1252("\xC3"));           // cut UTF-8 sequence
    EXPECT_FALSE(RappresentabileWin1252("\xFF\xFE"));       // not UTF-8
    EXPECT_FALSE(Utf8AWin1252("\xC0\x8A").has_value());     // overlong line feed
    EXPECT_FALSE(Utf8AWin1252("\xE0\x83\xA0").has_value()); // overlong "à"
    EXPECT_TRUE(RappresentabileWin1252("Umidità relativa"));
}

TEST(TestoPerTerminale, EscapesControlCharactersOnly) {
    const struct {
        std::string testo;
        std::string atteso;
    } casi[] = {
        {"Mattone\r\n\tpieno", "Mattone\r\n\tpieno"},
        {"\x1B]2;titolo\a", "\\x1B]2;titolo\\x07"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"canc\x7F", "canc\\x7F"},
        // U+0085 and U+009B (the one-byte CSI of some terminals) are controls; "è" and "€" not.
        {"\xC2\x85 \xC2\x9B"
         "2J",
         "\\u0085 \\u009B2J"},
        {"Densit\xC3\xA0 \xE2\x82\xAC \xC2\xA0\xC2\xB0",
         "Densit\xC3\xA0 \xE2\x82\xAC \xC2\xA0\xC2\xB0"},
        {"fine\xC2", "fine\xC2"},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(TestoPerTerminale(caso.testo), caso.atteso);
    }
}

TEST(RigheTesto, EachLineEndClosesOneLine) {
    EXPECT_EQ(RigheTesto("DATI:\r\n\r\nStrato 1\r\n"), (Righe{"DATI:", "", "Strato 1"}));
    EXPECT_EQ(RigheTesto("a\nb\rc\r\n\nd"), (Righe{"a", "b", "c", "", "d"}));
    EXPECT_EQ(RigheTesto("\r\n"), (Righe{""}));
    EXPECT_EQ(RigheTesto("\r\r\n"), (Righe{"", ""}));
    EXPECT_TRUE(RigheTesto("").empty());
    EXPECT_EQ(RigheTesto("  solo  "), (Righe{"  solo  "}));
}

TEST(RigheTesto, LineEndsBecomeSingleLineFeeds) {
    EXPECT_EQ(LineeConLF("a\r\nb\rc\n\r\n"), "a\nb\nc\n\n");
    EXPECT_EQ(LineeConLF("Densità ³"), "Densità ³");
    EXPECT_EQ(LineeConLF("\r"), "\n");
}

TEST(ElaboraStringa, DropsTheExtensionOfTheFileNameOnly) {
    EXPECT_EQ(ElaboraStringa("/home/ing/Esercizi/muro.txt"), "/home/ing/Esercizi/muro");
    EXPECT_EQ(ElaboraStringa("C:\\Esercizi\\muro.css"), "C:\\Esercizi\\muro");
    EXPECT_EQ(ElaboraStringa("/home/ing/muro.v2.css"), "/home/ing/muro.v2");
    // A dot only in a folder name: the file has no extension and keeps its whole path.
    EXPECT_EQ(ElaboraStringa("/home/ing/lavori.2026/muro"), "/home/ing/lavori.2026/muro");
    EXPECT_EQ(ElaboraStringa("C:\\lavori.2026\\muro"), "C:\\lavori.2026\\muro");
    EXPECT_EQ(ElaboraStringa("muro"), "muro");
}

TEST(ConEstensioneEsercizio, AppendsCssUnlessItIsThereInAnyCase) {
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro"), "/tmp/muro.css");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/MURO.CSS"), "/tmp/MURO.CSS");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro.Css"), "/tmp/muro.Css");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro.txt"), "/tmp/muro.txt.css");
    EXPECT_EQ(ConEstensioneEsercizio("css"), "css.css");
    EXPECT_EQ(ConEstensioneEsercizio(".css"), ".css");
}
