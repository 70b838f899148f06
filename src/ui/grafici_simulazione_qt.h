#pragma once
// The charts of the last transient run in the "Verifiche" window: the water held and the mould
// index over the years, the last year at the inside surface and at the interface picked in a
// list, and the profiles across the wall at the end of the day picked with a slider. It only
// shows what the core draws.

#include <QWidget>

#include "core/simulazione/simulazione.h"

class QComboBox;
class QLabel;
class QSlider;

namespace paretix::ui {

class GraficoWidget;

class GraficiSimulazioneQt : public QWidget {
    Q_OBJECT

  public:
    explicit GraficiSimulazioneQt(QWidget* genitore = nullptr);

    void Mostra(RisultatoSimulazione r);

  private:
    void MostraInterfaccia();
    void MostraGiorno(int giorno);

    RisultatoSimulazione risultato_;
    GraficoWidget *acqua_ = nullptr, *muffa_ = nullptr;
    GraficoWidget *temperatura_ = nullptr, *umidità_ = nullptr;
    GraficoWidget *profiloT_ = nullptr, *profiloφ_ = nullptr, *profiloW_ = nullptr;
    QComboBox* interfaccia_ = nullptr;
    QSlider* giorno_ = nullptr;
    QLabel* didascaliaGiorno_ = nullptr;
};

} // namespace paretix::ui
