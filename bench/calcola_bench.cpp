// The whole Calculate command (validation, two runs, report) on the largest wall: 15 layers with
// three air cavities, all three calculations.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "core/calc/calcolo.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/rapporto_verifiche.h"
#include "parete_bench.h"

namespace {

using namespace paretix;
using bench::PareteCompleta;
using bench::PareteConVerifiche;

// The texts are already in their normal form, so every iteration validates and calculates the
// same exercise.
void Command1ClickPareteDiQuindiciStrati(benchmark::State& stato) {
    Esercizio e = PareteCompleta();
    RisultatiCalcolo r;
    std::string testo;
    for (auto _ : stato) {
        const EsitoCalcola esito = Command1_Click(e, r, testo);
        benchmark::DoNotOptimize(esito);
        benchmark::DoNotOptimize(testo.data());
    }
    if (!Command1_Click(e, r, testo).DatiValidi) {
        stato.SkipWithError("esercizio non valido");
    }
    stato.counters["caratteri"] = static_cast<double>(testo.size());
}

// The checks alone, on the results of one Calculate command: their added cost.
void CalcolaVerifichePareteDiQuindiciStrati(benchmark::State& stato) {
    Esercizio e = PareteConVerifiche();
    RisultatiCalcolo r;
    std::string testo;
    if (!Command1_Click(e, r, testo).DatiValidi) {
        stato.SkipWithError("esercizio non valido");
        return;
    }
    for (auto _ : stato) {
        RisultatiVerifiche v = CalcolaVerifiche(e, r);
        benchmark::DoNotOptimize(v);
    }
}

// The "VERIFICHE DI LEGGE" section alone, from computed checks.
void RapportoVerifichePareteDiQuindiciStrati(benchmark::State& stato) {
    Esercizio e = PareteConVerifiche();
    RisultatiCalcolo r;
    std::string testo;
    if (!Command1_Click(e, r, testo).DatiValidi) {
        stato.SkipWithError("esercizio non valido");
        return;
    }
    const RisultatiVerifiche v = CalcolaVerifiche(e, r);
    for (auto _ : stato) {
        std::string sezione;
        AggiungiRapportoVerifiche(v, sezione);
        benchmark::DoNotOptimize(sezione.data());
    }
}

// The whole Calculate command with the checks on: validation, two runs, report and its
// "VERIFICHE DI LEGGE" section.
void Command1ClickConVerifichePareteDiQuindiciStrati(benchmark::State& stato) {
    Esercizio e = PareteConVerifiche();
    RisultatiCalcolo r;
    std::string testo;
    for (auto _ : stato) {
        const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo);
        benchmark::DoNotOptimize(esito);
        benchmark::DoNotOptimize(testo.data());
    }
    if (!CalcolaConVerifiche(e, r, testo).DatiValidi) {
        stato.SkipWithError("esercizio non valido");
    }
    stato.counters["caratteri"] = static_cast<double>(testo.size());
}

// The floor of the Calculate command above: its report writes about 115 numbers, and this only
// formats 115 numbers of that size (general form, 15 digits, decimal comma) into one string.
void CentoquindiciNumeri(benchmark::State& stato) {
    std::array<double, 115> numeri{};
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        numeri[i] = (static_cast<double>(i) - 40) / 7.3 + 1e-3 * static_cast<double>(i * i);
    }
    std::string testo;
    for (auto _ : stato) {
        testo.clear();
        testo.reserve(4096);
        for (double x : numeri) {
            char cifre[32];
            const auto fine =
                std::to_chars(cifre, cifre + sizeof cifre, x, std::chars_format::general, 15).ptr;
            std::replace(cifre, fine, '.', ',');
            testo.append(cifre, fine).append(" ");
        }
        benchmark::DoNotOptimize(testo.data());
    }
}

} // namespace

BENCHMARK(CentoquindiciNumeri);
BENCHMARK(Command1ClickPareteDiQuindiciStrati);
BENCHMARK(CalcolaVerifichePareteDiQuindiciStrati);
BENCHMARK(RapportoVerifichePareteDiQuindiciStrati);
BENCHMARK(Command1ClickConVerifichePareteDiQuindiciStrati);
