#include "ui/dimensione_minima.h"

#include <QWidget>

namespace paretix::ui {

void AlmenoDimensioneMinima(QWidget* dialogo) {
    const QSize minimo = dialogo->minimumSizeHint();
    if (!minimo.isValid()) {
        return;
    }
    dialogo->setMinimumSize(dialogo->minimumSize().expandedTo(minimo));
    // Without a size of its own the dialog takes its layout's preferred size as it is shown.
    if (dialogo->testAttribute(Qt::WA_Resized)) {
        dialogo->resize(dialogo->size().expandedTo(minimo));
    }
}

} // namespace paretix::ui
