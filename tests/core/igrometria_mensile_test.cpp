#include <gtest/gtest.h>

#include "core/verifiche/igrometria_mensile.h"

using namespace paretix;

namespace {

// Insulation inside (R 2,0, sd 0,1 m) behind a vapour-tight outer skin (R 0,1, sd 10 m),
// Rsi 0,13, Rse 0,04: Rtot = 2,27, U = 0,44053. The interface between them is the only place
// where water can condense.
DatiIgrometriaMensile Parete() {
    DatiIgrometriaMensile d;
    d.Strati = {{2.0, 0.1}, {0.1, 10.0}};
    d.Rsi = 0.13;
    d.Rse = 0.04;
    d.U = 1 / 2.27;
    return d;
}

constexpr ClimaMese Inverno{0, 80}; // outside
constexpr ClimaMese Estate{25, 60}; // outside
constexpr ClimaMese InternoInverno{20, 60};
constexpr ClimaMese InternoEstate{25, 50};

// The wall with the winter months given (from 0, January) and summer in the others.
DatiIgrometriaMensile ConInverno(std::initializer_list<int> mesi) {
    DatiIgrometriaMensile d = Parete();
    d.Esterno.fill(Estate);
    d.Interno.Anno.fill(InternoEstate);
    for (int m : mesi) {
        d.Esterno[m] = Inverno;
        d.Interno.Anno[m] = InternoInverno;
    }
    return d;
}

// Worked by hand for a winter month (0 °C and 80 % outside, 20 °C and 60 % inside):
//   psat(20) = 610,5·e^(17,269·20/257,3) = 2336,95 Pa, pi = 1402,17 Pa;
//   pe = 0,8·610,5 = 488,40 Pa;
//   θ1 = 20 − 20·2,13/2,27 = 1,2335 °C, psat(θ1) = 667,53 Pa, under the straight line
//   (1393 Pa at sd 0,1 m), so the interface condenses:
//   gc = 2·10⁻¹⁰·[(1402,17 − 667,53)/0,1 − (667,53 − 488,40)/10] = 1,46571·10⁻⁶ kg/(m² s),
//   3925,75 g/m² in 31 days, 3545,84 g/m² in 28.
// A summer month (25 °C and 60 % outside, 25 °C and 50 % inside) dries a wet interface:
//   psat(25) = 3165,87 Pa, pi = 1582,94, pe = 1899,52;
//   gc = 2·10⁻¹⁰·[(1582,94 − 3165,87)/0,1 − (3165,87 − 1899,52)/10] = −3,19125·10⁻⁶,
//   −8547,44 g/m² in 31 days.
constexpr double GennaioGrammi = 3925.750;
constexpr double FebbraioGrammi = 3545.839;
constexpr double MarzoEvaporati = -8547.437;

TEST(IgrometriaMensile, AWinterAllYearRoundFillsTheInterfaceEveryMonth) {
    const RisultatoIgrometriaMensile r =
        CalcolaIgrometriaMensile(ConInverno({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(r.Esito, EsitoCondensa::NonVerificata);
    EXPECT_EQ(r.MeseInizio, 0); // every month condenses: the cycle starts in January
    EXPECT_NEAR(r.Mesi[0].FlussoTotale, GennaioGrammi, 0.01);
    EXPECT_NEAR(r.Mesi[0].Accumulo[0], GennaioGrammi, 0.01);
    EXPECT_NEAR(r.Mesi[1].AccumuloTotale, GennaioGrammi + FebbraioGrammi, 0.01);
    // 365 days of the same rate: 46222,55 g/m² by the end of December.
    EXPECT_NEAR(r.AccumuloMassimo, 46222.55, 0.05);
    EXPECT_EQ(r.MeseAccumuloMassimo, 11);
    EXPECT_EQ(r.InterfacciaAccumuloMassimo, 1);
    EXPECT_FALSE(r.EvaporaTutta);
}

TEST(IgrometriaMensile, TwoWinterMonthsDryOutInMarch) {
    DatiIgrometriaMensile d = ConInverno({0, 1});
    d.Ammissibile = 8000;
    const RisultatoIgrometriaMensile r = CalcolaIgrometriaMensile(d);
    EXPECT_EQ(r.MeseInizio, 0);
    EXPECT_NEAR(r.AccumuloMassimo, GennaioGrammi + FebbraioGrammi, 0.01); // 7471,59
    EXPECT_EQ(r.MeseAccumuloMassimo, 1);
    // March could evaporate 8547 g/m², more than the 7471 held: it clips at 0, but reports
    // the whole rate.
    EXPECT_NEAR(r.Mesi[2].FlussoTotale, MarzoEvaporati, 0.01);
    EXPECT_EQ(r.Mesi[2].AccumuloTotale, 0);
    // From April the interface is dry and the summer hull touches nothing.
    EXPECT_EQ(r.Mesi[3].FlussoTotale, 0);
    EXPECT_TRUE(r.EvaporaTutta);
    EXPECT_EQ(r.Esito, EsitoCondensa::Ammissibile);
    // The same year against the default 500 g/m².
    d.Ammissibile = CondensaAmmissibilePredefinita;
    EXPECT_EQ(CalcolaIgrometriaMensile(d).Esito, EsitoCondensa::NonVerificata);
}

TEST(IgrometriaMensile, TheCycleStartsWithTheFirstCondensingMonthAfterADryOne) {
    // Winter from November to February: the cycle starts in November and the water of 120
    // days (15 195,8 g/m²) is gone by the end of April (March 8547 + April 8271 g/m²).
    const RisultatoIgrometriaMensile r = CalcolaIgrometriaMensile(ConInverno({10, 11, 0, 1}));
    EXPECT_EQ(r.MeseInizio, 10);
    EXPECT_NEAR(r.AccumuloMassimo, 1.4657073e-6 * 120 * 86400 * 1000, 0.05);
    EXPECT_EQ(r.MeseAccumuloMassimo, 1);
    EXPECT_GT(r.Mesi[2].AccumuloTotale, 0);
    EXPECT_EQ(r.Mesi[3].AccumuloTotale, 0);
    EXPECT_TRUE(r.EvaporaTutta);
}

TEST(IgrometriaMensile, ADryInsideCondensesNothingAndTheMouldMarginIsTheSurfaceFactor) {
    DatiIgrometriaMensile d = ConInverno({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    d.Strati = {{2.0, 10.0}, {0.1, 0.1}}; // the tight skin inside: nothing reaches the cold side
    const RisultatoIgrometriaMensile r = CalcolaIgrometriaMensile(d);
    EXPECT_EQ(r.Esito, EsitoCondensa::Assente);
    EXPECT_EQ(r.AccumuloMassimo, 0);
    // Mould, by hand: psat,min = 1402,17/0,8 = 1752,71 Pa, k = ln(1752,71/610,5) = 1,05460,
    // θsi,min = 237,3·k/(17,269 − k) = 15,4349 °C, fRsi,min = 15,4349/20 = 0,77174;
    // fRsi = 1 − 0,25·0,44053 = 0,88987 > 0,77174: no mould.
    ASSERT_TRUE(r.FRsiMax);
    EXPECT_NEAR(*r.FRsiMax, 0.771744, 1e-5);
    EXPECT_NEAR(r.FRsi, 0.889868, 1e-5);
    EXPECT_TRUE(r.MuffaEvitata);
    // θsi = 20 − 20·0,13/2,27 = 18,8546 °C.
    EXPECT_NEAR(r.Mesi[0].Tsi, 18.8546, 1e-4);
}

TEST(IgrometriaMensile, AHumidityClassSetsTheInsidePressureFromTheOutside) {
    // Class 3 (dwellings), Δp0 = 810 Pa. At 10 °C and 70 % outside: pe = 0,7·1227,31 =
    // 859,12 Pa, Δp = 810·(1 − 10/20) = 405 Pa, pi = 859,12 + 1,10·405 = 1304,62 Pa.
    // At −5 °C, 90 %: psat = 610,5·e^(21,875·(−5)/260,5) = 401,18 Pa over ice, pe = 361,06,
    // pi = 361,06 + 1,10·810 = 1252,06 Pa. At 22 °C no excess: pi = pe.
    DatiIgrometriaMensile d = Parete();
    d.Interno.Classe = 3;
    d.Esterno.fill({22, 50});
    d.Esterno[0] = {10, 70};
    d.Esterno[1] = {-5, 90};
    const RisultatoIgrometriaMensile r = CalcolaIgrometriaMensile(d);
    EXPECT_NEAR(r.Mesi[0].Pi, 1304.62, 0.01);
    EXPECT_NEAR(r.Mesi[1].Pi, 1252.06, 0.01);
    EXPECT_NEAR(r.Mesi[2].Pi, 0.5 * PressioneSaturazione(22), 1e-9);
    EXPECT_EQ(r.Mesi[0].Ti, 20);
    // Months without a warmer inside have no mould factor.
    EXPECT_FALSE(r.Mesi[2].FRsiMin);
}

TEST(IgrometriaMensile, SaturationAndDewPointAreInverseOverWaterAndIce) {
    // 610,5 Pa at 0 °C; 2336,95 Pa at 20 °C; 401,18 Pa at −5 °C (ice).
    EXPECT_DOUBLE_EQ(PressioneSaturazione(0), 610.5);
    EXPECT_NEAR(PressioneSaturazione(20), 2336.95, 0.01);
    EXPECT_NEAR(PressioneSaturazione(-5), 401.18, 0.01);
    for (double θ : {-20.0, -5.0, -0.1, 0.0, 0.1, 12.5, 35.0}) {
        EXPECT_NEAR(TemperaturaRugiada(PressioneSaturazione(θ)), θ, 1e-9) << θ;
    }
}

// Three layers from the inside: R 1,0 sd 0,1 m; R 1,0 sd 1,0 m; R 0,1 sd 10 m (Rsi 0,13,
// Rse 0,04, Rtot 2,27). January at −5 °C and 90 % outside, 20 °C and 60 % inside: pi = 1402,17,
// pe = 0,9·401,18 = 361,06 Pa (over ice); θ1 = 20 − 25·1,13/2,27 = 7,5551 °C, psat 1040,15;
// θ2 = 20 − 25·2,13/2,27 = −3,4581 °C, psat over ice 457,42 Pa (474 over water). Both
// interfaces touch the hull:
//   g1 = 2·10⁻¹⁰·[(1402,17 − 1040,15)/0,1 − (1040,15 − 457,42)/1,0] = 6,0750·10⁻⁷,
//   g2 = 2·10⁻¹⁰·[(1040,15 − 457,42)/1,0 − (457,42 − 361,06)/10] = 1,14619·10⁻⁷ kg/(m² s),
// 1627,13 and 307,00 g/m² in 31 days. February at 10 °C and 80 %, 20 °C and 40 % inside:
// pi = 934,78, pe = 982,35; the wet interfaces are held at psat (15,022 °C: 1707,6 Pa;
// 10,617 °C: 1280,9 Pa): g1 = 2·10⁻¹⁰·[(934,78 − 1707,6)/0,1 − (1707,6 − 1280,9)/1,0] < 0,
// −3942,5 g/m², more than it holds, so interface 1 dries; g2 = 2·10⁻¹⁰·[426,7 − 29,86] > 0,
// +192,64 g/m²: the condensation has moved to interface 2 alone (499,64 g/m² held). March,
// 20 °C and 70 % outside, 20 °C and 50 % inside, dries it (−606,58 g/m² possible).
TEST(IgrometriaMensile, TwoInterfacesAndTheCondensationMovingToTheColdOne) {
    DatiIgrometriaMensile d = Parete();
    d.Strati = {{1.0, 0.1}, {1.0, 1.0}, {0.1, 10.0}};
    d.Esterno.fill({20, 70});
    d.Interno.Anno.fill({20, 50});
    d.Esterno[0] = {-5, 90};
    d.Interno.Anno[0] = {20, 60};
    d.Esterno[1] = {10, 80};
    d.Interno.Anno[1] = {20, 40};
    const RisultatoIgrometriaMensile r = CalcolaIgrometriaMensile(d);
    EXPECT_EQ(r.MeseInizio, 0);
    ASSERT_EQ(r.Mesi[0].Flusso.size(), 2u);
    EXPECT_NEAR(r.Mesi[0].Flusso[0], 1627.13, 0.01);
    EXPECT_NEAR(r.Mesi[0].Flusso[1], 307.00, 0.01);
    EXPECT_NEAR(r.Mesi[1].Flusso[0], -3942.48, 0.01);
    EXPECT_EQ(r.Mesi[1].Accumulo[0], 0);
    EXPECT_NEAR(r.Mesi[1].Flusso[1], 192.64, 0.01);
    EXPECT_NEAR(r.Mesi[1].Accumulo[1], 499.64, 0.01);
    EXPECT_NEAR(r.Mesi[2].Flusso[1], -606.58, 0.01);
    EXPECT_EQ(r.Mesi[2].AccumuloTotale, 0);
    // Ma,max is January's 1934,12 g/m², most of it at interface 1: above 500, though it dries.
    EXPECT_NEAR(r.AccumuloMassimo, 1934.12, 0.01);
    EXPECT_EQ(r.MeseAccumuloMassimo, 0);
    EXPECT_EQ(r.InterfacciaAccumuloMassimo, 1);
    EXPECT_TRUE(r.EvaporaTutta);
    EXPECT_EQ(r.Esito, EsitoCondensa::NonVerificata);
    d.Ammissibile = 2000;
    EXPECT_EQ(CalcolaIgrometriaMensile(d).Esito, EsitoCondensa::Ammissibile);
}

} // namespace
