#include "ui/aperture_qt.h"

#include <QDesktopServices>
#include <QString>

namespace paretix::ui {

ApertureQt::ApertureQt()
    : apritore_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

void ApertureQt::ApriIndirizzo(const std::string& indirizzo) {
    apritore_(QUrl(QString::fromStdString(indirizzo)));
}

void ApertureQt::ApriFile(const std::string& percorso) {
    apritore_(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

} // namespace paretix::ui
