#pragma once
// The check of the wall's thermal transmittance against the minimum-requirements decree, with
// the extra insulation that meets the value when it is exceeded.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The check of the run's U (the thermal calculation ran): towards the outside the table of the
// zone and regime, +30 % in App. B for insulation from the inside or in the cavity (only when
// the user says so: an unanswered question counts as no); towards an unheated space U·btr
// against the same table; a partition against its own limit.
VerificaTrasmittanza VerificaDellaTrasmittanza(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
