#include "core/files/testo_terminale.h"

#include <cstdio>

namespace paretix {

namespace {

std::string Sequenza(const char* formato, unsigned codice) {
    char testo[8];
    std::snprintf(testo, sizeof testo, formato, codice);
    return testo;
}

} // namespace

std::string TestoPerTerminale(std::string_view testo) {
    std::string sicuro;
    sicuro.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const auto c = static_cast<unsigned char>(testo[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
            sicuro += Sequenza("\\x%02X", c);
        } else if (c == 0xC2 && i + 1 < testo.size() &&
                   static_cast<unsigned char>(testo[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(testo[i + 1]) <= 0x9F) {
            sicuro += Sequenza("\\u%04X", static_cast<unsigned char>(testo[i + 1]));
            ++i;
        } else {
            sicuro += testo[i];
        }
    }
    return sicuro;
}

} // namespace paretix
