#include "ui/elenco_materiali_qt.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <map>

#include "ui/colore.h"
#include "ui/dialogo_materiale_qt.h"
#include "ui/dialogo_modifica_abaco_qt.h"
#include "ui/twip.h"

namespace paretix {

namespace {

constexpr const char* ProprietàCella = "cella";

QRect Pixel(const RettangoloTwips& r) {
    return ui::RettangoloTwip(r.Sinistra, r.Alto, r.Larghezza, r.Altezza);
}

QString Nome(const char* controllo, int indice) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(controllo)).arg(indice);
}

} // namespace

ElencoMaterialiQt::ElencoMaterialiQt(ElencoMateriali& modello, Dialoghi& dialoghi, QWidget* parent)
    : QDialog(parent), modello_(modello), dialoghi_(dialoghi) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(TitoloElencoMateriali));
    setModal(true);
    setMouseTracking(true);
    setFixedSize(Pixel(DimensioneElencoMateriali(modello_.Colonne())).size());
    CreaGriglia();
    CreaMenu();
    Aggiorna();
}

void ElencoMaterialiQt::CreaGriglia() {
    for (int c = 1; c <= modello_.Colonne(); ++c) {
        const char* testo = c <= ColonneGriglia ? IntestazioniCampi[static_cast<std::size_t>(c - 1)]
                                                : IntestazioneCaloreSpecifico;
        auto* intestazione = new QLabel(QString::fromUtf8(testo), this);
        intestazione->setObjectName(Nome("Label7", c));
        intestazione->setGeometry(Pixel(PosizioneIntestazione(c)));
        intestazione->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        intestazione->setWordWrap(true);
        intestazione->setMouseTracking(true);
        intestazione->installEventFilter(this);
    }
    // Every cell takes the same font; a group title only adds bold.
    for (int k = 1; k < RigheGriglia * 10; ++k) {
        if (!IndiceCellaValido(k, modello_.Colonne())) {
            continue;
        }
        auto* cella = new QLabel(this);
        cella->setObjectName(Nome("LabelMat", k));
        cella->setGeometry(Pixel(PosizioneLabelMat(k)));
        cella->setFont(font());
        cella->setAutoFillBackground(true);
        cella->setMouseTracking(true);
        cella->setProperty(ProprietàCella, k);
        cella->installEventFilter(this);
        celle_[static_cast<std::size_t>(k)] = cella;
    }
    auto* info = new QLabel(QString::fromUtf8(InfoElencoMateriali), this);
    info->setObjectName(QStringLiteral("Label8"));
    info->setGeometry(Pixel(PosizioneInfo(modello_.Colonne())));
    info->setWordWrap(true);

    vscroll_ = new QScrollBar(Qt::Vertical, this);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    vscroll_->setGeometry(Pixel(PosizioneVScroll1(modello_.Colonne())));
    vscroll_->setPageStep(RigheGriglia);
    connect(vscroll_, &QScrollBar::valueChanged, this, [this](int valore) {
        modello_.VScroll1_Change(valore);
        Aggiorna();
    });

    auto* chiudi = new QPushButton(QString::fromUtf8(CaptionChiudi), this);
    chiudi->setObjectName(QStringLiteral("Command1"));
    chiudi->setGeometry(Pixel(PosizioneChiudi(modello_.Colonne())));
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void ElencoMaterialiQt::CreaMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("menunascosto"));
    std::map<std::string, QMenu*> sottomenu;
    for (const VoceMenuAbaco& voce : MenuNascosto) {
        QMenu* dove = voce.Genitore ? sottomenu.at(voce.Genitore) : menu_;
        if (voce.Modo == nullptr) {
            QMenu* sotto = dove->addMenu(QString::fromUtf8(voce.Caption));
            sotto->setObjectName(QString::fromUtf8(voce.Nome));
            sottomenu[voce.Nome] = sotto;
            continue;
        }
        QAction* azione = dove->addAction(QString::fromUtf8(voce.Caption));
        azione->setObjectName(QString::fromUtf8(voce.Nome));
        connect(azione, &QAction::triggered, this, [this, &voce] { VoceMenu(voce); });
    }
}

void ElencoMaterialiQt::Aggiorna() {
    for (int k = 1; k < RigheGriglia * 10; ++k) {
        QLabel* cella = celle_[static_cast<std::size_t>(k)];
        if (cella == nullptr) {
            continue;
        }
        const CellaAbaco& stato = modello_.LabelMat(k);
        cella->setText(QString::fromUtf8(stato.Caption));
        QFont carattere = font();
        carattere.setBold(stato.Grassetto);
        cella->setFont(carattere);
        QPalette tavolozza = cella->palette();
        tavolozza.setColor(QPalette::Window,
                           ui::ColoreQt(static_cast<std::uint32_t>(stato.ColoreSfondo)));
        tavolozza.setColor(QPalette::WindowText,
                           ui::ColoreQt(static_cast<std::uint32_t>(stato.ColoreTesto)));
        cella->setPalette(tavolozza);
    }
    const QSignalBlocker blocco(vscroll_);
    vscroll_->setVisible(modello_.VScroll1Visibile());
    vscroll_->setMaximum(modello_.VScroll1Max());
    vscroll_->setValue(modello_.VScroll1Valore());
}

bool ElencoMaterialiQt::eventFilter(QObject* oggetto, QEvent* evento) {
    // Only the cells and the column headings are watched; a heading has no cell index.
    const QVariant cella = oggetto->property(ProprietàCella);
    if (evento->type() == QEvent::MouseMove) {
        if (cella.isValid()) {
            modello_.LabelMat_MouseMove(cella.toInt());
        } else {
            modello_.TuttoBianco();
        }
        Aggiorna();
        return true; // the window's background must not see it and clear the highlight
    }
    if (cella.isValid() && evento->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        const auto* etichetta = static_cast<QWidget*>(oggetto);
        if (mouse->button() == Qt::LeftButton &&
            etichetta->rect().contains(mouse->position().toPoint())) {
            Clic(cella.toInt(), mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void ElencoMaterialiQt::mouseMoveEvent(QMouseEvent* evento) {
    modello_.TuttoBianco();
    Aggiorna();
    QDialog::mouseMoveEvent(evento);
}

void ElencoMaterialiQt::Clic(int k, const QPoint& posizioneSchermo) {
    if (modello_.LabelMat_Click(k) == ElencoMateriali::EsitoClic::ApriDialogoMateriale) {
        ApriDialogoMateriale();
    } else {
        menu_->popup(posizioneSchermo);
    }
}

void ElencoMaterialiQt::VoceMenu(const VoceMenuAbaco& voce) {
    if (modello_.MenuNascosto_Click(voce) == DialogoAbaco::Materiale) {
        ApriDialogoMateriale();
    } else {
        ApriDialogoModifica();
    }
}

void ElencoMaterialiQt::ApriDialogoMateriale() {
    DialogoMateriale dialogo(modello_);
    if (dialogo.Form_Load(dialoghi_)) {
        DialogoMaterialeQt(dialogo, this).exec();
    }
    Aggiorna();
    if (modello_.Caricato()) {
        accept();
    }
}

void ElencoMaterialiQt::ApriDialogoModifica() {
    DialogoModificaAbaco dialogo(modello_);
    dialogo.Form_Load();
    DialogoModificaAbacoQt(dialogo, this).exec();
    Aggiorna();
}

} // namespace paretix
