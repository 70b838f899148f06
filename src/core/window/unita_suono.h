#pragma once
// The two units of the outside sound level: decibel and watt, with the reference intensity
// of 10^-12 W.

#include <optional>

#include "core/model/esercizio.h"

namespace paretix {

// The level valore (not negative), given in the other unit, expressed in the unit verso:
// L = 10 log10(W / 10^-12) dB, W = 10^(L / 10) 10^-12 W. Zero stays zero in both units.
// Nothing when the result is too large to be a number.
std::optional<double> ConvertiDisturboSonoro(double valore, UnitaSuono verso);

} // namespace paretix
