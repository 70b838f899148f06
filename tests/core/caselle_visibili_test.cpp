#include <gtest/gtest.h>

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "support/pareti.h"

using namespace paretix;
using prova::SoloTipi;

namespace {

std::string Assorbimenti(const Esercizio& e) {
    std::string s;
    for (const Strato& st : e.Strati) {
        s += st.FatAssorbimentoVisibile ? '1' : '0';
    }
    return s;
}

} // namespace

TEST(CaselleVisibili, AbsorptionBoxesFaceTheAirCavity) {
    Esercizio e = SoloTipi("MAMM");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "1010");
    EXPECT_FALSE(e.strato(2).ConduttivitàVisibile);
    EXPECT_TRUE(e.strato(1).ConduttivitàVisibile);

    e = SoloTipi("MMAM");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "0101");
}

TEST(CaselleVisibili, MiddleLayersKeepTheirStateWhileMantieniInterni) {
    Esercizio e = SoloTipi("MMAM");
    e.strato(2).FatAssorbimentoVisibile = false;
    e.strato(3).FatAssorbimentoVisibile = true;
    AggiornaCaselleVisibili(e, true);
    EXPECT_EQ(Assorbimenti(e), "0011");
}

TEST(CaselleVisibili, TwoLayersOrFewerAndNoThermalHideEverything) {
    Esercizio e = SoloTipi("MA");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "00");

    e = SoloTipi("MAM");
    e.Termico = false;
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "000");
    EXPECT_FALSE(e.strato(1).ConduttivitàVisibile);
}

TEST(CameraAria1, ResetsTheCavityAndShowsItsNeighboursFactors) {
    Esercizio e = SoloTipi("MMM");
    e.strato(2).Spessore.Testo = "5";
    e.strato(2).Densità = {"1800", "1800", ColoreGiallo, true};
    e.strato(2).Conduttività = {"0,72", "0,72", ColoreGiallo, true};
    CameraAria1(e, 2);
    const Strato& s = e.strato(2);
    EXPECT_EQ(s.TipoStrato, "A");
    EXPECT_EQ(s.Materiale, "Intercapedine d'aria");
    EXPECT_EQ(s.StileRiempimento, RiempimentoTrasparente);
    EXPECT_EQ(s.Densità, (Casella{"1,21", "", ColoreFinestra, false}));
    EXPECT_EQ(s.Conduttività, (Casella{"", "", ColoreFinestra, false}));
    EXPECT_EQ(s.Permeabilità, (Casella{"187,52", "187,52", ColoreFinestra, false}));
    EXPECT_EQ(s.Spessore.Testo, "5");
    EXPECT_FALSE(s.ConduttivitàVisibile);
    EXPECT_EQ(Assorbimenti(e), "101");
}

TEST(CameraAria1, WithoutThermalOrAtAnEndTouchesNoMissingNeighbour) {
    Esercizio e = SoloTipi("MM");
    e.Termico = false;
    CameraAria1(e, 2);
    EXPECT_EQ(Assorbimenti(e), "00");
    e.Termico = true;
    CameraAria1(e, 1);
    EXPECT_EQ(Assorbimenti(e), "01");
}
