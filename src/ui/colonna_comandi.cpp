#include "ui/colonna_comandi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/window/dialogo_simulazione.h"
#include "core/window/didascalie.h"
#include "core/window/disposizione.h"
#include "ui/casella_testo.h"
#include "ui/posti_scalati.h"
#include "ui/pulsante_due_righe.h"

namespace paretix::ui {

namespace {

const QMargins MarginiRiquadro(8, 2, 8, 4);
// The notes show at least this many lines; they share the height left with the report, a
// quarter to them.
constexpr int RigheAppunti = 4;
// The buttons that add and remove a layer, in twips.
constexpr int LarghezzaPiùMeno = 390;

QString Testo(const char* testo) {
    return QString::fromUtf8(testo);
}

QString Nome(const char* controllo, int indice) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(controllo)).arg(indice);
}

void ImpostaTesto(QLineEdit* c, const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    if (c->text() != t) {
        c->setText(t);
    }
}

QLineEdit* CasellaNumero(QWidget* genitore, const char* nome) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(QLatin1String(nome));
    c->setValidator(new ValidatoreWin1252(c));
    c->setFixedWidth(PixelPerCasella(c, QString::fromUtf8(ValoreCampione)));
    return c;
}

} // namespace

template <typename Operazione> void ColonnaComandi::Esegui(Operazione operazione) {
    operazione();
    emit Cambiato();
}

ColonnaComandi::ColonnaComandi(FinestraPrincipale& modello, QWidget* genitore)
    : QWidget(genitore), modello_(modello) {
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(CreaTipiEVista());
    colonna->addWidget(CreaStratiELiminari());

    command1_ = new QPushButton(Testo(CaptionCommand1), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    command1_->setMinimumHeight(30);
    QFont grassetto = command1_->font();
    grassetto.setBold(true);
    command1_->setFont(grassetto);
    connect(command1_, &QPushButton::clicked, this, [this] {
        Esegui([this] { modello_.Command1_Click(); });
        emit Calcolato();
    });
    colonna->addWidget(command1_);

    simulazioneInCorso_ = new QWidget(this);
    auto* rigaSimulazione = new QHBoxLayout(simulazioneInCorso_);
    rigaSimulazione->setContentsMargins(0, 0, 0, 0);
    avanzamento_ = new QProgressBar(simulazioneInCorso_);
    avanzamento_->setObjectName(QStringLiteral("ProgressSimulazione"));
    avanzamento_->setRange(0, 100);
    avanzamento_->setFormat(Testo(FormatoAvanzamentoSimulazione));
    rigaSimulazione->addWidget(avanzamento_, 1);
    auto* interrompi = new QPushButton(Testo(CaptionInterrompi), simulazioneInCorso_);
    interrompi->setObjectName(QStringLiteral("CommandInterrompi"));
    connect(interrompi, &QPushButton::clicked, this,
            [this] { Esegui([this] { modello_.Interrompi_Click(); }); });
    rigaSimulazione->addWidget(interrompi);
    simulazioneInCorso_->hide();
    colonna->addWidget(simulazioneInCorso_);

    auto* relazione = new QLabel(Testo(CaptionRelazione), this);
    colonna->addWidget(relazione);
    text2_ = new QPlainTextEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setReadOnly(true);
    text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    relazione->setBuddy(text2_);
    colonna->addWidget(text2_, 3);

    colonna->addWidget(CreaStampaEAppunti(), 1);
}

QWidget* ColonnaComandi::CreaTipiEVista() {
    auto* riga = new QWidget(this);
    auto* disposizione = new QVBoxLayout(riga);
    disposizione->setContentsMargins(0, 0, 0, 0);

    auto* tipi = new QGroupBox(Testo(CaptionTipiCalcolo), riga);
    tipi->setObjectName(QStringLiteral("FrameTipiCalcolo"));
    auto* righeTipi = new QVBoxLayout(tipi);
    righeTipi->setContentsMargins(MarginiRiquadro);
    auto* colonnaTipi = new QHBoxLayout;
    righeTipi->addLayout(colonnaTipi);
    for (int i = 0; i < 3; ++i) {
        auto* c = new QCheckBox(Testo(CaptionCheck1[static_cast<std::size_t>(i)]), tipi);
        c->setObjectName(Nome("Check1", i));
        connect(c, &QCheckBox::clicked, this, [this, i](bool valore) {
            Esegui([this, i, valore] { modello_.Check1_Click(i, valore); });
        });
        colonnaTipi->addWidget(c);
        check1_[static_cast<std::size_t>(i)] = c;
    }
    colonnaTipi->addStretch();

    // Under the three types, the compliance checks and their data.
    auto* rigaVerifiche = new QHBoxLayout;
    checkVerifiche_ = new QCheckBox(Testo(CaptionCheckVerifiche), tipi);
    checkVerifiche_->setObjectName(QStringLiteral("CheckVerifiche"));
    connect(checkVerifiche_, &QCheckBox::clicked, this, [this](bool valore) {
        Esegui([this, valore] { modello_.CheckVerifiche_Click(valore); });
    });
    rigaVerifiche->addWidget(checkVerifiche_);
    datiVerifiche_ = new QPushButton(Testo(CaptionCommandDatiVerifiche), tipi);
    datiVerifiche_->setObjectName(QStringLiteral("CommandDatiVerifiche"));
    rigaVerifiche->addWidget(datiVerifiche_);
    rigaVerifiche->addStretch();
    righeTipi->addLayout(rigaVerifiche);

    auto* rigaSimulazione = new QHBoxLayout;
    checkSimulazione_ = new QCheckBox(Testo(CaptionCheckSimulazione), tipi);
    checkSimulazione_->setObjectName(QStringLiteral("CheckSimulazione"));
    connect(checkSimulazione_, &QCheckBox::clicked, this, [this](bool valore) {
        Esegui([this, valore] { modello_.CheckSimulazione_Click(valore); });
    });
    rigaSimulazione->addWidget(checkSimulazione_);
    datiSimulazione_ = new QPushButton(Testo(CaptionCommandDatiSimulazione), tipi);
    datiSimulazione_->setObjectName(QStringLiteral("CommandDatiSimulazione"));
    rigaSimulazione->addWidget(datiSimulazione_);
    rigaSimulazione->addStretch();
    righeTipi->addLayout(rigaSimulazione);
    disposizione->addWidget(tipi);

    auto* vista = new QGroupBox(Testo(CaptionVista), riga);
    vista->setObjectName(QStringLiteral("FrameVista"));
    auto* colonnaVista = new QHBoxLayout(vista);
    colonnaVista->setContentsMargins(MarginiRiquadro);
    auto* gruppo = new QButtonGroup(vista);
    const std::array<const char*, 3> captions{
        CaptionSchemaStruttura, CaptionGraficiTermoIgrometrici, CaptionGraficoAcustico};
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(Testo(captions[static_cast<std::size_t>(i)]), vista);
        o->setObjectName(Nome("Option2", i));
        gruppo->addButton(o, i);
        colonnaVista->addWidget(o);
        option2_[static_cast<std::size_t>(i)] = o;
    }
    connect(gruppo, &QButtonGroup::idClicked, this,
            [this](int i) { Esegui([this, i] { modello_.Option2_Click(i); }); });
    colonnaVista->addStretch();
    disposizione->addWidget(vista);
    return riga;
}

QWidget* ColonnaComandi::CreaStratiELiminari() {
    auto* riga = new QWidget(this);
    auto* disposizione = new QHBoxLayout(riga);
    disposizione->setContentsMargins(0, 0, 0, 0);

    auto* strati = new QGroupBox(Testo(CaptionStrati), riga);
    strati->setObjectName(QStringLiteral("FrameStrati"));
    auto* griglia = new QGridLayout(strati);
    griglia->setContentsMargins(MarginiRiquadro);
    numeroStrati_ = new QLineEdit(strati);
    numeroStrati_->setObjectName(QStringLiteral("TextNumeroStrati"));
    numeroStrati_->setReadOnly(true);
    numeroStrati_->setFocusPolicy(Qt::NoFocus);
    numeroStrati_->setAlignment(Qt::AlignCenter);
    numeroStrati_->setFixedWidth(PixelPerCasella(numeroStrati_, QString::number(NumeroStratiMax)));
    griglia->addWidget(numeroStrati_, 0, 0);
    const std::array<
        std::tuple<const char*, const char*, const char*, void (FinestraPrincipale::*)()>, 2>
        pulsanti{{{"CommandPiù", CaptionCommandPiù, SuggerimentoCommandPiù,
                   &FinestraPrincipale::CommandPiù_Click},
                  {"CommandMeno", CaptionCommandMeno, SuggerimentoCommandMeno,
                   &FinestraPrincipale::CommandMeno_Click}}};
    for (int i = 0; i < 2; ++i) {
        const auto& [nome, caption, suggerimento, operazione] =
            pulsanti[static_cast<std::size_t>(i)];
        auto* b = new QPushButton(Testo(caption), strati);
        b->setObjectName(QString::fromUtf8(nome));
        b->setToolTip(Testo(suggerimento));
        b->setFixedWidth(
            static_cast<int>(std::lround(PixelPerTwip(logicalDpiX()) * LarghezzaPiùMeno)));
        const auto op = operazione;
        connect(b, &QPushButton::clicked, this,
                [this, op] { Esegui([this, op] { (modello_.*op)(); }); });
        griglia->addWidget(b, 0, 1 + i);
    }
    numeroStratiMax_ = new QLabel(strati);
    numeroStratiMax_->setObjectName(QStringLiteral("LabelNumeroStratiMax"));
    griglia->addWidget(numeroStratiMax_, 0, 3);
    disposizione->addWidget(strati);

    liminari_ = new QGroupBox(Testo(CaptionLiminari), riga);
    liminari_->setObjectName(QStringLiteral("FrameLiminariInEst"));
    // Hidden without the thermal calculation, it keeps its place so that nothing moves.
    QSizePolicy politica = liminari_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    liminari_->setSizePolicy(politica);
    auto* grigliaLiminari = new QGridLayout(liminari_);
    grigliaLiminari->setContentsMargins(MarginiRiquadro);
    liminariInterno_ = CasellaNumero(liminari_, "TextLiminariInterno");
    liminariEsterno_ = CasellaNumero(liminari_, "TextLiminariEsterno");
    grigliaLiminari->addWidget(new QLabel(Testo(CaptionHi), liminari_), 0, 0);
    grigliaLiminari->addWidget(liminariInterno_, 0, 1);
    grigliaLiminari->addWidget(new QLabel(Testo(CaptionHe), liminari_), 0, 2);
    grigliaLiminari->addWidget(liminariEsterno_, 0, 3);
    // hi and he stay side by side, the room left goes to the right of them.
    grigliaLiminari->setColumnStretch(4, 1);
    connect(liminariInterno_, &QLineEdit::textEdited, this, [this](const QString& t) {
        Esegui([this, &t] { modello_.TextLiminariInterno_Change(t.toStdString()); });
    });
    connect(liminariEsterno_, &QLineEdit::textEdited, this, [this](const QString& t) {
        Esegui([this, &t] { modello_.TextLiminariEsterno_Change(t.toStdString()); });
    });
    for (QLineEdit* c : {liminariInterno_, liminariEsterno_}) {
        connect(c, &QLineEdit::editingFinished, this, [this] { modello_.ConfermaCasella(); });
    }
    disposizione->addWidget(liminari_, 1);
    return riga;
}

QWidget* ColonnaComandi::CreaStampaEAppunti() {
    auto* riquadro = new QWidget(this);
    auto* disposizione = new QGridLayout(riquadro);
    disposizione->setContentsMargins(0, 0, 0, 0);
    command3_ = new PulsanteDueRighe(Testo(CaptionCommand3), riquadro);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    disposizione->addWidget(command3_, 0, 0);
    appunti_ = new CasellaAppunti(riquadro);
    appunti_->setObjectName(QStringLiteral("TextAppunti"));
    appunti_->setToolTip(Testo(CaptionAppunti));
    appunti_->setPlaceholderText(Testo(CaptionAppunti));
    appunti_->setMinimumHeight(RigheAppunti * appunti_->fontMetrics().lineSpacing() +
                               2 * appunti_->frameWidth() +
                               static_cast<int>(2 * appunti_->document()->documentMargin()));
    connect(appunti_, &QPlainTextEdit::textChanged, this, [this] {
        Esegui([this] { modello_.TextAppunti_Change(appunti_->toPlainText().toStdString()); });
    });
    disposizione->addWidget(appunti_, 0, 1);
    macchinaDaScrivere_ = new QToolButton(riquadro);
    macchinaDaScrivere_->setObjectName(QStringLiteral("CommandMacchinaDaScrivere"));
    macchinaDaScrivere_->setToolTip(Testo(SuggerimentoMacchinaDaScrivere));
    macchinaDaScrivere_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    disposizione->addWidget(macchinaDaScrivere_, 0, 2, Qt::AlignTop);
    return riquadro;
}

void ColonnaComandi::Aggiorna() {
    const Esercizio& e = modello_.esercizio();
    const StatoFinestra& s = modello_.Stato();
    const std::array<bool, 3> tipi{e.Termico, e.Igrometrico, e.Acustico};
    for (std::size_t i = 0; i < 3; ++i) {
        check1_[i]->setChecked(tipi[i]);
        check1_[i]->setEnabled(s.Check1Abilitato[i]);
        option2_[i]->setEnabled(s.Option2Abilitato[i]);
    }
    checkVerifiche_->setChecked(modello_.CheckVerifiche());
    datiVerifiche_->setEnabled(modello_.CheckVerifiche());
    checkSimulazione_->setChecked(modello_.CheckSimulazione());
    datiSimulazione_->setEnabled(modello_.CheckSimulazione());
    simulazioneInCorso_->setVisible(s.SimulazioneInCorso);
    avanzamento_->setValue(s.AvanzamentoSimulazione);
    option2_[static_cast<std::size_t>(s.Option2)]->setChecked(true);
    option2_[1]->setText(QString::fromStdString(s.CaptionOption2GraficiTermici));
    numeroStrati_->setText(QString::number(e.NumeroStrati()));
    numeroStratiMax_->setText(QString::fromStdString(s.LabelNumeroStratiMax));
    liminari_->setVisible(s.FrameLiminariInEstVisibile);
    ImpostaTesto(liminariInterno_, e.LiminariInterno);
    ImpostaTesto(liminariEsterno_, e.LiminariEsterno);
    command1_->setEnabled(s.Command1Abilitato);
    command3_->setEnabled(s.StampaAbilitata);
    const QString rapporto =
        QString::fromStdString(s.Text2).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text2_->toPlainText() != rapporto) {
        text2_->setPlainText(rapporto);
    }
    const QString note = QString::fromStdString(e.Appunti);
    if (appunti_->toPlainText() != note) {
        const QSignalBlocker blocco(appunti_);
        appunti_->setPlainText(note);
    }
}

} // namespace paretix::ui
