#include "core/window/cronologia.h"

namespace paretix {

void Cronologia::Azzera(bool salvato) {
    passi_.clear();
    fatti_ = 0;
    salvato_ = salvato ? std::optional<std::size_t>(0) : std::nullopt;
    aperta_ = false;
}

bool Cronologia::Aperta(const CasellaDigitata& casella) const {
    return aperta_ && fatti_ > 0 && passi_[fatti_ - 1].Casella == casella;
}

void Cronologia::Registra(const std::string& nome, const Esercizio& prima, const Esercizio& dopo,
                          const std::optional<CasellaDigitata>& casella) {
    if (casella && Aperta(*casella)) {
        passi_[fatti_ - 1].Dopo = dopo;
        return;
    }
    passi_.resize(fatti_);
    if (salvato_ && *salvato_ > fatti_) {
        salvato_.reset(); // the saved state was in the steps just dropped
    }
    passi_.push_back({nome, prima, dopo, casella});
    ++fatti_;
    if (passi_.size() > PassiMassimi) {
        passi_.erase(passi_.begin());
        --fatti_;
        if (salvato_) {
            salvato_ = *salvato_ == 0 ? std::nullopt : std::optional<std::size_t>(*salvato_ - 1);
        }
    }
    aperta_ = casella.has_value();
}

void Cronologia::Conferma() {
    aperta_ = false;
}

std::optional<Esercizio> Cronologia::Annulla() {
    aperta_ = false;
    if (fatti_ == 0) {
        return std::nullopt;
    }
    --fatti_;
    return passi_[fatti_].Prima;
}

std::optional<Esercizio> Cronologia::Ripeti() {
    aperta_ = false;
    if (fatti_ == passi_.size()) {
        return std::nullopt;
    }
    ++fatti_;
    return passi_[fatti_ - 1].Dopo;
}

std::string Cronologia::NomeAnnulla() const {
    return fatti_ == 0 ? std::string() : passi_[fatti_ - 1].Nome;
}

std::string Cronologia::NomeRipeti() const {
    return fatti_ == passi_.size() ? std::string() : passi_[fatti_].Nome;
}

void Cronologia::Salvato() {
    aperta_ = false;
    salvato_ = fatti_;
}

bool Cronologia::Modificato() const {
    return salvato_ != fatti_;
}

} // namespace paretix
