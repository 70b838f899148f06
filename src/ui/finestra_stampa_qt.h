#pragma once
// The print window: the report in small type (Text1) and an edit box (Text2) in the same
// place, with the menu "Stampa", "Modifica", "Anteprima" and "Esporta PDF...".

#include <QDialog>

#include "core/window/finestra_stampa.h"

class QAction;
class QPlainTextEdit;
class QStackedLayout;

namespace paretix::ui {

class FinestraStampaQt : public QDialog {
    Q_OBJECT

  public:
    FinestraStampaQt(Stampante& stampante, Dialoghi& dialoghi, EsportatorePdf& esportatore,
                     QWidget* parent = nullptr);

    // Fills both boxes with the report and puts the window in preview mode; the caller then
    // shows it modally with exec().
    void Apri(const std::string& rapporto);

  protected:
    // Escape does not close the window: the edited copy would be lost by a slip of the hand.
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void Aggiorna();

    paretix::FinestraStampaQt modello_;
    QPlainTextEdit* text1_;
    QPlainTextEdit* text2_;
    QStackedLayout* pila_;
    QAction* stampa_;
    QAction* modifica_;
    QAction* anteprima_;
    QAction* esportaPdf_;
};

} // namespace paretix::ui
