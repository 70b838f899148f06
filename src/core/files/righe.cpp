#include "core/files/righe.h"

namespace paretix {

std::optional<std::string_view> LettoreRighe::Prossima() {
    if (posizione_ >= testo_.size()) {
        return std::nullopt;
    }
    const std::size_t fine = testo_.find_first_of("\r\n", posizione_);
    if (fine == std::string_view::npos) {
        const std::string_view riga = testo_.substr(posizione_);
        posizione_ = testo_.size();
        return riga;
    }
    const std::string_view riga = testo_.substr(posizione_, fine - posizione_);
    posizione_ = fine + 1;
    if (testo_[fine] == '\r' && posizione_ < testo_.size() && testo_[posizione_] == '\n') {
        ++posizione_;
    }
    return riga;
}

} // namespace paretix
