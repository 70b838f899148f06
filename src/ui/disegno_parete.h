#pragma once
// The program's picture: a section of a multilayer wall, plaster, brick, insulation, an air
// cavity and brick again, with the temperature falling through it from inside to outside.

#include <QRectF>

class QPainter;

namespace paretix::ui {

void DisegnaParete(QPainter& pittore, const QRectF& area);

} // namespace paretix::ui
