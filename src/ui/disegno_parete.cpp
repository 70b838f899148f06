#include "ui/disegno_parete.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace paretix::ui {

namespace {

struct StratoDisegno {
    qreal larghezza; // share of the whole wall
    QColor colore;
    Qt::BrushStyle trama;
};

} // namespace

void DisegnaParete(QPainter& pittore, const QRectF& area) {
    const StratoDisegno strati[] = {
        {0.08, QColor(236, 228, 212), Qt::Dense6Pattern}, // plaster
        {0.26, QColor(196, 96, 64), Qt::BDiagPattern},    // brick
        {0.20, QColor(250, 214, 90), Qt::CrossPattern},   // insulation
        {0.12, QColor(222, 238, 250), Qt::NoBrush},       // air cavity
        {0.26, QColor(196, 96, 64), Qt::BDiagPattern},    // brick
        {0.08, QColor(236, 228, 212), Qt::Dense6Pattern}, // plaster
    };

    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    qreal x = area.left();
    for (const StratoDisegno& strato : strati) {
        const QRectF rettangolo(x, area.top(), strato.larghezza * area.width(), area.height());
        pittore.fillRect(rettangolo, strato.colore);
        if (strato.trama != Qt::NoBrush) {
            pittore.fillRect(rettangolo, QBrush(strato.colore.darker(140), strato.trama));
        }
        pittore.setPen(QPen(QColor(60, 60, 60), 1.5));
        pittore.drawRect(rettangolo);
        x += rettangolo.width();
    }

    // The temperature profile: steep through the insulation and the cavity, gentle elsewhere.
    const qreal quote[] = {0.15, 0.20, 0.38, 0.74, 0.84, 0.95, 0.98};
    QPainterPath profilo;
    qreal xp = area.left();
    profilo.moveTo(xp, area.top() + quote[0] * area.height());
    for (int i = 0; i < 6; ++i) {
        xp += strati[i].larghezza * area.width();
        profilo.lineTo(xp, area.top() + quote[i + 1] * area.height());
    }
    pittore.setPen(QPen(QColor(200, 0, 0), 3.0));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawPath(profilo);
    pittore.restore();
}

} // namespace paretix::ui
