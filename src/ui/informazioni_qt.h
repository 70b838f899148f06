#pragma once
// The About window "Info:": the program's picture, name and description, and the link to the
// user guide, red under the mouse.

#include <QDialog>

#include "core/window/informazioni.h"

class QLabel;

namespace paretix::ui {

class InformazioniQt : public QDialog {
    Q_OBJECT

  public:
    // Placed beside the main window principale, which owns it; the caller shows it with exec().
    InformazioniQt(ApertureEsterne& aperture, Dialoghi& dialoghi,
                   const std::string& cartellaProgramma, QWidget* principale);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    void Aggiorna();

    paretix::InformazioniQt modello_;
    QLabel* image2_;
    QLabel* label5_;
    QLabel* label38_;
};

} // namespace paretix::ui
