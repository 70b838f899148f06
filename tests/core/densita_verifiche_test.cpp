#include <gtest/gtest.h>

#include "core/window/finestra_principale.h"
#include "support/parete_verifiche.h"
#include "support/dialoghi_registrati.h"

using namespace paretix;

// The checks ask for the densities themselves: a thermal-only exercise gets the surface mass,
// the periodic characteristics and the summer verdict.
TEST(DensitaVerifiche, ThermalOnlyExerciseGetsTheMassAndSummerChecks) {
    Esercizio e = prova::PareteVerifiche();
    ASSERT_FALSE(e.Acustico);
    e.strato(1).CaloreSpecifico = "840";
    e.strato(2).CaloreSpecifico = "1450";
    e.Verifiche.Esposizione = Orientamento::S;
    e.Verifiche.Irradianza290 = true;
    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> v;
    ASSERT_TRUE(CalcolaConVerifiche(e, r, testo, &v).DatiValidi);
    ASSERT_TRUE(v && v->MassaSuperficiale && v->Dinamica && v->Estiva);
    EXPECT_NEAR(*v->MassaSuperficiale, 202, 1e-9); // 800·0,25 + 40·0,05
    ASSERT_TRUE(v->Dinamica->Caratteristiche);
    // The chain's steady U is the law's: 1/(0,13 + 0,5 + 1,25 + 0,04).
    EXPECT_NEAR(v->Dinamica->Caratteristiche->U, 1 / 1.92, 1e-9);
    // 202 kg/m² does not exceed 230: |Yie| alone decides.
    ASSERT_TRUE(v->Estiva->Yie);
    EXPECT_EQ(v->Estiva->Rispettata, *v->Estiva->Yie < 0.10);
    // The specified report still lists no density without the acoustic calculation.
    EXPECT_EQ(testo.find("Densità = "), std::string::npos);
    EXPECT_NE(testo.find("Massa superficiale Ms (esclusi gli intonaci) = 202 kg/m²"),
              std::string::npos);
}

// A density that is not a number stops the run only when the checks or the acoustic
// calculation read it.
TEST(DensitaVerifiche, DensitiesValidatedWithTheChecks) {
    for (const bool attive : {true, false}) {
        Esercizio e = prova::PareteVerifiche();
        e.Verifiche.Attive = attive;
        e.strato(2).Densità.Testo = "leggero";
        RisultatiCalcolo r;
        std::string testo;
        const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo);
        EXPECT_EQ(esito.DatiValidi, !attive);
        if (attive) {
            EXPECT_EQ(esito.Messaggio, "Per lo strato 2 è stato inserito un dato alfanumerico "
                                       "nella casella ''Densità''");
        }
    }
}

// The check box shows and hides the density boxes of a thermal-only exercise at once.
TEST(DensitaVerifiche, TheCheckBoxShowsTheDensityRow) {
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    const auto densità = static_cast<std::size_t>(RigaSchema::Densità);
    ASSERT_TRUE(f.esercizio().Termico && !f.esercizio().Acustico);
    for (const bool attive : {true, false}) {
        f.CheckVerifiche_Click(attive);
        EXPECT_EQ(f.Stato().Schema.RigaVisibile[densità], attive);
    }
}
