// The main window's model alone: a spin button press (recalculation included) on a wall of 15
// layers with all three calculations, and the start-up of the model.

#include <benchmark/benchmark.h>

#include "core/window/finestra_principale.h"
#include "support/dialoghi_registrati.h"
#include "support/parete_di_prova.h"

using namespace paretix;

namespace {

void BM_SpinSuTi(benchmark::State& stato) {
    DialoghiRegistrati dialoghi;
    FinestraPrincipale m(dialoghi);
    m.Form_Load({});
    PareteCompleta(m);
    for (auto _ : stato) {
        m.CommandSuTi_Click();
        benchmark::DoNotOptimize(m.Stato().Text2.size());
    }
    if (!dialoghi.Mostrati.empty() || m.Stato().Text2.empty()) {
        stato.SkipWithError("the wall did not calculate");
    }
}
BENCHMARK(BM_SpinSuTi);

void BM_FormLoad(benchmark::State& stato) {
    DialoghiRegistrati dialoghi;
    FinestraPrincipale m(dialoghi);
    for (auto _ : stato) {
        m.Form_Load({});
        benchmark::DoNotOptimize(m.Stato().Caption.size());
    }
}
BENCHMARK(BM_FormLoad);

} // namespace
