#include <gtest/gtest.h>

#include "core/calc/igrometrico.h"

using namespace paretix;

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
