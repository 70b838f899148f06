#pragma once
// The "Verifiche" window: the compliance checks of the last calculation as a table, one row per
// number with its pass mark, the notes under it, the monthly hygrothermal check's table of the
// year beside them, and the charts of the checks that have them: the daily wave through the
// wall, the water held month by month and the vapour pressures of a month picked in a list. It
// only shows what the core made.

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "core/simulazione/simulazione.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/window/grafici_verifiche.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace paretix::ui {

class GraficoWidget;
class GraficiSimulazioneQt;

class VerificheQt : public QDialog {
    Q_OBJECT

  public:
    explicit VerificheQt(QWidget* genitore = nullptr);

    void Mostra(const std::vector<RigaVerifica>& righe, const std::vector<std::string>& note,
                const GraficiVerifiche& grafici);

    // The charts of the transient run numero, or none (nullptr).
    void MostraSimulazione(const RisultatoSimulazione* r, int numero);

  private:
    void MostraMese(int mese);

    QTableWidget* tabella_ = nullptr;
    QTableWidget* mesi_ = nullptr;
    QLabel* note_ = nullptr;
    GraficoWidget* grafico_ = nullptr;
    GraficoWidget* accumulo_ = nullptr;
    QWidget* pannelloMese_ = nullptr;
    QComboBox* mese_ = nullptr;
    GraficoWidget* pressioni_ = nullptr;
    std::vector<Superficie> pressioniMesi_;
    GraficiSimulazioneQt* simulazione_ = nullptr;
    int numeroSimulazione_ = 0;
};

} // namespace paretix::ui
