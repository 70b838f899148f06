#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

// Three layers of 10, 20 and 30 cm (boundaries at 1500, 2550, 4650, 7800) and a largest
// pressure of 25 hPa, so that 1 hPa is 100 twips and p lies at 557.5 + (25 - p)·100. The
// effective pressure overtakes the saturation pressure at 9/11 of layer 2 and falls back
// under it at half of layer 3.
RisultatiCalcolo Condensa() {
    RisultatiCalcolo r;
    r.Pvsi = 25;
    r.Pvse = 4;
    r.Pvi = 12.5;
    r.Pve = 3;
    const double pvs[] = {24, 20, 8, 5};
    const double pv[] = {12.5, 11, 10, 3};
    for (std::size_t i = 0; i < 4; ++i) {
        r.Pvs[i] = pvs[i];
        r.Pv[i] = pv[i];
    }
    return r;
}

double y(double p) {
    return 557.5 + (25 - p) * 100;
}

Superficie Disegnato(const RisultatiCalcolo& r) {
    Grafici g = GraficiAzzerati(true);
    const Esercizio e = PareteDiSpessori({"10", "20", "30"});
    DisegnaLeIsoterme(g, e);
    DisegnaGraficiUmidità(g.Grafico2, r, AscisseConfini(e));
    return g.Grafico2;
}

} // namespace

TEST(GraficoUmidita, BothProfilesShareOneScale) {
    const Superficie g2 = Disegnato(Condensa());
    EXPECT_EQ(LineaDi(g2, "LineXg2").Y1, 3057.5);
    const double x[] = {1500, 2550, 4650, 7800};
    const double pvs[] = {24, 20, 8, 5};
    const double pv[] = {12.5, 11, 10, 3};
    for (int k = 1; k <= 3; ++k) {
        const Linea sat = LineaDi(g2, NomeIndice("LineaU1", k));
        const Linea eff = LineaDi(g2, NomeIndice("LineaU2", k));
        EXPECT_EQ((std::array{sat.X1, sat.Y1, sat.X2, sat.Y2}),
                  (std::array{x[k - 1], y(pvs[k - 1]), x[k], y(pvs[k])}));
        EXPECT_EQ((std::array{eff.X1, eff.Y1, eff.X2, eff.Y2}),
                  (std::array{x[k - 1], y(pv[k - 1]), x[k], y(pv[k])}));
        EXPECT_EQ(sat.Colore, 0x0000FF00u);
        EXPECT_EQ(eff.Colore, 0x000000FFu);
    }
    EXPECT_EQ(LineaDi(g2, "LineaU1(0)").Y1, 557.5);
    EXPECT_EQ(LineaDi(g2, "LineaU1(0)").X2, 1500);
    EXPECT_EQ(LineaDi(g2, "LineaU2(4)").Y1, y(3));
    EXPECT_EQ(LineaDi(g2, "LineaU2(4)").X2, 9800);

    struct Attesa {
        const char* nome;
        double sinistra, alto;
        const char* testo;
    };
    for (const Attesa& a :
         {Attesa{"Label2yV(1)", 0, 357.5, "25"}, Attesa{"Label2yV(2)", 7920, y(4) - 200, "4"},
          Attesa{"Label2yR(1)", 0, y(12.5) - 200, "12,5"},
          Attesa{"Label2yR(2)", 7920, y(3) - 200, "3"}}) {
        const Etichetta e = EtichettaDi(g2, a.nome);
        EXPECT_EQ(e.Sinistra, a.sinistra) << a.nome;
        EXPECT_EQ(e.Alto, a.alto) << a.nome;
        EXPECT_EQ(e.Testo, a.testo) << a.nome;
    }
}

TEST(GraficoUmidita, HatchingMarksExactlyWhereTheEffectivePressureIsAbove) {
    Superficie g2 = Disegnato(Condensa());
    EXPECT_TRUE(g2.Pennellate.empty());
    tratteggio(g2, 3);

    // Layer 2 from x > 2550 + 2100·9/11 (4268.2), layer 3 below 4650 + 1575 (6225); both
    // layers stroke their common boundary 4650.
    std::vector<double> attese;
    for (double x = 4290; x <= 4650; x += 60) {
        attese.push_back(x);
    }
    for (double x = 4650; x <= 6210; x += 60) {
        attese.push_back(x);
    }
    std::vector<double> ascisse;
    for (const Linea& p : g2.Pennellate) {
        ascisse.push_back(p.X1);
        EXPECT_EQ(p.X2, p.X1);
        EXPECT_EQ(p.Colore, 0x00FF00FFu);
        EXPECT_LT(p.Y2, p.Y1); // from the saturation profile up to the effective one
    }
    EXPECT_EQ(ascisse, attese);

    // Each stroke joins the two profiles: at x = 4290, t = 1740/2100 of layer 2.
    const double t = 1740.0 / 2100;
    EXPECT_NEAR(g2.Pennellate.front().Y1, y(20 + (8 - 20) * t), 1e-9);
    EXPECT_NEAR(g2.Pennellate.front().Y2, y(11 + (10 - 11) * t), 1e-9);
    EXPECT_DOUBLE_EQ(g2.Pennellate.back().Y1, y(8 + (5 - 8) * (1560.0 / 3150)));

    // Hatching twice paints the same strokes, and a redraw of the chart takes them away.
    const std::vector<Linea> prime = g2.Pennellate;
    tratteggio(g2, 3);
    EXPECT_EQ(g2.Pennellate, prime);
    DisegnaGraficiUmidità(g2, Condensa(), AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    EXPECT_TRUE(g2.Pennellate.empty());
}

TEST(GraficoUmidita, NoCondensationNoHatching) {
    RisultatiCalcolo r = Condensa();
    r.Pv[2] = 7.9; // now below 8 at the boundary of layers 2 and 3
    r.Pv[1] = 11;
    Superficie g2 = Disegnato(r);
    tratteggio(g2, 3);
    EXPECT_TRUE(g2.Pennellate.empty());

    // Equal profiles touch everywhere but never lie above.
    r.Pv = r.Pvs;
    g2 = Disegnato(r);
    tratteggio(g2, 3);
    EXPECT_TRUE(g2.Pennellate.empty());
}

TEST(GraficoUmidita, OneLayerWallHasThreeElementsPerFamily) {
    RisultatiCalcolo r = Condensa();
    Grafici g = GraficiAzzerati(true);
    DisegnaGraficiUmidità(g.Grafico2, r, AscisseConfini(PareteDiSpessori({"5"})));
    for (const char* famiglia : {"LineaU1", "LineaU2"}) {
        for (int k = 0; k <= 2; ++k) {
            EXPECT_NE(TrovaLinea(g.Grafico2, NomeIndice(famiglia, k)), nullptr);
        }
        EXPECT_EQ(TrovaLinea(g.Grafico2, NomeIndice(famiglia, 3)), nullptr);
    }
    EXPECT_EQ(LineaDi(g.Grafico2, "LineaU1(1)").X2, 7800);
}
