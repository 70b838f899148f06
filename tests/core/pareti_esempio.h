#pragma once
// Two walls of every calculation type, used by the chart tests: one that condenses inside
// (insulation on the inside face of a concrete wall) and one that does not (the same layers
// with the insulation outside).

#include <string>
#include <vector>

#include "core/model/caselle_visibili.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

struct StratoEsempio {
    const char* spessore;
    const char* densità;
    const char* conduttività;
    const char* permeabilità;
};

inline Esercizio PareteEsempio(const std::vector<StratoEsempio>& strati) {
    Esercizio e;
    e.Termico = e.Igrometrico = e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "85";
    e.DistSonoro = "100";
    e.Strati.clear();
    for (const StratoEsempio& s : strati) {
        Strato st;
        st.Spessore.Testo = s.spessore;
        st.Densità.Testo = s.densità;
        st.Conduttività.Testo = s.conduttività;
        st.Permeabilità.Testo = s.permeabilità;
        e.Strati.push_back(st);
    }
    AggiornaCaselleVisibili(e, false);
    return e;
}

constexpr StratoEsempio Intonaco{"2", "1400", "0,7", "18"};
constexpr StratoEsempio LanaMinerale{"8", "40", "0,04", "150"};
constexpr StratoEsempio Calcestruzzo{"20", "2400", "1,9", "3"};

inline Esercizio PareteIsolataDentro() {
    return PareteEsempio({Intonaco, LanaMinerale, Calcestruzzo});
}

inline Esercizio PareteIsolataFuori() {
    return PareteEsempio({Intonaco, Calcestruzzo, LanaMinerale, {"1", "1400", "0,7", "18"}});
}

} // namespace paretix::prova
