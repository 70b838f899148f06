#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/testo_grafico.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

using A = std::array<double, 4>;

namespace {

constexpr double Pvs[] = {24, 20, 8, 5};
constexpr double Pv[] = {12.5, 11, 10, 3};

// Three layers of 10, 20 and 30 cm (boundaries at 1500, 2550, 4650, 7800) and a largest
// pressure of 25 hPa, so that p lies at 557.5 + (25 - p)·100. The effective pressure
// overtakes the saturation pressure at 9/11 of layer 2 and falls back under it halfway
// through layer 3.
RisultatiCalcolo Condensa() {
    RisultatiCalcolo r;
    r.Pvsi = 25;
    r.Pvse = 4;
    r.Pvi = 12.5;
    r.Pve = 3;
    std::copy(std::begin(Pvs), std::end(Pvs), r.Pvs.begin());
    std::copy(std::begin(Pv), std::end(Pv), r.Pv.begin());
    return r;
}

double y(double p) {
    return 557.5 + (25 - p) * 100;
}

Superficie Disegnato(const RisultatiCalcolo& r) {
    Superficie g2 = GraficiAzzerati(true).Grafico2;
    DisegnaGraficiUmidità(g2, r, AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    return g2;
}

} // namespace

TEST(GraficoUmidita, BothProfilesShareOneScale) {
    const Superficie g2 = Disegnato(Condensa());
    EXPECT_EQ(LineaDi(g2, "LineXg2").Y1, 3057.5);
    const double x[] = {1500, 2550, 4650, 7800};
    for (int k = 1; k <= 3; ++k) {
        const Linea sat = LineaDi(g2, NomeIndice("LineaU1", k));
        const Linea eff = LineaDi(g2, NomeIndice("LineaU2", k));
        EXPECT_EQ(Estremi(sat), (A{x[k - 1], y(Pvs[k - 1]), x[k], y(Pvs[k])}));
        EXPECT_EQ(Estremi(eff), (A{x[k - 1], y(Pv[k - 1]), x[k], y(Pv[k])}));
        EXPECT_EQ(sat.Colore, 0x0000FF00u);
        EXPECT_EQ(eff.Colore, 0x000000FFu);
    }
    EXPECT_EQ(Estremi(LineaDi(g2, "LineaU1(0)")), (A{0, 557.5, 1500, 557.5}));
    EXPECT_EQ(Estremi(LineaDi(g2, "LineaU2(4)")), (A{7800, y(3), 9800, y(3)}));

    // The inside labels start 40 right of the vertical axis, the outside ones end 40 before
    // the edge (8855); each stands 20 above its level, one line (180) high, where that is
    // free. Above the red outside level y(3) the label would cross the green one at y(4),
    // 100 higher: it goes 20 below its level instead.
    using Attesa = std::tuple<std::string, double, double>;
    auto interna = [&](const char* nome) {
        const Etichetta e = EtichettaDi(g2, nome);
        return Attesa{e.Testo, e.Sinistra, e.Alto};
    };
    auto esterna = [&](const char* nome) {
        const Etichetta e = EtichettaDi(g2, nome);
        return Attesa{e.Testo, Ingombro(e).Destra, e.Alto};
    };
    EXPECT_EQ(interna("Label2yV(1)"), (Attesa{"25", 540, 357.5}));
    EXPECT_EQ(esterna("Label2yV(2)"), (Attesa{"4", 8855, y(4) - 200}));
    EXPECT_EQ(interna("Label2yR(1)"), (Attesa{"12,5", 540, y(12.5) - 200}));
    EXPECT_EQ(esterna("Label2yR(2)"), (Attesa{"3", 8855, y(3) + 20}));
}

TEST(GraficoUmidita, HatchingMarksExactlyWhereTheEffectivePressureIsAbove) {
    Superficie g2 = Disegnato(Condensa());
    tratteggio(g2, 3);
    // Layer 2 beyond 2550 + 2100·9/11 (4268.2), layer 3 before 4650 + 1575 (6225); both
    // layers stroke their common boundary.
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
    }
    EXPECT_EQ(ascisse, attese);
    // Each stroke runs from the saturation profile up to the effective one.
    const double t = 1740.0 / 2100;
    EXPECT_NEAR(g2.Pennellate.front().Y1, y(20 + (8 - 20) * t), 1e-9);
    EXPECT_NEAR(g2.Pennellate.front().Y2, y(11 + (10 - 11) * t), 1e-9);

    // Hatching twice paints the same strokes; a redraw of the chart takes them away.
    const std::vector<Linea> prime = g2.Pennellate;
    tratteggio(g2, 3);
    EXPECT_EQ(g2.Pennellate, prime);
    DisegnaGraficiUmidità(g2, Condensa(), AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    EXPECT_TRUE(g2.Pennellate.empty());
}

TEST(GraficoUmidita, NoCondensationNoHatching) {
    RisultatiCalcolo r = Condensa();
    r.Pv[1] = 11;
    r.Pv[2] = 7.9;
    Superficie g2 = Disegnato(r);
    tratteggio(g2, 3);
    EXPECT_TRUE(g2.Pennellate.empty());

    // Profiles that touch everywhere never lie above each other.
    r.Pv = r.Pvs;
    g2 = Disegnato(r);
    tratteggio(g2, 3);
    EXPECT_TRUE(g2.Pennellate.empty());
}
