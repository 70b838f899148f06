#pragma once
// The filter of the materials browser: which names a typed text finds.

#include <string>
#include <string_view>

namespace paretix {

// The form in which names and filters are compared: lower case, every accented letter that
// Windows-1252 can store reduced to its plain letter ("Piètra" and "PIETRA" both become
// "pietra"; "æ", "œ" and "ß" become "ae", "oe" and "ss"), runs of blanks reduced to one and
// blanks at both ends dropped. A character beyond those letters stays as it is.
std::string FormaDiRicerca(std::string_view testoUtf8);

// Whether a name is found by a filter: every word of the filter appears in the name, in any
// order and anywhere, in the form above. A blank filter finds every name. A filter word of
// five letters or more is also found by its stem at the start of a word of the name, its last
// vowel dropped, so that singular and plural find each other ("mattone", "mattoni"); a stem of
// five letters or more also with one letter wrong, missing or added ("matone").
bool TrovatoDalFiltro(std::string_view nome, std::string_view filtro);

} // namespace paretix
