// The whole Calculate command (validation, two runs, report) on the largest wall: 15 layers with
// three air cavities, all three calculations.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "core/calc/calcolo.h"
#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/rapporto_verifiche.h"

namespace {

using namespace paretix;

Esercizio PareteCompleta() {
    Esercizio e;
    e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.DistSonoro = "70";
    const char* densità[] = {"1800", "900", "1200", "600", "2400", "2300", "40"};
    const char* conduttività[] = {"0,9", "0,25", "0,7", "0,15", "1,9", "2,1", "0,035"};
    const char* permeabilità[] = {"18", "25", "12", "30", "4", "3,5", "150"};
    e.Strati.assign(NumeroStratiMax, Strato{});
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        Strato& s = e.strato(k);
        const std::size_t i = static_cast<std::size_t>(k) % 7;
        s.Spessore.Testo = k % 2 ? "12" : "2,5";
        s.Densità.Testo = densità[i];
        s.Conduttività.Testo = conduttività[i];
        s.Permeabilità.Testo = permeabilità[i];
    }
    for (int k : {3, 7, 11}) {
        CameraAria1(e, k);
        e.strato(k).Spessore.Testo = "4";
    }
    // Cavity 3 between factors, cavity 7 beside a dash (still-air table), cavity 11 between
    // factors.
    e.strato(2).FatAssorbimento.Testo = "0,9";
    e.strato(4).FatAssorbimento.Testo = "0,85";
    e.strato(6).FatAssorbimento.Testo = "-";
    e.strato(8).FatAssorbimento.Testo = "0,9";
    e.strato(10).FatAssorbimento.Testo = "0,6";
    e.strato(12).FatAssorbimento.Testo = "0,93";
    AggiornaCaselleVisibili(e, false);
    return e;
}

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

// The same wall with the compliance checks on, every datum given: an unheated space (U·btr),
// above the limit (so the remedy is computed too), a façade of category A.
Esercizio PareteConVerifiche() {
    Esercizio e = PareteCompleta();
    DatiVerifiche& d = e.Verifiche;
    d.Attive = true;
    d.Zona = ZonaClimatica::E;
    d.Regime = RegimeVerifica::Riqualificazione2021;
    d.Elemento = ElementoParete::NonClimatizzato;
    d.Btr = "0,8";
    d.Categoria = CategoriaEdificio::A;
    d.Esposizione = Orientamento::S;
    d.Irradianza290 = true;
    e.strato(1).Intonaco = true;
    // Every specific heat given, so that the periodic characteristics are computed too.
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        e.strato(k).CaloreSpecifico = k % 3 ? "1000" : "1450";
    }
    return e;
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
