#include "ui/dialoghi_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace paretix::ui {

namespace {

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Critica:
        return QMessageBox::Critical;
    case Icona::Esclamazione:
        return QMessageBox::Warning;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Informazione:
        break;
    }
    return QMessageBox::Information;
}

int Mostra(const std::string& titolo, const std::string& testo, Icona icona,
           QMessageBox::StandardButtons pulsanti, QMessageBox::StandardButton predefinito) {
    QMessageBox box(IconaQt(icona), Testo(titolo), Testo(testo), pulsanti,
                    QApplication::activeWindow());
    box.setDefaultButton(predefinito);
    return box.exec();
}

} // namespace

QString FiltroQt(const std::string& filtro) {
    const QStringList parti = QString::fromStdString(filtro).split(u'|', Qt::SkipEmptyParts);
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QString descrizione = parti[i];
        const QString modello =
            parti[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parti[i + 1];
        const qsizetype aperta = descrizione.lastIndexOf(u'(');
        if (aperta >= 0) {
            descrizione.truncate(aperta);
        }
        filtri << descrizione.trimmed() + QStringLiteral(" (") + modello + u')';
    }
    return filtri.join(QStringLiteral(";;"));
}

void DialoghiQt::ImpostaUltimaCartella(std::string memoria) {
    ultimaCartella_.Carica(std::move(memoria));
}

std::optional<std::string> DialoghiQt::Scelto(const QString& percorso) {
    if (percorso.isEmpty()) {
        return std::nullopt;
    }
    ultimaCartella_.Ricorda(percorso.toStdString());
    return percorso.toStdString();
}

void DialoghiQt::Messaggio(const std::string& titolo, const std::string& testo, Icona icona) {
    Mostra(titolo, testo, icona, QMessageBox::Ok, QMessageBox::Ok);
}

Risposta DialoghiQt::DomandaSiNo(const std::string& titolo, const std::string& testo, Icona icona) {
    const int r =
        Mostra(titolo, testo, icona, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return r == QMessageBox::Yes ? Risposta::Si : Risposta::No;
}

Risposta DialoghiQt::DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                        Icona icona) {
    const int r =
        Mostra(titolo, testo, icona, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Yes);
    if (r == QMessageBox::Yes) {
        return Risposta::Si;
    }
    return r == QMessageBox::No ? Risposta::No : Risposta::Annulla;
}

std::optional<std::string> DialoghiQt::ApriFile(const std::string& titolo,
                                                const std::string& filtro) {
    return Scelto(QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString::fromStdString(titolo),
        QString::fromStdString(ultimaCartella_.Cartella()), FiltroQt(filtro)));
}

std::optional<std::string> DialoghiQt::SalvaFile(const std::string& titolo,
                                                 const std::string& filtro,
                                                 const std::string& proposto) {
    // The program asks itself before replacing a file.
    return Scelto(QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QString::fromStdString(titolo),
        QString::fromStdString(proposto.empty() ? ultimaCartella_.Cartella() : proposto),
        FiltroQt(filtro), nullptr, QFileDialog::DontConfirmOverwrite));
}

} // namespace paretix::ui
