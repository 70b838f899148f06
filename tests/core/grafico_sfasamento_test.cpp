#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/charts/grafico_sfasamento.h"
#include "grafici_leggibili.h"

using namespace paretix;

namespace {

// The curve of a family as its points: the start of each segment and the end of the last.
std::vector<std::pair<double, double>> Punti(const Superficie& s, const std::string& famiglia) {
    std::vector<std::pair<double, double>> punti;
    for (const Linea& l : s.Linee) {
        if (l.Nome.starts_with(famiglia + "(")) {
            punti.emplace_back(l.X1, l.Y1);
        }
    }
    return punti;
}

// x of the highest point (the smallest y: y grows downwards) and that point's height above
// the zero line.
std::pair<double, double> Picco(const Superficie& s, const std::string& famiglia) {
    const auto punti = Punti(s, famiglia);
    const auto alto = std::min_element(punti.begin(), punti.end(),
                                       [](auto a, auto b) { return a.second < b.second; });
    return {alto->first, TrovaLinea(s, "LineaZero")->Y1 - alto->second};
}

TEST(GraficoSfasamento, TheResponsePeaksAtTheTimeShiftDampedByTheDecrementFactor) {
    // U 0,5 and Yie 0,1: f = 0,2, so the flux's peak stands at one fifth of the outside wave's
    // (U·1 K on the flux scale); Δt = 6 h puts it a quarter of the way across the 24 h axis.
    const Superficie s = GraficoSfasamento(0.5, 0.1, 6);
    const Linea* zero = TrovaLinea(s, "LineaZero");
    ASSERT_NE(zero, nullptr);
    const double inizio = zero->X1, fine = zero->X2;
    const auto [xFlusso, hFlusso] = Picco(s, "LineaFlusso");
    const auto [xTe, hTe] = Picco(s, "LineaTe");
    EXPECT_NEAR(xFlusso, inizio + (fine - inizio) / 4, 1e-9);
    EXPECT_NEAR(xTe, inizio, 1e-9); // the outside wave peaks at 0 h
    EXPECT_NEAR(hFlusso / hTe, 0.2, 1e-9);
    EXPECT_NEAR(TrovaLinea(s, "LineaSfasamento")->X1, xFlusso, 1e-9);
    EXPECT_EQ(TrovaEtichetta(s, "EtichettaSfasamento")->Testo, "Δt = 6,0 h");
    EXPECT_EQ(TrovaEtichetta(s, "EtichettaU")->Testo, "0,500 W/m²");
    EXPECT_EQ(Punti(s, "LineaFlusso").size(), static_cast<std::size_t>(PuntiGraficoSfasamento));
}

TEST(GraficoSfasamento, EveryLabelStaysInsideWhateverTheShift) {
    // At 0 h and at nearly 24 h the delay's label would run off either edge.
    for (double ore : {0.0, 0.04, 11.5, 23.96}) {
        const Superficie s = GraficoSfasamento(0.3, 0.05, ore);
        prova::ControllaLeggibile(s, std::to_string(ore) + " h");
        for (const Linea& l : s.Linee) {
            EXPECT_TRUE(std::isfinite(l.X1 + l.Y1 + l.X2 + l.Y2)) << l.Nome;
        }
    }
    // A shift just under a day peaks just before the end of the axis, the curve wrapping round.
    const Superficie s = GraficoSfasamento(0.3, 0.05, 23.75);
    const Linea* zero = TrovaLinea(s, "LineaZero");
    EXPECT_NEAR(Picco(s, "LineaFlusso").first, zero->X2 - (zero->X2 - zero->X1) / 96, 1e-9);
}

} // namespace
