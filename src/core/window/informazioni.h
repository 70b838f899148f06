#pragma once
// The About window: the program's name and description, a picture and a link to the user
// guide, which turns red while the mouse is on it. The program ships no licence text and has no
// web site, so there is no link to either.

#include <cstdint>

#include "core/model/colori.h"
#include <string>

#include "core/porte/aperture_esterne.h"
#include "core/porte/dialoghi.h"
#include "core/window/presentazione.h"

namespace paretix {

inline constexpr const char* DidascaliaInformazioni = "Info:";
inline constexpr const char* TestoLabel38 = "Guida in linea (guida.html)";

// Red for the link under the mouse, dark blue at rest.
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
    InformazioniQt(ApertureEsterne& aperture, Dialoghi& dialoghi, std::string cartellaProgramma)
        : aperture_(aperture), dialoghi_(dialoghi), cartella_(std::move(cartellaProgramma)) {}

    // The top-left corner of the window for a main window whose corner is at principale.
    static Punto Posizione(Punto principale);

    std::int32_t ColoreLabel38() const { return colore38_; }

    void Label38_MouseMove() { colore38_ = ColoreCollegamentoAttivo; }
    // The mouse on the window, its picture or its text: the link at rest.
    void Form_MouseMove() { colore38_ = ColoreCollegamentoNormale; }

    // The guide, as "Guida in linea" opens it.
    void Label38_Click();

  private:
    ApertureEsterne& aperture_;
    Dialoghi& dialoghi_;
    std::string cartella_;
    std::int32_t colore38_ = ColoreCollegamentoNormale;
};

} // namespace paretix
