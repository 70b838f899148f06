#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/dinamica.h"

using namespace paretix;

namespace {

constexpr double T = PeriodoGiornaliero;

// Plaster, hollow brick, polystyrene, render: the insulation outside.
const std::vector<StratoPeriodico> IsolataFuori{
    {0.015, 0.70, 1400, 1000, {}},
    {0.25, 0.30, 800, 840, {}},
    {0.10, 0.035, 20, 1450, {}},
    {0.01, 0.90, 1800, 1000, {}},
};

TEST(Dinamica, ABareSlabMatchesTheClosedForm) {
    // A single slab without surface resistances: Z12 = −δ/(2λ)·(1 − i)·sinh z, z = ξ(1 + i), so
    //   |Yie| = √2·λ / (δ·√(sinh²ξ + sin²ξ)),
    //   arg(Yie) = π/4 − atan2(cosh ξ·sin ξ, sinh ξ·cos ξ),
    //   κ = T/2π·|cosh z − 1|·|Yie|, cosh z − 1 = (cosh ξ·cos ξ − 1) + i·sinh ξ·sin ξ.
    // Concrete λ = 2,0, ρ = 2400, c = 1000, d = 0,20 m: δ = √(2·86400/(π·2400·1000)) =
    // 0,151388 m, ξ = 1,321109; |Yie| = 9,37945 W/m²K, Δt = 2,16880 h, κ = 227,013 kJ/m²K.
    const StratoPeriodico cls{0.20, 2.0, 2400, 1000, {}};
    const CaratteristichePeriodiche c = CalcolaCaratteristichePeriodiche(0, 0, {cls});
    EXPECT_NEAR(c.Yie, 9.37945, 1e-4);
    EXPECT_NEAR(c.SfasamentoOre, 2.16880, 1e-4);
    EXPECT_NEAR(c.Kappa1, 227013, 1);
    EXPECT_NEAR(c.Kappa2, 227013, 1);
    EXPECT_NEAR(c.U, 10.0, 1e-12); // λ/d
    EXPECT_NEAR(c.FattoreAttenuazione, 0.937945, 1e-5);
    // Admittance of each face: |cosh z|·|Yie|, |cosh z|² = sinh²ξ + cos²ξ.
    const double ξ = 1.3211090992;
    const double admittanza =
        std::sqrt(std::sinh(ξ) * std::sinh(ξ) + std::cos(ξ) * std::cos(ξ)) * 9.37945415;
    EXPECT_NEAR(c.Y11, admittanza, 1e-4);
    EXPECT_NEAR(c.Y22, admittanza, 1e-4);
}

TEST(Dinamica, AVeryThinLayerPassesTheWaveAsTheSteadyStateDoes) {
    // 1 mm of concrete between the surfaces: no capacity to speak of, so |Yie| → U, f → 1 and no
    // delay; U = 1/(0,13 + 0,0005 + 0,04) = 5,8651 W/m²K.
    const CaratteristichePeriodiche c =
        CalcolaCaratteristichePeriodiche(0.13, 0.04, {{0.001, 2.0, 2400, 1000, {}}});
    EXPECT_NEAR(c.U, 1 / 0.1705, 1e-12);
    EXPECT_NEAR(c.FattoreAttenuazione, 1.0, 1e-3);
    EXPECT_LT(c.SfasamentoOre, 0.05);
}

TEST(Dinamica, AnAirCavityIsAResistanceWithoutCapacity) {
    // A pure resistance of 0,18 m²K/W adds to U and, having no capacity, neither delays nor
    // damps the wave: the chain of surface and cavity resistances alone gives |Yie| = U.
    const CaratteristichePeriodiche c =
        CalcolaCaratteristichePeriodiche(0.13, 0.04, {{.SoloResistenza = 0.18}});
    EXPECT_NEAR(c.U, 1 / 0.35, 1e-12);
    EXPECT_NEAR(c.Yie, 1 / 0.35, 1e-12);
    EXPECT_NEAR(c.SfasamentoOre, 0, 1e-9);
    EXPECT_NEAR(c.Kappa1, 0, 1e-9);
}

TEST(Dinamica, AWallAndItsMirrorImageSwapTheirSidesOnly) {
    std::vector<StratoPeriodico> specchio(IsolataFuori.rbegin(), IsolataFuori.rend());
    const CaratteristichePeriodiche a = CalcolaCaratteristichePeriodiche(0.13, 0.04, IsolataFuori);
    const CaratteristichePeriodiche b = CalcolaCaratteristichePeriodiche(0.04, 0.13, specchio);
    // The through-wave is the same both ways; the capacities and admittances change sides.
    EXPECT_NEAR(a.Yie, b.Yie, 1e-12);
    EXPECT_NEAR(a.SfasamentoOre, b.SfasamentoOre, 1e-9);
    EXPECT_NEAR(a.Kappa1, b.Kappa2, 1e-6);
    EXPECT_NEAR(a.Kappa2, b.Kappa1, 1e-6);
    EXPECT_NEAR(a.Y11, b.Y22, 1e-9);
    // With the insulation outside the inside face sees the brick: a large internal capacity
    // (tens of kJ/m²K) against the few of the render behind the polystyrene.
    EXPECT_GT(a.Kappa1, 40000);
    EXPECT_LT(a.Kappa2, 20000);
    EXPECT_GT(a.Kappa1, 2 * a.Kappa2);
    // Layer 1 is inside: the same wall with the layers listed the other way round, between the
    // same surfaces, is a different wall.
    const CaratteristichePeriodiche rovescio =
        CalcolaCaratteristichePeriodiche(0.13, 0.04, specchio);
    EXPECT_LT(rovescio.Kappa1, a.Kappa1 / 2);
}

TEST(Dinamica, TheDelayIsFoldedIntoOneDay) {
    // 60 cm of stone delays the wave by more than a day's fraction past 12 h; whatever the
    // delay, it is reported in [0; 24).
    for (double d : {0.1, 0.3, 0.6, 0.9, 1.2}) {
        const CaratteristichePeriodiche c =
            CalcolaCaratteristichePeriodiche(0.13, 0.04, {{d, 2.3, 2600, 1000, {}}});
        EXPECT_GE(c.SfasamentoOre, 0) << d;
        EXPECT_LT(c.SfasamentoOre, 24) << d;
    }
}

TEST(Dinamica, TheExercisesLayersNameEveryOneWithoutSpecificHeat) {
    Esercizio e;
    e.Strati.resize(4);
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).CaloreSpecifico = "";
    e.strato(3).TipoStrato = TipoCameraAria;
    e.strato(4).CaloreSpecifico = "-5";
    for (int k = 1; k <= 4; ++k) {
        e.strato(k).Densità.Testo = "1800";
    }
    RisultatiCalcolo r;
    r.SpessoreMetri[1] = 0.02;
    r.Ki[1] = 0.7;
    r.ResistenzaStrato[3] = 0.18;
    const StratiDellaParete p = StratiPeriodici(e, r);
    EXPECT_EQ(p.SenzaCaloreSpecifico, (std::vector<int>{2, 4}));
    ASSERT_EQ(p.Strati.size(), 2u);
    EXPECT_DOUBLE_EQ(p.Strati[0].Densità, 1800);
    EXPECT_DOUBLE_EQ(p.Strati[0].CaloreSpecifico, 1000);
    EXPECT_DOUBLE_EQ(p.Strati[0].Spessore, 0.02);
    EXPECT_EQ(p.Strati[1].SoloResistenza, 0.18);
}

} // namespace
