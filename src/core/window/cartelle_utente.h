#pragma once
// The user's own folders of the program, after the XDG base directories: the state folder
// ($XDG_STATE_HOME/paretix, by default ~/.local/state/paretix) holds the recovery file, the
// configuration folder ($XDG_CONFIG_HOME/paretix, by default ~/.config/paretix) the recent
// files and the last folder used.

#include <string>

namespace paretix {

inline constexpr const char* NomeCartellaUtente = "paretix";

// The folder from the variable's value xdg, or else from home and the default below it. A value
// that is not an absolute path is ignored, as the XDG rules ask. Empty when neither gives one.
std::string CartellaUtente(const char* xdg, const char* home, const char* predefinitaInHome);

// The same from the environment.
std::string CartellaStatoUtente();
std::string CartellaConfigurazioneUtente();

} // namespace paretix
