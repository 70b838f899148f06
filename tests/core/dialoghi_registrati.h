#pragma once
// A Dialoghi for the materials tests: records every message; the materials code asks no
// question and opens no file dialog, so any of those fails the test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/window/dialoghi.h"

namespace paretix {

struct MessaggioRegistrato {
    std::string Titolo;
    std::string Testo;
    Icona Tipo;
};

class DialoghiRegistrati : public Dialoghi {
  public:
    std::vector<MessaggioRegistrato> Messaggi;

    void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) override {
        Messaggi.push_back({titolo, testo, icona});
    }
    Risposta DomandaSiNo(const std::string&, const std::string& testo, Icona) override {
        ADD_FAILURE() << "domanda inattesa: " << testo;
        return Risposta::No;
    }
    Risposta DomandaSiNoAnnulla(const std::string&, const std::string& testo, Icona) override {
        ADD_FAILURE() << "domanda inattesa: " << testo;
        return Risposta::Annulla;
    }
    std::optional<std::string> ApriFile(const std::string& titolo, const std::string&) override {
        ADD_FAILURE() << "dialogo inatteso: " << titolo;
        return std::nullopt;
    }
    std::optional<std::string> SalvaFile(const std::string& titolo, const std::string&) override {
        ADD_FAILURE() << "dialogo inatteso: " << titolo;
        return std::nullopt;
    }
};

} // namespace paretix
