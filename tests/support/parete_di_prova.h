#pragma once
// Builds a wall through the window's own commands, from its layer types ("MAMM": material, air
// cavity, material, material), starting from a new exercise.

#include <string_view>

#include "core/window/finestra_principale.h"

namespace paretix {

inline void CostruisciParete(FinestraPrincipale& f, std::string_view tipi) {
    while (f.esercizio().NumeroStrati() < static_cast<int>(tipi.size())) {
        f.CommandPiù_Click();
    }
    for (int k = 1; k <= static_cast<int>(tipi.size()); ++k) {
        if (tipi[static_cast<std::size_t>(k - 1)] == 'A') {
            f.LabelStrato_MouseDown(k);
            f.CameraAria_Click();
        }
    }
}

inline std::string Tipi(const Esercizio& e) {
    std::string t;
    for (const Strato& s : e.Strati) {
        t += s.TipoStrato;
    }
    return t;
}

} // namespace paretix
