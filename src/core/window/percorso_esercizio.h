#pragma once
// The exercise's file path and the window caption that names it.

#include <string>
#include <string_view>

namespace paretix {

inline constexpr const char* SuffissoDopoSalvataggio = " - Paretix LT";
inline constexpr const char* SuffissoDopoApertura = " - Paretix";
inline constexpr const char* EstensioneEsercizio = ".css";

// The path without its extension. Only the file name (after the last "/" or "\") is searched
// for the ".", so a dot in a folder name is never taken for the extension, and a file without
// extension keeps its whole path.
std::string ElaboraStringa(std::string_view percorso);

// The name chosen in the save dialog: kept when it ends in ".css" whatever the case, otherwise
// ".css" is appended ("muro" becomes "muro.css", "muro.txt" becomes "muro.txt.css").
std::string ConEstensioneEsercizio(std::string_view nome);

} // namespace paretix
