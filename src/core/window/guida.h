#pragma once
// The on-line help: the user guide "guida.html", opened in the desktop's browser. A program in a
// folder of its own (the build tree, an unpacked archive) keeps it beside the executable; an
// installed one in <prefix>/share/doc/paretix for an executable in <prefix>/bin. When it is in
// neither place the user is told where it was looked for.

#include <string>
#include <vector>

#include "core/porte/aperture_esterne.h"
#include "core/porte/dialoghi.h"

namespace paretix {

inline constexpr const char* FileGuida = "guida.html";
inline constexpr const char* TitoloGuida = "Guida in linea";
inline constexpr const char* MessaggioGuidaMancante =
    "La guida in linea non è stata trovata. È stata cercata in:";
inline constexpr const char* MessaggioGuidaNelProgramma =
    "Nel sistema non c'è un programma che apra la guida (un browser web): la guida è mostrata "
    "in una finestra di Paretix LT.";

// The places of the guide for a program folder given without trailing separator, in the order
// they are tried.
std::vector<std::string> PosizioniGuida(const std::string& cartellaProgramma);

// The first of those places that holds the guide, or empty.
std::string PercorsoGuida(const std::string& cartellaProgramma);

// Opens the guide in the desktop's browser, or, when the desktop has none, says so and shows it
// in a window of the program; when it is missing, says where it was looked for.
void GuidaInLinea(ApertureEsterne& aperture, Dialoghi& dialoghi,
                  const std::string& cartellaProgramma);

} // namespace paretix
