#pragma once
// A sweep of one exercise: a file that cannot be calculated ends it before any variant, a
// varied key that the exercise does not have is wrong usage. Without --migliore every variant
// gets its row, in order, as it is computed.

#include "cli/opzioni.h"

namespace paretix::cli {

int Varianti(const Richiesta& richiesta);

} // namespace paretix::cli
