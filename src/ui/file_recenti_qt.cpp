#include "ui/file_recenti_qt.h"

#include <QAction>
#include <QMenu>

#include "ui/finestra_principale_qt.h"

namespace paretix::ui {

FileRecentiQt::FileRecentiQt(FinestraPrincipaleQt& finestra, std::string elenco)
    : QObject(&finestra), finestra_(finestra) {
    finestra.Modello().ImpostaFileRecenti(std::move(elenco));
    auto* file = finestra.findChild<QMenu*>(QStringLiteral("MenuFile"));
    QAction* esci = finestra.Azione(Comando::Esci);
    for (std::size_t i = 0; i < voci_.size(); ++i) {
        QAction* voce = new QAction(file);
        voce->setObjectName(QStringLiteral("FileRecente(%1)").arg(i + 1));
        file->insertAction(esci, voce);
        const int indice = static_cast<int>(i);
        connect(voce, &QAction::triggered, this, [this, indice] {
            finestra_.Modello().ApriRecente_Click(indice);
            finestra_.Aggiorna();
        });
        voci_[i] = voce;
    }
    separatore_ = file->insertSeparator(esci);
    connect(&finestra, &FinestraPrincipaleQt::Aggiornata, this, &FileRecentiQt::Aggiorna);
    Aggiorna();
}

void FileRecentiQt::Aggiorna() {
    const std::vector<std::string>& elenco = finestra_.Modello().FileRecenti();
    for (std::size_t i = 0; i < voci_.size(); ++i) {
        const bool presente = i < elenco.size();
        voci_[i]->setVisible(presente);
        if (presente) {
            QString percorso = QString::fromStdString(elenco[i]);
            percorso.replace(u'&', QStringLiteral("&&"));
            voci_[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(percorso));
        }
    }
    separatore_->setVisible(!elenco.empty());
}

} // namespace paretix::ui
