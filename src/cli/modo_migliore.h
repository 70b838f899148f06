#pragma once
// A sweep with --migliore: only the thinnest variant that meets the condition (the first of
// equal thickness), or the message that none does.

#include "cli/opzioni.h"
#include "core/model/esercizio.h"

namespace paretix::cli {

int IlMigliore(const Richiesta& richiesta, const Esercizio& base, unsigned fili);

} // namespace paretix::cli
