#pragma once
// What the panel "Schema struttura" shows: the layer rectangles with their boxes, the boundary
// names and the black frames of the boundary conditions, placed from the core's geometry
// stretched to the room the panel has (AreaSchema scrolls it when the layers need more). It
// forwards every event to the presentation model and then signals Cambiato.

#include <QWidget>
#include <array>
#include <vector>

#include "core/window/disposizione.h"
#include "core/window/finestra_principale.h"
#include "ui/posti_scalati.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace paretix::ui {

class PannelloSchema : public QWidget {
    Q_OBJECT

  public:
    PannelloSchema(FinestraPrincipale& modello, QWidget* genitore);

    // Shows the model's state.
    void Aggiorna();
    // Shows the layer boxes' tool tips (after the 100 ms timer).
    void AggiornaSuggerimenti();

    // The mouse moves where no layer is: the selection is cleared.
    void MuoveFuoriDagliStrati();

    // Stretches the schema to a room of this size (the panel's visible part).
    void Adatta(const QSize& spazio);
    // The design at the platform's scale.
    QSize Minimo() const;
    // The distance from one layer to the next on the screen.
    int PassoStrati() const;
    // The width of a room in which fifteen layers fit with boxes wide enough for their values.
    int LarghezzaNaturale() const;

  signals:
    // An event changed the model.
    void Cambiato();
    // A mouse button was pressed on a layer: the layer menu is set up and opens here.
    void MenuStratoRichiesto(const QPoint& posizioneGlobale);

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    using Spin = void (FinestraPrincipale::*)();
    using CambioContorno = bool (FinestraPrincipale::*)(const std::string&);

    void CreaStrato(int k);
    void CreaEtichetteConfine(int k);
    void CreaEtichetteAriaInterna();
    void CreaIntestazioni();
    void CreaCornici();
    QFrame* Cornice(int indice);
    void OrdinaTabulazione();
    QLineEdit* CasellaContorno(QWidget* genitore, const char* nome, CambioContorno cambio);
    void CorniceCondizione(int indice, const char* caption, QLineEdit* casella, const char* su,
                           Spin spinSu, const char* giu, Spin spinGiu);
    void CreaCorniceSuono();
    void CambiaCasellaStrato(int k, int riga, const QString& testo);
    void MostraCaselleStrato(int k);
    void MostraContorno();
    void Disponi();

    FinestraPrincipale& modello_;
    // Per layer 1..15 (index 0 unused): the mouse area over the rectangle and the boxes of
    // each row (index RigaSchema).
    std::array<QWidget*, NumeroStratiMax + 1> labelStrato_{};
    std::array<std::array<QLineEdit*, NumeroRighe + 1>, NumeroStratiMax + 1> caselle_{};
    // Per boundary 0..15: "T", "Pvs", "Pv".
    std::array<std::array<QLabel*, 3>, NumeroStratiMax + 1> confini_{};
    std::array<QFrame*, 13> cornici_{};
    std::array<QLabel*, NumeroRighe + 1> intestazioni_{};
    std::array<QLabel*, NumeroRighe + 1> simboli_{};
    QLineEdit* tInterna_ = nullptr;
    QLineEdit* tEsterna_ = nullptr;
    QLineEdit* uInterna_ = nullptr;
    QLineEdit* uEsterna_ = nullptr;
    QLineEdit* distSonoro_ = nullptr;
    std::array<QRadioButton*, 2> option1_{};
    // What paintEvent drew last: layer count, selected layer, fill styles, end of the lines.
    std::vector<int> disegnato_;
    QLabel* scrittaSelezionato_ = nullptr;
    QLabel* numeroSelezionato_ = nullptr;
    PostiScalati posti_;
    double base_ = 0;
    double minimaX_ = 0;
    QSize spazio_;
    Scala scala_;
};

} // namespace paretix::ui
