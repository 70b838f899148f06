#pragma once
// The About window "Info:": the program's picture, name and description, and two links (the
// program's site, an e-mail to the author) that turn red under the mouse.

#include <QDialog>

#include "core/window/informazioni.h"

class QLabel;

namespace paretix::ui {

class InformazioniQt : public QDialog {
    Q_OBJECT

  public:
    // Placed beside the main window principale, which owns it; the caller shows it with exec().
    InformazioniQt(ApertureEsterne& aperture, QWidget* principale);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    void Aggiorna();

    paretix::InformazioniQt modello_;
    QLabel* image2_;
    QLabel* label5_;
    QLabel* label38_;
    QLabel* label40_;
};

} // namespace paretix::ui
