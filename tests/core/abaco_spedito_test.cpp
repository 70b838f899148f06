// The materials database shipped with the program: every row can be read, and every material
// can be loaded into a wall that the calculation then accepts.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/calc/calcolo.h"
#include "core/materials/abaco_file.h"
#include "core/materials/carica_materiale.h"
#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/model/numeri.h"
#include "support/cartella_temporanea.h"

using namespace paretix;

namespace {

// Material, air cavity, material: every value of the material is shown and so validated, its
// absorption factor included, since both material layers face the cavity.
Esercizio PareteCon(const VoceAbaco& voce) {
    Esercizio e;
    e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.DistSonoro = "70";
    e.Strati.resize(3);
    for (int k = 1; k <= 3; ++k) {
        e.strato(k).Spessore.Testo = "8";
    }
    CameraAria1(e, 2);
    CaricaMateriale(e, 1, voce);
    CaricaMateriale(e, 3, voce);
    AggiornaCaselleVisibili(e, false);
    return e;
}

} // namespace

TEST(AbacoSpedito, EveryRowIsReadAndEveryMaterialCalculates) {
    const std::string byte = test::LeggiTutto(PARETIX_ABACO_SPEDITO);
    const auto letto = Prosegui(PARETIX_ABACO_SPEDITO);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Coda, "");
    const auto marcatori = std::count(byte.begin(), byte.end(), '\xB6');
    EXPECT_EQ(static_cast<long>(letto->Voci.size()), marcatori);
    ASSERT_TRUE(letto->Voci.front().TitoloGruppo());

    int materiali = 0;
    for (const VoceAbaco& voce : letto->Voci) {
        if (voce.TitoloGruppo()) {
            continue;
        }
        ++materiali;
        // Every material carries its specific heat, the periodic calculation's input.
        const auto c = ConvertiNumero(voce.CaloreSpecifico);
        EXPECT_TRUE(c && *c >= 300 && *c <= 2500) << voce.Materiale;
        Esercizio e = PareteCon(voce);
        ASSERT_TRUE(e.strato(1).FatAssorbimentoVisibile);
        RisultatiCalcolo r;
        std::string rapporto;
        const EsitoCalcola esito = Command1_Click(e, r, rapporto);
        EXPECT_TRUE(esito.DatiValidi) << voce.Materiale << ": " << esito.Messaggio;
    }
    EXPECT_GE(materiali, 50);
    // The file is what the program's writer makes of its rows.
    EXPECT_EQ(ContenutoFileAbaco(letto->Voci, ""), byte);
}
