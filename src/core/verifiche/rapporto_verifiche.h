#pragma once
// The "VERIFICHE DI LEGGE" section of the report.

#include <string>

#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// Appends the section after the last line of the report testo: one block per check with the
// quantity, its value, the limit or requirement with its source, the outcome and the notes;
// a check that did not run says which calculation it needs. Lines end with CR LF.
void AggiungiRapportoVerifiche(const RisultatiVerifiche& v, std::string& testo);

} // namespace paretix
