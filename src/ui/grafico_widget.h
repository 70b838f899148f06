#pragma once
// One chart surface on screen: paints the surface's element list on a black background,
// scaled from its design size in twips to the widget's current size, in full at every paint.

#include <QWidget>

#include "core/charts/elementi.h"

namespace paretix::ui {

class GraficoWidget : public QWidget {
    Q_OBJECT

  public:
    explicit GraficoWidget(QWidget* parent = nullptr);

    void ImpostaSuperficie(const Superficie& superficie);
    const Superficie& SuperficieMostrata() const { return superficie_; }

    // The design size at 15 twips per pixel.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Superficie superficie_;
};

} // namespace paretix::ui
