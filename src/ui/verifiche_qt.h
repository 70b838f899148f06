#pragma once
// The "Verifiche" window: the compliance checks of the last calculation as a table, one row per
// number with its pass mark, and the notes under it. It only shows the rows the core made.

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "core/charts/elementi.h"
#include "core/verifiche/righe_verifiche.h"

class QLabel;
class QTableWidget;

namespace paretix::ui {

class GraficoWidget;

class VerificheQt : public QDialog {
    Q_OBJECT

  public:
    explicit VerificheQt(QWidget* genitore = nullptr);

    // The rows, the notes, and the chart of the daily wave when there is one.
    void Mostra(const std::vector<RigaVerifica>& righe, const std::vector<std::string>& note,
                const std::optional<Superficie>& grafico);

  private:
    QTableWidget* tabella_ = nullptr;
    QLabel* note_ = nullptr;
    GraficoWidget* grafico_ = nullptr;
};

} // namespace paretix::ui
