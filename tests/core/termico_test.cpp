#include <gtest/gtest.h>

#include "core/calc/termico.h"

using namespace paretix;

namespace {

// Runs the five steps with hi 7 and he 24 on layers given as thickness (m) and conductivity.
RisultatiCalcolo Termico(double ti, double te, std::vector<std::pair<double, double>> strati) {
    RisultatiCalcolo r;
    r.hi = 7;
    r.he = 24;
    r.Ti = ti;
    r.Te = te;
    const int n = static_cast<int>(strati.size());
    for (int k = 1; k <= n; ++k) {
        std::tie(r.SpessoreMetri[k], r.Ki[k]) = strati[static_cast<std::size_t>(k - 1)];
    }
    std::string testo;
    CalcoloSommatoriaResistenzeTermicheUnitarieR(r, n, testo);
    CalcoloConduttanzaTermicaUnitariaHc(r, testo);
    CalcoloTrasmittanzaTermicaUnitariaH(r, testo);
    CalcoloFlussoTermicoFI(r, testo);
    CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(r, n, testo);
    return r;
}

} // namespace

TEST(Termico, OutsideWarmerThanInsideReversesTheFlux) {
    const RisultatiCalcolo r = Termico(0, 30, {{0.1, 0.5}, {0.2, 0.04}});
    EXPECT_NEAR(r.FI, -30 / (1.0 / 7 + 0.2 + 5 + 1.0 / 24), 1e-12);
    EXPECT_NEAR(r.T[0], 0 - r.FI / 7, 1e-12);
    EXPECT_NEAR(r.T[1] - r.T[2], r.FI * 5, 1e-12); // the flux times the layer's resistance
    EXPECT_NEAR(r.T[2], 30 + r.FI / 24, 1e-12);
}

TEST(Termico, LayerWithoutConductivityTakesTheStillAirResistance) {
    const RisultatiCalcolo r = Termico(20, 0, {{0.1, 0.5}, {0.02, 0}, {0.1, 0.5}});
    EXPECT_EQ(r.ResistenzaStrato[2], 0.16);
    EXPECT_NEAR(r.SommatoriaResistenze, 0.56, 1e-15);
}
