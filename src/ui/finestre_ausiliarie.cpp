#include "ui/finestre_ausiliarie.h"

#include <QAction>
#include <QToolButton>

#include "core/window/guida.h"
#include "core/window/stampa.h"
#include "ui/finestra_appunti.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestra_stampa.h"
#include "ui/informazioni.h"

namespace paretix::ui {

FinestreAusiliarie::FinestreAusiliarie(FinestraPrincipaleQt& finestra, Dialoghi& dialoghi,
                                       Stampante& stampante, EsportatorePdf& esportatore,
                                       ApertureEsterne& aperture)
    : QObject(&finestra), finestra_(finestra), dialoghi_(dialoghi), stampante_(stampante),
      esportatore_(esportatore), aperture_(aperture) {
    connect(finestra.Azione(Comando::AnteprimaDiStampa), &QAction::triggered, this,
            &FinestreAusiliarie::AnteprimaDiStampa);
    connect(finestra.Azione(Comando::Stampa), &QAction::triggered, this,
            [this] { StampaRapporto(stampante_, dialoghi_, finestra_.Modello().Stato().Text2); });
    connect(finestra.CommandMacchinaDaScrivere(), &QToolButton::clicked, this,
            &FinestreAusiliarie::Appunti);
    connect(finestra.Azione(Comando::GuidaInLinea), &QAction::triggered, this,
            [this] { GuidaInLinea(aperture_, finestra_.Modello().Stato().CartellaProgramma); });
    connect(finestra.Azione(Comando::InformazioniSu), &QAction::triggered, this, [this] {
        Form8 informazioni(aperture_, &finestra_);
        informazioni.exec();
    });
}

void FinestreAusiliarie::AnteprimaDiStampa() {
    Form7 stampa(stampante_, dialoghi_, esportatore_, &finestra_);
    stampa.Apri(finestra_.Modello().Stato().Text2);
    stampa.exec();
}

void FinestreAusiliarie::Appunti() {
    const EsitoAppunti esito = Form6::Modifica(finestra_.Modello().esercizio().Appunti, &finestra_);
    if (esito.Modificati) {
        finestra_.Modello().TextAppunti_Change(esito.Testo);
        finestra_.Aggiorna();
    }
}

} // namespace paretix::ui
