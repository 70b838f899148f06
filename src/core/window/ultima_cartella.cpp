#include "core/window/ultima_cartella.h"

#include <filesystem>
#include <fstream>

#include "core/files/scrittura_atomica.h"

namespace paretix {

void UltimaCartella::Carica(std::string memoria) {
    memoria_ = std::move(memoria);
    cartella_.clear();
    if (!memoria_.empty()) {
        std::ifstream file(memoria_, std::ios::binary);
        std::getline(file, cartella_);
    }
}

std::string UltimaCartella::Cartella() const {
    std::error_code errore;
    return !cartella_.empty() && std::filesystem::is_directory(cartella_, errore) ? cartella_
                                                                                  : std::string();
}

void UltimaCartella::Ricorda(const std::string& file) {
    const std::string cartella = std::filesystem::path(file).parent_path().string();
    if (cartella.empty() || cartella.find_first_of("\r\n") != std::string::npos ||
        cartella == cartella_) {
        return;
    }
    cartella_ = cartella;
    if (memoria_.empty()) {
        return;
    }
    // A convenience: when it cannot be kept the dialogs open in the default folder.
    std::error_code errore;
    std::filesystem::create_directories(std::filesystem::path(memoria_).parent_path(), errore);
    ScritturaAtomica(memoria_, cartella_ + '\n');
}

} // namespace paretix
