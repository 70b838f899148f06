#include "ui/aperture_qt.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace paretix::ui {

void ApertureQt::ApriIndirizzo(const std::string& indirizzo) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(indirizzo)));
}

void ApertureQt::ApriFile(const std::string& percorso) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

} // namespace paretix::ui
