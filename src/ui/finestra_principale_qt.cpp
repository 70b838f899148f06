#include "ui/finestra_principale_qt.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <array>
#include <utility>

#include "core/relazione/esporta_relazione.h"
#include "core/window/didascalie.h"
#include "ui/area_schema.h"
#include "ui/centro_finestra.h"
#include "ui/colonna_comandi.h"
#include "ui/esecutore_simulazione.h"
#include "ui/grafico_widget.h"
#include "ui/pannelli_grafici.h"
#include "ui/pannello_schema.h"

namespace paretix::ui {

namespace {

// The desktop's usual keys, shown beside the captions.
std::array<std::pair<Comando, QKeySequence>, 7> TastiDeiComandi() {
    return {{
        {Comando::NuovoProgetto, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Comando::ApriProgetto, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Comando::Salva, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Comando::SalvaConNome, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {Comando::Stampa, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Comando::Esci, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Comando::GuidaInLinea, QKeySequence(Qt::Key_F1)},
    }};
}

QString Testo(const char* testo) {
    return QString::fromUtf8(testo);
}

} // namespace

FinestraPrincipaleQt::FinestraPrincipaleQt(Dialoghi& dialoghi, const EsitoAvvio& avvio,
                                           QWidget* genitore)
    : QMainWindow(genitore), modello_(dialoghi) {
    setObjectName(QStringLiteral("Form2"));
    modello_.Form_Load(avvio);

    auto* centro = new CentroFinestra(this);
    pannelli_ = new QStackedWidget(centro);
    schema_ = new PannelloSchema(modello_, pannelli_);
    auto* area = new AreaSchema(schema_, pannelli_);
    grafici_ = std::make_unique<PannelliGrafici>(modello_, pannelli_);
    pannelli_->addWidget(area);
    pannelli_->addWidget(grafici_->TavolaGrafici());
    pannelli_->addWidget(grafici_->TavolaGraficoSuono());
    pannelli_->setMinimumSize(area->minimumSizeHint());
    colonna_ = new ColonnaComandi(modello_, centro);
    centro->Imposta(pannelli_, colonna_, schema_->LarghezzaNaturale());
    setCentralWidget(centro);

    CreaMenu();
    CreaMenuNascosto();

    connect(schema_, &PannelloSchema::Cambiato, this, &FinestraPrincipaleQt::Aggiorna);
    connect(schema_, &PannelloSchema::MenuStratoRichiesto, this,
            &FinestraPrincipaleQt::ApriMenuStrato);
    connect(colonna_, &ColonnaComandi::Cambiato, this, &FinestraPrincipaleQt::Aggiorna);
    esecutore_ = std::make_unique<EsecutoreSimulazione>(
        [this](int numero, double quota) {
            modello_.AvanzamentoSimulazione(numero, quota);
            Aggiorna();
        },
        [this](int numero, RisultatoSimulazione risultato) {
            const bool inCorso = modello_.Stato().SimulazioneInCorso;
            modello_.SimulazioneFinita(numero, std::move(risultato));
            Aggiorna();
            if (inCorso && !modello_.Stato().SimulazioneInCorso) {
                emit Calcolato();
            }
        });
    connect(colonna_, &ColonnaComandi::Calcolato, this, &FinestraPrincipaleQt::AvviaSimulazione);
    connect(colonna_, &ColonnaComandi::Calcolato, this, &FinestraPrincipaleQt::Calcolato);
    connect(colonna_->Command3(), &QPushButton::clicked, Azione(Comando::AnteprimaDiStampa),
            &QAction::trigger);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(IntervalloTimer1);
    connect(timer1_, &QTimer::timeout, this, [this] {
        modello_.Timer1_Timer();
        schema_->AggiornaSuggerimenti();
    });
    timer1_->start();

    Aggiorna();
}

FinestraPrincipaleQt::~FinestraPrincipaleQt() = default;

QAction* FinestraPrincipaleQt::NuovaAzione(Comando comando, const char* nome, const char* caption,
                                           QMenu* menu) {
    QAction* a = menu->addAction(Testo(caption));
    a->setObjectName(QLatin1String(nome));
    azioni_[comando] = a;
    return a;
}

void FinestraPrincipaleQt::CreaMenu() {
    QMenu* file = menuBar()->addMenu(Testo(CaptionMenuFile));
    file->setObjectName(QStringLiteral("MenuFile"));
    NuovaAzione(Comando::NuovoProgetto, "NuovoProgetto", CaptionNuovoProgetto, file);
    NuovaAzione(Comando::ApriProgetto, "ApriProgetto", CaptionApriProgetto, file);
    NuovaAzione(Comando::Salva, "Salva", CaptionSalva, file);
    NuovaAzione(Comando::SalvaConNome, "SalvaConNome", CaptionSalvaConNome, file);
    file->addSeparator();
    NuovaAzione(Comando::AnteprimaDiStampa, "AnteprimaDiStampa", CaptionAnteprimaDiStampa, file);
    NuovaAzione(Comando::Stampa, "Stampa", CaptionStampa, file);
    NuovaAzione(Comando::EsportaRelazione, "EsportaRelazione", MenuEsportaRelazione, file);
    file->addSeparator();
    QAction* esci = NuovaAzione(Comando::Esci, "Esci", CaptionEsci, file);
    connect(esci, &QAction::triggered, this, &QWidget::close);

    QMenu* modifica = menuBar()->addMenu(Testo(CaptionMenuModifica));
    modifica->setObjectName(QStringLiteral("MenuModifica"));
    NuovaAzione(Comando::AbacoMateriali, "AbacoMateriali", CaptionAbacoMateriali, modifica);
    // In the menu only while the checks are on (Aggiorna puts it there).
    NuovaAzione(Comando::DatiVerifiche, "MenuDatiVerifiche", CaptionMenuDatiVerifiche, modifica);
    modifica->removeAction(Azione(Comando::DatiVerifiche));
    menuModifica_ = modifica;

    QMenu* aiuto = menuBar()->addMenu(Testo(CaptionMenuAiuto));
    aiuto->setObjectName(QStringLiteral("MenuAiuto"));
    NuovaAzione(Comando::GuidaInLinea, "GuidaInLinea", CaptionGuidaInLinea, aiuto);
    NuovaAzione(Comando::InformazioniSu, "InformazioniSu", CaptionInformazioniSu, aiuto);
    for (const auto& [comando, sequenza] : TastiDeiComandi()) {
        Azione(comando)->setShortcut(sequenza);
    }
}

void FinestraPrincipaleQt::CreaMenuNascosto() {
    menuNascosto_ = new QMenu(this);
    menuNascosto_->setObjectName(QStringLiteral("MenuNascosto"));
    materialeDaAbaco_ = menuNascosto_->addAction(Testo(CaptionMaterialeDaAbaco));
    materialeDaAbaco_->setObjectName(QStringLiteral("MaterialeDaAbaco"));
    QMenu* seleziona = menuNascosto_->addMenu(Testo(CaptionSelezionaMateriale));
    seleziona->setObjectName(QStringLiteral("SelezionaMateriale"));
    cameraAria_ = seleziona->addAction(Testo(CaptionCameraAria));
    cameraAria_->setObjectName(QStringLiteral("CameraAria"));
    QMenu* mat = seleziona->addMenu(Testo(CaptionMat));
    mat->setObjectName(QStringLiteral("Mat"));
    QAction* daTastiera = mat->addAction(Testo(CaptionDaTastiera));
    daTastiera->setObjectName(QStringLiteral("DaTastiera"));
    QAction* daAbaco = NuovaAzione(Comando::DaAbaco, "DaAbaco", CaptionDaAbaco, mat);
    connect(materialeDaAbaco_, &QAction::triggered, daAbaco, &QAction::trigger);
    connect(daAbaco, &QAction::enabledChanged, materialeDaAbaco_, &QAction::setEnabled);
    inserisciStrato_ = menuNascosto_->addMenu(Testo(CaptionInserisciStrato));
    inserisciStrato_->setObjectName(QStringLiteral("InserisciStrato"));
    QAction* destra = inserisciStrato_->addAction(Testo(CaptionInserisciStratoADestra));
    destra->setObjectName(QStringLiteral("InserisciStratoADestra"));
    QAction* sinistra = inserisciStrato_->addAction(Testo(CaptionInserisciStratoASinistra));
    sinistra->setObjectName(QStringLiteral("InserisciStratoASinistra"));
    menuNascosto_->addSeparator()->setObjectName(QStringLiteral("Trat3"));
    eliminaStrato_ = menuNascosto_->addAction(Testo(CaptionEliminaStrato));
    eliminaStrato_->setObjectName(QStringLiteral("EliminaStrato"));

    const std::array<std::pair<QAction*, void (FinestraPrincipale::*)()>, 5> operazioni{{
        {cameraAria_, &FinestraPrincipale::CameraAria_Click},
        {daTastiera, &FinestraPrincipale::DaTastiera_Click},
        {destra, &FinestraPrincipale::InserisciStratoADestra_Click},
        {sinistra, &FinestraPrincipale::InserisciStratoASinistra_Click},
        {eliminaStrato_, &FinestraPrincipale::EliminaStrato_Click},
    }};
    for (const auto& [azione, operazione] : operazioni) {
        const auto op = operazione;
        connect(azione, &QAction::triggered, this, [this, op] { EseguiSuStrato(op); });
    }
}

void FinestraPrincipaleQt::EseguiSuStrato(void (FinestraPrincipale::*operazione)()) {
    (modello_.*operazione)();
    Aggiorna();
}

void FinestraPrincipaleQt::ApriMenuStrato(const QPoint& posizione) {
    const StatoMenuStrato& m = modello_.Stato().MenuNascosto;
    eliminaStrato_->setText(QString::fromStdString(m.EliminaStratoCaption));
    eliminaStrato_->setEnabled(m.EliminaStrato);
    cameraAria_->setEnabled(m.CameraAria);
    inserisciStrato_->menuAction()->setEnabled(m.InserisciStrato);
    menuNascosto_->popup(posizione);
}

void FinestraPrincipaleQt::Aggiorna() {
    const StatoFinestra& s = modello_.Stato();
    setWindowTitle(QString::fromStdString(s.Caption));
    Azione(Comando::AnteprimaDiStampa)->setEnabled(s.StampaAbilitata);
    Azione(Comando::Stampa)->setEnabled(s.StampaAbilitata);
    Azione(Comando::AbacoMateriali)->setEnabled(s.AbacoUtilizzabile);
    Azione(Comando::DaAbaco)->setEnabled(s.AbacoUtilizzabile);
    QAction* datiVerifiche = Azione(Comando::DatiVerifiche);
    const bool conVerifiche = modello_.CheckVerifiche();
    if (conVerifiche != menuModifica_->actions().contains(datiVerifiche)) {
        if (conVerifiche) {
            menuModifica_->addAction(datiVerifiche);
        } else {
            menuModifica_->removeAction(datiVerifiche);
        }
    }
    pannelli_->setCurrentIndex(static_cast<int>(s.Option2));
    schema_->Aggiorna();
    grafici_->Aggiorna();
    colonna_->Aggiorna();
    emit Aggiornata();
}

QPushButton* FinestraPrincipaleQt::Command3() const {
    return colonna_->Command3();
}

QToolButton* FinestraPrincipaleQt::CommandMacchinaDaScrivere() const {
    return colonna_->CommandMacchinaDaScrivere();
}

void FinestraPrincipaleQt::AvviaSimulazione() {
    if (auto lavoro = modello_.SimulazioneDaAvviare()) {
        esecutore_->Avvia(std::move(*lavoro));
    }
}

QPushButton* FinestraPrincipaleQt::CommandDatiSimulazione() const {
    return colonna_->CommandDatiSimulazione();
}

QPushButton* FinestraPrincipaleQt::CommandDatiVerifiche() const {
    return colonna_->CommandDatiVerifiche();
}

QWidget* FinestraPrincipaleQt::Grafico(int numero) const {
    return grafici_->Grafico(numero);
}

void FinestraPrincipaleQt::ImpostaChiusura(std::function<bool()> consentiChiusura) {
    consentiChiusura_ = std::move(consentiChiusura);
}

void FinestraPrincipaleQt::closeEvent(QCloseEvent* evento) {
    if (consentiChiusura_ && !consentiChiusura_()) {
        evento->ignore();
        return;
    }
    evento->accept();
}

} // namespace paretix::ui
