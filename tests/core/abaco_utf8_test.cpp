// A materials database that another editor saved as UTF-8: the marker "¶" is two bytes there,
// and every accented letter too.

#include <gtest/gtest.h>

#include <string>

#include "core/materials/abaco_file.h"
#include "core/materials/apertura_abaco.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_solo_messaggi.h"

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
}

// A file of the program's own with no rows whose unread tail opens with the two bytes of a UTF-8
// marker: written back alone, the tail would open the file and turn it into UTF-8 text, so the
// section title goes before it and the file reads back the same.
TEST(AbacoUtf8, ATailThatOpensWithAUtf8MarkerStaysTail) {
    const std::string contenuto = "Calori specifici J/kgK\r\nAcciaio=450\r\n\xC2\xB6\r\nX\r\n";
    const ContenutoAbaco letto = LetturaAbaco(contenuto);
    EXPECT_TRUE(letto.Voci.empty());
    EXPECT_EQ(letto.Coda, "\xC2\xB6\r\nX\r\n");
    const auto scritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    ASSERT_TRUE(scritto);
    EXPECT_EQ(*scritto, "Calori specifici J/kgK\r\n\xC2\xB6\r\nX\r\n");
    EXPECT_EQ(LetturaAbaco(*scritto), letto);
}

// A character Windows-1252 lacks could not be written back: the browser does not open and says
// why, and the file stays as it was.
TEST(AbacoUtf8, OneWithCharactersTheProgramCannotStoreIsRefusedWithItsReason) {
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    const std::string contenuto = "¶\r\nŁódź\r\n1\r\n1\r\n1\r\n1\r\n";
    test::ScriviTutto(percorso, contenuto);
    DialoghiSoloMessaggi dialoghi;
    EXPECT_FALSE(AbacoInConsultazione(
        percorso, [](const VoceAbaco&) {}, dialoghi));
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Testo,
              std::string(MessaggioAbacoIlleggibile) + "\n" + percorso + "\n" + MotivoAbacoUtf8);
    EXPECT_EQ(test::LeggiTutto(percorso), contenuto);
}

} // namespace
