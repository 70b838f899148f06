#pragma once
// The keys of the transient heat and moisture simulation in the additional data of a version-2
// file, one block of their own, written in this order after the other known keys:
//   simulazione                     1 or 0: the simulation runs
//   simulazione.giorni              whole days simulated
//   simulazione.inizio              "θ;φ": the uniform initial state, °C and %
//   simulazione.profili             "d;d;…": days at whose end the full profiles are kept
//   simulazione.esterno             "costante:θ;φ" or "epw:FILE" (relative to the exercise)
//   simulazione.interno             the same, or "en15026-normale", "en15026-alto"
//   simulazione.superficie-esterna  "imposta": the surface takes the air's θ and φ
//   simulazione.superficie-interna  likewise for the inside
//   simulazione.assorbimento-solare 0…1 (default 0,4), with a weather file outside
//   simulazione.pioggia             the driving-rain factor (default 0), with a weather file
//   simulazione.muffa-sensibilita   the mould sensitivity class of the surfaces: molto-sensibile,
//                                   sensibile (default), media, resistente
//   strato.K.porosita, strato.K.w80, strato.K.wf, strato.K.coeff-assorbimento  numbers
//   strato.K.sorbimento, strato.K.diffusivita-liquida, strato.K.mu-umido,
//   strato.K.conduttivita-umida     tables "a:b;a:b;…"
//   strato.K.legno                  1: the layer is timber, its moisture content is judged
// The file keeps each value as typed; only "simulazione" is checked when reading, the rest
// when the simulation is prepared. A layer key never names an air cavity.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr std::string_view ChiaveSimulazione = "simulazione";
inline constexpr std::array<std::string_view, 11> ChiaviSimulazione{
    "simulazione",
    "simulazione.giorni",
    "simulazione.inizio",
    "simulazione.profili",
    "simulazione.esterno",
    "simulazione.interno",
    "simulazione.superficie-esterna",
    "simulazione.superficie-interna",
    "simulazione.assorbimento-solare",
    "simulazione.pioggia",
    "simulazione.muffa-sensibilita",
};
// The keys of the block that hold one number, which a sweep may vary.
inline constexpr std::array<std::string_view, 3> ChiaviSimulazioneNumeriche{
    "simulazione.giorni", "simulazione.assorbimento-solare", "simulazione.pioggia"};
// The first NumericiIgrotermici suffixes hold one number, the next ones a table, the last a
// flag.
inline constexpr std::size_t NumericiIgrotermici = 4;
inline constexpr std::array<std::string_view, 9> SuffissiIgrotermici{
    "porosita",   "w80",
    "wf",         "coeff-assorbimento",
    "sorbimento", "diffusivita-liquida",
    "mu-umido",   "conduttivita-umida",
    "legno"};

enum class EsitoChiave { NonSimulazione, Accettata, Rifiutata };

// Applies one key of the block onto e, whose layers are complete.
EsitoChiave ApplicaChiaveSimulazione(Esercizio& e, std::string_view chiave,
                                     std::string_view valore);

bool HaDatiSimulazione(const Esercizio& e);

// Appends the block's "key=value" lines.
void RigheSimulazione(const Esercizio& e, std::vector<std::string>& righe);

} // namespace paretix
