#pragma once
// The edit dialog: five boxes for a material (one for a group title), "Ok" to save the change
// into the database, "Annulla" to leave it.

#include <QDialog>

#include "core/materials/form5.h"

namespace paretix {

class Form5Vista : public QDialog {
    Q_OBJECT
  public:
    // The model has been loaded.
    Form5Vista(Form5& modello, QWidget* parent = nullptr);
};

} // namespace paretix
