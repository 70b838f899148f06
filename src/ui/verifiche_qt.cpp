#include "ui/verifiche_qt.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/verifiche/igrometrica.h"
#include "core/window/testo_tabella.h"
#include "disegno/colore.h"
#include "ui/grafici_simulazione_qt.h"
#include "ui/grafico_widget.h"

namespace paretix::ui {

namespace {

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

// Ctrl+C and the context menu copy the selected cells as tab-separated text.
void RendiCopiabile(QTableWidget* tabella) {
    auto* copia = new QAction(QString::fromUtf8(CaptionCopiaTabella), tabella);
    copia->setObjectName(tabella->objectName() + QStringLiteral("Copia"));
    copia->setShortcut(QKeySequence::Copy);
    copia->setShortcutContext(Qt::WidgetShortcut);
    tabella->addAction(copia);
    tabella->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(copia, &QAction::triggered, tabella, [tabella] {
        QModelIndexList scelte = tabella->selectionModel()->selectedIndexes();
        std::sort(scelte.begin(), scelte.end());
        std::vector<std::vector<std::string>> righe;
        int riga = -1;
        for (const QModelIndex& i : scelte) {
            if (i.row() != riga) {
                righe.emplace_back();
                riga = i.row();
            }
            righe.back().push_back(i.data().toString().toStdString());
        }
        QGuiApplication::clipboard()->setText(Testo(TabellaTabulata(righe)));
    });
}

} // namespace

VerificheQt::VerificheQt(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("FinestraVerifiche"));
    setWindowTitle(QString::fromUtf8(TitoloFinestraVerifiche));
    // The design size, within the screen at any scale.
    QSize dimensione(1280, 720);
    if (const QScreen* schermo = screen()) {
        dimensione = dimensione.boundedTo(schermo->availableGeometry().size() * 9 / 10);
    }
    resize(dimensione);

    tabella_ = new QTableWidget(0, static_cast<int>(IntestazioniVerifiche.size()), this);
    tabella_->setObjectName(QStringLiteral("TabellaVerifiche"));
    QStringList intestazioni;
    for (const char* i : IntestazioniVerifiche) {
        intestazioni << QString::fromUtf8(i);
    }
    tabella_->setHorizontalHeaderLabels(intestazioni);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->verticalHeader()->hide();
    // The words of the quantity, the limit and the outcome wrap, never elided, in columns
    // that share the width; the mark and the value keep theirs.
    tabella_->setWordWrap(true);
    tabella_->setTextElideMode(Qt::ElideNone);
    QHeaderView* colonne = tabella_->horizontalHeader();
    colonne->setSectionResizeMode(QHeaderView::Stretch);
    colonne->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    colonne->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(colonne, &QHeaderView::sectionResized, tabella_,
            [this] { tabella_->resizeRowsToContents(); });
    RendiCopiabile(tabella_);

    mesi_ = new QTableWidget(0, static_cast<int>(ColonneTabellaMensile.size()), this);
    mesi_->setObjectName(QStringLiteral("TabellaMesi"));
    QStringList colonneMesi;
    for (const char* c : ColonneTabellaMensile) {
        colonneMesi << QString::fromUtf8(c);
    }
    mesi_->setHorizontalHeaderLabels(colonneMesi);
    mesi_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mesi_->verticalHeader()->hide();
    mesi_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RendiCopiabile(mesi_);
    auto* tabelle = new QSplitter(Qt::Horizontal, this);
    tabelle->addWidget(tabella_);
    tabelle->addWidget(mesi_);
    tabelle->setStretchFactor(0, 3);
    tabelle->setStretchFactor(1, 2);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("NoteVerifiche"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    grafico_ = new GraficoWidget(this);
    grafico_->setObjectName(QStringLiteral("GraficoSfasamento"));
    grafico_->setMinimumHeight(160);
    accumulo_ = new GraficoWidget(this);
    accumulo_->setObjectName(QStringLiteral("GraficoAccumulo"));
    accumulo_->setMinimumHeight(160);
    pannelloMese_ = new QWidget(this);
    mese_ = new QComboBox(pannelloMese_);
    mese_->setObjectName(QStringLiteral("ComboMesePressioni"));
    for (const char* nome : NomiMesi) {
        mese_->addItem(QString::fromUtf8(nome));
    }
    pressioni_ = new GraficoWidget(pannelloMese_);
    pressioni_->setObjectName(QStringLiteral("GraficoPressioniMese"));
    pressioni_->setMinimumHeight(160);
    connect(mese_, &QComboBox::currentIndexChanged, this, &VerificheQt::MostraMese);
    auto* sceltaMese = new QHBoxLayout;
    sceltaMese->addWidget(new QLabel(QString::fromUtf8(CaptionMesePressioni), pannelloMese_));
    sceltaMese->addWidget(mese_, 1);
    auto* colonnaMese = new QVBoxLayout(pannelloMese_);
    colonnaMese->setContentsMargins(0, 0, 0, 0);
    colonnaMese->addLayout(sceltaMese);
    colonnaMese->addWidget(pressioni_, 1);

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* chiudi = pulsanti->addButton(QString::fromUtf8(CaptionChiudiVerifiche),
                                              QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("CommandChiudi"));
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(tabelle, 1);
    colonna->addWidget(note_);
    auto* grafici = new QHBoxLayout;
    grafici->addWidget(grafico_, 1);
    grafici->addWidget(accumulo_, 1);
    grafici->addWidget(pannelloMese_, 1);
    colonna->addLayout(grafici);
    simulazione_ = new GraficiSimulazioneQt(this);
    simulazione_->setObjectName(QStringLiteral("GraficiSimulazione"));
    simulazione_->hide();
    colonna->addWidget(simulazione_, 1);
    colonna->addWidget(pulsanti);
}

void VerificheQt::MostraSimulazione(const RisultatoSimulazione* r, int numero) {
    simulazione_->setVisible(r != nullptr);
    if (r != nullptr && numero != numeroSimulazione_) {
        simulazione_->Mostra(*r);
        numeroSimulazione_ = numero;
    }
}

void VerificheQt::MostraMese(int mese) {
    if (mese >= 0 && mese < static_cast<int>(pressioniMesi_.size())) {
        pressioni_->ImpostaSuperficie(pressioniMesi_[static_cast<std::size_t>(mese)]);
    }
}

void VerificheQt::Mostra(const std::vector<RigaVerifica>& righe,
                         const std::vector<std::string>& note, const GraficiVerifiche& grafici) {
    grafico_->setVisible(grafici.Sfasamento.has_value());
    if (grafici.Sfasamento) {
        grafico_->ImpostaSuperficie(*grafici.Sfasamento);
    }
    accumulo_->setVisible(grafici.Accumulo.has_value());
    if (grafici.Accumulo) {
        accumulo_->ImpostaSuperficie(*grafici.Accumulo);
    }
    mesi_->setVisible(!grafici.Mesi.empty());
    mesi_->setRowCount(static_cast<int>(grafici.Mesi.size()));
    for (int r = 0; r < mesi_->rowCount(); ++r) {
        const RigaMese& celle = grafici.Mesi[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(celle.size()); ++c) {
            auto* cella = new QTableWidgetItem(Testo(celle[static_cast<std::size_t>(c)]));
            if (c > 0) {
                cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            mesi_->setItem(r, c, cella);
        }
    }
    pressioniMesi_ = grafici.PressioniMesi;
    pannelloMese_->setVisible(!pressioniMesi_.empty());
    if (mese_->currentIndex() == grafici.Mese) {
        MostraMese(grafici.Mese);
    } else {
        mese_->setCurrentIndex(grafici.Mese);
    }
    tabella_->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const RigaVerifica& riga = righe[static_cast<std::size_t>(r)];
        const std::array<const std::string*, 5> celle{&riga.Segno, &riga.Grandezza, &riga.Valore,
                                                      &riga.Limite, &riga.Esito};
        for (int c = 0; c < static_cast<int>(celle.size()); ++c) {
            auto* cella = new QTableWidgetItem(Testo(*celle[static_cast<std::size_t>(c)]));
            if (c == 0) {
                cella->setTextAlignment(Qt::AlignCenter);
                if (riga.Segno == SegnoSuperata) {
                    cella->setForeground(ColoreQt(ColoreSuperata));
                } else if (riga.Segno == SegnoNonSuperata) {
                    cella->setForeground(ColoreQt(ColoreNonSuperata));
                }
                QFont grassetto = cella->font();
                grassetto.setBold(true);
                cella->setFont(grassetto);
            }
            tabella_->setItem(r, c, cella);
        }
    }
    tabella_->resizeRowsToContents();
    QStringList testi;
    for (const std::string& n : note) {
        testi << Testo(n);
    }
    note_->setText(testi.join(QStringLiteral("\n")));
    note_->setVisible(!note.empty());
}

} // namespace paretix::ui
