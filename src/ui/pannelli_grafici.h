#pragma once
// The two chart panels: "Grafici termico e igrometrico" (PictureTavolaGrafici) with the
// temperature chart above the vapour-pressure chart and the humidities beside it, and "Grafico
// acustico" (PictureTavolaGraficoSuono). The charts stand in black surfaces of their design
// size until the chart widgets replace them.

#include <QWidget>
#include <array>

#include "core/window/finestra_principale.h"

class QLabel;

namespace paretix::ui {

class PannelliGrafici {
  public:
    PannelliGrafici(const FinestraPrincipale& modello, QWidget* genitore);

    QWidget* TavolaGrafici() const { return tavolaGrafici_; }
    QWidget* TavolaGraficoSuono() const { return tavolaGraficoSuono_; }
    // Chart 1 (temperature), 2 (vapour pressure) or 3 (transmitted energy).
    QWidget* Grafico(int numero) const;
    // Puts grafico in the place of chart numero, with its name; the old surface is deleted.
    void SostituisciGrafico(int numero, QWidget* grafico);

    void Aggiorna();

  private:
    const FinestraPrincipale& modello_;
    QWidget* tavolaGrafici_;
    QWidget* tavolaGraficoSuono_;
    std::array<QWidget*, 3> grafici_{};
    std::array<QLabel*, 4> umidità_{}; // captions and values, inside then outside
};

} // namespace paretix::ui
