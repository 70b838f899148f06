// The sweep of paretix-report on the 15-layer, 3-cavity wall with every check on (the monthly
// hygrothermal one included): 10 000 variants, each calculated and written as a table row, on
// one thread and on every processor, through the same parallel loop as the program.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "cli/in_parallelo.h"
#include "core/variazioni/variazioni.h"
#include "parete_bench.h"

namespace {

using namespace paretix;

// 100 thicknesses of the insulation times 100 inside temperatures.
std::vector<Variazione> DiecimilaVarianti() {
    std::vector<Variazione> vv(2);
    LeggiVariazione("strato.13.spessore=1:50,5:0,5", vv[0]);
    LeggiVariazione("ti=15:24,9:0,1", vv[1]);
    return vv;
}

void Sweep(benchmark::State& stato, unsigned fili) {
    const Esercizio base = bench::PareteConTutteLeVerifiche();
    const std::vector<Variazione> vv = DiecimilaVarianti();
    const std::size_t n = NumeroVarianti(vv);
    const FormatoCsv formato;
    std::size_t valide = 0;
    std::size_t caratteri = 0;
    for (auto _ : stato) {
        valide = 0;
        caratteri = 0;
        InParallelo<std::pair<std::size_t, std::string>>(
            n, fili,
            [&](std::size_t inizio, std::size_t fine, Variante& v) {
                std::pair<std::size_t, std::string> righe;
                for (std::size_t i = inizio; i < fine; ++i) {
                    CalcolaVariante(base, vv, i, v);
                    // Valid, with the monthly check computed.
                    const bool mensile = v.Valida && v.Verifiche && v.Verifiche->Igrometrica &&
                                         v.Verifiche->Igrometrica->Risultato;
                    righe.first += mensile ? 1 : 0;
                    righe.second += RigaVarianteCsv(formato, "muro.css", vv, v);
                }
                return righe;
            },
            [&](std::pair<std::size_t, std::string>& righe) {
                valide += righe.first;
                caratteri += righe.second.size();
                return true;
            });
    }
    if (n != 10'000 || valide != n) {
        stato.SkipWithError("varianti non valide");
    }
    stato.counters["varianti"] = static_cast<double>(n);
    stato.counters["caratteri"] = static_cast<double>(caratteri);
}

void DiecimilaVariantiUnFilo(benchmark::State& stato) {
    Sweep(stato, 1);
}

void DiecimilaVariantiTuttiIProcessori(benchmark::State& stato) {
    Sweep(stato, std::max(1u, std::thread::hardware_concurrency()));
    stato.counters["processori"] = std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

BENCHMARK(DiecimilaVariantiUnFilo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DiecimilaVariantiTuttiIProcessori)->Unit(benchmark::kMillisecond)->UseRealTime();
