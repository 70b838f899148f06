#pragma once
// What the program finds in its folder as it starts, before the main window loads.

#include <string>

namespace paretix {

inline constexpr const char* Si = "SI";
inline constexpr const char* No = "NO";

// Whether the folder of the materials database may be written (the database may then be
// created and rewritten) and whether the database can be read.
struct EsitoAvvio {
    std::string CartellaProgramma; // without a trailing separator
    std::string ScritturaConsentita = Si;
    bool AbacoUtilizzabile = false;
    // The folder holding "dati/abaco.txt" for an installed program, the user's own; empty for
    // a program in a folder of its own (the build tree, an unpacked archive), which keeps its
    // database beside the executable.
    std::string CartellaUtente = "";

    const std::string& CartellaDati() const {
        return CartellaUtente.empty() ? CartellaProgramma : CartellaUtente;
    }
};

// The environment variables that say where a user's data go.
struct AmbienteUtente {
    std::string XdgDataHome;
    std::string Home;
};
AmbienteUtente AmbienteDelProcesso();

// $XDG_DATA_HOME/paretix, or ~/.local/share/paretix when XDG_DATA_HOME is unset or not an
// absolute path; empty without either.
std::string CartellaDatiUtente(const AmbienteUtente& ambiente);

// The program folder as the other parts use it: the folder holding the executable, without a
// trailing separator (a root folder "/" becomes "").
std::string CartellaProgrammaDa(std::string cartella);

// The shipped database of an installed program: <prefix>/share/paretix/abaco.txt for an
// executable in <prefix>/bin.
std::string PercorsoAbacoSpedito(const std::string& CartellaProgramma);

// The start-up steps. An installed program (the shipped database in the share folder and none
// beside the executable) works on the user's copy in CartellaDatiUtente, made from the shipped
// one on the first start. Otherwise, on the folder of the executable: the folder "dati", the
// write probe, abaco.txt created when it is missing and may be written, and whether it can be
// read. Nothing here is reported to the user.
EsitoAvvio PreparazioneAvvio(const std::string& cartellaEseguibile,
                             const AmbienteUtente& ambiente = AmbienteDelProcesso());

} // namespace paretix
