#pragma once
// The insulation remedy that the checks share: which layer to thicken, and by how much to reach
// a transmittance.

#include <optional>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// The extra thickness in m of a layer of conductivity λ (W/(m K)) that brings a wall of
// transmittance U down to the value Uobiettivo, both W/(m² K): the resistance missing,
// 1/Uobiettivo - 1/U, times λ, rounded up to the next 0,5 cm. Nothing when U already meets it.
std::optional<double> SpessoreAggiuntivo(double U, double Uobiettivo, double lambda);

// The layer a remedy thickens: the one chosen in the checks' data, or the material layer of
// lowest conductivity (the first of equals); 0 when the choice is not a material layer.
int StratoDaIsolare(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
