#pragma once
// The main window (Form2): the menu bar, the three stacked panels, the column of commands and
// the layer pop-up menu, all mirroring the presentation model FinestraPrincipale.
//
// Hooks for the commands that live elsewhere: connect to Azione(...)->triggered (the print
// button Command3 triggers AnteprimaDiStampa), to CommandMacchinaDaScrivere()->clicked, decide
// on closing with ImpostaChiusura, and call Aggiorna after changing the model directly.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "core/window/finestra_principale.h"

class QMenu;
class QStackedWidget;
class QTimer;
class QToolButton;
class QPushButton;

namespace paretix::ui {

class ColonnaComandi;
class EsecutoreSimulazione;
class PannelliGrafici;
class PannelloSchema;

enum class Comando {
    NuovoProgetto,
    ApriProgetto,
    Salva,
    SalvaConNome,
    AnteprimaDiStampa,
    Stampa,
    EsportaRelazione,
    Esci,
    AbacoMateriali,
    DatiVerifiche,
    DaAbaco,
    GuidaInLinea,
    InformazioniSu,
};

class FinestraPrincipaleQt : public QMainWindow {
    Q_OBJECT

  public:
    FinestraPrincipaleQt(Dialoghi& dialoghi, const EsitoAvvio& avvio, QWidget* genitore = nullptr);
    ~FinestraPrincipaleQt() override;

    FinestraPrincipale& Modello() { return modello_; }
    // Shows the model's state; the window calls it after each of its own events.
    void Aggiorna();

    QAction* Azione(Comando comando) const { return azioni_.at(comando); }
    QPushButton* Command3() const;
    QToolButton* CommandMacchinaDaScrivere() const;
    QPushButton* CommandDatiVerifiche() const;
    QPushButton* CommandDatiSimulazione() const;
    QMenu* MenuNascosto() const { return menuNascosto_; }
    // Chart 1 (temperature), 2 (vapour pressure) or 3 (transmitted energy).
    QWidget* Grafico(int numero) const;
    // Asked when the window is about to close (also by "Esci"); false keeps it open.
    void ImpostaChiusura(std::function<bool()> consentiChiusura);

  signals:
    // The window shows a new state of the model.
    void Aggiornata();
    // "Calcola" was pressed and the window shows its outcome; again when the simulation it
    // started has given its results.
    void Calcolato();

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaMenu();
    void CreaMenuNascosto();
    QAction* NuovaAzione(Comando comando, const char* nome, const char* caption, QMenu* menu);
    void ApriMenuStrato(const QPoint& posizione);
    void EseguiSuStrato(void (FinestraPrincipale::*operazione)());
    // After "Calcola": the simulation it prepared goes to the worker.
    void AvviaSimulazione();

    FinestraPrincipale modello_;
    std::map<Comando, QAction*> azioni_;
    QAction* materialeDaAbaco_ = nullptr;
    QMenu* menuNascosto_ = nullptr;
    QMenu* menuModifica_ = nullptr;
    QAction* cameraAria_ = nullptr;
    QAction* eliminaStrato_ = nullptr;
    QMenu* inserisciStrato_ = nullptr;
    QStackedWidget* pannelli_ = nullptr;
    PannelloSchema* schema_ = nullptr;
    std::unique_ptr<PannelliGrafici> grafici_;
    ColonnaComandi* colonna_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::function<bool()> consentiChiusura_;
    // Declared after the model, so that it stops its worker before the model goes.
    std::unique_ptr<EsecutoreSimulazione> esecutore_;
};

} // namespace paretix::ui
