#pragma once
// The "Verifiche" window: the compliance checks of the last calculation as a table, one row per
// number with its pass mark, and the notes under it. It only shows the rows the core made.

#include <QDialog>
#include <string>
#include <vector>

#include "core/verifiche/righe_verifiche.h"

class QLabel;
class QTableWidget;

namespace paretix::ui {

class VerificheQt : public QDialog {
    Q_OBJECT

  public:
    explicit VerificheQt(QWidget* genitore = nullptr);

    void Mostra(const std::vector<RigaVerifica>& righe, const std::vector<std::string>& note);

  private:
    QTableWidget* tabella_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace paretix::ui
