#include <gtest/gtest.h>

#include "core/calc/conduttivita_equivalente.h"
#include "support/pareti.h"

using namespace paretix;
using prova::Parete;

TEST(ConduttivitaEquivalente, StillAirTableRowsAndTheirEdges) {
    const std::pair<double, double> righe[] = {
        {0.005, 0.11},     {0.0069, 0.11}, {0.007, 0.13}, {0.7 / 100, 0.13}, {0.0099, 0.13},
        {1.0 / 100, 0.15}, {0.0149, 0.15}, {0.015, 0.16}, {1.5 / 100, 0.16}, {0.5, 0.16}};
    for (const auto& [spessore, resistenza] : righe) {
        EXPECT_EQ(ResistenzaAriaFerma(spessore), resistenza) << spessore;
    }
}

TEST(ConduttivitaEquivalente, FactorsOfBothFacesAndTheTwoHypotheses) {
    Esercizio e = Parete("MAM");
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = " 0,9 ";
    RisultatiCalcolo r;
    r.Ti = 20;
    r.SpessoreMetri[2] = 0.05;
    r.T[1] = 30;
    r.T[2] = 10;
    CalcoloConduttivitàEquivalente(e, 2, 1, r);
    EXPECT_NEAR(r.FattoreMedio[2], 9.0 / 11, 1e-15);
    EXPECT_EQ(r.TemperaturaMedia[2], 10);
    // 0,023 x 1,03 + 0,7 x 0,05 + 0,05 x (4,6 x 9/13) x 1,1
    EXPECT_NEAR(r.Ki[2], 0.02369 + 0.035 + 2.277 / 13, 1e-15);

    CalcoloConduttivitàEquivalente(e, 2, 2, r); // the faces are at 30 and 10 °C
    EXPECT_EQ(r.TemperaturaMedia[2], 20);
    EXPECT_NEAR(r.Ki[2], 0.023 * 1.06 + 0.035 + 0.05 * (41.4 / 13) * 1.2, 1e-15);
}

TEST(ConduttivitaEquivalente, MissingFactorOrNeighbourSelectsTheTable) {
    Esercizio e = Parete("MAMAM");
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = " - ";
    RisultatiCalcolo r;
    r.Ki[2] = r.Ki[4] = 1;
    CalcoloConduttivitàEquivalente(e, 2, 1, r);
    CalcoloConduttivitàEquivalente(e, 4, 1, r); // layer 5 has no factor at all
    EXPECT_EQ(r.Ki[2], 0);
    EXPECT_EQ(r.Ki[4], 0);

    e = Parete("AMA"); // a cavity at either end lacks one neighbour
    e.strato(2).FatAssorbimento.Testo = "0,9";
    EXPECT_TRUE(CameraAriaDaTabella(e, 1));
    EXPECT_TRUE(CameraAriaDaTabella(e, 3));
}

TEST(ConduttivitaEquivalente, UnusableFactorsLeaveNoRadiationAndTheMeanStaysWithinOne) {
    Esercizio e = Parete("MAM");
    RisultatiCalcolo r;
    r.SpessoreMetri[2] = 0.05;
    // "2" and "2" make the mean factor's denominator zero.
    for (const char* fattore : {"abc", "0", "2", "1,5"}) {
        e.strato(1).FatAssorbimento.Testo = fattore;
        e.strato(3).FatAssorbimento.Testo = fattore;
        CalcoloConduttivitàEquivalente(e, 2, 1, r);
        EXPECT_EQ(r.FattoreMedio[2], fattore == std::string("1,5") ? 1 : 0) << fattore;
    }
    EXPECT_GT(r.Ki[2], 0.023 + 0.035); // the clamped factor 1 radiates
}
