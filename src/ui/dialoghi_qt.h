#pragma once
// Message boxes and file dialogs of the program, shown with Qt's own dialogs over the active
// window.

#include <QString>

#include "core/porte/dialoghi.h"

namespace paretix::ui {

class DialoghiQt : public Dialoghi {
  public:
    void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) override;
    Risposta DomandaSiNo(const std::string& titolo, const std::string& testo, Icona icona) override;
    Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                Icona icona) override;
    std::optional<std::string> ApriFile(const std::string& titolo,
                                        const std::string& filtro) override;
    std::optional<std::string> SalvaFile(const std::string& titolo,
                                         const std::string& filtro) override;
};

// The program's filter ("File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|") as Qt's
// ("File esercizio (*.css);;Tutti i files (*)"); "*.*" means every file, as on Windows.
QString FiltroQt(const std::string& filtro);

} // namespace paretix::ui
