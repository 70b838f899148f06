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

// Fifteen layers, two of them air cavities, every calculation chosen, every value valid: the
// largest wall the program calculates, for the benchmarks.
inline void PareteCompleta(FinestraPrincipale& m) {
    m.Check1_Click(2, true);
    for (int i = 1; i < NumeroStratiMax; ++i) {
        m.CommandPiù_Click();
    }
    for (int k : {4, 10}) {
        m.LabelStrato_MouseDown(k);
        m.CameraAria_Click();
    }
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        m.TextSpessore_Change(k, "4,5");
        if (!m.esercizio().strato(k).CameraAria()) {
            m.TextDensità_Change(k, "1200");
            m.TextConduttività_Change(k, "0,7");
            m.TextPermeabilità_Change(k, "20");
        }
    }
    for (int k : {3, 5, 9, 11}) {
        m.TextFatAssorbimento_Change(k, "0,9");
    }
    m.TextTInterna_Change("20");
    m.TextTEsterna_Change("-5");
    m.TextUInterna_Change("65");
    m.TextUEsterna_Change("80");
    m.TextDistSonoro_Change("70");
}

} // namespace paretix
