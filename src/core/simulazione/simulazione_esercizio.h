#pragma once
// The transient simulation of an exercise file, when the file asks for it: prepared from the
// exercise (a weather file read beside it), run, and its results kept for the outputs.

#include <optional>
#include <string>
#include <vector>

#include "core/model/esercizio.h"
#include "core/simulazione/simulazione.h"

namespace paretix {

struct SimulazioneEseguita {
    int Giorni = 0;
    RisultatoSimulazione Risultato;
};

// Whether every number the outputs print or judge is finite: a run that converged may still
// have been handed data so extreme that a figure overflows.
bool RisultatoSimulazioneFinito(const RisultatoSimulazione& r);

// What a run of a prepared simulation gave: nothing when it has results (into fatta), otherwise
// the message of why not ("Simulazione interrotta: ...").
std::optional<std::string> EsitoSimulazione(int giorni, RisultatoSimulazione r,
                                            std::optional<SimulazioneEseguita>& fatta);

// Nothing when the simulation ran (into fatta) or was not asked for; otherwise the message of
// why it did not run. andamenti: keep the hourly and daily states the charts draw.
std::optional<std::string> SimulaEsercizio(const std::string& file, const Esercizio& e,
                                           std::optional<SimulazioneEseguita>& fatta,
                                           bool andamenti = false);

} // namespace paretix
