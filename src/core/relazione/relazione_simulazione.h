#pragma once
// The transient simulation's part of the technical report, after the other parts: its run,
// the water the wall holds year by year and its trend, the mould index at each watched place
// and the timber layers, each verdict with its limit; the charts of what the run kept for them.

#include "core/relazione/documento.h"
#include "core/simulazione/simulazione.h"

namespace paretix {

void AggiungiSimulazione(Relazione& relazione, int giorni, const RisultatoSimulazione& r);

} // namespace paretix
