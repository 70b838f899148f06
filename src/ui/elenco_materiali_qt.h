#pragma once
// The window "Abaco Materiali": shows the browser's grid, scroll bar, filter box and pop-up
// menu, and forwards mouse, wheel, keyboard and scroll events to the browser model. It can be
// resized: a taller window shows more rows, a wider one longer names.

#include <QDialog>
#include <vector>

#include "core/materials/disposizione_elenco.h"
#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class QScrollBar;

namespace paretix {

class ElencoMaterialiQt : public QDialog {
    Q_OBJECT
  public:
    // With posizione the window opens where the last one closed (filter, rows, current row,
    // size) and leaves its own place there as it closes.
    ElencoMaterialiQt(ElencoMateriali& modello, Dialoghi& dialoghi, QWidget* parent = nullptr,
                      PosizioneElenco* posizione = nullptr);

    void done(int esito) override;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    // A place of the design in the pixels of this window's screen.
    QRect Pixel(const RettangoloTwips& r) const;
    void CreaGriglia();
    void CreaMenu();
    // The grid rows and the places of every control for the window's present size.
    void Disponi();
    QLabel* NuovaCella(int k);
    // A key of the list, from the window or from the filter box; false for any other key.
    bool TastoElenco(const QKeyEvent* tasto);
    // The mouse wheel over the window or a cell; false for a movement under one notch.
    bool Rotella(QWheelEvent* evento);
    // Mirrors the model's cells and scroll bar.
    void Aggiorna();
    void Clic(int k, const QPoint& posizioneSchermo);
    void VoceMenu(const VoceMenuAbaco& voce);
    void ApriDialogoMateriale();
    void ApriDialogoModifica();

    ElencoMateriali& modello_;
    Dialoghi& dialoghi_;
    PosizioneElenco* posizione_ = nullptr;
    double scala_; // pixels per twip of the screen
    std::vector<QLabel*> celle_;
    std::vector<QLabel*> intestazioni_;
    QLabel* info_ = nullptr;
    QLabel* didascaliaFiltro_ = nullptr;
    QLineEdit* filtro_ = nullptr;
    QPushButton* chiudi_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace paretix
