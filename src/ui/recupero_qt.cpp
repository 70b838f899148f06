#include "ui/recupero_qt.h"

#include <QTimer>

#include "core/window/recupero.h"
#include "ui/finestra_principale_qt.h"

namespace paretix::ui {

RecuperoQt::RecuperoQt(FinestraPrincipaleQt& finestra, std::string percorso) : QObject(&finestra) {
    FinestraPrincipale& modello = finestra.Modello();
    modello.ImpostaRecupero(std::move(percorso));
    modello.OffriRipristino();
    finestra.Aggiorna();
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("TimerRecupero"));
    timer_->setInterval(IntervalloRecupero);
    connect(timer_, &QTimer::timeout, this, [&modello] { modello.TimerRecupero_Timer(); });
    timer_->start();
}

} // namespace paretix::ui
