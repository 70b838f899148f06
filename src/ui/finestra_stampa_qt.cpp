#include "ui/finestra_stampa_qt.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "ui/dimensione_minima.h"

namespace paretix::ui {

namespace {

QPlainTextEdit* CasellaTesto(const char* nome, int punti, QWidget* genitore) {
    auto* casella = new QPlainTextEdit(genitore);
    casella->setObjectName(QString::fromLatin1(nome));
    QFont carattere(QStringLiteral("Times New Roman"), punti);
    carattere.setStyleHint(QFont::Serif);
    casella->setFont(carattere);
    return casella;
}

QAction* Comando(QMenuBar* barra, const char* testo, const char* nome) {
    QAction* comando = barra->addAction(QString::fromUtf8(testo));
    comando->setObjectName(QString::fromLatin1(nome));
    return comando;
}

} // namespace

FinestraStampaQt::FinestraStampaQt(Stampante& stampante, Dialoghi& dialoghi,
                                   EsportatorePdf& esportatore, QWidget* parent)
    : QDialog(parent), modello_(stampante, dialoghi, esportatore) {
    setObjectName(QStringLiteral("Form7"));
    setModal(true);
    resize(620, 640);

    text1_ = CasellaTesto("Text1", 6, this);
    text1_->setReadOnly(true);
    text2_ = CasellaTesto("Text2", 12, this);
    text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* barra = new QMenuBar(this);
    stampa_ = Comando(barra, MenuStampa, "Stampa");
    modifica_ = Comando(barra, MenuModifica, "Modifica");
    anteprima_ = Comando(barra, MenuAnteprima, "Anteprima");
    esportaPdf_ = Comando(barra, MenuEsportaPdf, "EsportaPdf");

    auto* colonna = new QVBoxLayout(this);
    colonna->setMenuBar(barra);
    pila_ = new QStackedLayout;
    pila_->addWidget(text1_);
    pila_->addWidget(text2_);
    colonna->addLayout(pila_);
    AlmenoDimensioneMinima(this);

    connect(text2_, &QPlainTextEdit::textChanged, this,
            [this] { modello_.Text2_Change(text2_->toPlainText().toStdString()); });
    connect(stampa_, &QAction::triggered, this, [this] {
        modello_.Stampa_Click();
        Aggiorna();
    });
    connect(modifica_, &QAction::triggered, this, [this] {
        modello_.Modifica_Click();
        Aggiorna();
    });
    connect(anteprima_, &QAction::triggered, this, [this] {
        modello_.Anteprima_Click();
        Aggiorna();
    });
    connect(esportaPdf_, &QAction::triggered, this, [this] {
        modello_.EsportaPdf_Click();
        Aggiorna();
    });
    Aggiorna();
}

void FinestraStampaQt::Apri(const std::string& rapporto) {
    modello_.Apri(rapporto);
    text2_->setPlainText(QString::fromStdString(modello_.Text2()));
    Aggiorna();
}

void FinestraStampaQt::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(evento);
    }
}

void FinestraStampaQt::Aggiorna() {
    setWindowTitle(QString::fromUtf8(modello_.Didascalia()));
    stampa_->setEnabled(modello_.StampaAbilitata());
    modifica_->setEnabled(modello_.ModificaAbilitata());
    anteprima_->setEnabled(modello_.AnteprimaAbilitata());
    esportaPdf_->setEnabled(modello_.EsportaPdfAbilitata());
    const QString anteprima = QString::fromStdString(modello_.Text1());
    if (text1_->toPlainText() != anteprima) {
        text1_->setPlainText(anteprima);
    }
    pila_->setCurrentWidget(modello_.ModoModifica() ? text2_ : text1_);
}

} // namespace paretix::ui
