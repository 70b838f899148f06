#include <gtest/gtest.h>

#include <cctype>

#include "core/calc/termico.h"
#include "parete_prova.h"

using namespace paretix;

namespace {

// Layers given as thickness (m) and conductivity; runs the five thermal steps.
RisultatiCalcolo Termico(double ti, double te,
                         std::initializer_list<std::pair<double, double>> strati,
                         std::string* testo = nullptr) {
    RisultatiCalcolo r;
    r.hi = 7;
    r.he = 24;
    r.Ti = ti;
    r.Te = te;
    int k = 0;
    for (const auto& [s, ki] : strati) {
        ++k;
        r.SpessoreMetri[k] = s;
        r.Ki[k] = ki;
    }
    std::string scarto;
    std::string& t = testo ? *testo : scarto;
    CalcoloSommatoriaResistenzeTermicheUnitarieR(r, k, t);
    CalcoloConduttanzaTermicaUnitariaHc(r, t);
    CalcoloTrasmittanzaTermicaUnitariaH(r, t);
    CalcoloFlussoTermicoFI(r, t);
    CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(r, k, t);
    return r;
}

} // namespace

TEST(Termico, OneLayerOfTenCentimetres) {
    // 1/7 + 0,2 + 1/24 = 323/840, so H = 840/323 and the flux 20 H.
    const RisultatiCalcolo r = Termico(20, 0, {{0.1, 0.5}});
    EXPECT_NEAR(r.ResistenzaStrato[1], 0.2, 1e-15);
    EXPECT_NEAR(r.SommatoriaResistenze, 0.2, 1e-15);
    EXPECT_NEAR(r.Hc, 5, 1e-14);
    EXPECT_NEAR(r.H, 840.0 / 323, 1e-14);
    EXPECT_NEAR(r.FI, 16800.0 / 323, 1e-12);
    EXPECT_NEAR(r.T[0], 4060.0 / 323, 1e-12); // Ti - FI/hi
    EXPECT_NEAR(r.T[1], 700.0 / 323, 1e-12);  // Te + FI/he
}

TEST(Termico, TemperaturesFollowTheSignOfTheFlux) {
    RisultatiCalcolo r = Termico(15, 15, {{0.1, 0.5}, {0.2, 0.04}});
    EXPECT_EQ(r.FI, 0);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(r.T[k], 15);
    }

    r = Termico(0, 30, {{0.1, 0.5}, {0.2, 0.04}});
    EXPECT_LT(r.FI, 0);
    EXPECT_LT(r.T[0], r.T[1]);
    EXPECT_LT(r.T[1], r.T[2]);
    // The drop across a layer is the flux times its resistance.
    EXPECT_NEAR(r.T[1] - r.T[2], r.FI * 5, 1e-12);
}

TEST(Termico, LayerWithoutConductivityTakesTheStillAirResistance) {
    const RisultatiCalcolo r = Termico(20, 0, {{0.1, 0.5}, {0.02, 0}, {0.1, 0.5}});
    EXPECT_EQ(r.ResistenzaStrato[2], 0.16);
    EXPECT_NEAR(r.SommatoriaResistenze, 0.56, 1e-15);
}

TEST(Termico, EqualsSignsLineUpFromTheTenthBoundary) {
    std::string testo;
    Termico(20, 0,
            {{0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5},
             {0.1, 0.5}},
            &testo);
    const auto righe = prova::Righe(testo);
    std::vector<std::string> etichette;
    for (const std::string& riga : righe) {
        if (riga.size() > 1 && riga[0] == 'T' &&
            std::isdigit(static_cast<unsigned char>(riga[1]))) {
            etichette.push_back(riga.substr(0, riga.find('=') + 2));
        }
    }
    ASSERT_EQ(etichette.size(), 13u);
    EXPECT_EQ(etichette[0], "T0   = ");
    EXPECT_EQ(etichette[9], "T9   = ");
    EXPECT_EQ(etichette[10], "T10 = ");
    EXPECT_EQ(etichette[12], "T12 = ");
    EXPECT_EQ(righe.back(), "");
}
