#pragma once
// The layer boundaries (isotherms) drawn across the wall section of the temperature and vapour
// charts.

#include <vector>

#include "core/charts/elementi.h"
#include "core/model/esercizio.h"

namespace paretix {

// The abscissae x0 .. xN of the boundaries: x0 on the inside face, xN on the outside face, and
// between them each layer takes its share of the section by its thickness in centimetres as
// typed (a text that is not a number counts as 0).
std::vector<double> AscisseConfini(const Esercizio& e);

// Places the isotherms "L1(i)" on surface 1 and "L2(i)" on surface 2, i = 1 to N - 1, and the
// labels "i0" .. "iN" below the section of surface 1 ("Label8(i)", and "Label9" for the
// outside face), each at its boundary unless it would touch its neighbour: then moved along
// just enough.
void DisegnaLeIsoterme(Grafici& g, const Esercizio& e);

} // namespace paretix
