#include <gtest/gtest.h>

#include "core/verifiche/limiti.h"

using namespace paretix;

// The decree's U table for walls towards the outside, W/(m² K), copied from the published
// table: App. B renovation 2015 and from 2021 (limits), App. A reference building 2015 and
// from 2019/2021.
TEST(Limiti, TransmittanceTableOfTheDecree) {
    struct Riga {
        ZonaClimatica zona;
        double valori[4];
    };
    const Riga tabella[] = {
        {ZonaClimatica::A, {0.45, 0.40, 0.45, 0.43}}, {ZonaClimatica::B, {0.45, 0.40, 0.45, 0.43}},
        {ZonaClimatica::C, {0.40, 0.36, 0.38, 0.34}}, {ZonaClimatica::D, {0.36, 0.32, 0.34, 0.29}},
        {ZonaClimatica::E, {0.30, 0.28, 0.30, 0.26}}, {ZonaClimatica::F, {0.28, 0.26, 0.28, 0.24}},
    };
    const RegimeVerifica regimi[] = {
        RegimeVerifica::Riqualificazione2015, RegimeVerifica::Riqualificazione2021,
        RegimeVerifica::Riferimento2015, RegimeVerifica::Riferimento2021};
    for (const Riga& riga : tabella) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(TrasmittanzaDiTabella(riga.zona, regimi[i]), riga.valori[i])
                << static_cast<int>(riga.zona) << " " << i;
        }
    }
    EXPECT_FALSE(RegimeDiRiferimento(RegimeVerifica::Riqualificazione2015));
    EXPECT_FALSE(RegimeDiRiferimento(RegimeVerifica::Riqualificazione2021));
    EXPECT_TRUE(RegimeDiRiferimento(RegimeVerifica::Riferimento2015));
    EXPECT_TRUE(RegimeDiRiferimento(RegimeVerifica::Riferimento2021));
    EXPECT_EQ(MaggiorazioneIsolamentoInterno(), 1.30);
    EXPECT_EQ(TrasmittanzaLimiteDivisorio(), 0.8);
}

TEST(Limiti, SourcesNameDecreeTableStageAndZone) {
    EXPECT_EQ(FonteTrasmittanza(ZonaClimatica::B, RegimeVerifica::Riqualificazione2015),
              "DM 26/06/2015, App. B, 2015, zona B");
    EXPECT_EQ(FonteTrasmittanza(ZonaClimatica::D, RegimeVerifica::Riferimento2021),
              "DM 26/06/2015, App. A, dal 2019/2021, zona D");
    EXPECT_EQ(FonteRequisitoAcustico(CategoriaEdificio::G), "DPCM 5/12/1997, categoria G");
}

// DPCM 5/12/1997: façade D2m,nT,w 40, 42, 40, 45, 48, 42, 42 dB for categories A to G;
// partitions R'w 50 dB, 55 for hospitals (D).
TEST(Limiti, AcousticRequirementsByCategory) {
    const CategoriaEdificio categorie[] = {
        CategoriaEdificio::A, CategoriaEdificio::B, CategoriaEdificio::C, CategoriaEdificio::D,
        CategoriaEdificio::E, CategoriaEdificio::F, CategoriaEdificio::G};
    const int facciata[] = {40, 42, 40, 45, 48, 42, 42};
    const int divisorio[] = {50, 50, 50, 55, 50, 50, 50};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(RequisitoFacciata(categorie[i]), facciata[i]) << i;
        EXPECT_EQ(RequisitoDivisorio(categorie[i]), divisorio[i]) << i;
    }
}
