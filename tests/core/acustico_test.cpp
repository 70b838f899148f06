#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/acustico.h"
#include "core/calc/calcolo.h"
#include "core/model/numeri.h"
#include "parete_prova.h"

using namespace paretix;

namespace {

// A wall for the acoustic calculation only, one layer per (density, thickness in m).
Esercizio Parete(std::initializer_list<std::pair<const char*, double>> strati,
                 const char* disturbo = "60", UnitaSuono unità = UnitaSuono::Decibel) {
    Esercizio e = prova::Parete(std::string(strati.size(), 'M'), false, false, true);
    e.DistSonoro = disturbo;
    e.UnitaDistSonoro = unità;
    int k = 0;
    for (const auto& [densità, spessore] : strati) {
        ++k;
        e.strato(k).Densità.Testo = densità;
        e.strato(k).Spessore.Testo = FormaGenerale(spessore * 100); // cm
    }
    return e;
}

RisultatiCalcolo Acustico(const Esercizio& e, std::string* testo = nullptr) {
    RisultatiCalcolo r;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        r.SpessoreMetri[k] = ConvertiNumeroOZero(e.strato(k).Spessore.Testo) / 100;
    }
    std::string scarto;
    CalcoloDisturboSonoro(e, r, testo ? *testo : scarto);
    return r;
}

double LeggeMassa(double f, double massa) {
    return 20 * std::log10(f * massa) - 47;
}

} // namespace

TEST(Acustico, MassLawRisesSixDecibelsPerOctave) {
    const RisultatiCalcolo r = Acustico(Parete({{"1000", 0.2}}));
    EXPECT_NEAR(r.PotereFonoisolante[1][0], 40.9588, 1e-4); // 20 log10(125 x 200) - 47
    for (int i = 1; i < 6; ++i) {
        EXPECT_NEAR(r.PotereFonoisolante[1][i] - r.PotereFonoisolante[1][i - 1], 6.0206, 1e-4);
    }
    EXPECT_EQ(r.PotereFonoisolanteParete, r.PotereFonoisolante[1]);
}

TEST(Acustico, ConsecutiveHeavyLayersActAsOneMass) {
    RisultatiCalcolo r = Acustico(Parete({{"800", 0.1}, {"800", 0.1}, {"800", 0.1}}));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.PotereFonoisolante[1][i], 0);
        EXPECT_EQ(r.PotereFonoisolante[2][i], 0);
    }
    EXPECT_NEAR(*r.MassaSuperficiale[3], 240, 1e-12);
    EXPECT_NEAR(r.PotereFonoisolante[3][0], LeggeMassa(125, 240), 1e-12);

    // A light layer between them, 750 included, separates heavy layers.
    for (const char* leggero : {"700", "750"}) {
        r = Acustico(Parete({{"800", 0.1}, {leggero, 0.1}, {"800", 0.1}}));
        EXPECT_NEAR(r.PotereFonoisolante[1][0], 33, 1e-12) << leggero; // 125 x 80 = 10^4
        EXPECT_NEAR(r.PotereFonoisolante[3][0], 33, 1e-12) << leggero;
        EXPECT_NEAR(r.PotereFonoisolanteParete[0], 66 + r.PotereFonoisolante[2][0], 1e-12);
    }
}

TEST(Acustico, TransmittedLevelIsTheIncomingLevelLessTheWallNeverBelowZero) {
    // 1 cm at 100 kg/m³: 1 kg/m², no reduction at 125 Hz, 20 log10(4000) - 47 at 4000 Hz.
    RisultatiCalcolo r = Acustico(Parete({{"100", 0.01}}));
    EXPECT_EQ(r.PotereFonoisolante[1][0], 0);
    EXPECT_NEAR(r.EnergiaTrasmessa[0], 60, 1e-9);
    EXPECT_NEAR(r.EnergiaTrasmessa[5], 60 - LeggeMassa(4000, 1), 1e-9);

    r = Acustico(Parete({{"2000", 0.3}}, "30"));
    for (double livello : r.EnergiaTrasmessa) {
        EXPECT_EQ(livello, 0);
    }
}

TEST(Acustico, ZeroDecibelsAndZeroWattsTransmitNothing) {
    std::string testo;
    RisultatiCalcolo r = Acustico(Parete({{"100", 0.01}}, "0"), &testo);
    EXPECT_EQ(r.DisturboInEntrata, 0);
    EXPECT_EQ(testo.find("Disturbo sonoro in entrata"), std::string::npos);
    for (double livello : r.EnergiaTrasmessa) {
        EXPECT_EQ(livello, 0);
    }

    testo.clear();
    r = Acustico(Parete({{"100", 0.01}}, "0", UnitaSuono::Watt), &testo);
    EXPECT_EQ(prova::RigaCheInizia(testo, "Disturbo"),
              "Disturbo sonoro in entrata calcolato in decibel = 0 dB");
    EXPECT_EQ(r.EnergiaTrasmessa[5], 0);

    testo.clear();
    r = Acustico(Parete({{"100", 0.01}}, "0,01", UnitaSuono::Watt), &testo);
    EXPECT_EQ(prova::RigaCheInizia(testo, "Disturbo"),
              "Disturbo sonoro in entrata calcolato in decibel = 100 dB");
    EXPECT_NEAR(r.EnergiaTrasmessa[0], 100, 1e-9);
}

TEST(Acustico, ReportSectionKeepsTheHertzInColumn) {
    std::string testo;
    Acustico(Parete({{"1000", 0.2}}, "0"), &testo);
    const auto righe = prova::Righe(testo);
    ASSERT_EQ(righe.size(), 19u);
    EXPECT_EQ(righe[0], "________________________________________");
    EXPECT_EQ(righe[2], "CALCOLO ACUSTICO");
    EXPECT_EQ(righe[4], "Potere Fonoassorbente dell'intera parete");
    EXPECT_TRUE(righe[5].starts_with("a   125 Hz 40,95")) << righe[5];
    EXPECT_TRUE(righe[7].starts_with("a   500 Hz ")) << righe[7];
    EXPECT_TRUE(righe[8].starts_with("a 1000 Hz ")) << righe[8];
    EXPECT_TRUE(righe[10].starts_with("a 4000 Hz ") && righe[10].ends_with(" dB"));
    EXPECT_EQ(righe[11], "");
    EXPECT_EQ(righe[12], "Energia trasmessa");
    EXPECT_EQ(righe[13], "per   125 Hz 0 dB");
    EXPECT_EQ(righe[16], "per 1000 Hz 0 dB");
    EXPECT_EQ(righe[18], "per 4000 Hz 0 dB"); // and no empty line after it
}

TEST(Acustico, ChartKeepsNegativeIndicesOfLightLayers) {
    Esercizio e = prova::Parete("MAM", false, false, true);
    e.DistSonoro = "60";
    RisultatiCalcolo r = Acustico(e);
    const double livello = CalcoloDisturboSonoro2(e, r, 125);
    const double cavità = LeggeMassa(125, 1.21 * 0.05);
    EXPECT_LT(cavità, 0);
    EXPECT_NEAR(r.PotereFonoisolanteGrafico[2], cavità, 1e-12);
    EXPECT_EQ(r.PotereFonoisolante[2][0], 0);
    EXPECT_NEAR(livello, 60 - r.PotereFonoisolanteParete[0] - cavità, 1e-9);
    EXPECT_EQ(r.FrequenzaGrafico, 125);

    // At 0 dB the chart takes the reference intensity, whose level through a wall is 0.
    e.DistSonoro = "0";
    EXPECT_EQ(CalcoloDisturboSonoro2(e, r, 125), 0);
}
