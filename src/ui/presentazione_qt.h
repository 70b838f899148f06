#pragma once
// The splash window shown at start: the program's picture and name. When its single timer
// fires, the main window is shown and the splash hides itself.

#include <functional>

#include <QWidget>

class QTimer;

namespace paretix::ui {

class PresentazioneQt : public QWidget {
    Q_OBJECT

  public:
    // mostraPrincipale loads the main window when it is not loaded yet and shows it.
    explicit PresentazioneQt(std::function<void()> mostraPrincipale, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void Timer1_Timer();

    std::function<void()> mostraPrincipale_;
    QTimer* timer1_;
};

} // namespace paretix::ui
