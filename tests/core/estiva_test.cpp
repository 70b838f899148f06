#include <gtest/gtest.h>

#include "core/verifiche/estiva.h"

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
