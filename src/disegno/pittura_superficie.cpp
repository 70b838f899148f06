#include "disegno/pittura_superficie.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "disegno/colore.h"

namespace paretix::disegno {

namespace {

// Labels are 150 twips (10 pixels at 100 %) high, so that neighbouring frequency labels do not
// touch; never smaller than 8 pixels.
constexpr double AltezzaCaratteriTwips = 150;
constexpr double AltezzaCaratteriMinima = 8;

Qt::PenStyle StileQt(StileTratto t) {
    switch (t) {
    case StileTratto::TrattoPunto:
        return Qt::DashDotLine;
    case StileTratto::Punteggiato:
        return Qt::DotLine;
    case StileTratto::Continuo:
        break;
    }
    return Qt::SolidLine;
}

struct Scala {
    QPointF origine;
    double sx, sy;
    QPointF operator()(double x, double y) const {
        return {origine.x() + x * sx, origine.y() + y * sy};
    }
};

void DisegnaLinee(QPainter& p, const std::vector<Linea>& linee, const Scala& scala, double pixel) {
    for (const Linea& l : linee) {
        // A coordinate that is not a number cannot be placed: such an element is not drawn.
        if (!l.Visibile || !std::isfinite(l.X1) || !std::isfinite(l.Y1) || !std::isfinite(l.X2) ||
            !std::isfinite(l.Y2)) {
            continue;
        }
        p.setPen(QPen(ColoreQt(l.Colore), l.Spessore * pixel, StileQt(l.Tratto)));
        p.drawLine(scala(l.X1, l.Y1), scala(l.X2, l.Y2));
    }
}

} // namespace

void DisegnaSuperficie(QPainter& p, const Superficie& s, const QRectF& area, QFont carattere,
                       double pixel) {
    p.save();
    p.setClipRect(area);
    p.fillRect(area, Qt::black);
    if (s.Larghezza > 0 && s.Altezza > 0) {
        const Scala scala{area.topLeft(), area.width() / s.Larghezza, area.height() / s.Altezza};
        DisegnaLinee(p, s.Linee, scala, pixel);
        carattere.setPixelSize(static_cast<int>(
            std::lround(std::max(AltezzaCaratteriMinima * pixel,
                                 AltezzaCaratteriTwips * std::min(scala.sx, scala.sy)))));
        p.setFont(carattere);
        for (const Etichetta& e : s.Etichette) {
            if (!e.Visibile || !std::isfinite(e.Sinistra) || !std::isfinite(e.Alto)) {
                continue;
            }
            p.setPen(ColoreQt(e.Colore));
            p.drawText(QRectF(scala(e.Sinistra, e.Alto), area.size()), Qt::AlignLeft | Qt::AlignTop,
                       QString::fromStdString(e.Testo));
        }
        // The strokes (hatching, energy curve) are painted onto the finished chart, over its
        // elements: the energy curve stays visible where it runs along the zero line.
        DisegnaLinee(p, s.Pennellate, scala, pixel);
    }
    p.restore();
}

} // namespace paretix::disegno
