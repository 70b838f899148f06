#pragma once
// The edit dialog: five boxes for one row and, on "Ok", the modification of the selected row or
// the insertion of a new material or group title before or after it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

namespace paretix {

inline constexpr const char* CaptionModifica = "Modifica";
inline constexpr const char* CaptionInserisci = "Inserisci";
inline constexpr const char* IntestazioneGruppo = "Gruppo materiali";
inline constexpr const char* CaptionOk = "Ok";

// Heights of the dialog in twips: a group title needs one box, a material five.
constexpr int AltezzaModificaGruppo = 1260;
constexpr int AltezzaModificaMateriale = 2220;
// The sixth box, the specific heat, adds one row.
constexpr int AltezzaRigaCalore = 390;

// Whether a box of the dialog may hold the text: every character must be storable in the file
// (Windows-1252), and no line break or other control character may split a row's lines.
bool TestoAmmessoModificaAbaco(std::string_view testo);
// The specific heat's box also refuses "=", which separates a name from its value in the file.
bool CaloreAmmessoModificaAbaco(std::string_view testo);

class DialogoModificaAbaco {
  public:
    explicit DialogoModificaAbaco(ElencoMateriali& abaco) : abaco_(abaco) {}

    void Form_Load();
    const std::string& Caption() const { return caption_; }
    // Only the first heading and box are shown for a group title; its heading then differs.
    bool SoloTitoloGruppo() const { return soloTitolo_; }
    const char* Intestazione1() const;
    int Altezza() const;
    // The starting texts of Text1 to Text5: the row's fields to modify, a single space each for
    // an insertion.
    const std::array<std::string, 5>& Text() const { return text_; }
    // The sixth box, the specific heat, for a material while the browser shows it; its
    // starting text is the row's value, empty for an insertion.
    bool MostraCaloreSpecifico() const { return abaco_.ConCaloreSpecifico() && !soloTitolo_; }
    const std::string& CaloreSpecifico() const { return calore_; }

    // "Ok" with the texts of the five boxes as typed, and of the sixth when it is shown;
    // without it a modified row keeps its specific heat. A modified row always keeps its
    // moisture data, which no box shows. "Annulla" changes nothing.
    void CommandSalvaModifiche_Click(const std::array<std::string, 5>& testi,
                                     const std::optional<std::string>& calore = std::nullopt);

  private:
    void VisualizzaCosaEventualmenteCaricare();

    ElencoMateriali& abaco_;
    std::string caption_;
    bool soloTitolo_ = false;
    std::array<std::string, 5> text_{};
    std::string calore_;
    UmiditàAbaco umidità_;
    int riga_ = 0;
};

} // namespace paretix
