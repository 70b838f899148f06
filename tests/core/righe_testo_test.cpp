#include <gtest/gtest.h>

#include "core/window/righe_testo.h"

using namespace paretix;

using Righe = std::vector<std::string_view>;

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
