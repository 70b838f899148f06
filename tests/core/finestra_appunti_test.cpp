#include <gtest/gtest.h>

#include "core/window/finestra_appunti.h"

using namespace paretix;

TEST(FinestraAppunti, BlanksAtBothEndsAreRemoved) {
    const FinestraAppuntiQt form("prima");
    EsitoAppunti esito = form.Form_Unload("   ");
    EXPECT_EQ(esito.Testo, "");
    EXPECT_TRUE(esito.Modificati);

    esito = form.Form_Unload("  muro a cassetta\n  isolato  ");
    EXPECT_EQ(esito.Testo, "muro a cassetta\n  isolato");
    EXPECT_TRUE(esito.Modificati);
}

TEST(FinestraAppunti, OnlyARealChangeMarksTheNotes) {
    const FinestraAppuntiQt vuoto("");
    EXPECT_EQ(vuoto.Text1(), "");
    EsitoAppunti esito = vuoto.Form_Unload("    ");
    EXPECT_EQ(esito.Testo, "");
    EXPECT_FALSE(esito.Modificati);

    const FinestraAppuntiQt form("muro esterno");
    esito = form.Form_Unload("  muro esterno ");
    EXPECT_EQ(esito.Testo, "muro esterno");
    EXPECT_FALSE(esito.Modificati);

    // Blanks the main window's box held are a difference once they are trimmed away.
    const FinestraAppuntiQt conSpazi("muro ");
    EXPECT_TRUE(conSpazi.Form_Unload("muro ").Modificati);
}

TEST(FinestraAppunti, NotesWithCrLfLeftAloneAreNotChanged) {
    const FinestraAppuntiQt form("riga 1\r\nriga 2");
    EXPECT_EQ(form.Text1(), "riga 1\nriga 2");
    EXPECT_FALSE(form.Form_Unload("riga 1\nriga 2").Modificati);
    EsitoAppunti esito = form.Form_Unload("riga 1\nriga 2\nriga 3");
    EXPECT_TRUE(esito.Modificati);
    EXPECT_EQ(esito.Testo, "riga 1\nriga 2\nriga 3");
}
