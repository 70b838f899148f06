#pragma once
// A Dialoghi for tests: it records every message, question and file dialog, answers questions
// from a script (Cancel when the script is empty) and cancels every file dialog.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/window/dialoghi.h"

namespace paretix {

class DialoghiRegistrati : public Dialoghi {
  public:
    struct Voce {
        std::string Titolo;
        std::string Testo; // the filter, for a file dialog
        Icona Tipo = Icona::Informazione;
    };

    std::vector<Voce> Mostrati;
    std::deque<Risposta> Risposte;

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
        Mostrati.push_back({titolo, filtro});
        return std::nullopt;
    }
    std::optional<std::string> SalvaFile(const std::string& titolo,
                                         const std::string& filtro) override {
        Mostrati.push_back({titolo, filtro});
        return std::nullopt;
    }

  private:
    Risposta Domanda(const std::string& titolo, const std::string& testo, Icona icona) {
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
