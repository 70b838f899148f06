#include "core/window/guida.h"

#include <filesystem>
#include <system_error>

namespace paretix {

std::string PercorsoGuida(const std::string& cartellaProgramma) {
    return (std::filesystem::path(cartellaProgramma) / FileGuida).string();
}

void GuidaInLinea(ApertureEsterne& aperture, const std::string& cartellaProgramma) {
    const std::string percorso = PercorsoGuida(cartellaProgramma);
    std::error_code errore;
    if (std::filesystem::is_regular_file(std::filesystem::path(percorso), errore)) {
        aperture.ApriFile(percorso);
    }
}

} // namespace paretix
