#pragma once
// The window "Abaco Materiali": shows the browser's grid, scroll bar and pop-up menu, and
// forwards mouse and scroll events to the browser model.

#include <QDialog>
#include <array>

#include "core/materials/form3.h"
#include "core/window/dialoghi.h"

class QLabel;
class QMenu;
class QScrollBar;

namespace paretix {

class Form3Vista : public QDialog {
    Q_OBJECT
  public:
    Form3Vista(Form3& modello, Dialoghi& dialoghi, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    void CreaGriglia();
    void CreaMenu();
    // Mirrors the model's cells and scroll bar.
    void Aggiorna();
    void Clic(int k, const QPoint& posizioneSchermo);
    void VoceMenu(const VoceMenuAbaco& voce);
    void ApriForm4();
    void ApriForm5();

    Form3& modello_;
    Dialoghi& dialoghi_;
    std::array<QLabel*, RigheGriglia * 10> celle_{};
    QScrollBar* vscroll_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace paretix
