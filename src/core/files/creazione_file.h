#pragma once
// Writing an exercise file.

#include <optional>
#include <string>

#include "core/files/esito_scrittura.h"
#include "core/model/esercizio.h"

namespace paretix {

// The bytes of the exercise file for e (layout in formato_esercizio.h). Line breaks inside
// the notes are written as CR LF whatever they were in memory. Nothing when a text cannot be
// stored without damage: a character that Windows-1252 lacks, text that is not UTF-8, a line
// break in a one-line value, or a layer count outside 1 to 15; writing such a file would
// corrupt it or lose characters.
std::optional<std::string> ContenutoFileEsercizio(const Esercizio& e);

// Writes e to the file PercorsoFile, replacing it whole, and tells why it could not (Altro for
// an exercise that cannot be stored). On failure nothing is written and a previous file is
// untouched. On success the caller sets the window
// caption to PercorsoFile followed by " - Paretix LT" and Modificato to "NO".
EsitoScrittura CreazioneFile(const Esercizio& e, const std::string& PercorsoFile);

} // namespace paretix
