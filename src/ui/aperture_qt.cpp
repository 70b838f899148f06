#include "ui/aperture_qt.h"

#include <QDesktopServices>
#include <QString>

namespace paretix::ui {

ApertureQt::ApertureQt()
    : apritore_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

ApertureQt::~ApertureQt() = default;

bool ApertureQt::ApriIndirizzo(const std::string& indirizzo) {
    return apritore_(QUrl(QString::fromStdString(indirizzo)));
}

bool ApertureQt::ApriFile(const std::string& percorso) {
    return apritore_(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

void ApertureQt::MostraDocumento(const std::string& percorso, const std::string& titolo) {
    if (!documento_) {
        documento_ = std::make_unique<QTextBrowser>();
        documento_->setObjectName(QStringLiteral("FinestraGuida"));
        // Links to other sites go to the desktop, which may still open an address.
        documento_->setOpenExternalLinks(true);
        documento_->resize(900, 700);
    }
    documento_->setWindowTitle(QString::fromStdString(titolo));
    documento_->setSource(QUrl::fromLocalFile(QString::fromStdString(percorso)));
    documento_->show();
    documento_->raise();
    documento_->activateWindow();
}

} // namespace paretix::ui
