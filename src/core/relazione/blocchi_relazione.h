#pragma once
// The blocks of the technical report, built one kind at a time (a table is a Tavola, since
// Tabella already names the program's tables of numbers).

#include <string>
#include <utility>
#include <vector>

#include "core/relazione/documento.h"

namespace paretix::blocchi {

inline Blocco Sezione(std::string titolo) {
    Blocco b;
    b.Tipo = TipoBlocco::Sezione;
    b.Testo = std::move(titolo);
    return b;
}

inline Blocco Paragrafo(std::string testo) {
    Blocco b;
    b.Testo = std::move(testo);
    return b;
}

inline Blocco Tavola(std::vector<std::string> intestazioni) {
    Blocco b;
    b.Tipo = TipoBlocco::Tabella;
    b.Intestazioni = std::move(intestazioni);
    return b;
}

inline Blocco Disegno(std::string didascalia, Superficie s) {
    Blocco b;
    b.Tipo = TipoBlocco::Disegno;
    b.Testo = std::move(didascalia);
    b.Disegno = std::move(s);
    return b;
}

} // namespace paretix::blocchi
