#pragma once
// The check of the wall's thermal transmittance against the minimum-requirements decree, with
// the extra insulation that meets the value when it is exceeded.

#include <optional>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The extra thickness in m of a layer of conductivity λ (W/(m K)) that brings a wall of
// transmittance U down to the value Uobiettivo, both W/(m² K): the resistance missing,
// 1/Uobiettivo - 1/U, times λ, rounded up to the next 0,5 cm. Nothing when U already meets it.
std::optional<double> SpessoreAggiuntivo(double U, double Uobiettivo, double lambda);

// The layer a remedy thickens: the one chosen in the checks' data, or the material layer of
// lowest conductivity (the first of equals); 0 when the choice is not a material layer.
int StratoDaIsolare(const Esercizio& e, const RisultatiCalcolo& r);

// The check of the run's U (the thermal calculation ran): towards the outside the table of the
// zone and regime, +30 % in App. B for insulation from the inside or in the cavity (only when
// the user says so: an unanswered question counts as no); towards an unheated space U·btr
// against the same table; a partition against its own limit.
VerificaTrasmittanza VerificaDellaTrasmittanza(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
