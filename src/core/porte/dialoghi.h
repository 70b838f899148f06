#pragma once
// Every message box, question and file dialog of the program goes through this interface: the
// Qt view answers with real dialogs, the tests with a script of answers.

#include <optional>
#include <string>

namespace paretix {

enum class Icona { Critica, Esclamazione, Informazione, Domanda };
enum class Risposta { Si, No, Annulla };

// The caption of what gives up a change: a dialog's cancel button and the Edit menu's undo.
inline constexpr const char* CaptionAnnulla = "Annulla";

class Dialoghi {
  public:
    virtual ~Dialoghi() = default;

    // A message with one OK button.
    virtual void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) = 0;
    // Yes/No; Yes is the default button.
    virtual Risposta DomandaSiNo(const std::string& titolo, const std::string& testo,
                                 Icona icona) = 0;
    // Yes/No/Cancel; Yes is the default button.
    virtual Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                        Icona icona) = 0;
    // File dialogs. The filter holds description and pattern pairs, each part followed by "|"
    // ("File esercizio (*.css)|*.css|"). The open dialog accepts only an existing file.
    // The result is the full path of the confirmed file, or nothing when cancelled.
    virtual std::optional<std::string> ApriFile(const std::string& titolo,
                                                const std::string& filtro) = 0;
    // The save dialog opens on proposto, a full path, when given, otherwise in the last folder.
    virtual std::optional<std::string> SalvaFile(const std::string& titolo,
                                                 const std::string& filtro,
                                                 const std::string& proposto) = 0;
};

} // namespace paretix
