#pragma once
// The material dialog: shows one row of the database read-only and, on "Si", loads it into the
// chosen layer (consult mode) or deletes it (delete mode).

#include <array>
#include <string>

#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

namespace paretix {

inline constexpr const char* CaptionCaricare = "Caricare i valori";
inline constexpr const char* CaptionCancellare = "Cancellare materiale ?";
inline constexpr const char* CaptionSi = "Si";
inline constexpr const char* CaptionNo = "No";
inline constexpr const char* TitoloAbaco = "Abaco";
inline constexpr const char* MessaggioNessunMateriale = "Nessun materiale selezionato";

class DialogoMateriale {
  public:
    explicit DialogoMateriale(ElencoMateriali& abaco) : abaco_(abaco) {}

    // Takes the row selected in the browser. In consult mode a row without data (a group title
    // or an empty grid row) is refused with a message: false, the dialog closes at once.
    bool Form_Load(Dialoghi& dialoghi);
    const std::string& Caption() const { return caption_; }
    // The five fields of the row, Label1 to Label5.
    const std::array<std::string, 5>& Label() const { return label_; }
    // The row's specific heat, shown while the browser shows it.
    bool MostraCaloreSpecifico() const { return abaco_.ConCaloreSpecifico(); }
    const std::string& CaloreSpecifico() const { return calore_; }

    // "Si": the load or the deletion. "No" changes nothing and needs no handler here.
    void CommandCarica_Click();

  private:
    void VisualizzaCosaEventualmenteCaricare();

    ElencoMateriali& abaco_;
    std::string caption_;
    std::array<std::string, 5> label_{};
    std::string calore_;
    int riga_ = 0;
};

} // namespace paretix
