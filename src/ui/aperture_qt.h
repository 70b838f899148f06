#pragma once
// Opening documents and addresses with the desktop's default handler. Every request becomes one
// URL handed to the opener, QDesktopServices::openUrl unless a test gives its own.

#include <QUrl>
#include <functional>

#include "core/porte/aperture_esterne.h"

namespace paretix::ui {

class ApertureQt : public ApertureEsterne {
  public:
    using Apritore = std::function<bool(const QUrl&)>;

    ApertureQt();
    explicit ApertureQt(Apritore apritore) : apritore_(std::move(apritore)) {}

    void ApriIndirizzo(const std::string& indirizzo) override;
    // A file by its full path, as a file URL ("file:///usr/share/doc/paretix/guida.html").
    void ApriFile(const std::string& percorso) override;

  private:
    Apritore apritore_;
};

} // namespace paretix::ui
