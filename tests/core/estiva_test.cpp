#include <gtest/gtest.h>

#include "core/verifiche/estiva.h"
#include "core/window/finestra_principale.h"
#include "support/dialoghi_registrati.h"
#include "support/parete_verifiche.h"

using namespace paretix;

namespace {

DatiVerifiche Dati(ElementoParete elemento, ZonaClimatica zona, Orientamento o, bool irradianza) {
    DatiVerifiche d;
    d.Attive = true;
    d.Elemento = elemento;
    d.Zona = zona;
    d.Esposizione = o;
    d.Irradianza290 = irradianza;
    return d;
}

VerificaDinamica ConYie(double yie) {
    VerificaDinamica d;
    d.Caratteristiche = CaratteristichePeriodiche{.Yie = yie};
    return d;
}

VerificaDinamica SenzaCaloreSpecifico() {
    VerificaDinamica d;
    d.SenzaCaloreSpecifico = {2};
    return d;
}

// Where the requirement applies, the edges of both limits: Ms must exceed 230 kg/m², |Yie| stay
// under 0,10 W/m²K; either one is enough.
TEST(Estiva, EitherTheMassOrThePeriodicTransmittanceMeetsIt) {
    Esercizio e;
    e.Verifiche = Dati(ElementoParete::Esterno, ZonaClimatica::E, Orientamento::S, true);
    struct Caso {
        double Ms;
        VerificaDinamica Dinamica;
        const char* Esito;
    };
    const std::vector<Caso> casi{
        {230.0, ConYie(0.10), EsitoEstivaNonVerificata},
        {230.1, ConYie(0.50), EsitoEstivaVerificata},
        {100.0, ConYie(0.0999), EsitoEstivaVerificata},
        {231.0, SenzaCaloreSpecifico(), EsitoEstivaVerificata},
        {229.0, SenzaCaloreSpecifico(), EsitoEstivaIndeterminata},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        const VerificaEstiva v = VerificaDellaEstiva(e, casi[i].Ms, casi[i].Dinamica);
        EXPECT_EQ(v.Applicabile, true) << i;
        EXPECT_EQ(v.Esito, casi[i].Esito) << i;
    }
    EXPECT_EQ(VerificaDellaEstiva(e, 229, SenzaCaloreSpecifico()).Motivo, MotivoSenzaYie);
}

TEST(Estiva, TheDecreeLeavesOutNorthernWallsZoneFLowIrradianceAndInnerWalls) {
    using E = ElementoParete;
    using Z = ZonaClimatica;
    using O = Orientamento;
    const std::tuple<E, Z, O, bool, const char*> casi[] = {
        {E::Esterno, Z::E, O::N, true, MotivoEsposizione},
        {E::Esterno, Z::E, O::NE, true, MotivoEsposizione},
        {E::Esterno, Z::E, O::NO, true, MotivoEsposizione},
        {E::Esterno, Z::F, O::S, true, MotivoZonaF},
        {E::Esterno, Z::A, O::O, false, MotivoIrradianza},
        {E::Divisorio, Z::E, O::S, true, MotivoNonEsterna}};
    for (const auto& [elemento, zona, esposizione, irradianza, motivo] : casi) {
        Esercizio e;
        e.Verifiche = Dati(elemento, zona, esposizione, irradianza);
        const VerificaEstiva v = VerificaDellaEstiva(e, 100, ConYie(0.5));
        EXPECT_EQ((std::tuple{v.Applicabile, v.Esito, v.Motivo, v.Rispettata}),
                  (std::tuple{std::optional(false), std::string(EsitoEstivaNonApplicabile),
                              std::string(motivo), std::optional<bool>()}))
            << motivo;
    }
    // East, south-east, south, south-west and west walls in zones A to E are checked.
    for (Orientamento o : {Orientamento::E, Orientamento::SE, Orientamento::SO}) {
        Esercizio e;
        e.Verifiche = Dati(ElementoParete::Esterno, ZonaClimatica::A, o, true);
        EXPECT_EQ(VerificaDellaEstiva(e, 100, ConYie(0.5)).Esito, EsitoEstivaNonVerificata);
    }
}

TEST(Estiva, WithoutTheWallsSituationThereIsNoOutcome) {
    Esercizio e;
    e.Verifiche.Attive = true;
    const VerificaEstiva v = VerificaDellaEstiva(e, 300, ConYie(0.05));
    EXPECT_EQ(v.Mancanti,
              (std::vector<std::string>{DatoElemento, DatoZona, DatoEsposizione, DatoIrradianza}));
    EXPECT_FALSE(v.Applicabile);
    EXPECT_TRUE(v.Esito.empty());
    EXPECT_EQ(v.Yie, 0.05);
}

} // namespace

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
