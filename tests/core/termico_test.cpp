#include <gtest/gtest.h>

#include "core/calc/igrometrico.h"
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

namespace {

// Two layers, 10 and 20 cm, with the given permeabilities; boundaries at 20, 10 and 0 °C;
// Ui 50 %, Ue 100 %.
RisultatiCalcolo DueStrati(double permeabilità1, double permeabilità2) {
    RisultatiCalcolo r;
    r.Ti = r.T[0] = 20;
    r.T[1] = 10;
    r.Ui = 50;
    r.Ue = 100;
    r.SpessoreMetri = {0, 0.1, 0.2};
    r.PermeabilitàStrato = {0, permeabilità1, permeabilità2};
    std::string testo;
    CalcoloPressioneDiSaturazione(r, 2, testo);
    CalcoloPermeanzaDellaPareteAlVaporeDAcqua(r, 2);
    CalcoloPressioneEffettiva(r, 2, testo);
    return r;
}

std::string Verdetto(const Tabella& pvs, const Tabella& pv) {
    RisultatiCalcolo r;
    r.Pvs = pvs;
    r.Pv = pv;
    std::string testo;
    Confronto(r, 3, testo);
    return testo;
}

} // namespace

TEST(Igrometrico, SaturationPressureOverWaterAndOverIce) {
    EXPECT_EQ(PressioneDiSaturazione(0), 5.96912);
    EXPECT_NEAR(PressioneDiSaturazione(20), 23.370472, 1e-12);
    // Over ice: 2,59 hPa at -10 °C and 1,03 at -20 °C, where the cubic for water would give
    // 1,24 and a negative pressure.
    EXPECT_NEAR(PressioneDiSaturazione(-10), 2.5934, 1e-4);
    EXPECT_NEAR(PressioneDiSaturazione(-20), 1.0274, 1e-4);
}

TEST(Igrometrico, EffectivePressureFallsWithTheAccumulatedVapourResistance) {
    const RisultatiCalcolo r = DueStrati(10, 10);
    EXPECT_EQ(r.Pvs[2], r.Pvse);                              // the outside surface is at Te
    EXPECT_EQ(r.Pve, r.Pvse);                                 // Ue 100 %
    EXPECT_NEAR(r.Pv[0], 23.370472 / 2, 1e-12);               // Ui 50 %
    EXPECT_NEAR(r.Pv[1], r.Pvi - (r.Pvi - r.Pve) / 3, 1e-12); // a third of the resistance
    EXPECT_NEAR(r.Pv[2], r.Pve, 1e-12);
    // Only the ratios of the resistances count.
    EXPECT_NEAR(DueStrati(70, 70).Pv[1], r.Pv[1], 1e-12);
    EXPECT_NEAR(DueStrati(10, 20).Pv[1], r.Pvi - (r.Pvi - r.Pve) / 2, 1e-12);
}

TEST(Igrometrico, VerdictNamesSurfacesAndInnerBoundaries) {
    EXPECT_EQ(Verdetto({10, 8, 6, 4}, {9, 8, 5, 3}),
              "Nessuna condensa interstiziale rilevata\r\n\r\n"); // equal is no condensation
    EXPECT_EQ(Verdetto({10, 8, 6, 4}, {11, 7, 5, 3}), "Per l 'isoterma\r\n0 vi è condensa\r\n\r\n");
    EXPECT_EQ(Verdetto({10, 8, 6, 4}, {9, 7, 5, 4.5}),
              "Per l 'isoterma\r\n3 vi è condensa\r\n\r\n");
    EXPECT_EQ(Verdetto({10, 8, 6, 4}, {11, 9, 7, 5}),
              "Per l 'isoterma\r\n0 vi è condensa\r\n1 vi è condensa interstiziale\r\n"
              "2 vi è condensa interstiziale\r\n3 vi è condensa\r\n\r\n");
}
