#pragma once
// The recovery file of the main window: at start-up a file left by a session that did not end
// cleanly is offered for restoring, then a timer writes the modified exercise every minute.

#include <QObject>
#include <string>

class QTimer;

namespace paretix::ui {

class FinestraPrincipaleQt;

class RecuperoQt : public QObject {
  public:
    // percorso: the recovery file, in the user's state folder.
    RecuperoQt(FinestraPrincipaleQt& finestra, std::string percorso);

    QTimer* Timer() const { return timer_; }

  private:
    QTimer* timer_ = nullptr;
};

} // namespace paretix::ui
