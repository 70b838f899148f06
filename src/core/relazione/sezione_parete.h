#pragma once
// The drawn section of the wall in the technical report: one rectangle per layer from the
// inside (left) to the outside (right), as wide as its share of the thickness, hatched for a
// material and left empty for an air cavity, with the layer's number under it.

#include "core/charts/elementi.h"
#include "core/model/esercizio.h"

namespace paretix {

inline constexpr double LarghezzaSezione = 9600;
inline constexpr double AltezzaSezione = 3000;
// No layer narrower than this, so that a thin membrane stays visible and numbered.
inline constexpr double LarghezzaMinimaStrato = 300;

// The rectangle of layer k is drawn by the lines "Bordo(k)" (four, in order: top, right,
// bottom, left); the hatching is "Tratteggio(k)", the number "Numero(k)".
Superficie SezioneParete(const Esercizio& e);

} // namespace paretix
