#include "ui/centro_finestra.h"

#include <algorithm>
#include <cmath>

namespace paretix::ui {

namespace {

QRect Rettangolo(const RettangoloPixel& r) {
    return {r.Sinistra, r.Alto, r.Larghezza, r.Altezza};
}

} // namespace

CentroFinestra::CentroFinestra(QWidget* genitore)
    : QWidget(genitore), base_(PixelPerTwip(logicalDpiX())) {}

void CentroFinestra::Imposta(QWidget* pannelli, QWidget* colonna, int larghezzaNaturalePannelli) {
    pannelli_ = pannelli;
    colonna_ = colonna;
    larghezzaNaturale_ = larghezzaNaturalePannelli;
    updateGeometry();
}

DimensioniPixel CentroFinestra::MinimoPannelli() const {
    const QSize minimo = pannelli_->minimumSizeHint().expandedTo(pannelli_->minimumSize());
    return {minimo.width(), minimo.height()};
}

DimensioniPixel CentroFinestra::MinimoColonna() const {
    const QSize minimo = colonna_->minimumSizeHint();
    return {std::max(static_cast<int>(std::lround(base_ * LarghezzaColonna)), minimo.width()),
            minimo.height()};
}

QSize CentroFinestra::minimumSizeHint() const {
    if (pannelli_ == nullptr) {
        return QWidget::minimumSizeHint();
    }
    const DimensioniPixel minimo = MinimoFinestra(base_, MinimoPannelli(), MinimoColonna());
    return {minimo.Larghezza, minimo.Altezza};
}

void CentroFinestra::resizeEvent(QResizeEvent*) {
    if (pannelli_ == nullptr) {
        return;
    }
    const DivisioneFinestra d = DividiFinestra(width(), height(), base_, MinimoPannelli(),
                                               larghezzaNaturale_, MinimoColonna());
    pannelli_->setGeometry(Rettangolo(d.Pannelli));
    colonna_->setGeometry(Rettangolo(d.Colonna));
}

} // namespace paretix::ui
