#include "ui/comandi_file.h"

#include <QAction>
#include <array>
#include <utility>

#include "ui/finestra_principale_qt.h"

namespace paretix::ui {

ComandiFile::ComandiFile(FinestraPrincipaleQt& finestra) : QObject(&finestra), finestra_(finestra) {
    const std::array<std::pair<Comando, void (FinestraPrincipale::*)()>, 4> comandi{{
        {Comando::NuovoProgetto, &FinestraPrincipale::NuovoProgetto_Click},
        {Comando::ApriProgetto, &FinestraPrincipale::ApriProgetto_Click},
        {Comando::Salva, &FinestraPrincipale::Salva_Click},
        {Comando::SalvaConNome, &FinestraPrincipale::SalvaConNome_Click},
    }};
    for (const auto& [azione, comando] : comandi) {
        const auto c = comando;
        connect(finestra.Azione(azione), &QAction::triggered, this, [this, c] { Esegui(c); });
    }
    finestra.ImpostaChiusura([this] {
        const bool annullaChiusura = finestra_.Modello().Form_Unload();
        finestra_.Aggiorna();
        return !annullaChiusura;
    });
}

void ComandiFile::Esegui(void (FinestraPrincipale::*comando)()) {
    (finestra_.Modello().*comando)();
    finestra_.Aggiorna();
}

} // namespace paretix::ui
