#pragma once
// The temperature chart: the profile from the inside air through every layer boundary to the
// outside air.

#include <vector>

#include "core/calc/risultati.h"
#include "core/charts/elementi.h"

namespace paretix {

// Draws on surface 1 the cyan profile "LineaTemperatura(0)" .. "LineaTemperatura(N+1)": the
// inside air level left of the inside face, one segment per layer, the outside air level right
// of the outside face; moves the zero line "LineXg1" to 0 °C, labels the two air temperatures
// ("Label1y(1)", "Label1y(2)", four significant digits, etichette_livelli.h) and draws the
// value axis in °C (assi.h). ascisse are the boundaries x0 .. xN.
void DisegnaGraficoTemperature(Superficie& g1, const RisultatiCalcolo& r,
                               const std::vector<double>& ascisse);

} // namespace paretix
