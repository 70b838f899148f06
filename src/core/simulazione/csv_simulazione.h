#pragma once
// A table of many files one of which ran the transient simulation gains two columns after its
// last one: the water the wall holds at the end of the run and its change over the last 365
// days (kg/m²; empty for a run shorter than a year, both empty for a file without it). A table
// without a simulation keeps its columns.

#include <optional>
#include <string>
#include <vector>

#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/csv_risultati.h"

namespace paretix {

struct RigaTabella {
    std::string Testo; // the row as the table writes it, CR LF included
    std::optional<SimulazioneEseguita> Simulazione;
};

// The header with the two columns added.
std::string ConColonneSimulazione(const FormatoCsv& formato, const std::string& intestazione);

// The row with its two cells added, empty without a simulation.
std::string ConCelleSimulazione(const FormatoCsv& formato, const std::string& riga,
                                const std::optional<SimulazioneEseguita>& simulazione);

std::string TabellaConSimulazione(const FormatoCsv& formato, const std::string& intestazione,
                                  const std::vector<RigaTabella>& righe);

} // namespace paretix
