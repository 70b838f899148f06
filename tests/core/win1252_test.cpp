#include <gtest/gtest.h>

#include "core/files/win1252.h"

using namespace paretix;

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
