#pragma once
// The rows of the "Verifiche" window: the view shows them as they are.

#include <array>
#include <string>
#include <vector>

#include "core/model/colori.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

inline constexpr const char* TitoloFinestraVerifiche = "Verifiche";
// The columns of the window, the mark first so that it reads without colour.
inline constexpr std::array<const char*, 5> IntestazioniVerifiche{"", "Grandezza", "Valore",
                                                                  "Limite o requisito", "Esito"};
inline constexpr const char* CaptionChiudiVerifiche = "Chiudi";

// The marks, drawn green and red beside their glyph.
inline constexpr ColoreBGR ColoreSuperata = VerdeScuroBGR;
inline constexpr ColoreBGR ColoreNonSuperata = RossoScuroBGR;
inline constexpr const char* SegnoSuperata = "✔";
inline constexpr const char* SegnoNonSuperata = "✘";
inline constexpr const char* SegnoNessunEsito = "—";

struct RigaVerifica {
    std::string Grandezza;
    std::string Valore;
    std::string Limite; // the limit or requirement with its source; empty when none applies
    std::string Esito;  // the outcome, what is missing, or the calculation a check needs
    std::string Segno;  // ✔ met, ✘ not met, — no outcome
    bool operator==(const RigaVerifica&) const = default;
};

// One row per number of the checks, in the order of the report section.
std::vector<RigaVerifica> RigheVerifiche(const RisultatiVerifiche& v);

// The notes of the checks, shown under the rows.
std::vector<std::string> NoteVerifiche(const RisultatiVerifiche& v);

} // namespace paretix
