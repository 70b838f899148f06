#pragma once
// The dialog "Dati per le verifiche": it shows the fields of its model, writes what the user
// changes back into it, and hands "OK" to the caller, who validates and applies them.

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/window/dati_verifiche_dialogo.h"
#include "core/window/fonti_clima.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace paretix::ui {

class ClimaVerificheQt;

class DatiVerificheQt : public QDialog {
    Q_OBJECT

  public:
    // Opens the materials database for a choice; the row chosen goes to carica.
    using ApriAbaco = std::function<void(QWidget*, std::function<void(const VoceAbaco&)> carica)>;

    // conferma is called on "OK" with the model as edited; true closes the dialog. apriAbaco,
    // when given, loads the bridging conductivity of the selected layer from the database.
    DatiVerificheQt(DialogoDatiVerifiche& modello,
                    std::function<bool(const DialogoDatiVerifiche&)> conferma, FontiClima& fonti,
                    QWidget* genitore = nullptr, ApriAbaco apriAbaco = {});

  private:
    void Leggi();
    void Ok();
    void PonteDaAbaco();

    DialogoDatiVerifiche& modello_;
    std::function<bool(const DialogoDatiVerifiche&)> conferma_;
    ApriAbaco apriAbaco_;
    QComboBox* zona_ = nullptr;
    QComboBox* regime_ = nullptr;
    QComboBox* elemento_ = nullptr;
    QLineEdit* btr_ = nullptr;
    // The boxes of the report's heading and the fields they fill.
    std::vector<std::pair<QLineEdit*, std::string*>> progetto_;
    QCheckBox* isolamentoInterno_ = nullptr;
    QComboBox* orientamento_ = nullptr;
    QCheckBox* irradianza_ = nullptr;
    QComboBox* categoria_ = nullptr;
    QComboBox* stratoIsolante_ = nullptr;
    QTableWidget* strati_ = nullptr;
    std::array<QLineEdit*, CampiPontiEFacciata.size()> pontiEFacciata_{};
    ClimaVerificheQt* clima_ = nullptr;
};

} // namespace paretix::ui
