#pragma once
// The material dialog: one row read-only, "Si" to load or delete it, "No" to leave it.

#include <QDialog>

#include "core/materials/dialogo_materiale.h"

namespace paretix {

class DialogoMaterialeQt : public QDialog {
    Q_OBJECT
  public:
    // The model has been loaded and accepted the selected row.
    DialogoMaterialeQt(DialogoMateriale& modello, QWidget* parent = nullptr);
};

} // namespace paretix
