#pragma once
// What the program finds in its folder as it starts, before the main window loads.

#include <string>

namespace paretix {

inline constexpr const char* Si = "SI";
inline constexpr const char* No = "NO";

// Whether the program folder may be written (the materials database may then be created and
// rewritten) and whether the materials database can be read.
struct EsitoAvvio {
    std::string CartellaProgramma; // without a trailing separator
    std::string ScritturaConsentita = Si;
    bool AbacoUtilizzabile = false;
};

// The program folder as the other parts use it: the folder holding the executable, without a
// trailing separator (a root folder "/" becomes "").
std::string CartellaProgrammaDa(std::string cartella);

// The start-up steps on the folder of the executable: the folder "dati", the write probe,
// abaco.txt created when it is missing and may be written, and whether it can be read. Nothing
// here is reported to the user.
EsitoAvvio PreparazioneAvvio(const std::string& cartellaEseguibile);

} // namespace paretix
