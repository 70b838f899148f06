#pragma once
// The rules of a readable chart surface, shared by the chart tests: every label inside the
// surface, no two labels on each other, no visible line through a label (a curve, a grid or
// zero line, an axis, a tick), no two ticks reading alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/charts/elementi.h"
#include "core/charts/testo_grafico.h"

namespace paretix::prova {

// The rules of a readable surface; nome tells the failing case.
inline void ControllaLeggibile(const Superficie& s, const std::string& nome) {
    SCOPED_TRACE(nome);
    std::vector<Etichetta> visibili;
    for (const Etichetta& e : s.Etichette) {
        if (e.Visibile) {
            visibili.push_back(e);
        }
    }
    std::vector<Linea> linee = s.Pennellate;
    for (const Linea& l : s.Linee) {
        if (l.Visibile) {
            linee.push_back(l);
        }
    }
    std::set<std::string> tacche;
    for (std::size_t i = 0; i < visibili.size(); ++i) {
        const Etichetta& e = visibili[i];
        const Rettangolo r = Ingombro(e);
        EXPECT_TRUE(DentroSuperficie(r, s))
            << e.Nome << " \"" << e.Testo << "\" at " << e.Sinistra << ", " << e.Alto;
        for (std::size_t j = i + 1; j < visibili.size(); ++j) {
            EXPECT_FALSE(Sovrapposti(r, Ingombro(visibili[j])))
                << e.Nome << " \"" << e.Testo << "\" on " << visibili[j].Nome << " \""
                << visibili[j].Testo << "\"";
        }
        for (const Linea& l : linee) {
            EXPECT_FALSE(Attraversa(l, r)) << e.Nome << " \"" << e.Testo << "\" on " << l.Nome;
        }
        if (e.Nome.starts_with("EtichettaTacca")) {
            EXPECT_TRUE(tacche.insert(e.Testo).second) << "two ticks read " << e.Testo;
        }
    }
}

inline int QuanteTacche(const Superficie& s) {
    return static_cast<int>(std::count_if(s.Etichette.begin(), s.Etichette.end(), [](auto& e) {
        return e.Visibile && e.Nome.starts_with("EtichettaTacca");
    }));
}

} // namespace paretix::prova
