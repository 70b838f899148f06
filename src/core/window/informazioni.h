#pragma once
// The About window: the program's name and description, a picture and two links, one to the
// program's web site and one that starts an e-mail to its author. A link turns red while the
// mouse is on it.

#include <cstdint>

#include "core/model/colori.h"
#include "core/porte/aperture_esterne.h"
#include "core/window/presentazione.h"

namespace paretix {

inline constexpr const char* DidascaliaInformazioni = "Info:";
// The program's own web site and its author's mailbox.
inline constexpr const char* IndirizzoSitoProgramma = "https://paretix.example/";
inline constexpr const char* IndirizzoPostaAutore = "mailto:autore@paretix.example";
inline constexpr const char* TestoLabel38 = "Sito del programma: paretix.example";
inline constexpr const char* TestoLabel40 = "Scrivi all'autore: autore@paretix.example";

// Red for the link under the mouse, dark blue for a link at rest.
constexpr std::int32_t ColoreCollegamentoAttivo = ColoreRosso;
constexpr std::int32_t ColoreCollegamentoNormale = BluScuroBGR;

// Where the window opens: this far to the right of and below the main window's top-left
// corner, in pixels.
constexpr int SpostamentoInformazioniX = 100;
constexpr int SpostamentoInformazioniY = 80;

struct Punto {
    int X = 0;
    int Y = 0;
    bool operator==(const Punto&) const = default;
};

class InformazioniQt {
  public:
    explicit InformazioniQt(ApertureEsterne& aperture) : aperture_(aperture) {}

    // The top-left corner of the window for a main window whose corner is at principale.
    static Punto Posizione(Punto principale);

    std::int32_t ColoreLabel38() const { return colore38_; }
    std::int32_t ColoreLabel40() const { return colore40_; }

    void Label38_MouseMove();
    void Label40_MouseMove();
    // The mouse on the window, its picture or its text: both links at rest.
    void Form_MouseMove();

    void Label38_Click() { PaginaHTML(); }
    void Label40_Click() { IndirizzoPosta(); }

  private:
    void PaginaHTML();
    void IndirizzoPosta();

    ApertureEsterne& aperture_;
    std::int32_t colore38_ = ColoreCollegamentoNormale;
    std::int32_t colore40_ = ColoreCollegamentoNormale;
};

} // namespace paretix
