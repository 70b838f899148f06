#pragma once
// The compliance checks of one calculation run.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// What a check that did not run needs, as the report and the window say it.
inline constexpr const char* RichiedeCalcoloTermico = "richiede il calcolo termico";
inline constexpr const char* RichiedeCalcoloAcustico = "richiede il calcolo acustico";

// The checks of the exercise on the results of its last valid run: the transmittance when the
// thermal calculation ran, the acoustic check and the surface mass when the acoustic one did.
// Reads e and r and changes neither. Nothing runs when the checks are off.
RisultatiVerifiche CalcolaVerifiche(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
