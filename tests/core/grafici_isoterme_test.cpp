#include <gtest/gtest.h>

#include <cmath>

#include "core/charts/cornici.h"
#include "core/charts/isoterme.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

TEST(GraficiIsoterme, BoundariesTakeTheLayersShareOfTheSection) {
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, PareteDiSpessori({"10", "20", "30"}));
    for (const auto& [s, f] : {std::pair{&g.Grafico1, "L1"}, {&g.Grafico2, "L2"}}) {
        const Linea i1 = LineaDi(*s, NomeIndice(f, 1));
        const Linea i2 = LineaDi(*s, NomeIndice(f, 2));
        EXPECT_EQ((std::array{i1.X1, i1.Y1, i1.X2, i1.Y2}),
                  (std::array{2550.0, 240.0, 2550.0, 3320.0}));
        EXPECT_EQ((std::array{i2.X1, i2.Y1, i2.X2, i2.Y2}),
                  (std::array{4650.0, 240.0, 4650.0, 3320.0}));
        EXPECT_EQ(i1.Colore, GialloGrafico);
        EXPECT_EQ(TrovaLinea(*s, NomeIndice(f, 3)), nullptr);
    }
    // Labels below the section of the temperature chart only.
    const char* attese[] = {"i0", "i1", "i2"};
    const double sinistre[] = {1500, 2550, 4650};
    for (int i = 0; i < 3; ++i) {
        const Etichetta e = EtichettaDi(g.Grafico1, NomeIndice("Label8", i));
        EXPECT_EQ(e.Testo, attese[i]);
        EXPECT_EQ(e.Sinistra, sinistre[i]);
        EXPECT_EQ(e.Alto, 3615 - 295 + 100);
    }
    const Etichetta esterna = EtichettaDi(g.Grafico1, "Label9");
    EXPECT_EQ(esterna.Testo, "i3");
    EXPECT_EQ(esterna.Sinistra, 7680);
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

TEST(GraficiIsoterme, ThicknessesAreReadAsTypedWithTheDecimalComma) {
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"2,5", "7,5"})),
              (std::vector<double>{1500, 1500 + 2.5 * 6300 / 10, 7800}));
    // A wall that adds up to no width still gets defined positions, equal shares.
    const std::vector<double> x = AscisseConfini(PareteDiSpessori({"0", "abc", "0"}));
    EXPECT_EQ(x, (std::vector<double>{1500, 3600, 5700, 7800}));
}

TEST(GraficiIsoterme, RedrawingAThinnerWallDropsTheIsothermsItNoLongerHas) {
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, PareteDiSpessori({"1", "1", "1", "1"}));
    DisegnaLeIsoterme(g, PareteDiSpessori({"1", "3"}));
    EXPECT_EQ(LineaDi(g.Grafico1, "L1(1)").X1, 1500 + 6300.0 / 4);
    EXPECT_EQ(TrovaLinea(g.Grafico1, "L1(2)"), nullptr);
    EXPECT_EQ(TrovaLinea(g.Grafico2, "L2(3)"), nullptr);
    EXPECT_EQ(TrovaEtichetta(g.Grafico1, "Label8(2)"), nullptr);
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label9").Testo, "i2");
}
