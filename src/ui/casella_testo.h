#pragma once
// Text boxes that refuse, as they are typed or pasted, the characters that the exercise file
// (Windows-1252) cannot store.

#include <QPlainTextEdit>
#include <QValidator>

namespace paretix::ui {

// For the one-line boxes.
class ValidatoreWin1252 : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& testo, int& posizione) const override;
};

// Whether the exercise file can store the text.
bool TestoRappresentabile(const QString& testo);

// The notes box: several lines, same rule.
class CasellaAppunti : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    bool canInsertFromMimeData(const QMimeData* origine) const override;
    void insertFromMimeData(const QMimeData* origine) override;
};

} // namespace paretix::ui
