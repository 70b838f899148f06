#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/calc/calcolo.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "core/variazioni/variazioni.h"
#include "core/verifiche/calcola_verifiche.h"
#include "support/parete_verifiche.h"
#include "support/pareti.h"

using namespace paretix;

namespace {

bool ContieneNonFinito(std::string testo) {
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return testo.find("inf") != std::string::npos || testo.find("nan") != std::string::npos;
}

} // namespace

// Numbers the validation accepts but the calculation cannot carry: each run stops with the
// message naming the result that left the range, the previous report stays, nothing shows "inf"
// or "nan".
TEST(ValoriFiniti, ExtremeInputsStopTheRunWithTheQuantityNamed) {
    const struct {
        const char* caso;
        std::function<void(Esercizio&)> modifica;
        const char* grandezza;
    } casi[] = {
        {"temperature di 1E308 e -1E308",
         [](Esercizio& e) { e.TInterna = "1E308", e.TEsterna = "-1E308"; }, "il flusso termico"},
        {"spessore 4,9E-324", [](Esercizio& e) { e.strato(1).Spessore.Testo = "4,9E-324"; },
         "la resistenza termica degli strati"},
        {"hi 4,9E-324", [](Esercizio& e) { e.LiminariInterno = "4,9E-324"; }, "la trasmittanza"},
        {"temperatura esterna sotto -265,5 °C", [](Esercizio& e) { e.TEsterna = "-265,6"; },
         "la pressione di saturazione"},
        {"densità 1E308 in 10 m",
         [](Esercizio& e) {
             e.strato(1).Densità.Testo = "1E308", e.strato(1).Spessore.Testo = "1000";
         },
         "la massa superficiale"},
    };
    for (const auto& caso : casi) {
        Esercizio e = prova::Parete("M", true, true, true);
        e.UInterna = "50";
        e.UEsterna = "80";
        e.DistSonoro = "70";
        caso.modifica(e);
        RisultatiCalcolo r;
        std::string TestoStampa = "rapporto precedente";
        const EsitoCalcola esito = Command1_Click(e, r, TestoStampa);
        EXPECT_FALSE(esito.DatiValidi) << caso.caso;
        EXPECT_EQ(esito.Messaggio, std::string("Valori fuori campo: ") + caso.grandezza +
                                       " non può essere calcolato: i dati contengono valori "
                                       "troppo grandi o troppo piccoli per il calcolo.")
            << caso.caso;
        EXPECT_EQ(TestoStampa, "rapporto precedente") << caso.caso;
        EXPECT_FALSE(ContieneNonFinito(esito.Messaggio)) << caso.caso;
    }
}

TEST(ValoriFiniti, OrdinaryWallsStillCalculate) {
    for (const char* tipi : {"M", "MAM", "MMMMMMMMMMMMMMM"}) {
        Esercizio e = prova::Parete(tipi, true, true, true);
        e.UInterna = "50";
        e.UEsterna = "80";
        e.DistSonoro = "70";
        RisultatiCalcolo r;
        std::string TestoStampa;
        ASSERT_TRUE(Command1_Click(e, r, TestoStampa).DatiValidi) << tipi;
        EXPECT_FALSE(ContieneNonFinito(TestoStampa)) << tipi;
    }
}

// Inputs far outside any wall whose results leave the range of the computer's numbers: the
// run fails with the finite-value message instead of printing "nan", "inf" or a silent 0 dB.

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
             e.strato(1).Conduttività.Testo = "1E-308", e.Verifiche.Attive = false;
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

namespace {

RisultatoSimulazione Finito() {
    RisultatoSimulazione r;
    r.Riuscita = true;
    r.Profili.push_back({86400, {0, 0.1}, {20, 19}, {0.5, 0.6}, {1, 2}});
    r.MediaMensile = {{1, 1.5}, {2, 2.5}};
    r.AcquaAnnua = {0.9};
    r.AcquaIniziale = 0.9;
    r.AcquaFinale = 0.8;
    r.AcquaAnnoPrima = 0.85;
    return r;
}

} // namespace

// A run that converged is judged only when every number it hands the outputs is finite: one
// overflow or NaN in any of them, and the run is refused.
TEST(SimulazioneFinita, EveryFigureOfTheOutputsIsChecked) {
    ASSERT_TRUE(RisultatoSimulazioneFinito(Finito()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::function<void(RisultatoSimulazione&)>> guasti = {
        [&](RisultatoSimulazione& r) { r.Profili[0].x[1] = inf; },
        [&](RisultatoSimulazione& r) { r.Profili[0].T[0] = nan; },
        [&](RisultatoSimulazione& r) { r.Profili[0].φ[1] = nan; },
        [&](RisultatoSimulazione& r) { r.Profili[0].w[0] = -inf; },
        [&](RisultatoSimulazione& r) { r.MediaMensile[1][0] = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaAnnua[0] = nan; },
        [&](RisultatoSimulazione& r) { r.ErroreBilancioUmidità = nan; },
        [&](RisultatoSimulazione& r) { r.ErroreBilancioEnergia = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaIniziale = inf; },
        [&](RisultatoSimulazione& r) { r.AcquaFinale = nan; },
        [&](RisultatoSimulazione& r) { r.AcquaAnnoPrima = inf; },
    };
    for (std::size_t i = 0; i < guasti.size(); ++i) {
        RisultatoSimulazione r = Finito();
        guasti[i](r);
        EXPECT_FALSE(RisultatoSimulazioneFinito(r)) << "guasto " << i;
    }
}
