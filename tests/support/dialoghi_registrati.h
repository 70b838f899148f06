#pragma once
// A Dialoghi for tests: it records every message, question and file dialog, answers questions
// from a script (Cancel when the script is empty) and file dialogs from another (a path, or
// nothing for a cancelled dialog; cancelled when the script is empty).

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/porte/dialoghi.h"

namespace paretix {

class DialoghiRegistrati : public Dialoghi {
  public:
    struct Voce {
        std::string Titolo;
        std::string Testo; // the filter, for a file dialog
        Icona Tipo = Icona::Informazione;
        friend bool operator==(const Voce&, const Voce&) = default;
        friend std::ostream& operator<<(std::ostream& os, const Voce& v) {
            return os << '"' << v.Titolo << "\" \"" << v.Testo << "\" icon " << int(v.Tipo);
        }
    };

    std::vector<Voce> Mostrati;
    std::deque<Risposta> Risposte;
    std::deque<std::optional<std::string>> FileScelti;
    std::vector<std::string> Proposti; // the path each save dialog opened on

    void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) override {
        Mostrati.push_back({titolo, testo, icona});
    }
    Risposta DomandaSiNo(const std::string& titolo, const std::string& testo,
                         Icona icona) override {
        return Domanda(titolo, testo, icona);
    }
    Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                Icona icona) override {
        return Domanda(titolo, testo, icona);
    }
    std::optional<std::string> ApriFile(const std::string& titolo,
                                        const std::string& filtro) override {
        return File(titolo, filtro);
    }
    std::optional<std::string> SalvaFile(const std::string& titolo, const std::string& filtro,
                                         const std::string& proposto) override {
        Proposti.push_back(proposto);
        return File(titolo, filtro);
    }

  protected:
    // Each question and file dialog, for a fake that expects none.
    virtual void Chiesto() {}

  private:
    std::optional<std::string> File(const std::string& titolo, const std::string& filtro) {
        Chiesto();
        Mostrati.push_back({titolo, filtro});
        if (FileScelti.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> scelto = FileScelti.front();
        FileScelti.pop_front();
        return scelto;
    }
    Risposta Domanda(const std::string& titolo, const std::string& testo, Icona icona) {
        Chiesto();
        Mostrati.push_back({titolo, testo, icona});
        if (Risposte.empty()) {
            return Risposta::Annulla;
        }
        const Risposta r = Risposte.front();
        Risposte.pop_front();
        return r;
    }
};

} // namespace paretix
