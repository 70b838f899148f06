#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "core/simulazione/simulazione_esercizio.h"

using namespace paretix;

namespace {

RisultatoSimulazione Finito() {
    RisultatoSimulazione r;
    r.Riuscita = true;
    r.Profili.push_back({86400, {0, 0.1}, {20, 19}, {0.5, 0.6}, {1, 2}});
    r.MediaMensile = {{1, 1.5}, {2, 2.5}};
    r.AcquaAnnua = {0.9};
    r.AcquaIniziale = 0.9;
    r.AcquaFinale = 0.8;
    r.AcquaAnnoPrima = 0.85;
    return r;
}

} // namespace

// A run that converged is judged only when every number it hands the outputs is finite: one
// overflow or NaN in any of them, and the run is refused.
TEST(SimulazioneFinita, EveryFigureOfTheOutputsIsChecked) {
    ASSERT_TRUE(RisultatoSimulazioneFinito(Finito()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::function<void(RisultatoSimulazione&)>> guasti = {
        [&](RisultatoSimulazione& r) { r.Profili[0].x[1] = inf; },
        [&](RisultatoSimulazione& r) { r.Profili[0].T[0] = nan; },
        [&](RisultatoSimulazione& r) { r.Profili[0].φ[1] = nan; },
        [&](RisultatoSimulazione& r) { r.Profili[0].w[0] = -inf; },
        [&](RisultatoSimulazione& r) { r.MediaMensile[1][0] = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaAnnua[0] = nan; },
        [&](RisultatoSimulazione& r) { r.ErroreBilancioUmidità = nan; },
        [&](RisultatoSimulazione& r) { r.ErroreBilancioEnergia = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaIniziale = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaFinale = nan; },
        [&](RisultatoSimulazione& r) { r.AcquaAnnoPrima = inf; },
    };
    for (std::size_t i = 0; i < guasti.size(); ++i) {
        RisultatoSimulazione r = Finito();
        guasti[i](r);
        EXPECT_FALSE(RisultatoSimulazioneFinito(r)) << "guasto " << i;
    }
}
