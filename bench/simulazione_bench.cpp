// The transient heat and moisture simulation: the published benchmark (one year, 30 m of
// material) and ten years of hours of a four-layer wall on a weather file, with sun, driving
// rain and the inside climate drawn from the outside.

#include <benchmark/benchmark.h>

#include "core/simulazione/clima_simulazione.h"
#include "core/simulazione/simulazione.h"
#include "support/epw_orario_di_prova.h"
#include "support/materiale_riferimento.h"

namespace {

using namespace paretix;

SuperficieParete Imposta(double θ, double φ) {
    SuperficieParete s;
    s.Imposta = true;
    s.Clima = ClimaCostante(θ, φ);
    return s;
}

void RiferimentoUnAnno(benchmark::State& stato) {
    DatiSimulazione d;
    d.Strati = {{30, test::MaterialeRiferimento()}};
    d.Interna = Imposta(20, 0.5);
    d.Esterna = Imposta(30, 0.95);
    d.Durata = 365 * SecondiGiorno;
    d.Maglia = {5e-4, 1.1};
    for (auto _ : stato) {
        const RisultatoSimulazione r = Simula(d);
        stato.counters["passi"] = r.Passi;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(RiferimentoUnAnno)->Unit(benchmark::kMillisecond);

MaterialeIgrotermico Materiale(double ρ, double c, double λ, double μ, double porosità, double w80,
                               double wf, double A) {
    DatiUmiditàStrato u;
    u.Densità = ρ;
    u.CaloreSpecifico = c;
    u.Lambda = λ;
    u.Mu = μ;
    u.Porosità = porosità;
    u.W80 = w80;
    u.Wf = wf;
    u.Assorbimento = A;
    MaterialeIgrotermico m;
    std::string messaggio;
    CostruisciMateriale(u, m, messaggio);
    return m;
}

// Gypsum plaster, solid brick, mineral wool insulation, lime render, from the inside.
void DieciAnniSuFileClimatico(benchmark::State& stato) {
    ClimaOrario clima;
    LetturaEpwOraria(test::EpwOrarioDiProva(), clima);
    const Esposizione esposizione{225, 1};
    DatiSimulazione d;
    d.Strati = {{0.015, Materiale(850, 1000, 0.2, 8, 0.65, 6.3, 400, 0.3)},
                {0.25, Materiale(1650, 850, 0.6, 10, 0.41, 9.5, 370, 0.4)},
                {0.08, Materiale(60, 850, 0.04, 1.3, 0.95, 0.5, 10, 0.001)},
                {0.02, Materiale(1600, 850, 0.8, 15, 0.3, 30, 250, 0.02)}};
    d.Interna.h = 8;
    d.Interna.β = 7e-9 * 8;
    d.Interna.Clima = ClimaInternoDaEpw(clima, false);
    d.Esterna.h = 25;
    d.Esterna.β = 7e-9 * 25;
    d.Esterna.Assorbimento = 0.4;
    d.Esterna.Clima = ClimaDaEpw(clima, esposizione);
    d.θIniziale = 15;
    d.φIniziale = 0.6;
    d.Durata = 10 * 365 * SecondiGiorno;
    for (auto _ : stato) {
        const RisultatoSimulazione r = Simula(d);
        if (!r.Riuscita) {
            stato.SkipWithError(r.Messaggio.c_str());
        }
        stato.counters["passi"] = r.Passi;
        stato.counters["bilancio_acqua"] = r.ErroreBilancioUmidità;
        stato.counters["bilancio_energia"] = r.ErroreBilancioEnergia;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(DieciAnniSuFileClimatico)->Unit(benchmark::kMillisecond);

} // namespace
