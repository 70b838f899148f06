#include "core/window/cartelle_utente.h"

#include <cstdlib>
#include <filesystem>

namespace paretix {

namespace {

bool Assoluto(const char* percorso) {
    return percorso != nullptr && percorso[0] == '/';
}

} // namespace

std::string CartellaUtente(const char* xdg, const char* home, const char* predefinitaInHome) {
    std::filesystem::path base;
    if (Assoluto(xdg)) {
        base = xdg;
    } else if (Assoluto(home)) {
        base = std::filesystem::path(home) / predefinitaInHome;
    } else {
        return {};
    }
    return (base / NomeCartellaUtente).lexically_normal().string();
}

std::string CartellaStatoUtente() {
    return CartellaUtente(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"), ".local/state");
}

std::string CartellaConfigurazioneUtente() {
    return CartellaUtente(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
}

} // namespace paretix
