#include "ui/finestre_ausiliarie.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

#include "core/materials/preparazione_abaco.h"
#include "core/relazione/esporta_relazione.h"
#include "core/window/dialogo_simulazione.h"
#include "core/window/guida.h"
#include "core/window/stampa.h"
#include "disegno/relazione_pdf.h"
#include "ui/abaco_materiali.h"
#include "ui/dati_simulazione_qt.h"
#include "ui/dati_verifiche_qt.h"
#include "ui/finestra_appunti_qt.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestra_stampa_qt.h"
#include "ui/informazioni_qt.h"
#include "ui/verifiche_qt.h"

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
    connect(finestra.Azione(Comando::EsportaRelazione), &QAction::triggered, this, [this] {
        disegno::ScrittoreRelazionePdf scrittore;
        const FinestraPrincipale& modello = finestra_.Modello();
        const auto& simulazione = modello.SimulazioneMostrata();
        EsportaRelazione(scrittore, dialoghi_, modello.esercizio(),
                         modello.Stato().PercorsoEsercizio, simulazione ? &*simulazione : nullptr);
    });
    connect(finestra.CommandMacchinaDaScrivere(), &QToolButton::clicked, this,
            &FinestreAusiliarie::Appunti);
    connect(finestra.Azione(Comando::DaAbaco), &QAction::triggered, this,
            &FinestreAusiliarie::DaAbaco);
    connect(finestra.Azione(Comando::AbacoMateriali), &QAction::triggered, this,
            &FinestreAusiliarie::AbacoMateriali);
    connect(finestra.Azione(Comando::GuidaInLinea), &QAction::triggered, this, [this] {
        GuidaInLinea(aperture_, dialoghi_, finestra_.Modello().Stato().CartellaProgramma);
    });
    connect(finestra.Azione(Comando::DatiVerifiche), &QAction::triggered, this,
            &FinestreAusiliarie::DatiVerifiche);
    connect(finestra.CommandDatiVerifiche(), &QPushButton::clicked, this,
            &FinestreAusiliarie::DatiVerifiche);
    connect(finestra.CommandDatiSimulazione(), &QPushButton::clicked, this,
            &FinestreAusiliarie::DatiSimulazione);
    connect(&finestra, &FinestraPrincipaleQt::Calcolato, this,
            &FinestreAusiliarie::MostraVerifiche);
    connect(&finestra, &FinestraPrincipaleQt::Aggiornata, this,
            &FinestreAusiliarie::AggiornaVerifiche);
    connect(finestra.Azione(Comando::InformazioniSu), &QAction::triggered, this, [this] {
        InformazioniQt informazioni(aperture_, dialoghi_,
                                    finestra_.Modello().Stato().CartellaProgramma, &finestra_);
        informazioni.exec();
    });
}

void FinestreAusiliarie::AnteprimaDiStampa() {
    FinestraStampaQt stampa(stampante_, dialoghi_, esportatore_, &finestra_);
    stampa.Apri(finestra_.Modello().Stato().Text2);
    stampa.exec();
}

void FinestreAusiliarie::Appunti() {
    const EsitoAppunti esito =
        FinestraAppuntiQt::Modifica(finestra_.Modello().esercizio().Appunti, &finestra_);
    if (esito.Modificati) {
        finestra_.Modello().TextAppunti_Change(esito.Testo);
        finestra_.Aggiorna();
    }
}

void FinestreAusiliarie::DaAbaco() {
    FinestraPrincipale& modello = finestra_.Modello();
    const int strato = modello.Stato().StratoSelezionato;
    if (strato < 1 || strato > modello.esercizio().NumeroStrati()) {
        return;
    }
    const auto carica = [&modello](const VoceAbaco& voce) {
        modello.CaricaMaterialeNelloStratoSelezionato(voce);
    };
    if (ApriAbacoConsultazione(&finestra_, PercorsoAbaco(modello.Stato().CartellaDati), carica,
                               dialoghi_, modello.CheckVerifiche(), &posizioneAbaco_)) {
        finestra_.Aggiorna();
    }
}

void FinestreAusiliarie::AbacoMateriali() {
    const StatoFinestra& s = finestra_.Modello().Stato();
    ApriAbacoModifica(&finestra_, PercorsoAbaco(s.CartellaDati), s.ScritturaConsentita == Si,
                      dialoghi_, finestra_.Modello().CheckVerifiche(), &posizioneAbaco_);
}

void FinestreAusiliarie::DatiVerifiche() {
    FinestraPrincipale& modello = finestra_.Modello();
    DialogoDatiVerifiche dati = modello.DatiVerifiche_Click();
    FontiClima fonti(PercorsoLibreriaClima(modello.Stato().CartellaDati), dialoghi_);
    const auto apriAbaco = [this, &modello](QWidget* genitore,
                                            std::function<void(const VoceAbaco&)> carica) {
        ApriAbacoConsultazione(genitore, PercorsoAbaco(modello.Stato().CartellaDati),
                               std::move(carica), dialoghi_, true, &posizioneAbaco_);
    };
    DatiVerificheQt dialogo(
        dati, [&modello](const DialogoDatiVerifiche& d) { return modello.DatiVerifiche_Ok(d); },
        fonti, &finestra_, apriAbaco);
    dialogo.exec();
    finestra_.Aggiorna();
}

void FinestreAusiliarie::DatiSimulazione() {
    FinestraPrincipale& modello = finestra_.Modello();
    DialogoSimulazione dati = modello.DatiSimulazione_Click();
    DatiSimulazioneQt dialogo(
        dati, [&modello](const DialogoSimulazione& d) { return modello.DatiSimulazione_Ok(d); },
        dialoghi_, &finestra_);
    dialogo.exec();
    finestra_.Aggiorna();
}

void FinestreAusiliarie::MostraVerifiche() {
    const StatoFinestra& s = finestra_.Modello().Stato();
    if (s.RigheVerifiche.empty()) {
        return;
    }
    if (verifiche_ == nullptr) {
        verifiche_ = new VerificheQt(&finestra_);
    }
    MostraTutteLeVerifiche();
    verifiche_->show();
    verifiche_->raise();
}

void FinestreAusiliarie::AggiornaVerifiche() {
    if (verifiche_ == nullptr || !verifiche_->isVisible()) {
        return;
    }
    const StatoFinestra& s = finestra_.Modello().Stato();
    if (s.RigheVerifiche.empty()) {
        verifiche_->hide();
    } else {
        MostraTutteLeVerifiche();
    }
}

void FinestreAusiliarie::MostraTutteLeVerifiche() {
    const FinestraPrincipale& modello = finestra_.Modello();
    const StatoFinestra& s = modello.Stato();
    verifiche_->Mostra(s.RigheVerifiche, s.NoteVerifiche, s.DisegniVerifiche);
    const auto& simulazione = modello.SimulazioneMostrata();
    verifiche_->MostraSimulazione(simulazione ? &simulazione->Risultato : nullptr,
                                  modello.NumeroSimulazione());
}

} // namespace paretix::ui
