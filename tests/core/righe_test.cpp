#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/righe.h"

using namespace paretix;

namespace {

std::vector<std::string> Tutte(std::string_view testo) {
    LettoreRighe righe(testo);
    std::vector<std::string> lette;
    while (const auto riga = righe.Prossima()) {
        lette.emplace_back(*riga);
    }
    return lette;
}

} // namespace

TEST(LettoreRighe, EveryLineEndCounts) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Tutte("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    // A lone CR before CR LF is a line end of its own.
    EXPECT_EQ(Tutte("a\r\r\nb\n\n"), (V{"a", "", "b", ""}));
    EXPECT_EQ(Tutte("a\r\n"), (V{"a"}));
    EXPECT_EQ(Tutte("\r\n"), (V{""}));
    EXPECT_EQ(Tutte(""), V{});
}

TEST(LettoreRighe, TellsWhereTheNextLineStarts) {
    LettoreRighe righe("uno\r\ndue\rtre");
    righe.Prossima();
    EXPECT_EQ(righe.Posizione(), 5u);
    righe.Prossima();
    EXPECT_EQ(righe.Posizione(), 9u);
    EXPECT_EQ(righe.Prossima(), "tre");
    EXPECT_EQ(righe.Posizione(), 12u);
    EXPECT_FALSE(righe.Prossima().has_value());
}
