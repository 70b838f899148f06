#pragma once
// One file: its report or its JSON object on standard output, the faults on standard error.

#include "cli/opzioni.h"

namespace paretix::cli {

int UnFile(const Richiesta& richiesta);

} // namespace paretix::cli
