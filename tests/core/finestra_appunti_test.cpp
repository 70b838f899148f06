#include <gtest/gtest.h>

#include "core/window/finestra_appunti.h"

using namespace paretix;

// Blanks at both ends are removed; only a real change marks the notes, and blanks the main
// window's box held are a difference once trimmed away; notes with CR LF left alone are no
// change.
TEST(FinestraAppunti, TrimmedTextAndWhetherTheNotesChanged) {
    struct Caso {
        const char *prima, *digitato, *testo; // testo nullptr: not looked at
        bool modificati;
    };
    const Caso casi[] = {
        {"prima", "   ", "", true},
        {"prima", "  muro a cassetta\n  isolato  ", "muro a cassetta\n  isolato", true},
        {"", "    ", "", false},
        {"muro esterno", "  muro esterno ", "muro esterno", false},
        {"muro ", "muro ", nullptr, true},
        {"riga 1\r\nriga 2", "riga 1\nriga 2", nullptr, false},
        {"riga 1\r\nriga 2", "riga 1\nriga 2\nriga 3", "riga 1\nriga 2\nriga 3", true}};
    for (const Caso& c : casi) {
        const EsitoAppunti esito = FinestraAppuntiQt(c.prima).Form_Unload(c.digitato);
        EXPECT_EQ(esito.Modificati, c.modificati) << c.prima << "|" << c.digitato;
        if (c.testo != nullptr) {
            EXPECT_EQ(esito.Testo, c.testo) << c.prima << "|" << c.digitato;
        }
    }
    EXPECT_EQ(FinestraAppuntiQt("").Text1(), "");
    EXPECT_EQ(FinestraAppuntiQt("riga 1\r\nriga 2").Text1(), "riga 1\nriga 2");
}
