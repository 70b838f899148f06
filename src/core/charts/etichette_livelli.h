#pragma once
// The labels of the two air levels of the temperature and vapour charts: the inside one just
// right of the vertical axis, the outside one against the right edge of the surface, each
// above its level when there is room, otherwise the nearest free place (posa_etichette.h).

#include <string>
#include <string_view>

#include "core/charts/posa_etichette.h"

namespace paretix {

// The inside labels start this far right of the vertical axis, the outside ones end this far
// left of the surface's right edge.
constexpr double RientroEtichetteLivello = 40;

// Places on s the label nome with testo beside the inside level y.
void EtichettaLivelloInterno(Superficie& s, PosaEtichette& posa, std::string_view nome,
                             std::string testo, double y, ColoreBGR colore);

// The same beside the outside level y.
void EtichettaLivelloEsterno(Superficie& s, PosaEtichette& posa, std::string_view nome,
                             std::string testo, double y, ColoreBGR colore);

} // namespace paretix
