#pragma once
// The results of the transient simulation as the report's section "SIMULAZIONE IGROTERMICA
// DINAMICA (UNI EN 15026)" (CR LF lines, decimal comma) and as the "simulazione" member of the
// JSON output: days, steps, the relative balance error of the water, the profiles (x in m from
// the inside surface at both surfaces and the cell centres, T in °C, phi 0…1, w in kg/m³), the
// mean water content of every layer at the end of each month and the wall's total at the end
// of each year (kg/m²).

#include <string>

#include "core/simulazione/simulazione.h"

namespace paretix {

inline constexpr const char* TitoloSimulazione = "SIMULAZIONE IGROTERMICA DINAMICA (UNI EN 15026)";

std::string TestoSimulazione(int giorni, const RisultatoSimulazione& r);

// The JSON text of the results (an object) with "simulazione" added as its last member, in
// the same layout.
std::string JsonConSimulazione(const std::string& risultati, int giorni,
                               const RisultatoSimulazione& r);

// One line of JSON Lines (an object on one line) with "simulazione" added as its last member.
std::string JsonRigaConSimulazione(const std::string& riga, int giorni,
                                   const RisultatoSimulazione& r);

} // namespace paretix
