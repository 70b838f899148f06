#pragma once
// Inputs that are numbers but so large or so small that the calculation leaves the range of
// the computer's numbers (a temperature of 1E308, a thickness of 1E-320): the run's results
// are then infinite or undefined, and no report, chart or output may show them.

#include <optional>
#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// "Valori fuori campo: grandezza non può essere calcolato: ..." for a result that is not a
// finite number.
std::string MessaggioFuoriCampo(const char* grandezza);

// The validation message naming the first result of the chosen calculations that is not a
// finite number, or nothing when every one is.
std::optional<std::string> ControlloValoriFiniti(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
