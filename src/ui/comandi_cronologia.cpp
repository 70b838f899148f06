#include "ui/comandi_cronologia.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "ui/finestra_principale_qt.h"

namespace paretix::ui {

namespace {

const QKeySequence TastiAnnulla(Qt::CTRL | Qt::Key_Z);
const QKeySequence TastiRipeti(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

bool TastiCronologia(const QKeyEvent& tasto) {
    const QKeySequence premuti(tasto.keyCombination());
    return premuti == TastiAnnulla || premuti == TastiRipeti;
}

} // namespace

ComandiCronologia::ComandiCronologia(FinestraPrincipaleQt& finestra)
    : QObject(&finestra), finestra_(finestra) {
    auto* modifica = finestra.findChild<QMenu*>(QStringLiteral("MenuModifica"));
    QAction* primo = modifica->actions().value(0);
    annulla_ = new QAction(modifica);
    annulla_->setObjectName(QStringLiteral("Annulla"));
    annulla_->setShortcut(TastiAnnulla);
    ripeti_ = new QAction(modifica);
    ripeti_->setObjectName(QStringLiteral("Ripeti"));
    ripeti_->setShortcut(TastiRipeti);
    modifica->insertAction(primo, annulla_);
    modifica->insertAction(primo, ripeti_);
    modifica->insertSeparator(primo);
    connect(annulla_, &QAction::triggered, this, [this] {
        finestra_.Modello().Annulla_Click();
        finestra_.Aggiorna();
    });
    connect(ripeti_, &QAction::triggered, this, [this] {
        finestra_.Modello().Ripeti_Click();
        finestra_.Aggiorna();
    });
    connect(&finestra, &FinestraPrincipaleQt::Aggiornata, this, &ComandiCronologia::Aggiorna);
    qApp->installEventFilter(this);
    Aggiorna();
}

void ComandiCronologia::Aggiorna() {
    const FinestraPrincipale& m = finestra_.Modello();
    annulla_->setText(QString::fromStdString(m.CaptionAnnulla()));
    annulla_->setEnabled(m.AnnullaAbilitato());
    ripeti_->setText(QString::fromStdString(m.CaptionRipeti()));
    ripeti_->setEnabled(m.RipetiAbilitato());
}

bool ComandiCronologia::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo != QEvent::ShortcutOverride && tipo != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(oggetto);
    if (widget == nullptr || !finestra_.isAncestorOf(widget) ||
        !TastiCronologia(*static_cast<QKeyEvent*>(evento))) {
        return false;
    }
    if (tipo == QEvent::ShortcutOverride) {
        evento->ignore(); // the menu entry's shortcut takes the keys
    } else {
        evento->accept(); // nothing to undo: the box does not undo by itself either
    }
    return true;
}

} // namespace paretix::ui
