#pragma once
// Two walls with every calculation type, 20 °C and 65 % inside, -5 °C and 85 % outside,
// 100 dB: plaster, mineral wool and concrete, which condenses behind the insulation, and the
// same layers insulated outside, which does not.

#include "core/model/caselle_visibili.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

// Thickness, density, conductivity and permeability of each layer, inside first.
inline Esercizio PareteEsempio(std::initializer_list<std::array<const char*, 4>> strati) {
    Esercizio e;
    e.Termico = e.Igrometrico = e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "85";
    e.DistSonoro = "100";
    e.Strati.clear();
    for (const auto& [spessore, densità, conduttività, permeabilità] : strati) {
        Strato& s = e.Strati.emplace_back();
        s.Spessore.Testo = spessore;
        s.Densità.Testo = densità;
        s.Conduttività.Testo = conduttività;
        s.Permeabilità.Testo = permeabilità;
    }
    AggiornaCaselleVisibili(e, false);
    return e;
}

constexpr std::array<const char*, 4> Intonaco{"2", "1400", "0,7", "18"};
constexpr std::array<const char*, 4> LanaMinerale{"8", "40", "0,04", "150"};
constexpr std::array<const char*, 4> Calcestruzzo{"20", "2400", "1,9", "3"};

inline Esercizio PareteIsolataDentro() {
    return PareteEsempio({Intonaco, LanaMinerale, Calcestruzzo});
}

inline Esercizio PareteIsolataFuori() {
    return PareteEsempio({Intonaco, Calcestruzzo, LanaMinerale, {"1", "1400", "0,7", "18"}});
}

} // namespace paretix::prova
