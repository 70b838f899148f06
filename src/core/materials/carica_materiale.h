#pragma once
// Loading a row of the materials database into a layer of the wall.

#include "core/materials/voce_abaco.h"
#include "core/model/esercizio.h"

namespace paretix {

// Layer k becomes the material of the row: hatched rectangle, type "M" on yellow, the row's
// name as the type box's tool tip, and its four values as stored, each with the same text as
// tool tip. A given value is yellow and read-only; an empty or "-" value stays a typed value
// (window colour, editable) so that the user can fill it in. The thickness is not touched. A
// row's specific heat fills the layer's, read-only; a row's moisture data set the layer's
// simulation keys porosita, w80, wf and coeff-assorbimento.
void CaricaMateriale(Esercizio& e, int k, const VoceAbaco& voce);

} // namespace paretix
