#include "core/files/lettura_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace paretix {

namespace {

bool Permesso(const std::error_code& errore) {
    return errore == std::errc::permission_denied || errore == std::errc::operation_not_permitted;
}

} // namespace

std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite) {
    MotivoLettura motivo{};
    return LeggiFile(percorso, limite, motivo);
}

std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite,
                                     MotivoLettura& motivo) {
    std::error_code errore;
    const auto stato = std::filesystem::status(percorso, errore);
    if (!std::filesystem::is_regular_file(stato)) {
        motivo = Permesso(errore)                       ? MotivoLettura::NonPermesso
                 : !std::filesystem::exists(stato)      ? MotivoLettura::Assente
                 : std::filesystem::is_directory(stato) ? MotivoLettura::Cartella
                                                        : MotivoLettura::NonRegolare;
        return std::nullopt;
    }
    errno = 0;
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        motivo =
            errno == EACCES || errno == EPERM ? MotivoLettura::NonPermesso : MotivoLettura::Errore;
        return std::nullopt;
    }
    std::string contenuto;
    char blocco[65536];
    while (file) {
        file.read(blocco, sizeof blocco);
        const auto letti = static_cast<std::size_t>(file.gcount());
        if (contenuto.size() + letti > limite) {
            motivo = MotivoLettura::TroppoGrande;
            return std::nullopt;
        }
        contenuto.append(blocco, letti);
    }
    if (file.bad()) {
        motivo = MotivoLettura::Errore;
        return std::nullopt;
    }
    return contenuto;
}

} // namespace paretix
