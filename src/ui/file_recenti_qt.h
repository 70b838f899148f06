#pragma once
// The recent files in the File menu, above "Esci": "&1 path" for the most recent, and so on
// up to the eighth, each opening its file; nothing while the list is empty.

#include <QObject>
#include <array>
#include <string>

#include "core/window/file_recenti.h"

class QAction;

namespace paretix::ui {

class FinestraPrincipaleQt;

class FileRecentiQt : public QObject {
  public:
    // elenco: the file that keeps the list, in the user's configuration folder.
    FileRecentiQt(FinestraPrincipaleQt& finestra, std::string elenco);

  private:
    void Aggiorna();

    FinestraPrincipaleQt& finestra_;
    std::array<QAction*, NumeroFileRecenti> voci_{};
    QAction* separatore_ = nullptr;
};

} // namespace paretix::ui
