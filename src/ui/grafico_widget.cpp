#include "ui/grafico_widget.h"

#include <QPainter>

#include <cmath>

#include "core/window/pannelli.h"
#include "disegno/pittura_superficie.h"

namespace paretix::ui {

namespace {

constexpr double TwipsPerPixel = TwipPerPixel;

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
    disegno::DisegnaSuperficie(p, superficie_, QRectF(rect()), font(), 1);
}

} // namespace paretix::ui
