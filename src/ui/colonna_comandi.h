#pragma once
// The column beside the panels: calculation types, view selector, layer count, hi and he,
// "Calcola", the report box, the print button and the notes.

#include <QWidget>
#include <array>

#include "core/window/finestra_principale.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace paretix::ui {

class CasellaAppunti;

class ColonnaComandi : public QWidget {
    Q_OBJECT

  public:
    ColonnaComandi(FinestraPrincipale& modello, QWidget* genitore);

    void Aggiorna();

    QPushButton* Command3() const { return command3_; }
    QToolButton* CommandMacchinaDaScrivere() const { return macchinaDaScrivere_; }

    QPushButton* CommandDatiVerifiche() const { return datiVerifiche_; }
    QPushButton* CommandDatiSimulazione() const { return datiSimulazione_; }

  signals:
    // An event changed the model.
    void Cambiato();
    // "Calcola" was pressed (after Cambiato).
    void Calcolato();

  private:
    QWidget* CreaTipiEVista();
    QWidget* CreaStratiELiminari();
    QWidget* CreaStampaEAppunti();
    // Runs an operation of the model, then tells the window.
    template <typename Operazione> void Esegui(Operazione operazione);

    FinestraPrincipale& modello_;
    std::array<QCheckBox*, 3> check1_{};
    QCheckBox* checkVerifiche_ = nullptr;
    QPushButton* datiVerifiche_ = nullptr;
    QCheckBox* checkSimulazione_ = nullptr;
    QPushButton* datiSimulazione_ = nullptr;
    // Under "Calcola" while the simulation runs.
    QWidget* simulazioneInCorso_ = nullptr;
    QProgressBar* avanzamento_ = nullptr;
    std::array<QRadioButton*, 3> option2_{};
    QLineEdit* numeroStrati_ = nullptr;
    QLabel* numeroStratiMax_ = nullptr;
    QGroupBox* liminari_ = nullptr;
    QLineEdit* liminariInterno_ = nullptr;
    QLineEdit* liminariEsterno_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QPushButton* command3_ = nullptr;
    CasellaAppunti* appunti_ = nullptr;
    QToolButton* macchinaDaScrivere_ = nullptr;
};

} // namespace paretix::ui
