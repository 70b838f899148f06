#include "ui/clima_verifiche_qt.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

#include "core/verifiche/igrometrica.h"
#include "ui/casella_testo.h"

namespace paretix::ui {

namespace {

enum ColonnaClima { ColMese, ColTe, ColUe, ColTi, ColUi };

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

std::string Cella(const QTableWidget* t, int riga, int colonna) {
    const QTableWidgetItem* cella = t->item(riga, colonna);
    return cella ? cella->text().trimmed().toStdString() : std::string();
}

QPushButton* Pulsante(const char* caption, const char* nome, QWidget* genitore) {
    auto* pulsante = new QPushButton(QString::fromUtf8(caption), genitore);
    pulsante->setObjectName(QString::fromUtf8(nome));
    return pulsante;
}

} // namespace

ClimaVerificheQt::ClimaVerificheQt(DialogoDatiVerifiche& modello, FontiClima& fonti,
                                   QWidget* genitore)
    : QWidget(genitore), modello_(modello), fonti_(fonti) {
    setObjectName(QStringLiteral("ClimaVerifiche"));
    anno_ = new QTableWidget(MesiAnno, static_cast<int>(ColonneClima.size()), this);
    anno_->setObjectName(QStringLiteral("TabellaClima"));
    QStringList intestazioni;
    for (const char* c : ColonneClima) {
        intestazioni << QString::fromUtf8(c);
    }
    anno_->setHorizontalHeaderLabels(intestazioni);
    anno_->verticalHeader()->hide();
    interne_ = new QComboBox(this);
    interne_->setObjectName(QStringLiteral("ComboCondizioniInterne"));
    for (const char* voce : VociCondizioniInterne) {
        interne_->addItem(QString::fromUtf8(voce));
    }
    ammissibile_ = new QLineEdit(this);
    ammissibile_->setObjectName(QStringLiteral("TextCondensaAmmissibile"));
    ammissibile_->setValidator(new ValidatoreWin1252(ammissibile_));
    ammissibile_->setPlaceholderText(QString::number(CondensaAmmissibilePredefinita));
    freno_ = new QComboBox(this);
    freno_->setObjectName(QStringLiteral("ComboInterfacciaFreno"));
    for (const std::string& voce : modello_.VociInterfacciaFreno()) {
        freno_->addItem(Testo(voce));
    }
    auto* incolla = Pulsante(CaptionIncollaClima, "CommandIncollaClima", this);
    auto* importa = Pulsante(CaptionImportaEpw, "CommandImportaEpw", this);
    connect(importa, &QPushButton::clicked, this, &ClimaVerificheQt::ImportaEpw);
    // A locality is picked from the library or its name typed for a save.
    localita_ = new QComboBox(this);
    localita_->setObjectName(QStringLiteral("ComboLocalita"));
    localita_->setEditable(true);
    localita_->setInsertPolicy(QComboBox::NoInsert);
    localita_->lineEdit()->setValidator(new ValidatoreWin1252(localita_));
    auto* carica = Pulsante(CaptionCaricaLocalita, "CommandCaricaLocalita", this);
    auto* salva = Pulsante(CaptionSalvaLocalita, "CommandSalvaLocalita", this);
    auto* elimina = Pulsante(CaptionEliminaLocalita, "CommandEliminaLocalita", this);
    connect(carica, &QPushButton::clicked, this, [this] {
        Leggi();
        if (fonti_.Carica(localita_->currentText().toStdString(), modello_)) {
            Mostra();
        }
    });
    connect(salva, &QPushButton::clicked, this, [this] {
        Leggi();
        const QString nome = localita_->currentText();
        if (fonti_.Salva(nome.toStdString(), modello_)) {
            MostraLocalita();
            localita_->setCurrentText(nome.trimmed());
        }
    });
    connect(elimina, &QPushButton::clicked, this, [this] {
        if (fonti_.Elimina(localita_->currentText().toStdString())) {
            MostraLocalita();
        }
    });
    connect(incolla, &QPushButton::clicked, this, [this] {
        const std::optional<std::string> errore =
            Incolla(QApplication::clipboard()->text().toStdString());
        if (errore) {
            QMessageBox::warning(this, QString::fromUtf8(CaptionIncollaClima), Testo(*errore));
        }
    });
    // The inside columns are for a typed inside year only.
    connect(interne_, &QComboBox::currentIndexChanged, this, [this](int voce) {
        for (int colonna : {ColTi, ColUi}) {
            anno_->setColumnHidden(colonna, voce != VoceInternoDigitato);
        }
    });

    auto* campi = new QFormLayout;
    campi->addRow(QString::fromUtf8(CaptionCondizioniInterne), interne_);
    campi->addRow(QString::fromUtf8(CaptionCondensaAmmissibile), ammissibile_);
    campi->addRow(QString::fromUtf8(CaptionInterfacciaFreno), freno_);
    auto* fontiAnno = new QHBoxLayout;
    fontiAnno->addWidget(incolla);
    fontiAnno->addWidget(importa);
    auto* libreria = new QHBoxLayout;
    libreria->addWidget(localita_, 1);
    libreria->addWidget(carica);
    libreria->addWidget(salva);
    libreria->addWidget(elimina);
    campi->addRow(QString::fromUtf8(CaptionLocalita), libreria);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addLayout(campi);
    colonna->addLayout(fontiAnno);
    colonna->addWidget(anno_, 1);
    fonti_.Rileggi();
    MostraLocalita();
    Mostra();
}

void ClimaVerificheQt::MostraLocalita() {
    localita_->clear();
    for (const std::string& nome : fonti_.Nomi()) {
        localita_->addItem(Testo(nome));
    }
    localita_->setCurrentIndex(-1);
}

void ClimaVerificheQt::ImportaEpw() {
    Leggi();
    std::unique_ptr<QProgressDialog> avanzamento;
    const bool importato = fonti_.ImportaEpw(modello_, [this, &avanzamento] {
        avanzamento = std::make_unique<QProgressDialog>(QString::fromUtf8(CaptionImportaEpw),
                                                        QString(), 0, 100, this);
        avanzamento->setObjectName(QStringLiteral("AvanzamentoEpw"));
        avanzamento->setWindowModality(Qt::WindowModal);
        avanzamento->setMinimumDuration(300);
        QProgressDialog* box = avanzamento.get();
        return AvanzamentoLettura(
            [box](double frazione) { box->setValue(static_cast<int>(frazione * 100)); });
    });
    if (avanzamento) {
        avanzamento->reset();
    }
    if (importato) {
        Mostra();
        if (!fonti_.LocalitaImportata().empty()) {
            localita_->setCurrentText(Testo(fonti_.LocalitaImportata()));
        }
    }
}

void ClimaVerificheQt::Mostra() {
    for (int m = 0; m < MesiAnno; ++m) {
        const auto i = static_cast<std::size_t>(m);
        auto* mese = new QTableWidgetItem(QString::fromUtf8(NomiMesi[i]));
        mese->setFlags(Qt::ItemIsEnabled);
        anno_->setItem(m, ColMese, mese);
        anno_->setItem(m, ColTe, new QTableWidgetItem(Testo(modello_.ClimaEsterno[i].Temperatura)));
        anno_->setItem(m, ColUe, new QTableWidgetItem(Testo(modello_.ClimaEsterno[i].Umidità)));
        anno_->setItem(m, ColTi, new QTableWidgetItem(Testo(modello_.ClimaInterno[i].Temperatura)));
        anno_->setItem(m, ColUi, new QTableWidgetItem(Testo(modello_.ClimaInterno[i].Umidità)));
    }
    interne_->setCurrentIndex(modello_.CondizioniInterne);
    for (int colonna : {ColTi, ColUi}) {
        anno_->setColumnHidden(colonna, modello_.CondizioniInterne != VoceInternoDigitato);
    }
    ammissibile_->setText(Testo(modello_.CondensaAmmissibile));
    freno_->setCurrentIndex(modello_.InterfacciaFreno < freno_->count() ? modello_.InterfacciaFreno
                                                                        : 0);
}

void ClimaVerificheQt::Leggi() {
    for (int m = 0; m < MesiAnno; ++m) {
        const auto i = static_cast<std::size_t>(m);
        modello_.ClimaEsterno[i] = {Cella(anno_, m, ColTe), Cella(anno_, m, ColUe)};
        modello_.ClimaInterno[i] = {Cella(anno_, m, ColTi), Cella(anno_, m, ColUi)};
    }
    modello_.CondizioniInterne = std::max(0, interne_->currentIndex());
    modello_.CondensaAmmissibile = ammissibile_->text().trimmed().toStdString();
    modello_.InterfacciaFreno = std::max(0, freno_->currentIndex());
}

std::optional<std::string> ClimaVerificheQt::Incolla(const std::string& testo) {
    Leggi();
    std::optional<std::string> errore = modello_.IncollaClimaEsterno(testo);
    if (!errore) {
        Mostra();
    }
    return errore;
}

} // namespace paretix::ui
