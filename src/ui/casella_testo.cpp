#include "ui/casella_testo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "core/files/win1252.h"

namespace paretix::ui {

bool TestoRappresentabile(const QString& testo) {
    return RappresentabileWin1252(testo.toStdString());
}

QValidator::State ValidatoreWin1252::validate(QString& testo, int&) const {
    return TestoRappresentabile(testo) ? Acceptable : Invalid;
}

void CasellaAppunti::keyPressEvent(QKeyEvent* evento) {
    if (!TestoRappresentabile(evento->text())) {
        evento->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(evento);
}

void CasellaAppunti::inputMethodEvent(QInputMethodEvent* evento) {
    if (!TestoRappresentabile(evento->commitString())) {
        evento->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(evento);
}

bool CasellaAppunti::canInsertFromMimeData(const QMimeData* origine) const {
    return origine->hasText() && TestoRappresentabile(origine->text());
}

void CasellaAppunti::insertFromMimeData(const QMimeData* origine) {
    if (canInsertFromMimeData(origine)) {
        QPlainTextEdit::insertFromMimeData(origine);
    }
}

} // namespace paretix::ui
