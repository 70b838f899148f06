#include <gtest/gtest.h>

#include "core/files/testo_terminale.h"

using namespace paretix;

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
