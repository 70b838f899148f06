#pragma once
// Normal form and validation of the inputs before every calculation.

#include <optional>
#include <string>
#include <string_view>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloErrore = "ERRORE:";

// The normal form of one box: every "." and "," becomes the decimal comma, every blank
// disappears, everything else stays.
std::string ModificatoreDatiInEntrata(std::string_view testo);

// Rewrites every shown number box into its normal form, then checks presence and numeric form
// of all of them, then their ranges. Returns the message of the first fault (shown with the
// title TitoloErrore), or nothing when the exercise can be calculated. Hidden boxes are
// neither rewritten nor tested.
std::optional<std::string> ControlloCorrettezzaDatiIniziali(Esercizio& e);

} // namespace paretix
