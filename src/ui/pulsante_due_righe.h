#pragma once
// A push button whose caption falls into lines where it holds a run of blanks, as a narrow
// button wraps it: "   Stampa   ( modifica e anteprima )" shows "Stampa" above the rest.

#include <QPushButton>

namespace paretix::ui {

class PulsanteDueRighe : public QPushButton {
  public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    QStringList Righe() const;
};

} // namespace paretix::ui
