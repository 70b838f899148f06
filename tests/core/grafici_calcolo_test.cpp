#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/calcolo.h"
#include "core/charts/cornici.h"
#include "core/charts/grafici_calcolo.h"
#include "core/charts/isoterme.h"
#include "core/model/numeri.h"
#include "grafici_aiuto.h"
#include "pareti_esempio.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

struct Calcolato {
    Esercizio e;
    RisultatiCalcolo r;
    Grafici g;
};

Calcolato Calcola(Esercizio e) {
    Calcolato c{std::move(e), {}, GraficiAzzerati(true)};
    std::string testo;
    EXPECT_TRUE(Command1_Click(c.e, c.r, testo).DatiValidi);
    DisegnaGraficiDelCalcolo(c.g, c.e, c.r);
    return c;
}

// The pressures at x, on the straight lines between the boundary values of the run.
std::pair<double, double> PressioniIn(const Calcolato& c, double x) {
    const std::vector<double> xs = AscisseConfini(c.e);
    for (std::size_t k = 1; k < xs.size(); ++k) {
        if (x <= xs[k]) {
            const double t = (x - xs[k - 1]) / (xs[k] - xs[k - 1]);
            return {c.r.Pvs[k - 1] + t * (c.r.Pvs[k] - c.r.Pvs[k - 1]),
                    c.r.Pv[k - 1] + t * (c.r.Pv[k] - c.r.Pv[k - 1])};
        }
    }
    return {0, 0};
}

} // namespace

TEST(GraficiCalcolo, CondensationBehindInsideInsulationIsHatched) {
    const Calcolato c = Calcola(PareteIsolataDentro());
    const std::vector<double> xs = AscisseConfini(c.e);
    const std::vector<Linea>& tratti = c.g.Grafico2.Pennellate;
    ASSERT_FALSE(tratti.empty());
    bool sulConfine2 = false;
    for (const Linea& p : tratti) {
        const auto [saturazione, effettiva] = PressioniIn(c, p.X1);
        EXPECT_GT(effettiva, saturazione) << "tratto in x = " << p.X1;
        EXPECT_GT(p.X1, xs[1]); // the plaster stays dry
        sulConfine2 = sulConfine2 || p.X1 == xs[2];
    }
    EXPECT_TRUE(sulConfine2);

    // The temperature chart on the scale of 20 °C to -5 °C: 100 twips per degree.
    for (int k = 1; k <= 3; ++k) {
        const Linea l = LineaDi(c.g.Grafico1, NomeIndice("LineaTemperatura", k));
        EXPECT_NEAR(l.Y1, 557.5 + (20 - c.r.T[static_cast<std::size_t>(k - 1)]) * 100, 1e-9);
        EXPECT_NEAR(l.Y2, 557.5 + (20 - c.r.T[static_cast<std::size_t>(k)]) * 100, 1e-9);
    }
    EXPECT_EQ(LineaDi(c.g.Grafico1, "LineXg1").Y1, 2557.5);
    EXPECT_EQ(EtichettaDi(c.g.Grafico1, "Label9").Testo, "i3");
}

TEST(GraficiCalcolo, OutsideInsulationLeavesNothingToHatch) {
    const Calcolato c = Calcola(PareteIsolataFuori());
    EXPECT_TRUE(c.g.Grafico2.Pennellate.empty());
    EXPECT_NE(TrovaLinea(c.g.Grafico2, "LineaU2(5)"), nullptr);
}

TEST(GraficiCalcolo, EnergyCurveComesFromTheChartVariantOfTheAcousticCalculation) {
    Calcolato c = Calcola(PareteIsolataDentro());
    const Superficie& g3 = c.g.Grafico3;
    ASSERT_EQ(g3.Pennellate.size(), 776u);
    for (int k = 1; k <= 6; ++k) {
        const double livello = c.r.EnergiaTrasmessa[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(EtichettaDi(g3, NomeIndice("LabeldB", k)).Testo,
                  FormaGenerale(std::floor(livello)));
    }
    // The first stroke lies at the height of the level at 125 Hz on the octave scale.
    const double primo = CalcoloDisturboSonoro2(c.e, c.r, 125);
    double massimo = 0;
    for (double v : c.r.EnergiaTrasmessa) {
        massimo = std::max(massimo, v);
    }
    EXPECT_NEAR(g3.Pennellate.front().Y1, 557.5 + (massimo - primo) * 6220 / massimo, 1e-9);
}

TEST(GraficiCalcolo, EachCalculationTypeDrawsOnlyItsCharts) {
    Esercizio e = PareteIsolataDentro();
    e.Termico = e.Igrometrico = false;
    AggiornaCaselleVisibili(e, false);
    const Calcolato c = Calcola(e);
    const Grafici vuoti = GraficiAzzerati(true);
    EXPECT_EQ(c.g.Grafico1, vuoti.Grafico1);
    EXPECT_EQ(c.g.Grafico2, vuoti.Grafico2);
    EXPECT_EQ(c.g.Grafico3.Pennellate.size(), 776u);

    Esercizio termico = PareteIsolataDentro();
    termico.Igrometrico = termico.Acustico = false;
    AggiornaCaselleVisibili(termico, false);
    const Calcolato t = Calcola(termico);
    EXPECT_NE(t.g.Grafico1, vuoti.Grafico1);
    EXPECT_EQ(t.g.Grafico3, vuoti.Grafico3);
    EXPECT_EQ(TrovaLinea(t.g.Grafico2, "LineaU1(0)"), nullptr);
}
