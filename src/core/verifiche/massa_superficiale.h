#pragma once
// The surface masses of the checks: the law's Ms, which the minimum-requirements decree compares
// for the summer behaviour, and the whole one, which the empirical acoustic law reads.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// Σ ρ·d over the material layers, plasters and renders (Strato::Intonaco) excluded, as the
// decree asks ("esclusi gli intonaci"); air cavities have no mass to count. kg/m². Reads the
// thicknesses in m of the run and the typed densities, which the checks validate.
double MassaSuperficialeDiLegge(const Esercizio& e, const RisultatiCalcolo& r);

// The whole surface mass, plasters included: what the empirical acoustic law reads. kg/m².
double MassaSuperficialeTotale(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
