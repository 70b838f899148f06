#pragma once
// The compliance checks of one calculation run.

#include <optional>
#include <string>

#include "core/calc/calcolo.h"
#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The checks of the exercise on the results of its last valid run: the transmittance when the
// thermal calculation ran, the acoustic check and the surface mass when the acoustic one did.
// Reads e and r and changes neither. Nothing runs when the checks are off.
RisultatiVerifiche CalcolaVerifiche(const Esercizio& e, const RisultatiCalcolo& r);

// The Calculate command with the checks: Command1_Click and, when its data were valid and the
// checks are on, the "VERIFICHE DI LEGGE" section after the report's last line, and the checks
// in *verifiche when given (emptied otherwise). The checks only read what the run computed.
EsitoCalcola CalcolaConVerifiche(Esercizio& e, RisultatiCalcolo& r, std::string& TestoStampa,
                                 std::optional<RisultatiVerifiche>* verifiche = nullptr);

} // namespace paretix
