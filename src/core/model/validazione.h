#pragma once
// Normal form and validation of the inputs before every calculation.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloErrore = "ERRORE:";

// The normal form of one box: every "." and "," becomes the decimal comma, every blank
// disappears, everything else stays.
std::string ModificatoreDatiInEntrata(std::string_view testo);

// The numbers of the boxes as the check read them, so that the calculation after it does not
// read them again. A box the check did not read (hidden, an absorption factor not given, or one
// after the first fault) has none.
struct NumeriCaselle {
    std::optional<double> LiminariInterno, LiminariEsterno, TInterna, TEsterna, UInterna, UEsterna,
        DistSonoro;
    struct DiStrato {
        std::optional<double> Densità, Spessore, Conduttività, Permeabilità, FatAssorbimento;
    };
    std::array<DiStrato, SlotTabelle> Strati{}; // slot k: layer k
};

// Rewrites every shown number box into its normal form, then checks presence and numeric form
// of all of them, then their ranges. Returns the message of the first fault (shown with the
// title TitoloErrore), or nothing when the exercise can be calculated. Hidden boxes are
// neither rewritten nor tested. The numbers read go into letti.
std::optional<std::string> ControlloCorrettezzaDatiIniziali(Esercizio& e, NumeriCaselle& letti);

// A box's number as the check read it, or, when the check did not read it, read from its text.
std::optional<double> NumeroLetto(const std::optional<double>& letto, std::string_view testo);

// An absorption factor that is empty or a dash (blanks around ignored) is not given.
bool FatAssorbimentoNonDato(std::string_view testo);

// The display name of the sound level in the messages (also those of the unit switch).
inline constexpr std::string_view NomeDistSonoro = "''Disturbo sonoro''";

// The messages of the checks. nomeCasella is the box's display name, strato the layer number.
std::string Frase1(std::string_view nomeCasella);
std::string Frase2(std::string_view nomeCasella);
std::string Frase3(int strato, std::string_view nomeCasella);
std::string Frase4(int strato, std::string_view nomeCasella);
std::string Frase5(std::string_view nomeCasella);
std::string Frase6(int strato, std::string_view nomeCasella);
std::string MessaggioSpessoreErrato(int strato);
std::string MessaggioFatAssorbimentoAlfanumerico(int strato);
std::string MessaggioFatAssorbimentoErrato(int strato);
inline constexpr std::string_view MessaggioUmiditàInterna =
    "La percentuale da inserire nella casella ''umidità relativa interna'' può variare da 0 a "
    "100";
inline constexpr std::string_view MessaggioUmiditàEsterna =
    "La percentuale da inserire nella casella ''umidità relativa esterna'' può variare da 0 a "
    "100";

} // namespace paretix
