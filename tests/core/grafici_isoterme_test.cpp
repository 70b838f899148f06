#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/isoterme.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

TEST(GraficiIsoterme, BoundariesTakeTheLayersShareOfTheSection) {
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, PareteDiSpessori({"1", "1", "1", "1", "1"}));
    DisegnaLeIsoterme(g, PareteDiSpessori({"10", "20", "30"}));
    for (const auto& [s, f] : {std::pair{&g.Grafico1, "L1"}, {&g.Grafico2, "L2"}}) {
        EXPECT_EQ(Estremi(LineaDi(*s, NomeIndice(f, 1))),
                  (std::array<double, 4>{2550, 240, 2550, 3320}));
        EXPECT_EQ(Estremi(LineaDi(*s, NomeIndice(f, 2))),
                  (std::array<double, 4>{4650, 240, 4650, 3320}));
        // The isotherms of the earlier, thicker wall are gone.
        EXPECT_EQ(TrovaLinea(*s, NomeIndice(f, 3)), nullptr);
    }
    const double sinistre[] = {1500, 2550, 4650};
    for (int i = 0; i < 3; ++i) {
        const Etichetta e = EtichettaDi(g.Grafico1, NomeIndice("Label8", i));
        EXPECT_EQ(e.Testo, "i" + std::to_string(i));
        EXPECT_EQ(e.Sinistra, sinistre[i]);
        EXPECT_EQ(e.Alto, 3420);
    }
    EXPECT_EQ(TrovaEtichetta(g.Grafico1, "Label8(3)"), nullptr);
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label9").Testo, "i3");
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label9").Sinistra, 7680);
    EXPECT_TRUE(g.Grafico2.Etichette.empty());
}

TEST(GraficiIsoterme, OneLayerHasOnlyTheFaceLabels) {
    Grafici g = GraficiAzzerati(false);
    const Grafici vuoti = g;
    DisegnaLeIsoterme(g, PareteDiSpessori({"12"}));
    EXPECT_EQ(g.Grafico1.Linee, vuoti.Grafico1.Linee);
    EXPECT_EQ(g.Grafico2.Linee, vuoti.Grafico2.Linee);
    ASSERT_EQ(g.Grafico1.Etichette.size(), 2u);
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label8(0)").Testo, "i0");
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label9").Testo, "i1");
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label9").Alto, 7335 - 295 + 100);
}

TEST(GraficiIsoterme, ThicknessesAreReadWithTheDecimalComma) {
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"2,5", "7,5"})),
              (std::vector<double>{1500, 1500 + 2.5 * 6300 / 10, 7800}));
    // A wall that adds up to no width still gets defined positions: equal shares.
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"0", "abc", "0"})),
              (std::vector<double>{1500, 3600, 5700, 7800}));
}
