#include "ui/dati_simulazione_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/window/dati_verifiche_dialogo.h"
#include "core/window/fonti_clima.h"
#include "disegno/colore.h"
#include "ui/casella_testo.h"
#include "ui/dimensione_minima.h"

namespace paretix::ui {

namespace {

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

QString Nome(const char* controllo, int indice) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(controllo)).arg(indice);
}

QLineEdit* Riga(QWidget* genitore, const QString& nome, const std::string& testo) {
    auto* c = new QLineEdit(Testo(testo), genitore);
    c->setObjectName(nome);
    c->setValidator(new ValidatoreWin1252(c));
    return c;
}

// The columns of the layers' table: number, name, the four moisture numbers, timber.
constexpr int ColNumero = 0, ColNome = 1, ColDati = 2;
constexpr int ColLegno = ColDati + static_cast<int>(ColonneIgrotermiche.size());

QTableWidgetItem* SoloLettura(const QString& testo) {
    auto* cella = new QTableWidgetItem(testo);
    cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cella;
}

} // namespace

DatiSimulazioneQt::DatiSimulazioneQt(DialogoSimulazione& modello,
                                     std::function<bool(const DialogoSimulazione&)> conferma,
                                     Dialoghi& dialoghi, QWidget* genitore)
    : QDialog(genitore), modello_(modello), conferma_(std::move(conferma)), dialoghi_(dialoghi) {
    setObjectName(QStringLiteral("FormDatiSimulazione"));
    setWindowTitle(QString::fromUtf8(TitoloDatiSimulazione));
    setModal(true);

    auto* campi = new QFormLayout;
    giorni_ = Riga(this, QStringLiteral("TextGiorni"), modello_.Giorni);
    campi->addRow(QString::fromUtf8(CaptionGiorni), giorni_);
    θIniziale_ = Riga(this, QStringLiteral("TextInizioTemperatura"), modello_.θIniziale);
    φIniziale_ = Riga(this, QStringLiteral("TextInizioUmidita"), modello_.φIniziale);
    auto* inizio = new QHBoxLayout;
    inizio->addWidget(θIniziale_);
    inizio->addWidget(φIniziale_);
    campi->addRow(QString::fromUtf8(CaptionInizio), inizio);
    sensibilità_ = new QComboBox(this);
    sensibilità_->setObjectName(QStringLiteral("ComboSensibilita"));
    for (const char* voce : VociSensibilità) {
        sensibilità_->addItem(QString::fromUtf8(voce));
    }
    sensibilità_->setCurrentIndex(modello_.Sensibilità);
    campi->addRow(QString::fromUtf8(CaptionSensibilità), sensibilità_);
    profili_ = Riga(this, QStringLiteral("TextProfili"), modello_.Profili);
    campi->addRow(QString::fromUtf8(CaptionProfili), profili_);

    auto* climi = new QHBoxLayout;
    climi->addWidget(CreaClima(0, modello_.Esterno, modello_.EsternaImposta, 2));
    climi->addWidget(CreaClima(1, modello_.Interno, modello_.InternaImposta,
                               static_cast<int>(VociClima.size())));

    const int righe = static_cast<int>(modello_.Strati.size());
    strati_ = new QTableWidget(righe, ColLegno + 1, this);
    strati_->setObjectName(QStringLiteral("TabellaStratiSimulazione"));
    QStringList intestazioni{QString::fromUtf8(ColonnaNumero), QString::fromUtf8(ColonnaNome)};
    for (const char* colonna : ColonneIgrotermiche) {
        intestazioni << QString::fromUtf8(colonna);
    }
    intestazioni << QString::fromUtf8(CaptionLegno);
    strati_->setHorizontalHeaderLabels(intestazioni);
    strati_->verticalHeader()->hide();
    strati_->horizontalHeader()->setSectionResizeMode(ColNome, QHeaderView::Stretch);
    for (int r = 0; r < righe; ++r) {
        const RigaStratoSimulazione& s = modello_.Strati[static_cast<std::size_t>(r)];
        strati_->setItem(r, ColNumero, SoloLettura(QString::number(s.Numero)));
        strati_->setItem(r, ColNome, SoloLettura(Testo(s.Nome)));
        for (int i = 0; i < static_cast<int>(s.Dati.size()); ++i) {
            const QString dato = Testo(s.Dati[static_cast<std::size_t>(i)]);
            strati_->setItem(r, ColDati + i,
                             s.CameraAria ? SoloLettura(QString()) : new QTableWidgetItem(dato));
        }
        auto* legno = SoloLettura(QString());
        if (!s.CameraAria) {
            legno->setFlags(legno->flags() | Qt::ItemIsUserCheckable);
            legno->setCheckState(s.Legno ? Qt::Checked : Qt::Unchecked);
        }
        strati_->setItem(r, ColLegno, legno);
    }
    strati_->resizeColumnsToContents();
    mancanti_ = new QLabel(this);
    mancanti_->setObjectName(QStringLiteral("LabelDatiMancanti"));
    mancanti_->setWordWrap(true);
    SegnalaMancanti();
    connect(strati_, &QTableWidget::itemChanged, this, [this] {
        Leggi();
        SegnalaMancanti();
    });

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* ok = pulsanti->addButton(QString::fromUtf8(CaptionDatiVerificheOk),
                                          QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("CommandOk"));
    ok->setDefault(true);
    QPushButton* annulla = pulsanti->addButton(QString::fromUtf8(CaptionDatiVerificheAnnulla),
                                               QDialogButtonBox::RejectRole);
    annulla->setObjectName(QStringLiteral("CommandAnnulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &DatiSimulazioneQt::Ok);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(campi);
    colonna->addLayout(climi);
    colonna->addWidget(strati_, 1);
    colonna->addWidget(mancanti_);
    colonna->addWidget(pulsanti);
    resize(900, 640);
    AlmenoDimensioneMinima(this);
}

QWidget* DatiSimulazioneQt::CreaClima(int lato, CampiClima& campi, bool& imposta, int voci) {
    auto* gruppo = new QGroupBox(
        QString::fromUtf8(lato == 0 ? CaptionClimaEsterno : CaptionClimaInterno), this);
    auto* righe = new QFormLayout(gruppo);
    CaselleClima& c = clima_[static_cast<std::size_t>(lato)];
    c.Tipo = new QComboBox(gruppo);
    c.Tipo->setObjectName(Nome("ComboClima", lato));
    for (int i = 0; i < voci; ++i) {
        c.Tipo->addItem(QString::fromUtf8(VociClima[static_cast<std::size_t>(i)]));
    }
    c.Tipo->setCurrentIndex(std::min(static_cast<int>(campi.Tipo), voci - 1));
    righe->addRow(c.Tipo);
    c.θ = Riga(gruppo, Nome("TextClimaTemperatura", lato), campi.θ);
    c.φ = Riga(gruppo, Nome("TextClimaUmidita", lato), campi.φ);
    auto* stato = new QHBoxLayout;
    stato->addWidget(c.θ);
    stato->addWidget(c.φ);
    righe->addRow(QString::fromUtf8(CaptionStatoClima), stato);
    c.File = Riga(gruppo, Nome("TextClimaFile", lato), campi.File);
    auto* scegli = new QPushButton(QString::fromUtf8(CaptionScegliEpw), gruppo);
    scegli->setObjectName(Nome("CommandScegliEpw", lato));
    auto* file = new QHBoxLayout;
    file->addWidget(c.File, 1);
    file->addWidget(scegli);
    righe->addRow(QString::fromUtf8(CaptionFileClima), file);
    c.Imposta = new QCheckBox(QString::fromUtf8(CaptionImposta), gruppo);
    c.Imposta->setObjectName(Nome("CheckImposta", lato));
    c.Imposta->setChecked(imposta);
    righe->addRow(c.Imposta);
    if (lato == 0) {
        assorbimento_ = Riga(gruppo, QStringLiteral("TextAssorbimento"), modello_.Assorbimento);
        pioggia_ = Riga(gruppo, QStringLiteral("TextPioggia"), modello_.Pioggia);
        righe->addRow(QString::fromUtf8(CaptionAssorbimentoSolare), assorbimento_);
        righe->addRow(QString::fromUtf8(CaptionPioggia), pioggia_);
    }
    AbilitaClima(lato);
    connect(c.Tipo, &QComboBox::currentIndexChanged, this, [this, lato] { AbilitaClima(lato); });
    connect(scegli, &QPushButton::clicked, this, [this, lato] {
        const auto scelto = dialoghi_.ApriFile(CaptionFileClima, FiltroEpw);
        if (scelto && !scelto->empty()) {
            clima_[static_cast<std::size_t>(lato)].File->setText(Testo(*scelto));
        }
    });
    return gruppo;
}

// The boxes of the kind chosen are enabled; the sun and the rain only reach the outside surface
// from a weather file.
void DatiSimulazioneQt::AbilitaClima(int lato) const {
    const CaselleClima& c = clima_[static_cast<std::size_t>(lato)];
    const auto tipo = static_cast<TipoClima>(c.Tipo->currentIndex());
    c.θ->setEnabled(tipo == TipoClima::Costante);
    c.φ->setEnabled(tipo == TipoClima::Costante);
    c.File->setEnabled(tipo == TipoClima::Epw);
    if (lato == 0) {
        assorbimento_->setEnabled(tipo == TipoClima::Epw);
        pioggia_->setEnabled(tipo == TipoClima::Epw);
    }
}

void DatiSimulazioneQt::Leggi() {
    modello_.Giorni = giorni_->text().trimmed().toStdString();
    modello_.θIniziale = θIniziale_->text().trimmed().toStdString();
    modello_.φIniziale = φIniziale_->text().trimmed().toStdString();
    modello_.Sensibilità = std::max(0, sensibilità_->currentIndex());
    modello_.Profili = profili_->text().trimmed().toStdString();
    const std::array<std::pair<CampiClima*, bool*>, 2> campi{
        {{&modello_.Esterno, &modello_.EsternaImposta},
         {&modello_.Interno, &modello_.InternaImposta}}};
    for (std::size_t lato = 0; lato < campi.size(); ++lato) {
        const CaselleClima& c = clima_[lato];
        CampiClima& clima = *campi[lato].first;
        clima.Tipo = static_cast<TipoClima>(std::max(0, c.Tipo->currentIndex()));
        clima.θ = c.θ->text().trimmed().toStdString();
        clima.φ = c.φ->text().trimmed().toStdString();
        clima.File = c.File->text().trimmed().toStdString();
        *campi[lato].second = c.Imposta->isChecked();
    }
    modello_.Assorbimento = assorbimento_->text().trimmed().toStdString();
    modello_.Pioggia = pioggia_->text().trimmed().toStdString();
    for (int r = 0; r < static_cast<int>(modello_.Strati.size()); ++r) {
        RigaStratoSimulazione& s = modello_.Strati[static_cast<std::size_t>(r)];
        if (s.CameraAria) {
            continue;
        }
        for (int i = 0; i < static_cast<int>(s.Dati.size()); ++i) {
            s.Dati[static_cast<std::size_t>(i)] =
                strati_->item(r, ColDati + i)->text().trimmed().toStdString();
        }
        s.Legno = strati_->item(r, ColLegno)->checkState() == Qt::Checked;
    }
}

void DatiSimulazioneQt::SegnalaMancanti() {
    const QSignalBlocker blocco(strati_);
    const std::vector<int> senza = modello_.StratiSenzaDati();
    for (int r = 0; r < strati_->rowCount(); ++r) {
        const int numero = modello_.Strati[static_cast<std::size_t>(r)].Numero;
        const bool manca = std::find(senza.begin(), senza.end(), numero) != senza.end();
        for (int i = 0; i < static_cast<int>(ColonneIgrotermiche.size()); ++i) {
            strati_->item(r, ColDati + i)
                ->setBackground(manca ? QBrush(ColoreQt(GialloBGR)) : QBrush());
        }
    }
    const auto avviso = modello_.AvvisoDatiMancanti();
    mancanti_->setText(avviso ? Testo(*avviso) : QString());
    mancanti_->setVisible(avviso.has_value());
}

void DatiSimulazioneQt::Ok() {
    Leggi();
    if (conferma_(modello_)) {
        accept();
    }
}

} // namespace paretix::ui
