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

// Whether "inf" or "nan" stands as a word of its own, in any case.
bool ContieneNonFinito(std::string testo) {
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::size_t p = 0; p + 3 <= testo.size(); ++p) {
        const bool parola =
            (p == 0 || !std::isalpha(static_cast<unsigned char>(testo[p - 1]))) &&
            (p + 3 == testo.size() || !std::isalpha(static_cast<unsigned char>(testo[p + 3])));
        if (parola && (testo.compare(p, 3, "inf") == 0 || testo.compare(p, 3, "nan") == 0)) {
            return true;
        }
    }
    return false;
}

// The walls of prova::Parete with all three calculations, or with tipi empty the checks' wall
// with its specific heats, so that EN ISO 13786 runs too.
Esercizio Parete(const std::string& tipi = "") {
    Esercizio e =
        tipi.empty() ? prova::PareteVerifiche(true) : prova::Parete(tipi, true, true, true);
    e.Igrometrico = true;
    e.UInterna = "50";
    e.UEsterna = "80";
    e.DistSonoro = "70";
    if (tipi.empty()) {
        e.strato(1).CaloreSpecifico = "1000";
        e.strato(2).CaloreSpecifico = "1450";
    }
    return e;
}

} // namespace

// Numbers the validation accepts but the calculation cannot carry: each run stops with the
// message naming the result that left the range, the previous report stays, nothing shows "inf"
// or "nan" (nor a silent 0 dB); ordinary walls still calculate.
TEST(ValoriFiniti, ExtremeInputsStopTheRunWithTheQuantityNamed) {
    const struct {
        const char* caso;
        std::function<void(Esercizio&)> modifica;
        const char* grandezza; // nullptr: the run stays valid
        std::string tipi = "M";
    } casi[] = {
        {"uno strato", [](Esercizio&) {}, nullptr},
        {"un'intercapedine", [](Esercizio&) {}, nullptr, "MAM"},
        {"quindici strati", [](Esercizio&) {}, nullptr, "MMMMMMMMMMMMMMM"},
        {"la parete delle verifiche", [](Esercizio&) {}, nullptr, ""},
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
        // R = 0,25 / 1E-308 is finite, the periodic matrix of the layer is not.
        {"conduttività 1E-308", [](Esercizio& e) { e.strato(1).Conduttività.Testo = "1E-308"; },
         "il comportamento dinamico (EN ISO 13786)", ""},
        {"conduttività 1E-308 senza le verifiche",
         [](Esercizio& e) {
             e.strato(1).Conduttività.Testo = "1E-308", e.Verifiche.Attive = false;
         },
         nullptr, ""},
        // 10^(1E308 / 10) overflows: the level came out as 0 dB in every band.
        {"disturbo sonoro di 1E308 dB", [](Esercizio& e) { e.DistSonoro = "1E308"; },
         "il disturbo sonoro in entrata", ""},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        Esercizio e = Parete(caso.tipi);
        caso.modifica(e);
        RisultatiCalcolo r;
        std::string testo = "rapporto precedente";
        std::optional<RisultatiVerifiche> verifiche;
        const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo, &verifiche);
        EXPECT_FALSE(ContieneNonFinito(esito.Messaggio + (caso.grandezza ? "" : testo)));
        if (caso.grandezza == nullptr) {
            EXPECT_TRUE(esito.DatiValidi) << esito.Messaggio;
            continue;
        }
        EXPECT_FALSE(esito.DatiValidi);
        EXPECT_EQ(esito.Messaggio, std::string("Valori fuori campo: ") + caso.grandezza +
                                       " non può essere calcolato: i dati contengono valori "
                                       "troppo grandi o troppo piccoli per il calcolo.");
        EXPECT_EQ(testo, "rapporto precedente");
        EXPECT_FALSE(verifiche);
    }
}

namespace {

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
