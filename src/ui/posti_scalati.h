#pragma once
// The widgets of a stretched panel with their design rectangles in twips: placed again at
// every change of the panel's scale, and asked how wide the panel must be for their texts.

#include <QString>
#include <vector>

#include "core/window/disposizione.h"

class QWidget;

namespace paretix::ui {

enum class Modo {
    Disegno,   // stretched both ways (drawings, mouse areas over them)
    Controllo, // stretched in width, the height of the platform's scale
    Interno,   // inside a control: as a control with no vertical stretch
};

class PostiScalati {
  public:
    // A widget whose design rectangle is given from the corner of its parent, itself added
    // before: it is placed where the panel's scale puts it, then moved into its parent, so
    // that a child that fits its parent in the design fits it on the screen.
    void Aggiungi(QWidget* w, int sinistra, int alto, int larghezza, int altezza, Modo modo,
                  const QWidget* genitore = nullptr);
    // Gives a widget already added a new design rectangle.
    void Riposiziona(const QWidget* w, int sinistra, int alto, int larghezza, int altezza);
    void Colloca(const Scala& scala) const;
    // What each widget needs for its own text, a box for ValoreCampione.
    std::vector<Fabbisogno> Fabbisogni() const;

  private:
    struct Posto {
        QWidget* W;
        int Sinistra;
        int Alto;
        int Larghezza;
        int Altezza;
        Modo M;
        const QWidget* Genitore;
    };
    const Posto* PostoDi(const QWidget* w) const;
    RettangoloPixel Mappa(const Posto& p, const Scala& scala) const;
    std::vector<Posto> posti_;
};

// The pixels a box needs to show testo whole, its frame and inner margins included.
int PixelPerCasella(const QWidget* casella, const QString& testo);

} // namespace paretix::ui
