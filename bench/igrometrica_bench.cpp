// The monthly hygrothermal method on a 15-layer wall, and the bisection of the retarder remedy
// (about fourteen runs of the method).

#include <benchmark/benchmark.h>

#include "core/verifiche/igrometrica.h"

namespace {

using namespace paretix;

// Fifteen layers from the inside, the outer ones tight enough to condense in winter; an
// example year of a cold Northern Italian site, not official data.
DatiIgrometriaMensile PareteMensile() {
    DatiIgrometriaMensile d;
    for (int k = 1; k <= 15; ++k) {
        d.Strati.push_back({k % 3 == 0 ? 0.9 : 0.12, k >= 13 ? 4.0 : 0.08 * k});
    }
    d.Rsi = 0.13;
    d.Rse = 0.04;
    d.U = 0.24;
    d.Esterno = {{{0.4, 86},
                  {2.4, 78},
                  {7.1, 71},
                  {11.6, 71},
                  {16.0, 70},
                  {20.5, 69},
                  {22.9, 67},
                  {22.5, 69},
                  {18.4, 73},
                  {12.8, 80},
                  {6.9, 85},
                  {2.0, 87}}};
    d.Interno.Classe = 3;
    return d;
}

void MetodoMensilePareteDiQuindiciStrati(benchmark::State& stato) {
    const DatiIgrometriaMensile d = PareteMensile();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(CalcolaIgrometriaMensile(d));
    }
    stato.counters["Ma_max"] = CalcolaIgrometriaMensile(d).AccumuloMassimo;
}

void FrenoAlVaporePareteDiQuindiciStrati(benchmark::State& stato) {
    const DatiIgrometriaMensile d = PareteMensile();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(SdFrenoNecessario(d, 0));
    }
    stato.counters["sd"] = SdFrenoNecessario(d, 0).value_or(-1);
}

} // namespace

BENCHMARK(MetodoMensilePareteDiQuindiciStrati);
BENCHMARK(FrenoAlVaporePareteDiQuindiciStrati);
