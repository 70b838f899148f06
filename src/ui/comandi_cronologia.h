#pragma once
// "Annulla" (Ctrl+Z) and "Ripeti" (Ctrl+Shift+Z) at the top of the Edit menu, named for the
// step they act on and disabled when there is none. The two keys are the program's everywhere
// in the main window: a box being typed in does not keep them for its own undo, which would
// bypass the exercise's history.

#include <QObject>

class QAction;

namespace paretix::ui {

class FinestraPrincipaleQt;

class ComandiCronologia : public QObject {
  public:
    explicit ComandiCronologia(FinestraPrincipaleQt& finestra);

    QAction* Annulla() const { return annulla_; }
    QAction* Ripeti() const { return ripeti_; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void Aggiorna();

    FinestraPrincipaleQt& finestra_;
    QAction* annulla_ = nullptr;
    QAction* ripeti_ = nullptr;
};

} // namespace paretix::ui
