#pragma once
// The charts of a calculation run.

#include "core/calc/risultati.h"
#include "core/charts/elementi.h"
#include "core/model/esercizio.h"

namespace paretix {

// Draws into g what a calculation run draws: with the thermal calculation the isotherms and
// the temperature chart, with the hygrometric one the vapour-pressure chart and its
// condensation hatching, with the acoustic one the transmitted-energy chart. The energy curve
// asks CalcoloDisturboSonoro2 for every frequency, which writes the chart fields of r.
void DisegnaGraficiDelCalcolo(Grafici& g, const Esercizio& e, RisultatiCalcolo& r);

} // namespace paretix
