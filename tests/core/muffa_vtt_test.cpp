// The VTT mould index against values worked by hand from the published equations and table
// (Hukka and Viitanen 1999; Ojanen et al. 2010).

#include <gtest/gtest.h>

#include "core/simulazione/muffa_vtt.h"

using namespace paretix;

namespace {

IndiceMuffa Dopo(SensibilitàMuffa classe, double θ, double φ, int ore) {
    IndiceMuffa m(classe);
    for (int h = 0; h < ore; ++h) {
        m.Ora(θ, φ);
    }
    return m;
}

// The hours at which M first reaches soglia, or -1 within ore.
int OreFinoA(SensibilitàMuffa classe, double θ, double φ, double soglia, int ore) {
    IndiceMuffa m(classe);
    for (int h = 1; h <= ore; ++h) {
        m.Ora(θ, φ);
        if (m.M() >= soglia) {
            return h;
        }
    }
    return -1;
}

constexpr int Anno = 8760;

} // namespace

// RHcrit(20 °C) = −0,00267·8000 + 0,160·400 − 3,13·20 + 100 = 80,04 %; at 5 °C
// −0,33375 + 4 − 15,65 + 100 = 88,01625 %; above 20 °C and below the curve the class's RHmin.
TEST(MuffaVtt, CriticalHumidityAndLargestIndex) {
    EXPECT_NEAR(UmiditàCritica(SensibilitàMuffa::Sensibile, 20), 80.04, 1e-9);
    EXPECT_NEAR(UmiditàCritica(SensibilitàMuffa::Sensibile, 5), 88.01625, 1e-9);
    EXPECT_EQ(UmiditàCritica(SensibilitàMuffa::Sensibile, 25), 80);
    EXPECT_EQ(UmiditàCritica(SensibilitàMuffa::Media, 20), 85);
    EXPECT_EQ(UmiditàCritica(SensibilitàMuffa::Resistente, 25), 85);
    // r = (80,04 − 95)/(80,04 − 100) = 0,749499; Mmax = 0,3 + 6·r − r² = 4,235245.
    EXPECT_NEAR(IndiceMassimo(SensibilitàMuffa::Sensibile, 20, 95), 4.235245, 1e-6);
    EXPECT_EQ(LeggiSensibilità("media"), SensibilitàMuffa::Media);
    EXPECT_EQ(LeggiSensibilità("Media"), std::nullopt);
}

// One hour at 20 °C and 95 % from M = 0, sensitive class: exp(−0,68·ln 20 − 13,9·ln 95 + 66,02)
// = 1,981815 weeks = 13,872707 days; k2 = 1 − exp(−2,3·4,235245) = 0,999941; dM = 0,578 · k2 /
// 13,872707 / 24 = 0,0017359. Integrated hour by hour (k1 0,386 from M = 1), M reaches 3 after
// 2 324 h (96,8 days) and tends to Mmax; the very sensitive class gets there after 667 h. At
// 50 % nothing grows in a year, nor at 95 % below 0 °C.
TEST(MuffaVtt, GrowthAtConstantConditions) {
    EXPECT_NEAR(Dopo(SensibilitàMuffa::Sensibile, 20, 0.95, 1).M(), 0.0017359, 1e-7);
    EXPECT_EQ(OreFinoA(SensibilitàMuffa::Sensibile, 20, 0.95, 3, Anno), 2324);
    EXPECT_EQ(OreFinoA(SensibilitàMuffa::MoltoSensibile, 20, 0.95, 3, Anno), 667);
    EXPECT_NEAR(Dopo(SensibilitàMuffa::Sensibile, 20, 0.95, Anno).M(), 4.235245, 1e-5);
    EXPECT_EQ(Dopo(SensibilitàMuffa::Sensibile, 20, 0.5, Anno).Massimo(), 0);
    EXPECT_EQ(Dopo(SensibilitàMuffa::Sensibile, -2, 0.95, Anno).Massimo(), 0);
    // At the critical humidity itself (80 % above 20 °C) mould grows.
    EXPECT_GT(Dopo(SensibilitàMuffa::Sensibile, 25, 0.80, 1).M(), 0);
    // At 82 % and 20 °C the medium class (RHmin 85 %) stays at 0, the sensitive one grows.
    EXPECT_EQ(Dopo(SensibilitàMuffa::Media, 20, 0.82, Anno).Massimo(), 0);
    EXPECT_GT(Dopo(SensibilitàMuffa::Sensibile, 20, 0.82, Anno).Massimo(), 0);
}

// After growth, dry hours: 6 h of 0,1·0,00133, then nothing up to 24 h, then 0,1·0,000667 an
// hour; the largest index stays.
TEST(MuffaVtt, DeclineInDrySpells) {
    IndiceMuffa m(SensibilitàMuffa::MoltoSensibile);
    while (m.M() < 2) {
        m.Ora(20, 0.95);
    }
    const double cresciuto = m.M();
    const double righe[][2] = {
        {6, 6 * 0.000133}, {24, 6 * 0.000133}, {48, 6 * 0.000133 + 24 * 0.0000667}};
    int asciutte = 0;
    for (const auto& [fino, calo] : righe) {
        while (asciutte < fino) {
            m.Ora(20, 0.5);
            ++asciutte;
        }
        EXPECT_NEAR(m.M(), cresciuto - calo, 1e-12) << fino << " h";
    }
    EXPECT_EQ(m.Massimo(), cresciuto);
    // 0 °C and 50 °C are outside the range of growth, even saturated: the index declines.
    for (const double θ : {0.0, 50.0}) {
        IndiceMuffa fuori = m;
        fuori.Ora(θ, 1);
        EXPECT_LT(fuori.M(), m.M()) << θ;
    }
    m.Ora(20, 0.95);
    EXPECT_GT(m.M(), cresciuto - 6 * 0.000133 - 24 * 0.0000667) << "growth starts again";
}
