#include "ui/grafico_widget.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "core/window/pannelli.h"
#include "ui/colore.h"

namespace paretix::ui {

namespace {

constexpr double TwipsPerPixel = TwipPerPixel;
// Labels are 10 pixels high at 100 %, so that neighbouring frequency labels do not touch.
constexpr double AltezzaCaratteriTwips = 150;
constexpr int AltezzaCaratteriMinima = 8;

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
    double sx, sy;
    QPointF operator()(double x, double y) const { return {x * sx, y * sy}; }
};

void DisegnaLinee(QPainter& p, const std::vector<Linea>& linee, const Scala& scala) {
    for (const Linea& l : linee) {
        // A coordinate that is not a number cannot be placed: such an element is not drawn.
        if (!l.Visibile || !std::isfinite(l.X1) || !std::isfinite(l.Y1) || !std::isfinite(l.X2) ||
            !std::isfinite(l.Y2)) {
            continue;
        }
        QPen penna(ColoreQt(l.Colore), l.Spessore, StileQt(l.Tratto));
        penna.setCosmetic(true);
        p.setPen(penna);
        p.drawLine(scala(l.X1, l.Y1), scala(l.X2, l.Y2));
    }
}

} // namespace

GraficoWidget::GraficoWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoWidget::ImpostaSuperficie(const Superficie& superficie) {
    superficie_ = superficie;
    updateGeometry();
    update();
}

QSize GraficoWidget::sizeHint() const {
    return {static_cast<int>(std::lround(superficie_.Larghezza / TwipsPerPixel)),
            static_cast<int>(std::lround(superficie_.Altezza / TwipsPerPixel))};
}

void GraficoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!(superficie_.Larghezza > 0) || !(superficie_.Altezza > 0)) {
        return;
    }
    const Scala scala{width() / superficie_.Larghezza, height() / superficie_.Altezza};

    DisegnaLinee(p, superficie_.Linee, scala);

    QFont carattere = font();
    carattere.setPixelSize(std::max(
        AltezzaCaratteriMinima,
        static_cast<int>(std::lround(AltezzaCaratteriTwips * std::min(scala.sx, scala.sy)))));
    p.setFont(carattere);
    for (const Etichetta& e : superficie_.Etichette) {
        if (!e.Visibile || !std::isfinite(e.Sinistra) || !std::isfinite(e.Alto)) {
            continue;
        }
        p.setPen(ColoreQt(e.Colore));
        const QPointF angolo = scala(e.Sinistra, e.Alto);
        p.drawText(QRectF(angolo, QSizeF(width(), height())), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(e.Testo));
    }
    // The strokes (hatching, energy curve) are painted onto the finished chart, over its
    // elements: the energy curve stays visible where it runs along the zero line.
    DisegnaLinee(p, superficie_.Pennellate, scala);
}

} // namespace paretix::ui
