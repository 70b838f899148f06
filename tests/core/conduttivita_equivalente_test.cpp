#include <gtest/gtest.h>

#include "core/calc/conduttivita_equivalente.h"
#include "parete_prova.h"

using namespace paretix;
using prova::Parete;

TEST(ConduttivitaEquivalente, StillAirTableRowsAndTheirEdges) {
    EXPECT_EQ(ResistenzaAriaFerma(0.005), 0.11);
    EXPECT_EQ(ResistenzaAriaFerma(0.0069), 0.11);
    EXPECT_EQ(ResistenzaAriaFerma(0.007), 0.13);
    EXPECT_EQ(ResistenzaAriaFerma(0.7 / 100), 0.13); // 0,7 cm typed
    EXPECT_EQ(ResistenzaAriaFerma(0.0099), 0.13);
    EXPECT_EQ(ResistenzaAriaFerma(0.010), 0.15);
    EXPECT_EQ(ResistenzaAriaFerma(1.0 / 100), 0.15);
    EXPECT_EQ(ResistenzaAriaFerma(0.0149), 0.15);
    EXPECT_EQ(ResistenzaAriaFerma(0.015), 0.16);
    EXPECT_EQ(ResistenzaAriaFerma(1.5 / 100), 0.16);
    EXPECT_EQ(ResistenzaAriaFerma(0.02), 0.16);
    EXPECT_EQ(ResistenzaAriaFerma(0.5), 0.16);
}

TEST(ConduttivitaEquivalente, FactorsOfBothFacesGiveConductionConvectionAndRadiation) {
    Esercizio e = Parete("MAM");
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = " 0,9 ";
    RisultatiCalcolo r;
    r.Ti = 20;
    r.Te = 0;
    r.SpessoreMetri[2] = 0.05;
    CalcoloConduttivitàEquivalente(e, 2, 1, r);
    EXPECT_NEAR(r.FattoreMedio[2], 9.0 / 11, 1e-15);
    EXPECT_EQ(r.TemperaturaMedia[2], 10);
    // 0,023 x 1,03 + 0,7 x 0,05 + 0,05 x (4,6 x 9/13) x 1,1
    EXPECT_NEAR(r.Ki[2], 0.02369 + 0.035 + 2.277 / 13, 1e-15);

    // The second hypothesis takes the faces' temperatures of the previous run.
    r.T[1] = 30;
    r.T[2] = 10;
    CalcoloConduttivitàEquivalente(e, 2, 2, r);
    EXPECT_EQ(r.TemperaturaMedia[2], 20);
    EXPECT_NEAR(r.Ki[2], 0.023 * 1.06 + 0.035 + 0.05 * (41.4 / 13) * 1.2, 1e-15);
}

TEST(ConduttivitaEquivalente, MissingFactorSelectsTheTable) {
    Esercizio e = Parete("MAMAM");
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = " - ";
    e.strato(5).FatAssorbimento.Testo = "";
    RisultatiCalcolo r;
    r.Ki[2] = r.Ki[4] = 1;
    r.SpessoreMetri[2] = 0.05;
    CalcoloConduttivitàEquivalente(e, 2, 1, r);
    CalcoloConduttivitàEquivalente(e, 4, 1, r);
    EXPECT_EQ(r.Ki[2], 0);
    EXPECT_EQ(r.Ki[4], 0);
    EXPECT_TRUE(CameraAriaDaTabella(e, 2));

    e.strato(3).FatAssorbimento.Testo = "0,5";
    EXPECT_FALSE(CameraAriaDaTabella(e, 2));

    // A cavity at either end has one neighbour only, whatever that neighbour's factor.
    e = Parete("AMA");
    e.strato(2).FatAssorbimento.Testo = "0,9";
    EXPECT_TRUE(CameraAriaDaTabella(e, 1));
    EXPECT_TRUE(CameraAriaDaTabella(e, 3));
}

TEST(ConduttivitaEquivalente, UnusableFactorLeavesNoRadiation) {
    Esercizio e = Parete("MAM");
    RisultatiCalcolo r;
    r.SpessoreMetri[2] = 0.05;
    for (const char* fattore : {"abc", "0", "2"}) {
        // 2 and 2 make the mean factor's denominator zero.
        e.strato(1).FatAssorbimento.Testo = fattore;
        e.strato(3).FatAssorbimento.Testo = fattore;
        r.FattoreMedio[2] = 0.5;
        CalcoloConduttivitàEquivalente(e, 2, 1, r);
        EXPECT_EQ(r.FattoreMedio[2], 0) << fattore;
        EXPECT_NEAR(r.Ki[2], 0.023 + 0.035, 1e-15) << fattore;
    }
    // A mean factor above 1 is clamped to 1.
    e.strato(1).FatAssorbimento.Testo = "1,5";
    e.strato(3).FatAssorbimento.Testo = "1,5";
    CalcoloConduttivitàEquivalente(e, 2, 1, r);
    EXPECT_EQ(r.FattoreMedio[2], 1);
}
