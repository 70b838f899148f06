#pragma once
// The technical report as a document: a heading block and a list of blocks, each a heading, a
// paragraph, a table or a drawing, which a writer lays out on A4 pages.

#include <string>
#include <utility>
#include <vector>

#include "core/charts/elementi.h"

namespace paretix {

enum class TipoBlocco {
    Sezione,   // a heading
    Paragrafo, // running text
    Tabella,   // a table with its headings
    Disegno,   // a chart or the section of the wall, in twips
};

struct Blocco {
    TipoBlocco Tipo = TipoBlocco::Paragrafo;
    std::string Testo; // the heading, the paragraph or the caption of a drawing
    std::vector<std::string> Intestazioni;
    std::vector<std::vector<std::string>> Righe;
    Superficie Disegno;

    bool operator==(const Blocco&) const = default;
};

struct Relazione {
    // The heading block: label and value, the empty project data left out.
    std::vector<std::pair<std::string, std::string>> Intestazione;
    std::vector<Blocco> Blocchi;

    bool operator==(const Relazione&) const = default;
};

} // namespace paretix
