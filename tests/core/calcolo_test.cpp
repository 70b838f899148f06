#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/acustico.h"
#include "core/calc/calcolo.h"
#include "core/calc/conduttivita_equivalente.h"
#include "core/model/numeri.h"
#include "support/dati_attesi.h"
#include "support/pareti.h"

using namespace paretix;

using prova::Parete;
using prova::RigaCheInizia;
using test::ExpectComeNelFile;

namespace {

std::string Rapporto(Esercizio e, EsitoCalcola* esito = nullptr) {
    RisultatiCalcolo r;
    std::string testo;
    const EsitoCalcola fatto = Command1_Click(e, r, testo);
    if (esito) {
        *esito = fatto;
    }
    return testo;
}

// Material with factor 0,9, cavity, material with factor 0,8, material with factor " - ",
// cavity, material without factor; Ti 20, Te -5; all three calculations.
Esercizio DueCamere() {
    Esercizio e = Parete("MAMMAM", true, true, true);
    e.TEsterna = "-5";
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = "0,8";
    e.strato(4).FatAssorbimento.Testo = " - ";
    return e;
}

} // namespace

TEST(Calcolo, ReportOfOneMaterialLayer) {
    // 1/7 + 0,2 + 1/24 = 323/840: H = 840/323, flux 16800/323, surfaces 4060/323 and 700/323.
    ExpectComeNelFile("core/rapporto-uno-strato.txt", Rapporto(Parete("M")));
}

// The acoustic calculation alone leaves out the thermal and hygrometric data; the hidden
// temperature is read as 0 by the run.
TEST(Calcolo, OnlyAcousticLeavesOutThermalAndHygrometricData) {
    Esercizio e = Parete("M", false, false, true);
    e.TInterna = "x";
    e.DistSonoro = "0.01";
    e.UnitaDistSonoro = UnitaSuono::Watt;
    ExpectComeNelFile("core-h2/calcolo/solo-acustico.txt", Rapporto(e));
}

// The layer blocks under DATI (a factor " - " has no line) and the air cavities' blocks of the
// second run, whose second hypothesis is the mean of the first run's face temperatures; the mean
// factor of 0,9 and 0,8 is 36/49.
TEST(Calcolo, LayerAndAirCavityBlocks) {
    const Esercizio e = DueCamere();
    RisultatiCalcolo primo;
    std::string testo;
    Calcolo(e, 1, 2, primo, testo);
    EXPECT_EQ(RigaCheInizia(testo, "Seconda"), "Seconda ipotesi temperatura media 7,5 °C");

    EsitoCalcola esito;
    testo = Rapporto(e, &esito);
    EXPECT_EQ(esito.NumeroCamereAria, 2);
    EXPECT_EQ(testo, Rapporto(e)); // nothing else carries over between commands
    EXPECT_EQ(RigaCheInizia(testo, "Seconda"), "Seconda ipotesi temperatura media " +
                                                   FormaGenerale((primo.T[1] + primo.T[2]) / 2) +
                                                   " °C");
    ExpectComeNelFile("core-h2/calcolo/due-camere.txt", testo);
}

TEST(Calcolo, InvalidExerciseLeavesTheReportAlone) {
    Esercizio e = Parete("MM");
    e.strato(2).Conduttività.Testo = "0";
    RisultatiCalcolo r;
    std::string testo = "rapporto precedente";
    const EsitoCalcola esito = Command1_Click(e, r, testo);
    EXPECT_FALSE(esito.DatiValidi);
    EXPECT_EQ(esito.Messaggio, "Per lo strato 2 è stato inserito un valore errato nella casella "
                               "''Conduttività termica''");
    EXPECT_EQ(testo, "rapporto precedente");
}

// Twelve layers: the labels T9 and T10 (and Pvs, Pv) keep the values in one column.
TEST(Calcolo, TwelveLayersAlignEveryBoundaryLabel) {
    ExpectComeNelFile("core-h2/calcolo/dodici-strati.txt",
                      Rapporto(Parete("MMMMMMMMMMMM", true, true)));
}

namespace {

double LeggeMassa(double f, double massa) {
    return 20 * std::log10(f * massa) - 47;
}

// The acoustic calculation alone, on layers 10 cm thick of the given densities, or 1 cm thick
// when there is one layer only.
RisultatiCalcolo Acustico(std::vector<const char*> densità, const char* disturbo = "60",
                          UnitaSuono unità = UnitaSuono::Decibel, std::string* testo = nullptr) {
    Esercizio e = prova::Parete(std::string(densità.size(), 'M'), false, false, true);
    e.DistSonoro = disturbo;
    e.UnitaDistSonoro = unità;
    RisultatiCalcolo r;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        e.strato(k).Densità.Testo = densità[static_cast<std::size_t>(k - 1)];
        r.Densità[k] = ConvertiNumeroOZero(e.strato(k).Densità.Testo);
        r.SpessoreMetri[k] = densità.size() == 1 ? 0.01 : 0.1;
    }
    r.DistSonoro = ConvertiNumeroOZero(disturbo);
    std::string scarto;
    CalcoloDisturboSonoro(e, r, testo ? *testo : scarto);
    return r;
}

} // namespace

TEST(Acustico, ConsecutiveHeavyLayersActAsOneMass) {
    RisultatiCalcolo r = Acustico({"800", "800", "800"});
    EXPECT_EQ(r.PotereFonoisolante[1], (std::array<double, 6>{}));
    EXPECT_EQ(r.PotereFonoisolante[2], (std::array<double, 6>{}));
    EXPECT_NEAR(r.PotereFonoisolante[3][0], LeggeMassa(125, 240), 1e-12);

    for (const char* leggero : {"700", "750"}) { // 750 is still light
        r = Acustico({"800", leggero, "800"});
        EXPECT_NEAR(r.PotereFonoisolante[1][0], 33, 1e-12) << leggero; // 125 x 80 = 10^4
        EXPECT_NEAR(r.PotereFonoisolante[3][0], 33, 1e-12) << leggero;
        EXPECT_NEAR(r.PotereFonoisolanteParete[0], 66 + r.PotereFonoisolante[2][0], 1e-12);
    }
}

TEST(Acustico, TransmittedLevelIsTheIncomingLessTheWallNeverBelowZero) {
    RisultatiCalcolo r = Acustico({"20000"}); // 200 kg/m²: 6 dB more per octave
    EXPECT_NEAR(r.PotereFonoisolante[1][0], 40.9588, 1e-4);
    EXPECT_NEAR(r.PotereFonoisolante[1][5] - r.PotereFonoisolante[1][4], 6.0206, 1e-4);
    r = Acustico({"100"}); // 1 kg/m²: nothing at 125 Hz
    EXPECT_NEAR(r.EnergiaTrasmessa[0], 60, 1e-9);
    EXPECT_NEAR(r.EnergiaTrasmessa[5], 60 - LeggeMassa(4000, 1), 1e-9);
    EXPECT_EQ(Acustico({"900", "900"}, "30").EnergiaTrasmessa, (std::array<double, 6>{}));
}

TEST(Acustico, IncomingLevelInDecibelsOrWatts) {
    std::string testo;
    RisultatiCalcolo r = Acustico({"100"}, "0", UnitaSuono::Decibel, &testo);
    EXPECT_EQ(r.EnergiaTrasmessa, (std::array<double, 6>{}));
    EXPECT_EQ(testo.find("Disturbo sonoro in entrata"), std::string::npos);

    for (const auto& [watt, decibel] : {std::pair{"0", "0"}, std::pair{"0,01", "100"}}) {
        testo.clear();
        r = Acustico({"100"}, watt, UnitaSuono::Watt, &testo);
        EXPECT_NE(testo.find("\r\nDisturbo sonoro in entrata calcolato in decibel = " +
                             std::string(decibel) + " dB\r\n\r\n"),
                  std::string::npos);
        EXPECT_NEAR(r.EnergiaTrasmessa[0], std::stod(decibel), 1e-9);
    }
}

// 1 kg/m²: the section keeps the hertz in column and ends without an empty line.
TEST(Acustico, ReportSectionKeepsTheHertzInColumn) {
    std::string testo;
    Acustico({"100"}, "0", UnitaSuono::Decibel, &testo);
    ExpectComeNelFile("core-h2/calcolo/sezione-acustica.txt", testo);
}

TEST(Acustico, ChartKeepsNegativeIndicesOfLightLayers) {
    Esercizio e = prova::Parete("MAM", false, false, true);
    e.DistSonoro = "60";
    RisultatiCalcolo r;
    r.SpessoreMetri = {0, 0.1, 0.05, 0.1};
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        r.Densità[k] = ConvertiNumeroOZero(e.strato(k).Densità.Testo);
    }
    r.DistSonoro = 60;
    std::string testo;
    CalcoloDisturboSonoro(e, r, testo);
    const double cavità = LeggeMassa(125, 1.21 * 0.05);
    EXPECT_EQ(r.PotereFonoisolante[2][0], 0);
    EXPECT_NEAR(CalcoloDisturboSonoro2(e, r, 125), 60 - r.PotereFonoisolanteParete[0] - cavità,
                1e-9);
    EXPECT_NEAR(r.PotereFonoisolanteGrafico[2], cavità, 1e-12);
    EXPECT_LT(cavità, 0);
    // At 0 dB the chart takes the reference intensity, whose level through a wall is 0.
    e.DistSonoro = "0";
    EXPECT_EQ(CalcoloDisturboSonoro2(e, r, 125), 0);
}

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
