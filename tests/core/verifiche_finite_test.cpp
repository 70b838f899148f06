// Inputs far outside any wall whose results leave the range of the computer's numbers: the
// run fails with the finite-value message instead of printing "nan", "inf" or a silent 0 dB.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/variazioni/variazioni.h"
#include "core/verifiche/calcola_verifiche.h"
#include "support/parete_verifiche.h"

using namespace paretix;

namespace {

// The checks' wall with its specific heats, so that EN ISO 13786 runs too.
Esercizio Parete() {
    Esercizio e = prova::PareteVerifiche(true);
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).CaloreSpecifico = "1450";
    return e;
}

struct Caso {
    const char* Descrizione;
    std::function<void(Esercizio&)> Cambia;
    std::string Messaggio; // empty: the run stays valid
};

TEST(VerificheFinite, AResultThatIsNotFiniteFailsTheRunAndKeepsTheReport) {
    const Caso casi[] = {
        {"an ordinary wall", [](Esercizio&) {}, ""},
        // R = 0,25 / 1E-308 is finite, the periodic matrix of the layer is not.
        {"a conductivity of 1E-308",
         [](Esercizio& e) { e.strato(1).Conduttività.Testo = "1E-308"; },
         "Valori fuori campo: il comportamento dinamico (EN ISO 13786)"},
        {"the same without the checks",
         [](Esercizio& e) {
             e.strato(1).Conduttività.Testo = "1E-308";
             e.Verifiche.Attive = false;
         },
         ""},
        // 10^(1E308 / 10) overflows: the level came out as 0 dB in every band.
        {"a sound level of 1E308 dB", [](Esercizio& e) { e.DistSonoro = "1E308"; },
         "Valori fuori campo: il disturbo sonoro in entrata"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.Descrizione);
        Esercizio e = Parete();
        caso.Cambia(e);
        RisultatiCalcolo r;
        std::string testo = "resoconto precedente";
        std::optional<RisultatiVerifiche> verifiche;
        const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo, &verifiche);
        EXPECT_EQ(esito.DatiValidi, caso.Messaggio.empty()) << esito.Messaggio;
        if (caso.Messaggio.empty()) {
            EXPECT_EQ(testo.find("nan"), std::string::npos);
            continue;
        }
        EXPECT_TRUE(esito.Messaggio.starts_with(caso.Messaggio)) << esito.Messaggio;
        EXPECT_EQ(testo, "resoconto precedente");
        EXPECT_FALSE(verifiche);
    }
}

TEST(VerificheFinite, AVariantWithoutFiniteChecksHasTheMessage) {
    std::vector<Variazione> variazioni(1);
    ASSERT_EQ(LeggiVariazione("strato.1.conduttivita=1E-308:1E-308:1E-308", variazioni[0]),
              std::nullopt);
    Variante v;
    CalcolaVariante(Parete(), variazioni, 0, v);
    EXPECT_FALSE(v.Valida);
    EXPECT_FALSE(v.Verifiche);
    EXPECT_NE(v.Errore.find("il comportamento dinamico"), std::string::npos) << v.Errore;
}

} // namespace
