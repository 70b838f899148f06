#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/testo_grafico.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

using A = std::array<double, 4>;

TEST(GraficiCornici, WallSectionAndAxesFollowTheSurfaceHeight) {
    const Grafici g = GraficiAzzerati(true);
    for (const auto& [s, n] : {std::pair{&g.Grafico1, std::string("1")}, {&g.Grafico2, "2"}}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(s->Altezza, 3615);
        EXPECT_EQ(Estremi(LineaDi(*s, "LineYg" + n)), (A{500, 3305, 500, 0}));
        EXPECT_EQ(Estremi(LineaDi(*s, "L" + n + "(0)")), (A{1500, 240, 1500, 3320}));
        EXPECT_EQ(Estremi(LineaDi(*s, "L" + n + n + "(0)")), (A{7800, 240, 7800, 3320}));
        const int bordo = n == "1" ? 100 : 200;
        const Linea sopra = LineaDi(*s, NomeIndice("Line3", bordo));
        EXPECT_EQ(Estremi(sopra), (A{1500, 240, 7800, 240}));
        EXPECT_EQ(sopra.Tratto, StileTratto::TrattoPunto);
        EXPECT_EQ(Estremi(LineaDi(*s, NomeIndice("Line3", bordo + 1))),
                  (A{1500, 3320, 7800, 3320}));
        EXPECT_EQ(LineaDi(*s, "L" + n + "(0)").Colore, 0x0000FFFFu);
        EXPECT_TRUE(s->Etichette.empty());
    }
    EXPECT_EQ(Estremi(LineaDi(g.Grafico1, "LineXg1")), (A{0, 3057.5, 8895, 3057.5}));
    // The vapour chart's empty frame has its zero line at a fixed height.
    EXPECT_EQ(LineaDi(g.Grafico2, "LineXg2").Y1, 3100);

    // Without the hygrometric calculation the temperature chart takes the whole panel.
    const Superficie alto = GraficiAzzerati(false).Grafico1;
    EXPECT_EQ(alto.Altezza, 7335);
    EXPECT_EQ(Estremi(LineaDi(alto, "L1(0)")), (A{1500, 240, 1500, 7040}));
    EXPECT_EQ(LineaDi(alto, "LineXg1").Y1, 7335 - 557.5);
}

TEST(GraficiCornici, AcousticFrameKeepsOnlyItsAxesUntilTheChartIsDrawn) {
    Superficie g3 = GraficiAzzerati(true).Grafico3;
    EXPECT_EQ(g3.Altezza, 7335);
    EXPECT_EQ(Estremi(LineaDi(g3, "LineYg3")), (A{500, 7025, 500, 0}));
    EXPECT_EQ(LineaDi(g3, "LineXg3").Y1, 6777.5);
    for (const Linea& l : g3.Linee) {
        EXPECT_EQ(l.Visibile, l.Nome.starts_with("Line")) << l.Nome;
    }
    for (const Etichetta& e : g3.Etichette) {
        EXPECT_FALSE(e.Visibile) << e.Nome;
    }

    PosizionaGrigliaFrequenze(g3, true);
    // One octave every 1550 twips from 750.
    const double x[] = {750, 2300, 3850, 5400, 6950, 8500};
    const char* testi[] = {"125", "250", "500", "1000", "2000", "4000"};
    for (int k = 1; k <= 6; ++k) {
        const Linea l = LineaDi(g3, NomeIndice("L3", k));
        EXPECT_EQ(Estremi(l), (A{x[k - 1], 240, x[k - 1], 7040}));
        EXPECT_TRUE(l.Visibile);
        EXPECT_EQ(l.Tratto, StileTratto::Punteggiato);
        const Etichetta e = EtichettaDi(g3, NomeIndice("LabelErz", k));
        EXPECT_EQ(e.Testo, testi[k - 1]);
        // Centred on its line.
        const Rettangolo r = Ingombro(e);
        EXPECT_DOUBLE_EQ((r.Sinistra + r.Destra) / 2, x[k - 1]);
        EXPECT_EQ(e.Alto, 270);
    }
    EXPECT_EQ(EtichettaDi(g3, "LabelErz(0)").Testo, "Hz");
}
