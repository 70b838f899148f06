#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/acustico.h"
#include "core/calc/calcolo.h"
#include "core/model/numeri.h"
#include "support/pareti.h"

using namespace paretix;

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

TEST(Acustico, ReportSectionKeepsTheHertzInColumn) {
    std::string testo;
    Acustico({"100"}, "0", UnitaSuono::Decibel, &testo); // 1 kg/m²
    const auto righe = prova::Righe(testo);
    ASSERT_EQ(righe.size(), 19u); // no empty line after the last one
    EXPECT_EQ(righe[2], "CALCOLO ACUSTICO");
    EXPECT_EQ(righe[5], "a   125 Hz 0 dB");
    EXPECT_TRUE(righe[6].starts_with("a   250 Hz 0,9588")) << righe[6];
    EXPECT_EQ(righe[8], "a 1000 Hz 13 dB");
    EXPECT_EQ(righe[12], "Energia trasmessa");
    EXPECT_EQ(righe[15], "per   500 Hz 0 dB");
    EXPECT_EQ(righe[18], "per 4000 Hz 0 dB");
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
