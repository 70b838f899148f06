#pragma once
// The rules of a readable chart surface, shared by the chart tests: every label inside the
// surface, no two labels on each other, no visible line through a label (a curve, a grid or
// zero line, an axis, a tick), no two ticks reading alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/charts/elementi.h"
#include "core/charts/posa_etichette.h"
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

// How far the room r lies from an upright or level line l; 0 when they touch.
inline double Distanza(const Rettangolo& r, const Linea& l) {
    return std::hypot(
        std::max({r.Sinistra - std::max(l.X1, l.X2), std::min(l.X1, l.X2) - r.Destra, 0.0}),
        std::max({r.Alto - std::max(l.Y1, l.Y2), std::min(l.Y1, l.Y2) - r.Basso, 0.0}));
}

// A label that names a line stands right next to it, off it but within three label gaps.
inline void ControllaAccanto(const Superficie& s, const std::string& etichetta,
                             const std::string& linea) {
    const Etichetta* e = TrovaEtichetta(s, etichetta);
    const Linea* l = TrovaLinea(s, linea);
    ASSERT_TRUE(e != nullptr && l != nullptr) << etichetta << ", " << linea;
    const double d = Distanza(Ingombro(*e), *l);
    EXPECT_GT(d, 0) << etichetta << " on " << linea;
    EXPECT_LE(d, 3 * DistanzaEtichetta) << etichetta << " far from " << linea;
}

inline int QuanteTacche(const Superficie& s) {
    return static_cast<int>(std::count_if(s.Etichette.begin(), s.Etichette.end(), [](auto& e) {
        return e.Visibile && e.Nome.starts_with("EtichettaTacca");
    }));
}

} // namespace paretix::prova
