#pragma once
// The edit dialog: five boxes for a material (one for a group title), "Ok" to save the change
// into the database, "Annulla" to leave it.

#include <QDialog>

#include "core/materials/dialogo_modifica_abaco.h"

namespace paretix {

class DialogoModificaAbacoQt : public QDialog {
    Q_OBJECT
  public:
    // The model has been loaded.
    DialogoModificaAbacoQt(DialogoModificaAbaco& modello, QWidget* parent = nullptr);
};

} // namespace paretix
