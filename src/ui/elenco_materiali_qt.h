#pragma once
// The window "Abaco Materiali": shows the browser's grid, scroll bar and pop-up menu, and
// forwards mouse and scroll events to the browser model.

#include <QDialog>
#include <array>

#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

class QLabel;
class QMenu;
class QScrollBar;

namespace paretix {

class ElencoMaterialiQt : public QDialog {
    Q_OBJECT
  public:
    ElencoMaterialiQt(ElencoMateriali& modello, Dialoghi& dialoghi, QWidget* parent = nullptr);

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
    void ApriDialogoMateriale();
    void ApriDialogoModifica();

    ElencoMateriali& modello_;
    Dialoghi& dialoghi_;
    std::array<QLabel*, RigheGriglia * 10> celle_{};
    QScrollBar* vscroll_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace paretix
