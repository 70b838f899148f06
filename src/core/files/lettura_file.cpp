#include "core/files/lettura_file.h"

#include <filesystem>
#include <fstream>

namespace paretix {

std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite) {
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) {
        return std::nullopt;
    }
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string contenuto;
    char blocco[65536];
    while (file) {
        file.read(blocco, sizeof blocco);
        const auto letti = static_cast<std::size_t>(file.gcount());
        if (contenuto.size() + letti > limite) {
            return std::nullopt;
        }
        contenuto.append(blocco, letti);
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return contenuto;
}

} // namespace paretix
