#pragma once
// The main window's centre: the stacked panels beside the column of commands, divided again at
// every resize by the window's rule (the panels take the extra width first, up to what the
// schema can use, then the two share it). Nothing inside changes the division, so the panels
// keep their size when the layers change or a dialog opens.

#include <QWidget>

#include "core/window/disposizione.h"

namespace paretix::ui {

class CentroFinestra : public QWidget {
  public:
    explicit CentroFinestra(QWidget* genitore);

    // The two parts, children of the centre, and the width the panels can use at most before
    // sharing.
    void Imposta(QWidget* pannelli, QWidget* colonna, int larghezzaNaturalePannelli);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    DimensioniPixel MinimoPannelli() const;
    DimensioniPixel MinimoColonna() const;

    QWidget* pannelli_ = nullptr;
    QWidget* colonna_ = nullptr;
    int larghezzaNaturale_ = 0;
    double base_ = 0;
};

} // namespace paretix::ui
