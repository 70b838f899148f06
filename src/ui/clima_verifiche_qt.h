#pragma once
// The monthly check's part of "Dati per le verifiche": the year's table (outside and, when
// typed, inside), the inside conditions, the admissible condensate, the retarder's boundary and
// the outside year pasted from the clipboard, imported from a weather file or taken from the
// climate library.

#include <QWidget>

#include "core/window/dati_verifiche_dialogo.h"
#include "core/window/fonti_clima.h"

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace paretix::ui {

class ClimaVerificheQt : public QWidget {
    Q_OBJECT

  public:
    ClimaVerificheQt(DialogoDatiVerifiche& modello, FontiClima& fonti, QWidget* genitore = nullptr);

    // Writes what the user changed into the model.
    void Leggi();
    // Pastes the text as the outside year; the reason when it is refused.
    std::optional<std::string> Incolla(const std::string& testo);

  private:
    void Mostra();
    void MostraLocalita();
    void ImportaEpw();

    DialogoDatiVerifiche& modello_;
    FontiClima& fonti_;
    QTableWidget* anno_ = nullptr;
    QComboBox* interne_ = nullptr;
    QLineEdit* ammissibile_ = nullptr;
    QComboBox* freno_ = nullptr;
    QComboBox* localita_ = nullptr;
};

} // namespace paretix::ui
