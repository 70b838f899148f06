#include "ui/elenco_materiali_qt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <map>

#include "core/window/disposizione.h"
#include "disegno/colore.h"
#include "ui/dialogo_materiale_qt.h"
#include "ui/dialogo_modifica_abaco_qt.h"
#include "ui/twip.h"

namespace paretix {

namespace {

constexpr const char* ProprietàCella = "cella";
// One notch of the mouse wheel scrolls the grid by three rows.
constexpr int RighePerScatto = 3;
constexpr int AngoloScatto = 120;

QString Nome(const char* controllo, int indice) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(controllo)).arg(indice);
}

} // namespace

ElencoMaterialiQt::ElencoMaterialiQt(ElencoMateriali& modello, Dialoghi& dialoghi, QWidget* parent,
                                     PosizioneElenco* posizione)
    : QDialog(parent), modello_(modello), dialoghi_(dialoghi), posizione_(posizione),
      scala_(PixelPerTwip(logicalDpiX())) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(TitoloElencoMateriali));
    setModal(true);
    setMouseTracking(true);
    setSizeGripEnabled(true);
    const QSize predefinita = Pixel(DimensioneElencoMateriali(modello_.Colonne())).size();
    setMinimumSize(predefinita);
    CreaGriglia();
    CreaMenu();
    if (posizione_ != nullptr) {
        modello_.Riprendi(*posizione_);
        const QSignalBlocker blocco(filtro_);
        filtro_->setText(QString::fromStdString(modello_.Filtro()));
    }
    const bool ridimensionata = posizione_ != nullptr && posizione_->Larghezza > 0;
    resize(ridimensionata ? QSize(posizione_->Larghezza, posizione_->Altezza) : predefinita);
    Disponi();
    filtro_->setFocus();
}

QRect ElencoMaterialiQt::Pixel(const RettangoloTwips& r) const {
    return ui::RettangoloTwip(r.Sinistra, r.Alto, r.Larghezza, r.Altezza, scala_);
}

void ElencoMaterialiQt::done(int esito) {
    if (posizione_ != nullptr) {
        *posizione_ = modello_.Posizione();
        posizione_->Larghezza = width();
        posizione_->Altezza = height();
    }
    QDialog::done(esito);
}

void ElencoMaterialiQt::CreaGriglia() {
    for (int c = 1; c <= modello_.Colonne(); ++c) {
        const char* testo = c <= ColonneGriglia ? IntestazioniCampi[static_cast<std::size_t>(c - 1)]
                                                : IntestazioneCaloreSpecifico;
        auto* intestazione = new QLabel(QString::fromUtf8(testo), this);
        intestazione->setObjectName(Nome("Label7", c));
        intestazione->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        intestazione->setWordWrap(true);
        intestazione->setMouseTracking(true);
        intestazione->installEventFilter(this);
        intestazioni_.push_back(intestazione);
    }
    info_ = new QLabel(QString::fromUtf8(InfoElencoMateriali), this);
    info_->setObjectName(QStringLiteral("Label8"));
    info_->setWordWrap(true);

    vscroll_ = new QScrollBar(Qt::Vertical, this);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    connect(vscroll_, &QScrollBar::valueChanged, this, [this](int valore) {
        modello_.VScroll1_Change(valore);
        Aggiorna();
    });

    didascaliaFiltro_ = new QLabel(QString::fromUtf8(DidascaliaFiltro), this);
    didascaliaFiltro_->setObjectName(QStringLiteral("LabelFiltro"));
    filtro_ = new QLineEdit(this);
    filtro_->setObjectName(QStringLiteral("TextFiltro"));
    filtro_->setToolTip(QString::fromUtf8(SuggerimentoFiltro));
    filtro_->setClearButtonEnabled(true);
    filtro_->installEventFilter(this);
    didascaliaFiltro_->setBuddy(filtro_);
    connect(filtro_, &QLineEdit::textChanged, this, [this](const QString& testo) {
        modello_.ImpostaFiltro(testo.toStdString());
        Aggiorna();
    });

    chiudi_ = new QPushButton(QString::fromUtf8(CaptionChiudi), this);
    chiudi_->setObjectName(QStringLiteral("Command1"));
    chiudi_->setAutoDefault(false); // Enter in the filter box picks the current row
    connect(chiudi_, &QPushButton::clicked, this, &QDialog::reject);
}

// Every cell takes the same font; a group title only adds bold.
QLabel* ElencoMaterialiQt::NuovaCella(int k) {
    auto* cella = new QLabel(this);
    cella->setObjectName(Nome("LabelMat", k));
    cella->setFont(font());
    cella->setAutoFillBackground(true);
    cella->setMouseTracking(true);
    cella->setProperty(ProprietàCella, k);
    cella->installEventFilter(this);
    cella->show();
    return cella;
}

void ElencoMaterialiQt::Disponi() {
    const FormaElenco forma =
        FormaPerDimensione(modello_.Colonne(), static_cast<int>(std::lround(width() / scala_)),
                           static_cast<int>(std::lround(height() / scala_)));
    modello_.ImpostaRighe(forma.Righe);
    const int celle = modello_.Righe() * 10;
    for (std::size_t k = static_cast<std::size_t>(celle); k < celle_.size(); ++k) {
        delete celle_[k];
    }
    celle_.resize(static_cast<std::size_t>(celle), nullptr);
    for (int k = 1; k < celle; ++k) {
        if (!IndiceCellaValido(k, modello_.Colonne(), modello_.Righe())) {
            continue;
        }
        QLabel*& cella = celle_[static_cast<std::size_t>(k)];
        if (cella == nullptr) {
            cella = NuovaCella(k);
        }
        cella->setGeometry(Pixel(PosizioneLabelMat(k, forma.Allargamento)));
    }
    for (int c = 1; c <= modello_.Colonne(); ++c) {
        intestazioni_[static_cast<std::size_t>(c - 1)]->setGeometry(
            Pixel(PosizioneIntestazione(c, forma.Allargamento)));
    }
    info_->setGeometry(Pixel(PosizioneInfo(forma)));
    vscroll_->setGeometry(Pixel(PosizioneVScroll1(forma)));
    vscroll_->setPageStep(modello_.Righe());
    didascaliaFiltro_->setGeometry(Pixel(PosizioneDidascaliaFiltro(forma)));
    filtro_->setGeometry(Pixel(PosizioneFiltro(forma)));
    chiudi_->setGeometry(Pixel(PosizioneChiudi(forma)));
    Aggiorna();
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
    for (std::size_t k = 1; k < celle_.size(); ++k) {
        QLabel* cella = celle_[k];
        if (cella == nullptr) {
            continue;
        }
        const CellaAbaco& stato = modello_.LabelMat(static_cast<int>(k));
        cella->setText(QString::fromUtf8(stato.Caption));
        QFont carattere = font();
        carattere.setBold(stato.Grassetto);
        cella->setFont(carattere);
        QPalette tavolozza = cella->palette();
        tavolozza.setColor(QPalette::Window,
                           ColoreQt(static_cast<std::uint32_t>(stato.ColoreSfondo)));
        tavolozza.setColor(QPalette::WindowText,
                           ColoreQt(static_cast<std::uint32_t>(stato.ColoreTesto)));
        cella->setPalette(tavolozza);
    }
    const QSignalBlocker blocco(vscroll_);
    vscroll_->setVisible(modello_.VScroll1Visibile());
    vscroll_->setMaximum(modello_.VScroll1Max());
    vscroll_->setValue(modello_.VScroll1Valore());
}

bool ElencoMaterialiQt::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == filtro_) {
        return evento->type() == QEvent::KeyPress && TastoElenco(static_cast<QKeyEvent*>(evento));
    }
    // Only the cells and the column headings are watched; a heading has no cell index.
    const QVariant cella = oggetto->property(ProprietàCella);
    if (cella.isValid() && evento->type() == QEvent::Wheel) {
        return Rotella(static_cast<QWheelEvent*>(evento));
    }
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

void ElencoMaterialiQt::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    if (chiudi_ != nullptr) {
        Disponi();
    }
}

void ElencoMaterialiQt::wheelEvent(QWheelEvent* evento) {
    if (!Rotella(evento)) {
        QDialog::wheelEvent(evento);
    }
}

bool ElencoMaterialiQt::Rotella(QWheelEvent* evento) {
    const int scatti = evento->angleDelta().y() / AngoloScatto;
    if (scatti == 0) {
        return false;
    }
    modello_.Scorri(-scatti * RighePerScatto);
    Aggiorna();
    evento->accept();
    return true;
}

void ElencoMaterialiQt::keyPressEvent(QKeyEvent* evento) {
    if (!TastoElenco(evento)) {
        QDialog::keyPressEvent(evento);
    }
}

// Up, down, page up and down move the current row; Ctrl+Home and Ctrl+End (Home and End
// outside the filter box) go to the first and the last; Enter acts as a click on it.
bool ElencoMaterialiQt::TastoElenco(const QKeyEvent* tasto) {
    const bool nelFiltro = filtro_->hasFocus();
    const bool ctrl = tasto->modifiers().testFlag(Qt::ControlModifier);
    switch (tasto->key()) {
    case Qt::Key_Up:
        modello_.Tasto(paretix::TastoElenco::Su);
        break;
    case Qt::Key_Down:
        modello_.Tasto(paretix::TastoElenco::Giu);
        break;
    case Qt::Key_PageUp:
        modello_.Tasto(paretix::TastoElenco::PaginaSu);
        break;
    case Qt::Key_PageDown:
        modello_.Tasto(paretix::TastoElenco::PaginaGiu);
        break;
    case Qt::Key_Home:
        if (nelFiltro && !ctrl) {
            return false;
        }
        modello_.Tasto(paretix::TastoElenco::Inizio);
        break;
    case Qt::Key_End:
        if (nelFiltro && !ctrl) {
            return false;
        }
        modello_.Tasto(paretix::TastoElenco::Fine);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const int k = modello_.CellaCorrente();
        if (k > 0) {
            QLabel* cella = celle_[static_cast<std::size_t>(k)];
            Clic(k, cella->mapToGlobal(cella->rect().center()));
        }
        return true;
    }
    default:
        return false;
    }
    Aggiorna();
    return true;
}

void ElencoMaterialiQt::Clic(int k, const QPoint& posizioneSchermo) {
    const ElencoMateriali::EsitoClic esito = modello_.LabelMat_Click(k);
    Aggiorna();
    if (esito == ElencoMateriali::EsitoClic::ApriDialogoMateriale) {
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
