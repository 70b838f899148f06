#include "ui/area_schema.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "ui/pannello_schema.h"

namespace paretix::ui {

int StrisciaScorrimento(const QWidget* w) {
    return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w);
}

AreaSchema::AreaSchema(PannelloSchema* schema, QWidget* genitore)
    : QScrollArea(genitore), schema_(schema) {
    setObjectName(QStringLiteral("PictureSchemaStruttura"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(schema_);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette sfondo = viewport()->palette();
    sfondo.setColor(viewport()->backgroundRole(), schema_->palette().color(QPalette::Window));
    viewport()->setPalette(sfondo);
}

QSize AreaSchema::minimumSizeHint() const {
    const QSize minimo = schema_->Minimo();
    return {minimo.width(), minimo.height() + StrisciaScorrimento(this)};
}

void AreaSchema::resizeEvent(QResizeEvent* evento) {
    QScrollArea::resizeEvent(evento);
    // The strip of the scroll bar stays the schema's whether the bar shows or not, so that
    // nothing moves when a layer more makes the schema scroll.
    schema_->Adatta({width(), height() - StrisciaScorrimento(this)});
    horizontalScrollBar()->setSingleStep(schema_->PassoStrati());
}

bool AreaSchema::event(QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        schema_->MuoveFuoriDagliStrati();
    }
    return QScrollArea::event(evento);
}

bool AreaSchema::viewportEvent(QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        schema_->MuoveFuoriDagliStrati();
    }
    return QScrollArea::viewportEvent(evento);
}

void AreaSchema::wheelEvent(QWheelEvent* evento) {
    QScrollBar* barra = horizontalScrollBar();
    const QPoint passi = evento->angleDelta();
    const int delta = passi.x() != 0 ? passi.x() : passi.y();
    // One notch of the wheel (120) moves a layer's step.
    barra->setValue(barra->value() - delta * barra->singleStep() / 120);
    evento->accept();
}

} // namespace paretix::ui
