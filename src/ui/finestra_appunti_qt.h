#pragma once
// The notes window: a larger box for writing the exercise's notes. Closing it, by its close
// box or Escape, gives the main window the new notes and whether they changed.

#include <QDialog>

#include "core/window/finestra_appunti.h"

class QPlainTextEdit;

namespace paretix::ui {

class FinestraAppuntiQt : public QDialog {
    Q_OBJECT

  public:
    explicit FinestraAppuntiQt(const std::string& appunti, QWidget* parent = nullptr);

    // Shows the window modally with the notes and returns what closing it gave.
    static EsitoAppunti Modifica(const std::string& appunti, QWidget* parent);

    // The outcome of closing; before the window closes, the notes unchanged.
    const EsitoAppunti& Esito() const { return esito_; }

    void done(int risultato) override;

  private:
    paretix::FinestraAppuntiQt modello_;
    QPlainTextEdit* text1_;
    EsitoAppunti esito_;
};

} // namespace paretix::ui
