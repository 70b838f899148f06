#include "ui/finestra_appunti_qt.h"

#include <QVBoxLayout>

#include "ui/casella_testo.h"
#include "ui/dimensione_minima.h"

namespace paretix::ui {

FinestraAppuntiQt::FinestraAppuntiQt(const std::string& appunti, QWidget* parent)
    : QDialog(parent), modello_(appunti), esito_{appunti, false} {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QString::fromUtf8(DidascaliaAppunti));
    setModal(true);
    resize(520, 360);

    // Like the notes box it writes into, it refuses what the exercise file cannot store.
    text1_ = new CasellaAppunti(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    QFont carattere(QStringLiteral("Times New Roman"), 12);
    carattere.setStyleHint(QFont::Serif);
    text1_->setFont(carattere);
    text1_->setPlainText(QString::fromStdString(modello_.Text1()));

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(text1_);
    AlmenoDimensioneMinima(this);
}

EsitoAppunti FinestraAppuntiQt::Modifica(const std::string& appunti, QWidget* parent) {
    FinestraAppuntiQt finestra(appunti, parent);
    finestra.exec();
    return finestra.Esito();
}

void FinestraAppuntiQt::done(int risultato) {
    esito_ = modello_.Form_Unload(text1_->toPlainText().toStdString());
    QDialog::done(risultato);
}

} // namespace paretix::ui
