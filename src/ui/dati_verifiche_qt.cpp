#include "ui/dati_verifiche_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <tuple>

#include "disegno/colore.h"
#include "ui/casella_testo.h"
#include "ui/clima_verifiche_qt.h"
#include "ui/dimensione_minima.h"

namespace paretix::ui {

namespace {

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

template <std::size_t N>
QComboBox* Scelta(QWidget* genitore, const char* nome, const std::array<const char*, N>& voci) {
    auto* c = new QComboBox(genitore);
    c->setObjectName(QLatin1String(nome));
    for (const char* voce : voci) {
        c->addItem(QString::fromUtf8(voce));
    }
    return c;
}

// A choice not made yet shows no entry.
template <typename Enum> void MostraScelta(QComboBox* c, const std::optional<Enum>& scelta) {
    c->setCurrentIndex(scelta ? static_cast<int>(*scelta) : -1);
}

template <typename Enum> std::optional<Enum> LeggiScelta(const QComboBox* c) {
    return c->currentIndex() < 0 ? std::nullopt
                                 : std::optional<Enum>(static_cast<Enum>(c->currentIndex()));
}

enum Colonna {
    ColNumero,
    ColNome,
    ColSpessore,
    ColIntonaco,
    ColCaloreSpecifico,
    ColSd,
    ColPonte,
    NumeroColonne
};

QTableWidgetItem* SoloLettura(const QString& testo) {
    auto* cella = new QTableWidgetItem(testo);
    cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cella;
}

} // namespace

DatiVerificheQt::DatiVerificheQt(DialogoDatiVerifiche& modello,
                                 std::function<bool(const DialogoDatiVerifiche&)> conferma,
                                 FontiClima& fonti, QWidget* genitore, ApriAbaco apriAbaco)
    : QDialog(genitore), modello_(modello), conferma_(std::move(conferma)),
      apriAbaco_(std::move(apriAbaco)) {
    setObjectName(QStringLiteral("FormDatiVerifiche"));
    setWindowTitle(QString::fromUtf8(TitoloDatiVerifiche));
    setModal(true);

    zona_ = Scelta(this, "ComboZona", VociZona);
    regime_ = Scelta(this, "ComboRegime", VociRegime);
    elemento_ = Scelta(this, "ComboElemento", VociElemento);
    btr_ = new QLineEdit(Testo(modello_.Btr), this);
    btr_->setObjectName(QStringLiteral("TextBtr"));
    btr_->setValidator(new ValidatoreWin1252(btr_));
    isolamentoInterno_ = new QCheckBox(QString::fromUtf8(CaptionIsolamentoInterno), this);
    isolamentoInterno_->setObjectName(QStringLiteral("CheckIsolamentoInterno"));
    orientamento_ = Scelta(this, "ComboOrientamento", VociOrientamento);
    irradianza_ = new QCheckBox(QString::fromUtf8(CaptionIrradianza290), this);
    irradianza_->setObjectName(QStringLiteral("CheckIrradianza290"));
    categoria_ = Scelta(this, "ComboCategoria", VociCategoria);
    stratoIsolante_ = new QComboBox(this);
    stratoIsolante_->setObjectName(QStringLiteral("ComboStratoIsolante"));
    for (const std::string& voce : modello_.VociStratoIsolante()) {
        stratoIsolante_->addItem(Testo(voce));
    }

    MostraScelta(zona_, modello_.Zona);
    MostraScelta(regime_, modello_.Regime);
    MostraScelta(elemento_, modello_.Elemento);
    MostraScelta(orientamento_, modello_.Esposizione);
    MostraScelta(categoria_, modello_.Categoria);
    isolamentoInterno_->setChecked(modello_.IsolamentoInterno);
    irradianza_->setChecked(modello_.Irradianza290);
    stratoIsolante_->setCurrentIndex(modello_.StratoIsolante);
    btr_->setEnabled(modello_.BtrAbilitato());
    connect(elemento_, &QComboBox::currentIndexChanged, this, [this] {
        modello_.Elemento = LeggiScelta<ElementoParete>(elemento_);
        btr_->setEnabled(modello_.BtrAbilitato());
    });

    auto* campi = new QFormLayout;
    const std::array<std::tuple<const char*, const char*, std::string*>, 4> caselleProgetto{{
        {"TextProgettoTitolo", CaptionProgettoTitolo, &modello_.Progetto.Titolo},
        {"TextProgettoCommittente", CaptionProgettoCommittente, &modello_.Progetto.Committente},
        {"TextProgettoIndirizzo", CaptionProgettoIndirizzo, &modello_.Progetto.Indirizzo},
        {"TextProgettoTecnico", CaptionProgettoTecnico, &modello_.Progetto.Tecnico},
    }};
    for (const auto& [nome, caption, campo] : caselleProgetto) {
        auto* casella = new QLineEdit(Testo(*campo), this);
        casella->setObjectName(QLatin1String(nome));
        casella->setValidator(new ValidatoreWin1252(casella));
        campi->addRow(QString::fromUtf8(caption), casella);
        progetto_.emplace_back(casella, campo);
    }
    campi->addRow(QString::fromUtf8(CaptionZona), zona_);
    campi->addRow(QString::fromUtf8(CaptionRegime), regime_);
    campi->addRow(QString::fromUtf8(CaptionElemento), elemento_);
    campi->addRow(QString::fromUtf8(CaptionBtr), btr_);
    campi->addRow(QString(), isolamentoInterno_);
    campi->addRow(QString::fromUtf8(CaptionOrientamento), orientamento_);
    campi->addRow(QString(), irradianza_);
    campi->addRow(QString::fromUtf8(CaptionCategoria), categoria_);
    campi->addRow(QString::fromUtf8(CaptionStratoIsolante), stratoIsolante_);

    strati_ = new QTableWidget(static_cast<int>(modello_.Strati.size()), NumeroColonne, this);
    strati_->setObjectName(QStringLiteral("TabellaStrati"));
    strati_->setHorizontalHeaderLabels(
        {QString::fromUtf8(ColonnaNumero), QString::fromUtf8(ColonnaNome),
         QString::fromUtf8(ColonnaSpessore), QString::fromUtf8(ColonnaIntonaco),
         QString::fromUtf8(ColonnaCaloreSpecifico), QString::fromUtf8(ColonnaSd),
         QString::fromUtf8(ColonnaPonte)});
    strati_->verticalHeader()->hide();
    strati_->horizontalHeader()->setSectionResizeMode(ColNome, QHeaderView::Stretch);
    for (int r = 0; r < static_cast<int>(modello_.Strati.size()); ++r) {
        const RigaStratoVerifiche& s = modello_.Strati[static_cast<std::size_t>(r)];
        strati_->setItem(r, ColNumero, SoloLettura(QString::number(s.Numero)));
        strati_->setItem(r, ColNome, SoloLettura(Testo(s.Nome)));
        strati_->setItem(r, ColSpessore, SoloLettura(Testo(s.Spessore)));
        if (s.CameraAria) {
            strati_->setItem(r, ColIntonaco, SoloLettura(QString()));
            strati_->setItem(r, ColCaloreSpecifico, SoloLettura(QString()));
            strati_->setItem(r, ColSd, SoloLettura(QString()));
            strati_->setItem(r, ColPonte, SoloLettura(QString()));
            continue;
        }
        auto* intonaco = SoloLettura(QString());
        intonaco->setFlags(intonaco->flags() | Qt::ItemIsUserCheckable);
        intonaco->setCheckState(s.Intonaco ? Qt::Checked : Qt::Unchecked);
        strati_->setItem(r, ColIntonaco, intonaco);
        if (s.CaloreSpecificoBloccato) {
            auto* caricato = SoloLettura(Testo(s.CaloreSpecifico));
            caricato->setBackground(ColoreQt(GialloBGR));
            strati_->setItem(r, ColCaloreSpecifico, caricato);
        } else {
            strati_->setItem(r, ColCaloreSpecifico, new QTableWidgetItem(Testo(s.CaloreSpecifico)));
        }
        strati_->setItem(r, ColSd, new QTableWidgetItem(Testo(s.Sd)));
        strati_->setItem(r, ColPonte, new QTableWidgetItem(Testo(s.PonteConduttività)));
    }
    strati_->resizeColumnsToContents();

    auto* gruppo = new QGroupBox(QString::fromUtf8(CaptionPontiEFacciata), this);
    auto* campiPonti = new QFormLayout(gruppo);
    auto* daAbaco = new QPushButton(QString::fromUtf8(CaptionPonteDaAbaco), gruppo);
    daAbaco->setObjectName(QStringLiteral("CommandPonteDaAbaco"));
    daAbaco->setEnabled(static_cast<bool>(apriAbaco_));
    connect(daAbaco, &QPushButton::clicked, this, &DatiVerificheQt::PonteDaAbaco);
    campiPonti->addRow(QString(), daAbaco);
    for (std::size_t i = 0; i < CampiPontiEFacciata.size(); ++i) {
        auto* casella = new QLineEdit(Testo(modello_.PontiEFacciata[i]), gruppo);
        casella->setObjectName(QStringLiteral("TextPontiEFacciata(%1)").arg(i));
        casella->setValidator(new ValidatoreWin1252(casella));
        campiPonti->addRow(QString::fromUtf8(CampiPontiEFacciata[i].Caption), casella);
        pontiEFacciata_[i] = casella;
    }

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* ok = pulsanti->addButton(QString::fromUtf8(CaptionDatiVerificheOk),
                                          QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("CommandOk"));
    ok->setDefault(true);
    QPushButton* annulla = pulsanti->addButton(QString::fromUtf8(CaptionDatiVerificheAnnulla),
                                               QDialogButtonBox::RejectRole);
    annulla->setObjectName(QStringLiteral("CommandAnnulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &DatiVerificheQt::Ok);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    clima_ = new ClimaVerificheQt(modello_, fonti, this);
    auto* progetto = new QVBoxLayout;
    progetto->addLayout(campi);
    progetto->addWidget(strati_, 1);
    progetto->addWidget(gruppo);
    auto* affiancati = new QHBoxLayout;
    affiancati->addLayout(progetto, 3);
    affiancati->addWidget(clima_, 2);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(affiancati, 1);
    colonna->addWidget(pulsanti);
    resize(1040, 600);
    AlmenoDimensioneMinima(this);
}

void DatiVerificheQt::Leggi() {
    modello_.Zona = LeggiScelta<ZonaClimatica>(zona_);
    modello_.Regime = LeggiScelta<RegimeVerifica>(regime_);
    modello_.Elemento = LeggiScelta<ElementoParete>(elemento_);
    modello_.Btr = btr_->text().toStdString();
    for (const auto& [casella, campo] : progetto_) {
        *campo = casella->text().toStdString();
    }
    modello_.IsolamentoInterno = isolamentoInterno_->isChecked();
    modello_.Esposizione = LeggiScelta<Orientamento>(orientamento_);
    modello_.Irradianza290 = irradianza_->isChecked();
    modello_.Categoria = LeggiScelta<CategoriaEdificio>(categoria_);
    modello_.StratoIsolante = std::max(0, stratoIsolante_->currentIndex());
    for (int r = 0; r < static_cast<int>(modello_.Strati.size()); ++r) {
        RigaStratoVerifiche& s = modello_.Strati[static_cast<std::size_t>(r)];
        if (s.CameraAria) {
            continue;
        }
        s.Intonaco = strati_->item(r, ColIntonaco)->checkState() == Qt::Checked;
        s.CaloreSpecifico = strati_->item(r, ColCaloreSpecifico)->text().toStdString();
        s.Sd = strati_->item(r, ColSd)->text().trimmed().toStdString();
        s.PonteConduttività = strati_->item(r, ColPonte)->text().trimmed().toStdString();
    }
    for (std::size_t i = 0; i < pontiEFacciata_.size(); ++i) {
        modello_.PontiEFacciata[i] = pontiEFacciata_[i]->text().trimmed().toStdString();
    }
    clima_->Leggi();
}

// The row of the selected cell takes the conductivity of the material chosen.
void DatiVerificheQt::PonteDaAbaco() {
    const int r = strati_->currentRow();
    if (r < 0 || !apriAbaco_) {
        return;
    }
    apriAbaco_(this, [this, r](const VoceAbaco& voce) {
        if (modello_.PonteDaAbaco(static_cast<std::size_t>(r), voce)) {
            strati_->item(r, ColPonte)
                ->setText(Testo(modello_.Strati[static_cast<std::size_t>(r)].PonteConduttività));
        }
    });
}

void DatiVerificheQt::Ok() {
    Leggi();
    if (conferma_(modello_)) {
        accept();
    }
}

} // namespace paretix::ui
