#pragma once
// A Dialoghi for the materials tests: records every message. The materials code asks no
// question and opens no file dialog, so any of those fails the test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/porte/dialoghi.h"

namespace paretix {

struct MessaggioRegistrato {
    std::string Titolo;
    std::string Testo;
    Icona Tipo;
};

class DialoghiSoloMessaggi : public Dialoghi {
    using T = const std::string&;

  public:
    std::vector<MessaggioRegistrato> Messaggi;

    void Messaggio(T titolo, T testo, Icona icona) override {
        Messaggi.push_back({titolo, testo, icona});
    }
    Risposta DomandaSiNo(T, T, Icona) override { return Inatteso(Risposta::No); }
    Risposta DomandaSiNoAnnulla(T, T, Icona) override { return Inatteso(Risposta::Annulla); }
    std::optional<std::string> ApriFile(T, T) override { return Inatteso(std::nullopt); }
    std::optional<std::string> SalvaFile(T, T, T) override { return Inatteso(std::nullopt); }

  private:
    template <class R> R Inatteso(R r) {
        ADD_FAILURE() << "domanda o dialogo inatteso";
        return r;
    }
};

} // namespace paretix
