#include "core/window/righe_testo.h"

namespace paretix {

std::vector<std::string_view> RigheTesto(std::string_view testo) {
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const std::size_t fine = testo.find_first_of("\r\n", inizio);
        if (fine == std::string_view::npos) {
            righe.push_back(testo.substr(inizio));
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        const bool crlf = testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n';
        inizio = fine + (crlf ? 2 : 1);
    }
    return righe;
}

std::string LineeConLF(std::string_view testo) {
    std::string risultato;
    risultato.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\r') {
            risultato.push_back('\n');
            if (i + 1 < testo.size() && testo[i + 1] == '\n') {
                ++i;
            }
        } else {
            risultato.push_back(testo[i]);
        }
    }
    return risultato;
}

} // namespace paretix
