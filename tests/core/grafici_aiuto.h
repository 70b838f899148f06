#pragma once
// Look-ups shared by the chart tests: an element that must exist, and walls built from
// thickness texts.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/charts/elementi.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

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

inline Esercizio PareteDiSpessori(std::initializer_list<const char*> spessori) {
    Esercizio e;
    e.Strati.clear();
    for (const char* s : spessori) {
        Strato st;
        st.Spessore.Testo = s;
        e.Strati.push_back(st);
    }
    return e;
}

} // namespace paretix::prova
