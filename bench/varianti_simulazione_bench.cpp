// The sweep of paretix-report over an exercise that runs the transient simulation: 100 widths
// of the insulation of a four-layer wall, each simulated for ten years of hours on a weather
// file beside the exercise, on one thread and on every processor, through the program's own
// parallel loop. Each iteration is minutes long, so each runs once.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "cli/in_parallelo.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/variazioni/variazioni.h"
#include "support/cartella_temporanea.h"
#include "support/epw_orario_di_prova.h"
#include "support/pareti.h"

namespace {

using namespace paretix;

// Gypsum plaster, solid brick, mineral wool, lime render, from the inside, with their
// moisture data; the inside climate drawn from the outside one (EN 15026, normal load).
Esercizio PareteSimulata() {
    Esercizio e = prova::PareteEsempio({{"1,5", "850", "0,2", "23,4"},
                                        {"25", "1650", "0,6", "18,75"},
                                        {"8", "60", "0,04", "144"},
                                        {"2", "1600", "0,8", "12,5"}});
    const std::vector<std::string> righe{"orientamento=SO",
                                         "simulazione=1",
                                         "simulazione.giorni=3650",
                                         "simulazione.inizio=15;60",
                                         "simulazione.esterno=epw:clima.epw",
                                         "simulazione.interno=en15026-normale",
                                         "simulazione.pioggia=1",
                                         "strato.1.calore-specifico=1000",
                                         "strato.1.porosita=0,65",
                                         "strato.1.w80=6,3",
                                         "strato.1.wf=400",
                                         "strato.1.coeff-assorbimento=0,3",
                                         "strato.2.calore-specifico=850",
                                         "strato.2.porosita=0,41",
                                         "strato.2.w80=9,5",
                                         "strato.2.wf=370",
                                         "strato.2.coeff-assorbimento=0,4",
                                         "strato.3.calore-specifico=850",
                                         "strato.3.porosita=0,95",
                                         "strato.3.w80=0,5",
                                         "strato.3.wf=10",
                                         "strato.3.coeff-assorbimento=0,001",
                                         "strato.4.calore-specifico=850",
                                         "strato.4.porosita=0,3",
                                         "strato.4.w80=30",
                                         "strato.4.wf=250",
                                         "strato.4.coeff-assorbimento=0,02"};
    for (const std::string& riga : righe) {
        ApplicaRigaDatiAggiuntivi(e, riga);
    }
    return e;
}

void Sweep(benchmark::State& stato, unsigned fili) {
    const test::CartellaTemporanea cartella;
    test::ScriviTutto(cartella / "clima.epw", test::EpwOrarioDiProva());
    const std::string file = cartella / "muro.css";
    const Esercizio base = PareteSimulata();
    std::vector<Variazione> vv(1);
    LeggiVariazione("strato.3.spessore=4:13,9:0,1", vv[0]);
    const std::size_t n = NumeroVarianti(vv);
    std::size_t simulate = 0;
    std::string errore;
    // Per block: the variants simulated, the message of one that was not.
    using Blocco = std::pair<std::size_t, std::string>;
    for (auto _ : stato) {
        simulate = 0;
        InParallelo<Blocco>(
            n, fili,
            [&](std::size_t inizio, std::size_t fine, Variante& v) {
                Blocco b;
                for (std::size_t i = inizio; i < fine; ++i) {
                    CalcolaVariante(base, vv, i, v, &file);
                    b.first += v.Valida && v.Simulazione ? 1 : 0;
                    b.second = v.Valida ? b.second : v.Errore;
                    benchmark::DoNotOptimize(RigaVarianteCsv(FormatoCsv{}, file, vv, v));
                }
                return b;
            },
            [&](Blocco& b) {
                simulate += b.first;
                errore = b.second.empty() ? errore : b.second;
                return true;
            },
            1);
    }
    if (n != 100 || simulate != n) {
        stato.SkipWithError(("varianti non simulate: " + errore).c_str());
    }
    stato.counters["varianti"] = static_cast<double>(n);
    stato.counters["fili"] = fili;
}

void CentoVariantiDieciAnniUnFilo(benchmark::State& stato) {
    Sweep(stato, 1);
}

void CentoVariantiDieciAnniTuttiIProcessori(benchmark::State& stato) {
    Sweep(stato, std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace

BENCHMARK(CentoVariantiDieciAnniUnFilo)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(CentoVariantiDieciAnniTuttiIProcessori)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);
