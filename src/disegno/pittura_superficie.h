#pragma once
// Paints one chart surface with QPainter, for the window and for the technical report alike:
// the element list on a black background, scaled from its design size in twips to the area.

#include <QFont>
#include <QRectF>

#include "core/charts/elementi.h"

class QPainter;

namespace paretix::disegno {

// pixel is how many device units one screen pixel at 100 % takes: 1 on screen, more on a
// printed page, so that line widths and the smallest text keep their look.
void DisegnaSuperficie(QPainter& p, const Superficie& s, const QRectF& area, QFont carattere,
                       double pixel);

} // namespace paretix::disegno
