#pragma once
// Turning a layer into an air cavity.

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* DensitàAria = "1,21";        // kg/m³
inline constexpr const char* PermeabilitàAria = "187,52"; // still air, 10^-12 kg/(s m Pa)

// Makes layer k an air cavity: transparent rectangle, type "A" named "Intercapedine d'aria",
// density of air, permeability of still air, no conductivity (its box hidden: the calculation
// finds an equivalent one), no absorption factor, every box typed by hand. The thickness stays.
// With the thermal calculation on, the absorption boxes of the two neighbours are shown, since
// the surfaces facing the cavity decide its conductivity. The plaster flag and the specific
// heat are cleared: an air cavity has neither.
void CameraAria1(Esercizio& e, int k);

} // namespace paretix
