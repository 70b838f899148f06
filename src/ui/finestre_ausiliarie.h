#pragma once
// The windows and commands around the main window, attached to its hooks: the report window
// (print button and "Anteprima di stampa"), printing ("Stampa..."), the notes window (the
// typewriter button), the help file and the About window.

#include <QObject>

#include "core/window/aperture_esterne.h"
#include "core/window/dialoghi.h"
#include "core/window/esportatore_pdf.h"
#include "core/window/stampante.h"

namespace paretix::ui {

class FinestraPrincipaleQt;

class FinestreAusiliarie : public QObject {
  public:
    FinestreAusiliarie(FinestraPrincipaleQt& finestra, Dialoghi& dialoghi, Stampante& stampante,
                       EsportatorePdf& esportatore, ApertureEsterne& aperture);

  private:
    void AnteprimaDiStampa();
    void Appunti();

    FinestraPrincipaleQt& finestra_;
    Dialoghi& dialoghi_;
    Stampante& stampante_;
    EsportatorePdf& esportatore_;
    ApertureEsterne& aperture_;
};

} // namespace paretix::ui
