// The main window's model alone: a spin button press (recalculation included) on a wall of 15
// layers with all three calculations, and the start-up of the model.

#include <benchmark/benchmark.h>

#include "../tests/support/dialoghi_registrati.h"
#include "core/window/finestra_principale.h"

using namespace paretix;

namespace {

void PareteCompleta(FinestraPrincipale& m) {
    m.Check1_Click(2, true);
    for (int i = 1; i < NumeroStratiMax; ++i) {
        m.CommandPiù_Click();
    }
    for (int k : {4, 10}) {
        m.LabelStrato_MouseDown(k);
        m.CameraAria_Click();
    }
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        m.TextSpessore_Change(k, "4,5");
        if (!m.esercizio().strato(k).CameraAria()) {
            m.TextDensità_Change(k, "1200");
            m.TextConduttività_Change(k, "0,7");
            m.TextPermeabilità_Change(k, "20");
        }
    }
    for (int k : {3, 5, 9, 11}) {
        m.TextFatAssorbimento_Change(k, "0,9");
    }
    m.TextTInterna_Change("20");
    m.TextTEsterna_Change("-5");
    m.TextUInterna_Change("65");
    m.TextUEsterna_Change("80");
    m.TextDistSonoro_Change("70");
}

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
