#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/calcolo.h"
#include "core/charts/cornici.h"
#include "core/charts/grafici_calcolo.h"
#include "core/charts/isoterme.h"
#include "core/model/numeri.h"
#include "grafici_aiuto.h"
#include "support/pareti.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

struct Calcolato {
    Esercizio e;
    RisultatiCalcolo r;
    Grafici g = GraficiAzzerati(true);
};

Calcolato Calcola(Esercizio e) {
    Calcolato c;
    c.e = std::move(e);
    std::string testo;
    EXPECT_TRUE(Command1_Click(c.e, c.r, testo).DatiValidi);
    DisegnaGraficiDelCalcolo(c.g, c.e, c.r);
    return c;
}

} // namespace

TEST(GraficiCalcolo, CondensationBehindInsideInsulationIsHatched) {
    const Calcolato c = Calcola(PareteIsolataDentro());
    // Every stroke stands where the run's own pressures, interpolated through the layer,
    // have the effective one above saturation; the plaster stays dry, and the wet boundary
    // between wool and concrete is marked.
    const std::vector<double> xs = AscisseConfini(c.e);
    ASSERT_FALSE(c.g.Grafico2.Pennellate.empty());
    bool confine2 = false;
    for (const Linea& p : c.g.Grafico2.Pennellate) {
        const auto k =
            static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end() - 1, p.X1) - xs.begin());
        const double t = (p.X1 - xs[k - 1]) / (xs[k] - xs[k - 1]);
        const double saturazione = c.r.Pvs[k - 1] + t * (c.r.Pvs[k] - c.r.Pvs[k - 1]);
        const double effettiva = c.r.Pv[k - 1] + t * (c.r.Pv[k] - c.r.Pv[k - 1]);
        EXPECT_GT(effettiva, saturazione) << "x = " << p.X1;
        EXPECT_GT(p.X1, xs[1]);
        confine2 = confine2 || p.X1 == xs[2];
    }
    EXPECT_TRUE(confine2);

    // The temperature chart on the scale of 20 °C to -5 °C: 100 twips per degree.
    for (int k = 1; k <= 3; ++k) {
        const Linea l = LineaDi(c.g.Grafico1, NomeIndice("LineaTemperatura", k));
        EXPECT_NEAR(l.Y2, 557.5 + (20 - c.r.T[static_cast<std::size_t>(k)]) * 100, 1e-9);
    }
    EXPECT_EQ(EtichettaDi(c.g.Grafico1, "Label9").Testo, "i3");

    EXPECT_TRUE(Calcola(PareteIsolataFuori()).g.Grafico2.Pennellate.empty());
}

TEST(GraficiCalcolo, EachCalculationTypeDrawsOnlyItsCharts) {
    const Grafici vuoti = GraficiAzzerati(true);
    Esercizio acustico = PareteIsolataDentro();
    acustico.Termico = acustico.Igrometrico = false;
    AggiornaCaselleVisibili(acustico, false);
    const Calcolato a = Calcola(acustico);
    EXPECT_EQ(a.g.Grafico1, vuoti.Grafico1);
    EXPECT_EQ(a.g.Grafico2, vuoti.Grafico2);
    // The energy curve asks the chart variant of the acoustic calculation; the labels show
    // the report's octave levels.
    // 776 levels, every 5 Hz from 125 to 4000, joined by 775 strokes.
    ASSERT_EQ(a.g.Grafico3.Pennellate.size(), 775u);
    for (int k = 1; k <= 6; ++k) {
        const double livello = a.r.EnergiaTrasmessa[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(EtichettaDi(a.g.Grafico3, NomeIndice("LabeldB", k)).Testo,
                  FormaGenerale(std::floor(livello)));
    }
    EXPECT_EQ(a.r.FrequenzaGrafico, 4000);

    Esercizio termico = PareteIsolataDentro();
    termico.Igrometrico = termico.Acustico = false;
    AggiornaCaselleVisibili(termico, false);
    const Calcolato t = Calcola(termico);
    EXPECT_NE(t.g.Grafico1, vuoti.Grafico1);
    EXPECT_EQ(TrovaLinea(t.g.Grafico2, "LineaU1(0)"), nullptr);
    EXPECT_EQ(t.g.Grafico3, vuoti.Grafico3);
}
