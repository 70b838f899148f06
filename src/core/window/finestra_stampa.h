#pragma once
// The print window: a reduced-size preview of the report (Text1) and an edit box (Text2) over
// the same place. Only what is previewed can be printed or exported, and entering the preview
// always copies the edited text into it first.

#include <string>
#include <utility>

#include "core/porte/dialoghi.h"
#include "core/porte/esportatore_pdf.h"
#include "core/porte/stampante.h"

namespace paretix {

inline constexpr const char* DidascaliaAnteprimaStampa = "  Anteprima stampa";
inline constexpr const char* DidascaliaModificaTestoStampa = "  Modifica testo stampa";
inline constexpr const char* MenuStampa = "Stampa";
inline constexpr const char* MenuModifica = "Modifica";
inline constexpr const char* MenuAnteprima = "Anteprima";
inline constexpr const char* MenuEsportaPdf = "Esporta PDF...";

class FinestraStampaQt {
  public:
    FinestraStampaQt(Stampante& stampante, Dialoghi& dialoghi, EsportatorePdf& esportatore)
        : stampante_(stampante), dialoghi_(dialoghi), esportatore_(esportatore) {}

    // Opening with the report of the main window: both boxes get it, preview mode. Whatever
    // was edited before is gone.
    void Apri(const std::string& rapporto);

    bool ModoModifica() const { return modifica_; }
    const char* Didascalia() const;
    bool StampaAbilitata() const { return !modifica_; }
    bool ModificaAbilitata() const { return !modifica_; }
    bool AnteprimaAbilitata() const { return modifica_; }
    bool EsportaPdfAbilitata() const { return !modifica_; }

    const std::string& Text1() const { return text1_; } // preview
    const std::string& Text2() const { return text2_; } // edit

    // The user changed the edit box.
    void Text2_Change(std::string testo) { text2_ = std::move(testo); }

    // The menu commands; each does nothing while it is disabled.
    void Stampa_Click();
    void Modifica_Click();
    void Anteprima_Click();
    void EsportaPdf_Click();

  private:
    Stampante& stampante_;
    Dialoghi& dialoghi_;
    EsportatorePdf& esportatore_;
    bool modifica_ = false;
    std::string text1_;
    std::string text2_;
};

} // namespace paretix
