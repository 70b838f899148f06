#pragma once
// Opening documents and addresses with the desktop's default handler. Every request becomes one
// URL handed to the opener, QDesktopServices::openUrl unless a test gives its own. A document
// the desktop cannot open is shown in a text browser of the program.

#include <QTextBrowser>
#include <QUrl>
#include <functional>
#include <memory>

#include "core/porte/aperture_esterne.h"

namespace paretix::ui {

class ApertureQt : public ApertureEsterne {
  public:
    using Apritore = std::function<bool(const QUrl&)>;

    ApertureQt();
    explicit ApertureQt(Apritore apritore) : apritore_(std::move(apritore)) {}

    ~ApertureQt() override;

    bool ApriIndirizzo(const std::string& indirizzo) override;
    // A file by its full path, as a file URL ("file:///usr/share/doc/paretix/guida.html").
    bool ApriFile(const std::string& percorso) override;
    // In one window of its own ("FinestraGuida"), opened again where it was.
    void MostraDocumento(const std::string& percorso, const std::string& titolo) override;

  private:
    Apritore apritore_;
    std::unique_ptr<QTextBrowser> documento_;
};

} // namespace paretix::ui
