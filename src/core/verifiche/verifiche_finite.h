#pragma once
// The checks' own numbers, like the calculation's, may leave the range of the computer's
// numbers on inputs far outside any wall (a conductivity of 1E-308): then no check may be
// printed, written or judged.

#include <optional>
#include <string>

#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The message naming the first check with a number that is not finite, or nothing.
std::optional<std::string> ControlloVerificheFinite(const RisultatiVerifiche& v);

} // namespace paretix
