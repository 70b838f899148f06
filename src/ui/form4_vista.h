#pragma once
// The material dialog: one row read-only, "Si" to load or delete it, "No" to leave it.

#include <QDialog>

#include "core/materials/form4.h"

namespace paretix {

class Form4Vista : public QDialog {
    Q_OBJECT
  public:
    // The model has been loaded and accepted the selected row.
    Form4Vista(Form4& modello, QWidget* parent = nullptr);
};

} // namespace paretix
