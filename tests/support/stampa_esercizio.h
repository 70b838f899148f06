#pragma once
// Readable failure messages for tests that compare whole exercises.

#include <ostream>

#include "core/model/esercizio.h"

namespace paretix {

[[maybe_unused]] static void PrintTo(const Casella& c, std::ostream* os) {
    *os << '"' << c.Testo << "\" tip \"" << c.Suggerimento << "\" colour " << c.ColoreSfondo
        << (c.Bloccato ? " locked" : "");
}

[[maybe_unused]] static void PrintTo(const Strato& s, std::ostream* os) {
    *os << "type \"" << s.TipoStrato << "\" \"" << s.Materiale << "\" colour " << s.ColoreTipo
        << " fill " << s.StileRiempimento << (s.ConduttivitàVisibile ? " K-shown" : "")
        << (s.FatAssorbimentoVisibile ? " abs-shown" : "");
    for (const Casella* c :
         {&s.Densità, &s.Spessore, &s.Conduttività, &s.Permeabilità, &s.FatAssorbimento}) {
        *os << "\n    ";
        PrintTo(*c, os);
    }
}

[[maybe_unused]] static void PrintTo(const Esercizio& e, std::ostream* os) {
    *os << "\nT/I/A " << e.Termico << e.Igrometrico << e.Acustico << " hi \"" << e.LiminariInterno
        << "\" he \"" << e.LiminariEsterno << "\" Ti \"" << e.TInterna << "\" Te \"" << e.TEsterna
        << "\" Ui \"" << e.UInterna << "\" Ue \"" << e.UEsterna << "\" sound \"" << e.DistSonoro
        << (e.UnitaDistSonoro == UnitaSuono::Watt ? "\" W" : "\" dB") << " notes \"" << e.Appunti
        << "\"";
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        *os << "\n  " << k << ": ";
        PrintTo(e.strato(k), os);
    }
}

} // namespace paretix
