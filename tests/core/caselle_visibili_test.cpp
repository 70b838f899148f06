#include <gtest/gtest.h>

#include "core/model/caselle_visibili.h"

using namespace paretix;

namespace {

Esercizio Parete(std::string tipi) {
    Esercizio e;
    e.Strati.assign(tipi.size(), Strato{});
    for (std::size_t i = 0; i < tipi.size(); ++i) {
        e.Strati[i].TipoStrato = std::string(1, tipi[i]);
    }
    return e;
}

std::string Assorbimenti(const Esercizio& e) {
    std::string s;
    for (const Strato& st : e.Strati) {
        s += st.FatAssorbimentoVisibile ? '1' : '0';
    }
    return s;
}

} // namespace

TEST(CaselleVisibili, AbsorptionBoxesFaceTheAirCavity) {
    Esercizio e = Parete("MAMM");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "1010");
    EXPECT_FALSE(e.strato(2).ConduttivitàVisibile);
    EXPECT_TRUE(e.strato(1).ConduttivitàVisibile);

    e = Parete("MMAM");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "0101");
}

TEST(CaselleVisibili, MiddleLayersKeepTheirStateWhileMantieniInterni) {
    Esercizio e = Parete("MMAM");
    e.strato(2).FatAssorbimentoVisibile = false;
    e.strato(3).FatAssorbimentoVisibile = true;
    AggiornaCaselleVisibili(e, true);
    EXPECT_EQ(Assorbimenti(e), "0011");
}

TEST(CaselleVisibili, TwoLayersOrFewerAndNoThermalHideEverything) {
    Esercizio e = Parete("MA");
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "00");

    e = Parete("MAM");
    e.Termico = false;
    AggiornaCaselleVisibili(e, false);
    EXPECT_EQ(Assorbimenti(e), "000");
    EXPECT_FALSE(e.strato(1).ConduttivitàVisibile);
}
