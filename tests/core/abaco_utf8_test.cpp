// A materials database that another editor saved as UTF-8: the marker "¶" is two bytes there,
// and every accented letter too.

#include <gtest/gtest.h>

#include <string>

#include "core/materials/abaco_file.h"

using namespace paretix;

namespace {

const std::string RigheUtf8 = "¶\r\nMetalli\r\n \r\n \r\n \r\n \r\n"
                              "¶\r\nLegno d'abete (umidità 12 %)\r\n450\r\n0,12\r\n40\r\n0,9\r\n"
                              "Calori specifici J/kgK\r\nLegno d'abete (umidità 12 %)=1600\r\n";

TEST(AbacoUtf8, ItsRowsAreReadAndWrittenBackInTheProgramsEncoding) {
    const Abaco atteso{{"Metalli", "", "", "", "", ""},
                       {"Legno d'abete (umidità 12 %)", "450", "0,12", "40", "0,9", "1600"}};
    for (const std::string& contenuto : {RigheUtf8, "\xEF\xBB\xBF" + RigheUtf8}) {
        const ContenutoAbaco letto = LetturaAbaco(contenuto);
        EXPECT_EQ(letto.Voci, atteso);
        EXPECT_EQ(letto.Coda, "");
        // Written back in Windows-1252, where "¶" and "à" are one byte each.
        const auto scritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
        ASSERT_TRUE(scritto);
        EXPECT_NE(scritto->find("\xB6\r\nLegno d'abete (umidit\xE0 12 %) \r\n"), std::string::npos);
        EXPECT_EQ(LetturaAbaco(*scritto).Voci, atteso);
    }
    // A character Windows-1252 lacks: the file is not the program's, and nothing is read.
    EXPECT_TRUE(LetturaAbaco("¶\r\nŁódź\r\n1\r\n1\r\n1\r\n1\r\n").Voci.empty());
}

} // namespace
