#pragma once
// The finite-volume mesh of the wall: every layer is cut into cells that are finest at its two
// faces and grow geometrically towards its middle, so that the steep profiles at the surfaces
// and at the layer interfaces are resolved with few cells.

#include <vector>

namespace paretix {

struct OpzioniMaglia {
    double PrimaCella = 2e-3; // m, the cell at each face of a layer
    double Crescita = 1.35;   // ratio of neighbouring cells' widths
};

struct Maglia {
    std::vector<double> Larghezza; // m, from the inside
    std::vector<double> Centro;    // m from the inside surface
    std::vector<int> Strato;       // 0-based layer of each cell
};

// Spessori in m, from the inside.
Maglia CostruisciMaglia(const std::vector<double>& spessori, const OpzioniMaglia& o);

} // namespace paretix
