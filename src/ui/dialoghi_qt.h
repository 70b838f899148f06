#pragma once
// Message boxes and file dialogs of the program, shown with Qt's own dialogs over the active
// window.

#include <QString>

#include "core/porte/dialoghi.h"
#include "core/window/ultima_cartella.h"

namespace paretix::ui {

class DialoghiQt : public Dialoghi {
  public:
    // The file dialogs open in the folder of the last file chosen in one of them, kept in the
    // file memoria (empty: only while the program runs).
    void ImpostaUltimaCartella(std::string memoria);

    void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) override;
    Risposta DomandaSiNo(const std::string& titolo, const std::string& testo, Icona icona) override;
    Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                Icona icona) override;
    std::optional<std::string> ApriFile(const std::string& titolo,
                                        const std::string& filtro) override;
    std::optional<std::string> SalvaFile(const std::string& titolo, const std::string& filtro,
                                         const std::string& proposto) override;

  private:
    std::optional<std::string> Scelto(const QString& percorso);

    UltimaCartella ultimaCartella_;
};

// The program's filter ("File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|") as Qt's
// ("File esercizio (*.css);;Tutti i files (*)"); "*.*" means every file, as on Windows.
QString FiltroQt(const std::string& filtro);

} // namespace paretix::ui
