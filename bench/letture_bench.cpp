// Reading the files that grow with what the user stores: a version-2 exercise with many keys
// the program does not know, a materials database whose rows all have a specific heat, a
// climate library of many localities. Each should grow linearly with the file (the complexity
// the report prints).

#include <benchmark/benchmark.h>

#include <string>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/files/libreria_clima.h"
#include "core/materials/abaco_file.h"
#include "parete_bench.h"

namespace {

using namespace paretix;

void EsercizioConMoltiDatiAggiuntivi(benchmark::State& stato) {
    Esercizio e = bench::PareteCompleta();
    e.Verifiche.Attive = true;
    for (std::int64_t i = 0; i < stato.range(0); ++i) {
        e.Verifiche.AltreChiavi.emplace_back("chiave-" + std::to_string(i), "1");
    }
    const auto contenuto = ContenutoFileEsercizio(e);
    if (!contenuto) {
        stato.SkipWithError("esercizio non scrivibile");
        return;
    }
    for (auto _ : stato) {
        Esercizio letto;
        const bool valido = LetturaEsercizio(*contenuto, letto);
        benchmark::DoNotOptimize(valido);
    }
    stato.SetComplexityN(stato.range(0));
    stato.SetBytesProcessed(stato.iterations() * static_cast<std::int64_t>(contenuto->size()));
}
BENCHMARK(EsercizioConMoltiDatiAggiuntivi)
    ->RangeMultiplier(10)
    ->Range(2'000, 200'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void AbacoConMoltiCaloriSpecifici(benchmark::State& stato) {
    Abaco abaco;
    for (std::int64_t i = 0; i < stato.range(0); ++i) {
        abaco.push_back({.Materiale = "Materiale " + std::to_string(i),
                         .Densità = "1800",
                         .Conduttività = "0,9",
                         .Permeabilità = "18",
                         .FatAssorbimento = "0,9",
                         .CaloreSpecifico = "840"});
    }
    const auto contenuto = ContenutoFileAbaco(abaco, "");
    if (!contenuto) {
        stato.SkipWithError("abaco non scrivibile");
        return;
    }
    for (auto _ : stato) {
        ContenutoAbaco letto = LetturaAbaco(*contenuto);
        benchmark::DoNotOptimize(letto);
    }
    stato.SetComplexityN(stato.range(0));
    stato.SetBytesProcessed(stato.iterations() * static_cast<std::int64_t>(contenuto->size()));
}
BENCHMARK(AbacoConMoltiCaloriSpecifici)
    ->RangeMultiplier(10)
    ->Range(2'000, 200'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// The writer finds the rows that need an empty line before a later row of the same name.
void ScritturaAbacoConMoltiCaloriSpecifici(benchmark::State& stato) {
    Abaco abaco;
    for (std::int64_t i = 0; i < stato.range(0); ++i) {
        VoceAbaco voce;
        voce.Materiale = "Materiale " + std::to_string(i / 2);
        voce.CaloreSpecifico = i % 2 ? "840" : "";
        abaco.push_back(voce);
    }
    for (auto _ : stato) {
        auto contenuto = ContenutoFileAbaco(abaco, "");
        benchmark::DoNotOptimize(contenuto);
    }
    stato.SetComplexityN(stato.range(0));
}
BENCHMARK(ScritturaAbacoConMoltiCaloriSpecifici)
    ->RangeMultiplier(10)
    ->Range(2'000, 200'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// The library is read and written again, each name checked against those before it.
void LibreriaConMolteLocalita(benchmark::State& stato) {
    ClimaAnno anno;
    anno.fill({10, 50});
    LibreriaClima libreria;
    for (std::int64_t i = 0; i < stato.range(0); ++i) {
        libreria.push_back({"Località " + std::to_string(i), anno});
    }
    const auto contenuto = ContenutoFileClima(libreria);
    if (!contenuto) {
        stato.SkipWithError("libreria non scrivibile");
        return;
    }
    for (auto _ : stato) {
        LibreriaClima letta;
        const auto errore = LetturaLibreriaClima(*contenuto, letta);
        auto scritto = ContenutoFileClima(letta);
        benchmark::DoNotOptimize(errore);
        benchmark::DoNotOptimize(scritto);
    }
    stato.SetComplexityN(stato.range(0));
}
BENCHMARK(LibreriaConMolteLocalita)
    ->RangeMultiplier(10)
    ->Range(1'000, 100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
