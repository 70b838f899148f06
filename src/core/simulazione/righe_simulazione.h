#pragma once
// The verdicts of the transient simulation as rows of the "Verifiche" window, after those of
// the compliance checks: the trend of the water held, the mould index at each watched place and
// the moisture of each timber layer, each with its limit, in the order of the report's part.

#include <vector>

#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/righe_verifiche.h"

namespace paretix {

std::vector<RigaVerifica> RigheSimulazione(const SimulazioneEseguita& s);

} // namespace paretix
