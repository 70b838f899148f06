#pragma once
// The two chart panels: "Grafici termico e igrometrico" (PictureTavolaGrafici) with the
// temperature chart above the vapour-pressure chart and the humidities beside it, and "Grafico
// acustico" (PictureTavolaGraficoSuono). Each chart is a chart widget that paints what the
// model's chart state holds, stretched with its panel from the design in twips.

#include <QWidget>
#include <array>

#include "core/window/finestra_principale.h"

class QLabel;

namespace paretix::ui {

class GraficoWidget;

class PannelliGrafici {
  public:
    PannelliGrafici(const FinestraPrincipale& modello, QWidget* genitore);

    QWidget* TavolaGrafici() const { return tavolaGrafici_; }
    QWidget* TavolaGraficoSuono() const { return tavolaGraficoSuono_; }
    // Chart 1 (temperature), 2 (vapour pressure) or 3 (transmitted energy).
    GraficoWidget* Grafico(int numero) const;

    void Aggiorna();

  private:
    const FinestraPrincipale& modello_;
    QWidget* tavolaGrafici_ = nullptr;
    QWidget* tavolaGraficoSuono_ = nullptr;
    std::array<GraficoWidget*, 3> grafici_{};
    int versioneMostrata_ = -1;
    std::array<QLabel*, 4> umidità_{}; // captions and values, inside then outside
};

} // namespace paretix::ui
