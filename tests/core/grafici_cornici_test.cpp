#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

TEST(GraficiCornici, SurfaceHeightsFollowTheHygrometricChoice) {
    const Grafici conIgrometrico = GraficiAzzerati(true);
    EXPECT_EQ(conIgrometrico.Grafico1.Altezza, 3615);
    EXPECT_EQ(conIgrometrico.Grafico2.Altezza, 3615);
    EXPECT_EQ(conIgrometrico.Grafico3.Altezza, 7335);
    EXPECT_EQ(conIgrometrico.Grafico1.Larghezza, 8895);

    const Grafici soloTermico = GraficiAzzerati(false);
    EXPECT_EQ(soloTermico.Grafico1.Altezza, 7335);
    // The frame follows the height: faces, axis and zero line end near the new bottom.
    const Superficie& g1 = soloTermico.Grafico1;
    EXPECT_EQ(LineaDi(g1, "L1(0)").Y2, 7335 - 295);
    EXPECT_EQ(LineaDi(g1, "LineYg1").Y1, 7335 - 310);
    EXPECT_EQ(LineaDi(g1, "LineXg1").Y1, 7335 - 557.5);
}

TEST(GraficiCornici, WallSectionAndAxesOfTheTemperatureAndVapourCharts) {
    const Grafici g = GraficiAzzerati(true);
    for (const auto& [s, n] : {std::pair{&g.Grafico1, std::string("1")}, {&g.Grafico2, "2"}}) {
        SCOPED_TRACE(n);
        const Linea asseY = LineaDi(*s, "LineYg" + n);
        EXPECT_EQ((std::array{asseY.X1, asseY.Y1, asseY.X2, asseY.Y2}),
                  (std::array{500.0, 3305.0, 500.0, 0.0}));
        EXPECT_EQ(asseY.Spessore, 3);

        const Linea interna = LineaDi(*s, "L" + n + "(0)");
        const Linea esterna = LineaDi(*s, "L" + n + n + "(0)");
        EXPECT_EQ((std::array{interna.X1, interna.Y1, interna.X2, interna.Y2}),
                  (std::array{1500.0, 240.0, 1500.0, 3320.0}));
        EXPECT_EQ((std::array{esterna.X1, esterna.Y1, esterna.X2, esterna.Y2}),
                  (std::array{7800.0, 240.0, 7800.0, 3320.0}));
        EXPECT_EQ(interna.Colore, 0x0000FFFFu);
        EXPECT_EQ(esterna.Colore, 0x0000FFFFu);

        const int bordo = n == "1" ? 100 : 200;
        const Linea sopra = LineaDi(*s, NomeIndice("Line3", bordo));
        const Linea sotto = LineaDi(*s, NomeIndice("Line3", bordo + 1));
        EXPECT_EQ((std::array{sopra.X1, sopra.Y1, sopra.X2, sopra.Y2}),
                  (std::array{1500.0, 240.0, 7800.0, 240.0}));
        EXPECT_EQ((std::array{sotto.X1, sotto.Y1, sotto.X2, sotto.Y2}),
                  (std::array{1500.0, 3320.0, 7800.0, 3320.0}));
        EXPECT_EQ(sopra.Tratto, StileTratto::TrattoPunto);
        EXPECT_EQ(sopra.Colore, 0x00FFFFFFu);
        EXPECT_TRUE(s->Etichette.empty());
        EXPECT_TRUE(s->Pennellate.empty());
    }
    EXPECT_EQ(LineaDi(g.Grafico1, "LineXg1").Y1, 3615 - 557.5);
    // The vapour chart's empty frame keeps its zero line at a fixed height.
    const Linea zero2 = LineaDi(g.Grafico2, "LineXg2");
    EXPECT_EQ((std::array{zero2.X1, zero2.Y1, zero2.X2, zero2.Y2}),
              (std::array{0.0, 3100.0, 8895.0, 3100.0}));
}

TEST(GraficiCornici, AcousticFrameShowsOnlyItsAxesUntilDrawn) {
    Grafici g = GraficiAzzerati(true);
    const Superficie& g3 = g.Grafico3;
    EXPECT_TRUE(LineaDi(g3, "LineYg3").Visibile);
    EXPECT_EQ(LineaDi(g3, "LineYg3").Y1, 7335 - 310);
    EXPECT_EQ(LineaDi(g3, "LineXg3").Y1, 7335 - 557.5);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_FALSE(LineaDi(g3, NomeIndice("L3", k)).Visibile);
    }
    for (const Etichetta& e : g3.Etichette) {
        EXPECT_FALSE(e.Visibile) << e.Nome;
    }

    // The grid itself stands at two twips per hertz from the axis, from the top of the
    // section to its bottom, with the frequency labels above.
    PosizionaGrigliaFrequenze(g.Grafico3, true);
    const double attese[] = {750, 1000, 1500, 2500, 4500, 8500};
    const char* didascalie[] = {"125", "250", "500", "1000", "2000", "4000"};
    for (int k = 1; k <= 6; ++k) {
        const Linea l = LineaDi(g3, NomeIndice("L3", k));
        EXPECT_TRUE(l.Visibile);
        EXPECT_EQ(l.X1, attese[k - 1]);
        EXPECT_EQ(l.X2, attese[k - 1]);
        EXPECT_EQ(l.Y1, 240);
        EXPECT_EQ(l.Y2, 7335 - 295);
        EXPECT_EQ(l.Tratto, StileTratto::Punteggiato);
        const Etichetta e = EtichettaDi(g3, NomeIndice("LabelErz", k));
        EXPECT_EQ(e.Testo, didascalie[k - 1]);
        EXPECT_EQ(e.Sinistra, attese[k - 1] - (k == 1 ? 130 : 70));
        EXPECT_EQ(e.Alto, 270);
    }
    const Etichetta hz = EtichettaDi(g3, "LabelErz(0)");
    EXPECT_EQ(hz.Testo, "Hz");
    EXPECT_EQ(hz.Sinistra, 100);
}

TEST(GraficiCornici, MovingAnElementKeepsItsPlaceBringingToFrontPutsItLast) {
    Superficie s;
    PosizionaLinea(s, Linea{.Nome = "a"});
    PosizionaLinea(s, Linea{.Nome = "b"});
    PosizionaLinea(s, Linea{.Nome = "a", .X1 = 5});
    ASSERT_EQ(s.Linee.size(), 2u);
    EXPECT_EQ(s.Linee[0].Nome, "a");
    EXPECT_EQ(s.Linee[0].X1, 5);
    PortaDavanti(s, Linea{.Nome = "a", .X1 = 7});
    ASSERT_EQ(s.Linee.size(), 2u);
    EXPECT_EQ(s.Linee[1].Nome, "a");
    EXPECT_EQ(s.Linee[1].X1, 7);
}
