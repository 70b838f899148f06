#pragma once
// Which boxes of the main window are shown. A hidden box is neither normalised nor validated,
// and the report leaves out the lines of hidden boxes.

#include "core/model/esercizio.h"

namespace paretix {

inline bool LiminariVisibili(const Esercizio& e) {
    return e.Termico;
}
inline bool TemperatureVisibili(const Esercizio& e) {
    return e.Termico;
}
inline bool UmiditàVisibili(const Esercizio& e) {
    return e.Igrometrico;
}
inline bool DistSonoroVisibile(const Esercizio& e) {
    return e.Acustico;
}
// The acoustic calculation and the compliance checks (surface mass, periodic characteristics)
// both read the densities.
inline bool DensitàVisibile(const Esercizio& e) {
    return e.Acustico || e.Verifiche.Attive;
}
inline bool PermeabilitàVisibile(const Esercizio& e) {
    return e.Igrometrico;
}

// The schema's rules for the conductivity and absorption-factor boxes of every layer:
// conductivity shown unless the layer is an air cavity; the absorption factor shown only on
// the surfaces that face an air cavity (never with two layers or fewer); both hidden without
// the thermal calculation. While mantieniInterni is set, the absorption boxes of the middle
// layers keep their state.
void AggiornaCaselleVisibili(Esercizio& e, bool mantieniInterni);

} // namespace paretix
