#include <gtest/gtest.h>

#include "core/verifiche/massa_superficiale.h"
#include "support/parete_verifiche.h"

using namespace paretix;

// Plaster 2 cm of 1400 kg/m³ (left out), brick 25 cm of 800, a 5 cm air cavity (no mass),
// insulation 5 cm of 40, render 1,5 cm of 1800 (left out): 800·0,25 + 40·0,05 = 202 kg/m².
// The same wall with nothing marked as plaster: 202 + 1400·0,02 + 1800·0,015 = 202 + 28 + 27
// = 257 kg/m².
TEST(MassaSuperficiale, EveryMaterialLayerButThePlasters) {
    Esercizio e = prova::Parete("MMAMM", true, false, true);
    const char* dati[][2] = {
        {"2", "1400"}, {"25", "800"}, {"5", "1,21"}, {"5", "40"}, {"1,5", "1800"}};
    for (int k = 1; k <= 5; ++k) {
        e.strato(k).Spessore.Testo = dati[k - 1][0];
        e.strato(k).Densità.Testo = dati[k - 1][1];
    }
    const RisultatiCalcolo r = prova::Calcola(e);
    EXPECT_NEAR(MassaSuperficialeDiLegge(e, r), 257, 1e-9);
    e.strato(1).Intonaco = true;
    e.strato(5).Intonaco = true;
    EXPECT_NEAR(MassaSuperficialeDiLegge(e, r), 202, 1e-9);
}
