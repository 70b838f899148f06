#pragma once
// Many files, or a table: every file gets its line (its JSON object or its table row), a fault
// included; the exit status is the worst of the files.

#include "cli/opzioni.h"

namespace paretix::cli {

int MoltiFile(const Richiesta& richiesta);

} // namespace paretix::cli
