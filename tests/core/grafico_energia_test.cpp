#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/calc/risultati.h"
#include "core/charts/cornici.h"
#include "core/charts/grafico_energia.h"
#include "core/charts/testo_grafico.h"
#include "grafici_aiuto.h"
#include "grafici_leggibili.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

using A = std::array<double, 4>;

// Levels rising linearly from 20 dB at 125 Hz to 50 dB at 4000 Hz; the octave values of the
// report differ from the curve, as they may.
double Rampa(double F) {
    return 20 + 30 * (F - 125) / 3875;
}
constexpr std::array<double, 6> Ottave{20, 25, 37.8, 30, 45, 50};

// Zero at the bottom of the band, 50 dB at its top: h = 6220 over 50 dB.
double y(double E) {
    return 557.5 + (50 - E) * 6220 / 50;
}

Superficie Disegnato(const std::array<double, 6>& ottave, const LivelloAllaFrequenza& livello) {
    Superficie g3 = GraficiAzzerati(true).Grafico3;
    DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(g3, ottave, livello);
    return g3;
}

} // namespace

TEST(GraficoEnergia, TheEmptyFrameKeepsItsAxesAndTheGridHasOneLinePerOctave) {
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
    // One octave every 1550 twips from 750: 1000 Hz three octaves above 125 Hz, 707 Hz halfway
    // between 500 and 1000.
    EXPECT_DOUBLE_EQ(AscissaFrequenza(1000), 750 + 3 * 1550);
    EXPECT_NEAR(AscissaFrequenza(500 * std::sqrt(2.0)), 750 + 2.5 * 1550, 1e-9);
    for (int k = 1; k <= 6; ++k) {
        const double x = 750 + 1550 * (k - 1);
        const Linea l = LineaDi(g3, NomeIndice("L3", k));
        EXPECT_EQ(Estremi(l), (A{x, 480, x, 7040})) << "from below its label to the wall";
        EXPECT_TRUE(l.Visibile);
        EXPECT_EQ(l.Tratto, StileTratto::Punteggiato);
        const Etichetta e = EtichettaDi(g3, NomeIndice("LabelErz", k));
        EXPECT_EQ(e.Testo, std::to_string(FrequenzeOttava[static_cast<std::size_t>(k - 1)]));
        const Rettangolo r = Ingombro(e);
        EXPECT_DOUBLE_EQ((r.Sinistra + r.Destra) / 2, x) << "centred on its line";
        EXPECT_EQ(e.Alto, 270);
    }
    EXPECT_EQ(TrovaLinea(g3, "L3(7)"), nullptr);
    EXPECT_EQ(EtichettaDi(g3, "LabelErz(0)").Testo, "Hz");
    ControllaLeggibile(g3, "griglia");
}

TEST(GraficoEnergia, CurveJoinsTheLevelsEvery5HzOnTheOctaveAxis) {
    std::vector<double> chieste;
    const Superficie g3 = Disegnato(Ottave, [&](double F) {
        chieste.push_back(F);
        return Rampa(F);
    });
    ASSERT_EQ(chieste.size(), 776u);
    ASSERT_EQ(g3.Pennellate.size(), 775u);
    EXPECT_EQ(chieste.back(), 4000);
    EXPECT_EQ(chieste[1] - chieste[0], 5);
    // Stroke i joins the levels at chieste[i] and chieste[i + 1], each at
    // x = 750 + 1550·log2(F / 125).
    const auto x = [](double F) { return 750 + 1550 * std::log2(F / 125); };
    for (std::size_t i = 0; i < g3.Pennellate.size(); ++i) {
        const Linea& p = g3.Pennellate[i];
        EXPECT_DOUBLE_EQ(p.X1, x(chieste[i]));
        EXPECT_DOUBLE_EQ(p.X2, x(chieste[i + 1]));
        EXPECT_DOUBLE_EQ(p.Y1, y(Rampa(chieste[i])));
        EXPECT_DOUBLE_EQ(p.Y2, y(Rampa(chieste[i + 1])));
        EXPECT_EQ(p.Colore, 0x0000FF00u);
    }
    EXPECT_EQ(LineaDi(g3, "LineXg3").Y1, 7335 - 557.5);
}

TEST(GraficoEnergia, LeaderLinesAndWholeDecibelLabels) {
    const Superficie g3 = Disegnato(Ottave, Rampa);
    ControllaLeggibile(g3, "rampa");
    const char* testi[] = {"20", "25", "37", "30", "45", "50"};
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const double F = FrequenzeOttava[static_cast<std::size_t>(k - 1)];
        // From the vertical axis to the curve, at the curve's height there.
        const Linea guida = LineaDi(g3, NomeIndice("L3x", k));
        EXPECT_EQ(Estremi(guida), (A{500, y(Rampa(F)), 750.0 + 1550 * (k - 1), y(Rampa(F))}));
        EXPECT_EQ(guida.Tratto, StileTratto::Punteggiato);
        const Etichetta livello = EtichettaDi(g3, NomeIndice("LabeldB", k));
        EXPECT_EQ(livello.Testo, testi[k - 1]);
        // Near its octave point.
        const Rettangolo r = Ingombro(livello);
        EXPECT_LE(std::max({r.Sinistra - guida.X2, guida.X2 - r.Destra, 0.0}), 40);
        EXPECT_LE(std::max({r.Alto - guida.Y1, guida.Y1 - r.Basso, 0.0}), 400);
    }
    EXPECT_EQ(EtichettaDi(g3, "LabeldB(0)").Testo, "dB");
    for (const Etichetta& e : g3.Etichette) {
        EXPECT_TRUE(e.Visibile) << e.Nome;
    }
    EXPECT_TRUE(LineaDi(g3, "L3(6)").Visibile);
}

TEST(GraficoEnergia, LevelLabelsAboveAFlatCurveTheLastOneLeftOfItsPoint) {
    // Octave levels of 40 dB over a flat curve at 20: the curve and every leader line lie at
    // y = 557.5 + 20·6220/40 = 3667.5. Each label, 200 wide, stands 20 above it (bottom at
    // 3647.5), starting 40 right of its octave point; the last one, at the right edge, ends 40
    // left of it.
    const Superficie g3 = Disegnato({40, 40, 40, 40, 40, 40}, [](double) { return 20.0; });
    for (int k = 1; k <= 6; ++k) {
        const Rettangolo r = Ingombro(EtichettaDi(g3, NomeIndice("LabeldB", k)));
        EXPECT_EQ(r.Basso, 3647.5) << k;
        EXPECT_EQ(k == 6 ? r.Destra : r.Sinistra, 750 + 1550 * (k - 1) + (k == 6 ? -40 : 40)) << k;
    }
}

TEST(GraficoEnergia, NegativeAndZeroLevels) {
    Superficie g3 = Disegnato({-2.5, 10, 10, 10, 10, 10}, [](double) { return 0.0; });
    EXPECT_EQ(EtichettaDi(g3, "LabeldB(1)").Testo, "-3");
    // 12.5 dB over 6220 twips: zero lies 2.5 dB above the bottom of the band.
    EXPECT_DOUBLE_EQ(LineaDi(g3, "LineXg3").Y1, 557.5 + 10 * 6220 / 12.5);

    // All six levels 0: no span, the whole curve on the zero line.
    g3 = Disegnato({0, 0, 0, 0, 0, 0}, [](double) { return 0.0; });
    EXPECT_EQ(LineaDi(g3, "LineXg3").Y1, 6777.5);
    for (const Linea& p : g3.Pennellate) {
        ASSERT_EQ(p.Y1, 6777.5);
    }
    EXPECT_EQ(EtichettaDi(g3, "LabeldB(6)").Testo, "0");
}
