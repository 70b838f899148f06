#pragma once
// Runs the transient simulation of the main window in a worker thread, one run at a time. The
// worker only computes; its progress and its result come back as queued calls on the thread
// of this object, which hands them to the model by the run's number.

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

#include "core/window/finestra_principale.h"

namespace paretix::ui {

class EsecutoreSimulazione : public QObject {
  public:
    using Avanzamento = std::function<void(int numero, double quota)>;
    using Fine = std::function<void(int numero, RisultatoSimulazione risultato)>;

    EsecutoreSimulazione(Avanzamento avanzamento, Fine fine, QObject* genitore = nullptr);
    // Stops the running worker and waits for it: nothing reaches the model afterwards.
    ~EsecutoreSimulazione() override;
    EsecutoreSimulazione(const EsecutoreSimulazione&) = delete;
    EsecutoreSimulazione& operator=(const EsecutoreSimulazione&) = delete;

    // Starts lavoro; a worker still running (already told to stop by the model) is waited for
    // first, which takes at most one simulated hour.
    void Avvia(LavoroSimulazione lavoro);

  private:
    void Attendi();

    Avanzamento avanzamento_;
    Fine fine_;
    std::thread lavoratore_;
    std::shared_ptr<std::atomic<bool>> interruzione_;
};

} // namespace paretix::ui
