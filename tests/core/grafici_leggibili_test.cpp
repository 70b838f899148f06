// Every chart stays readable: each label inside its surface, no two labels on each other, no
// label on a curve, the value axes with ticks and units and the frequency labels apart, on
// the example walls and on values chosen to be awkward (long, negative, huge, equal).

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "core/calc/calcolo.h"
#include "core/charts/cornici.h"
#include "core/charts/grafici_calcolo.h"
#include "core/charts/grafico_energia.h"
#include "core/charts/grafico_temperature.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/testo_grafico.h"
#include "core/files/apertura_file.h"
#include "core/model/numeri.h"
#include "grafici_aiuto.h"
#include "grafici_leggibili.h"
#include "support/pareti.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

void ControllaGrafici(const Grafici& g, const std::string& nome) {
    ControllaLeggibile(g.Grafico1, nome + ", temperature");
    ControllaLeggibile(g.Grafico2, nome + ", pressioni");
    ControllaLeggibile(g.Grafico3, nome + ", suono");
}

// A wall of n layers with every boundary value set by valore(i), i = 0 .. n.
RisultatiCalcolo Risultati(int n, double Ti, double Te, double pi, double pe, double psi,
                           double pse) {
    RisultatiCalcolo r;
    r.Ti = Ti;
    r.Te = Te;
    r.Pvi = pi;
    r.Pve = pe;
    r.Pvsi = psi;
    r.Pvse = pse;
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const auto k = static_cast<std::size_t>(i);
        r.T[k] = Ti + (Te - Ti) * t;
        r.Pv[k] = pi + (pe - pi) * t;
        r.Pvs[k] = psi + (pse - psi) * t;
    }
    return r;
}

Grafici Disegna(const Esercizio& pareti, const RisultatiCalcolo& r,
                const std::array<double, 6>& ottave, const LivelloAllaFrequenza& livello) {
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, pareti);
    const std::vector<double> ascisse = AscisseConfini(pareti);
    DisegnaGraficoTemperature(g.Grafico1, r, ascisse);
    DisegnaGraficiUmidità(g.Grafico2, r, ascisse);
    tratteggio(g.Grafico2, pareti.NumeroStrati());
    DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(g.Grafico3, ottave, livello);
    return g;
}

struct Calcolato {
    Esercizio e;
    RisultatiCalcolo r;
    Grafici g = GraficiAzzerati(true);
};

Calcolato Calcola(Esercizio e, bool igrometrico = true) {
    Calcolato c;
    c.g = GraficiAzzerati(igrometrico);
    c.e = std::move(e);
    std::string testo;
    EXPECT_TRUE(Command1_Click(c.e, c.r, testo).DatiValidi);
    DisegnaGraficiDelCalcolo(c.g, c.e, c.r);
    return c;
}

} // namespace

TEST(GraficiLeggibili, ParetiDegliEsempi) {
    for (const char* nome :
         {"parete-intercapedine.css", "parete-pesante.css", "parete-verifiche.css"}) {
        Esercizio e;
        ASSERT_EQ(AperturaFile(PARETIX_TEST_DATA "/../../../examples/" + std::string(nome), e),
                  std::nullopt);
        const Calcolato c = Calcola(e, e.Igrometrico);
        const Grafici& g = c.g;
        ControllaGrafici(g, nome);
        // Each value axis drawn has ticks and its unit.
        ASSERT_TRUE(e.Termico) << nome;
        EXPECT_GE(QuanteTacche(g.Grafico1), 3) << nome;
        EXPECT_EQ(EtichettaDi(g.Grafico1, "EtichettaUnita").Testo, "°C");
        if (e.Igrometrico) {
            EXPECT_GE(QuanteTacche(g.Grafico2), 3) << nome;
            EXPECT_EQ(EtichettaDi(g.Grafico2, "EtichettaUnita").Testo, "hPa");
            // The legend names each profile in its colour; the humidities stand in the frame.
            EXPECT_EQ(EtichettaDi(g.Grafico2, "LegendaPs").Colore,
                      LineaDi(g.Grafico2, "LineaU1(1)").Colore);
            EXPECT_EQ(EtichettaDi(g.Grafico2, "LegendaPv").Colore,
                      LineaDi(g.Grafico2, "LineaU2(1)").Colore);
            EXPECT_EQ(EtichettaDi(g.Grafico2, "EtichettaUi").Testo,
                      "Ui " + FormaGrafico(c.r.Ui) + " %");
            EXPECT_EQ(EtichettaDi(g.Grafico2, "EtichettaUe").Testo,
                      "Ue " + FormaGrafico(c.r.Ue) + " %");
        }
        if (e.Acustico) {
            EXPECT_GE(QuanteTacche(g.Grafico3), 3) << nome;
            EXPECT_EQ(EtichettaDi(g.Grafico3, "LabeldB(0)").Testo, "dB");
            EXPECT_EQ(EtichettaDi(g.Grafico3, "LabelErz(0)").Testo, "Hz");
        }
    }
    for (const Esercizio& e : {PareteIsolataDentro(), PareteIsolataFuori()}) {
        ControllaGrafici(Calcola(e).g, "parete di prova");
    }
}

TEST(GraficiLeggibili, ValoriScomodi) {
    const Esercizio tre = PareteDiSpessori({"10", "20", "30"});
    const Esercizio sottili =
        PareteDiSpessori({"0,5", "0,5", "0,5", "0,5", "0,5", "0,5", "0,5", "0,5", "0,5", "0,5",
                          "0,5", "0,5", "0,5", "0,5", "50"});
    const auto piatto = [](double) { return 30.0; };
    const auto rampa = [](double F) { return 20 + 30 * (F - 125) / 3875; };
    // A curve jumping between 0 and the highest octave level every 5 Hz fills its band.
    const auto denti = [](double F) { return std::fmod(F, 10) == 0 ? 45.0 : 0.0; };
    struct Caso {
        const char* nome;
        const Esercizio& parete;
        RisultatiCalcolo r;
        std::array<double, 6> ottave;
        LivelloAllaFrequenza livello;
    };
    const Caso casi[] = {
        {"numeri lunghi",
         tre,
         Risultati(3, 16.3593304, 4.011809813, 14.98765432, 8.0123456, 18.61234567, 8.1298765),
         {37.8123, 41.25, 45.999, 50.0001, 53.5, 57.25},
         rampa},
        {"negativi",
         tre,
         Risultati(3, -30.5, -40.25, 0.4012, 0.1234, 0.4567, 0.1876),
         {-12.5, -3, -20, -1, -7.5, -60},
         [](double F) { return -F / 100; }},
        {"enormi",
         tre,
         Risultati(3, 1.5e300, -2e300, 1e300, 2e300, 3e300, -1e300),
         {1e300, 2e300, 3e300, 4e300, 5e300, 6e300},
         [](double F) { return F * 1e297; }},
        {"livelli uguali",
         tre,
         Risultati(3, 20, 19.99, 23.37, 23.37, 23.37, 23.37),
         {30, 30, 30, 30, 30, 30},
         piatto},
        {"tutto zero",
         tre,
         Risultati(3, 0, 0, 0, 0, 0, 0),
         {0, 0, 0, 0, 0, 0},
         [](double) { return 0.0; }},
        {"strati sottili",
         sottili,
         Risultati(15, 20, -5, 14.02, 3.21, 23.37, 4.21),
         {20, 25, 30, 35, 40, 45},
         denti},
        {"pressioni alte",
         tre,
         Risultati(3, 20, -5, 123456.7, 98765.43, 234567.8, 4567.89),
         {1e6, 2e6, 1.5e6, 3e6, 2.5e6, 1e6},
         [](double F) { return F * 500; }},
    };
    for (const Caso& c : casi) {
        const Grafici g = Disegna(c.parete, c.r, c.ottave, c.livello);
        ControllaGrafici(g, c.nome);
    }
}

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
