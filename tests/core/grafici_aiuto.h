#pragma once
// Look-ups shared by the chart tests.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/charts/elementi.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

// The element of that name; a missing one fails the test.
inline Linea LineaDi(const Superficie& s, const std::string& nome) {
    const Linea* l = TrovaLinea(s, nome);
    EXPECT_NE(l, nullptr) << "manca la linea " << nome;
    return l != nullptr ? *l : Linea{};
}

inline Etichetta EtichettaDi(const Superficie& s, const std::string& nome) {
    const Etichetta* e = TrovaEtichetta(s, nome);
    EXPECT_NE(e, nullptr) << "manca l'etichetta " << nome;
    return e != nullptr ? *e : Etichetta{};
}

inline std::array<double, 4> Estremi(const Linea& l) {
    return {l.X1, l.Y1, l.X2, l.Y2};
}

inline Esercizio PareteDiSpessori(const std::vector<const char*>& spessori) {
    Esercizio e;
    e.Strati.clear();
    for (const char* s : spessori) {
        e.Strati.emplace_back().Spessore.Testo = s;
    }
    return e;
}

} // namespace paretix::prova
