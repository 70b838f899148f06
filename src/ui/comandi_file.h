#pragma once
// The File menu's exercise commands attached to the main window's hooks: "Nuovo", "Apri...",
// "Salva", "Salva con nome..." and closing the window ("Esci" closes it too). Each runs the
// model's command, whose prompts and dialogs go through the window's Dialoghi, then shows the
// new state.

#include <QObject>

#include "core/window/finestra_principale.h"

namespace paretix::ui {

class FinestraPrincipaleQt;

class ComandiFile : public QObject {
  public:
    explicit ComandiFile(FinestraPrincipaleQt& finestra);

  private:
    void Esegui(void (FinestraPrincipale::*comando)());

    FinestraPrincipaleQt& finestra_;
};

} // namespace paretix::ui
