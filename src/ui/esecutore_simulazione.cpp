#include "ui/esecutore_simulazione.h"

#include <cmath>

namespace paretix::ui {

EsecutoreSimulazione::EsecutoreSimulazione(Avanzamento avanzamento, Fine fine, QObject* genitore)
    : QObject(genitore), avanzamento_(std::move(avanzamento)), fine_(std::move(fine)) {}

EsecutoreSimulazione::~EsecutoreSimulazione() {
    Attendi();
}

void EsecutoreSimulazione::Attendi() {
    if (interruzione_) {
        interruzione_->store(true);
    }
    if (lavoratore_.joinable()) {
        lavoratore_.join();
    }
}

void EsecutoreSimulazione::Avvia(LavoroSimulazione lavoro) {
    Attendi();
    interruzione_ = lavoro.Interruzione;
    auto dati = std::make_shared<LavoroSimulazione>(std::move(lavoro));
    lavoratore_ = std::thread([this, dati] {
        const int numero = dati->Numero;
        // One call per whole percent: the window repaints no more often than it shows a change.
        int percento = -1;
        ControlloSimulazione controllo;
        controllo.Interruzione = dati->Interruzione.get();
        controllo.Avanzamento = [this, numero, &percento](double quota) {
            const int ora = static_cast<int>(std::floor(quota * 100));
            if (ora == percento) {
                return;
            }
            percento = ora;
            QMetaObject::invokeMethod(
                this, [this, numero, quota] { avanzamento_(numero, quota); }, Qt::QueuedConnection);
        };
        auto risultato =
            std::make_shared<RisultatoSimulazione>(Simula(dati->Preparata.Dati, controllo));
        QMetaObject::invokeMethod(
            this, [this, numero, risultato] { fine_(numero, std::move(*risultato)); },
            Qt::QueuedConnection);
    });
}

} // namespace paretix::ui
