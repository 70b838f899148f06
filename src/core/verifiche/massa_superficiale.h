#pragma once
// The surface mass of the law, Ms: what the minimum-requirements decree compares for the summer
// behaviour and what the empirical acoustic law reads.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// Σ ρ·d over the material layers, plasters and renders (Strato::Intonaco) excluded, as the
// decree asks ("esclusi gli intonaci"); air cavities have no mass to count. kg/m². Reads the
// thicknesses in m of the run and the typed densities, which only the acoustic calculation
// validates.
double MassaSuperficialeDiLegge(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
