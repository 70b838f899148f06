#pragma once
// The question asked before a command writes over a file that is already there: its title and
// its text.

namespace paretix {

inline constexpr const char* FileGiàEsistente = "File già esistente.";
inline constexpr const char* SostituireIlFile = "Sostituire il file?";

} // namespace paretix
