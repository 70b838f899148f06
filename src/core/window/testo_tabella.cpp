#include "core/window/testo_tabella.h"

namespace paretix {

std::string TabellaTabulata(const std::vector<std::vector<std::string>>& righe) {
    std::string testo;
    for (const auto& riga : righe) {
        for (std::size_t c = 0; c < riga.size(); ++c) {
            if (c > 0) {
                testo += '\t';
            }
            for (const char ch : riga[c]) {
                testo += ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : ch;
            }
        }
        testo += '\n';
    }
    return testo;
}

} // namespace paretix
