#pragma once
// The dialog "Dati della simulazione dinamica": it shows the fields of its model, writes what
// the user changes back into it, flags the layers that lack their moisture data, and hands
// "OK" to the caller, who validates and applies them.

#include <QDialog>
#include <array>
#include <functional>

#include "core/porte/dialoghi.h"
#include "core/window/dialogo_simulazione.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace paretix::ui {

class DatiSimulazioneQt : public QDialog {
    Q_OBJECT

  public:
    // conferma is called on "OK" with the model as edited; true closes the dialog. dialoghi
    // chooses the weather files.
    DatiSimulazioneQt(DialogoSimulazione& modello,
                      std::function<bool(const DialogoSimulazione&)> conferma, Dialoghi& dialoghi,
                      QWidget* genitore = nullptr);

  private:
    struct CaselleClima {
        QComboBox* Tipo = nullptr;
        QLineEdit* θ = nullptr;
        QLineEdit* φ = nullptr;
        QLineEdit* File = nullptr;
        QCheckBox* Imposta = nullptr;
    };
    QWidget* CreaClima(int lato, CampiClima& campi, bool& imposta, int voci);
    void AbilitaClima(int lato) const;
    void Leggi();
    // The layers without moisture data: their number cells yellow, the notice under the table.
    void SegnalaMancanti();
    void Ok();

    DialogoSimulazione& modello_;
    std::function<bool(const DialogoSimulazione&)> conferma_;
    Dialoghi& dialoghi_;
    QLineEdit* giorni_ = nullptr;
    QLineEdit* θIniziale_ = nullptr;
    QLineEdit* φIniziale_ = nullptr;
    std::array<CaselleClima, 2> clima_{};
    QLineEdit* assorbimento_ = nullptr;
    QLineEdit* pioggia_ = nullptr;
    QComboBox* sensibilità_ = nullptr;
    QLineEdit* profili_ = nullptr;
    QTableWidget* strati_ = nullptr;
    QLabel* mancanti_ = nullptr;
};

} // namespace paretix::ui
