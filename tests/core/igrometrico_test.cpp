#include <gtest/gtest.h>

#include "core/calc/igrometrico.h"
#include "parete_prova.h"

using namespace paretix;

namespace {

// Two layers, 10 and 20 cm, with the given permeabilities; boundaries at 20, 10 and 0 °C.
RisultatiCalcolo DueStrati(double ui, double ue, double permeabilità1, double permeabilità2) {
    RisultatiCalcolo r;
    r.Ti = 20;
    r.Te = 0;
    r.Ui = ui;
    r.Ue = ue;
    r.T[0] = 20;
    r.T[1] = 10;
    r.T[2] = 0;
    r.SpessoreMetri[1] = 0.1;
    r.SpessoreMetri[2] = 0.2;
    r.PermeabilitàStrato[1] = permeabilità1;
    r.PermeabilitàStrato[2] = permeabilità2;
    std::string testo;
    CalcoloPressioneDiSaturazione(r, 2, testo);
    CalcoloPermeanzaDellaPareteAlVaporeDAcqua(r, 2);
    CalcoloPressioneEffettiva(r, 2, testo);
    return r;
}

std::string Verdetto(int n, std::initializer_list<std::pair<double, double>> pvsPv) {
    RisultatiCalcolo r;
    int i = 0;
    for (const auto& [pvs, pv] : pvsPv) {
        r.Pvs[i] = pvs;
        r.Pv[i] = pv;
        ++i;
    }
    std::string testo;
    Confronto(r, n, testo);
    return testo;
}

} // namespace

TEST(Igrometrico, SaturationPressureOverWaterAndOverIce) {
    EXPECT_EQ(PressioneDiSaturazione(0), 5.96912);
    EXPECT_NEAR(PressioneDiSaturazione(20), 23.370472, 1e-12);
    // Over ice: about 2,59 hPa at -10 °C and 1,03 at -20 °C, where the water cubic would give
    // 1,24 and a negative pressure.
    EXPECT_NEAR(PressioneDiSaturazione(-10), 2.5934, 1e-4);
    EXPECT_NEAR(PressioneDiSaturazione(-20), 1.0274, 1e-4);
    EXPECT_GT(PressioneDiSaturazione(-60), 0);
}

TEST(Igrometrico, EffectivePressureFallsWithTheAccumulatedVapourResistance) {
    const RisultatiCalcolo r = DueStrati(50, 100, 10, 10);
    EXPECT_NEAR(r.Pvsi, 23.370472, 1e-12);
    EXPECT_EQ(r.Pvse, 5.96912);
    EXPECT_EQ(r.Pvs[2], r.Pvse); // the outside surface is at Te
    EXPECT_NEAR(r.Pvi, 11.685236, 1e-12);
    EXPECT_EQ(r.Pve, r.Pvse); // Ue 100 %
    EXPECT_EQ(r.Pv[0], r.Pvi);
    // The first layer holds a third of the resistance.
    EXPECT_NEAR(r.Pv[1], 11.685236 - (11.685236 - 5.96912) / 3, 1e-12);
    EXPECT_NEAR(r.Pv[2], r.Pve, 1e-12);
    EXPECT_NEAR(r.PermeanzaParete, 1 / 3e10, 1e-24);

    // Only the ratios of the resistances count.
    const RisultatiCalcolo scalata = DueStrati(50, 100, 70, 70);
    EXPECT_NEAR(scalata.Pv[1], r.Pv[1], 1e-12);
    EXPECT_NEAR(DueStrati(50, 100, 10, 20).Pv[1], 11.685236 - (11.685236 - 5.96912) / 2, 1e-12);
}

TEST(Igrometrico, VerdictNamesSurfacesAndInnerBoundaries) {
    EXPECT_EQ(Verdetto(3, {{10, 9}, {8, 8}, {6, 5}, {4, 3}}),
              "Nessuna condensa interstiziale rilevata\r\n\r\n");
    EXPECT_EQ(Verdetto(3, {{10, 11}, {8, 7}, {6, 5}, {4, 3}}),
              "Per l 'isoterma\r\n0 vi è condensa\r\n\r\n");
    EXPECT_EQ(Verdetto(3, {{10, 9}, {8, 7}, {6, 5}, {4, 4.5}}),
              "Per l 'isoterma\r\n3 vi è condensa\r\n\r\n");
    EXPECT_EQ(Verdetto(3, {{10, 11}, {8, 9}, {6, 5}, {4, 5}}),
              "Per l 'isoterma\r\n0 vi è condensa\r\n1 vi è condensa interstiziale\r\n"
              "3 vi è condensa\r\n\r\n");
    EXPECT_EQ(Verdetto(1, {{10, 9}, {4, 5}}), "Per l 'isoterma\r\n1 vi è condensa\r\n\r\n");
}
