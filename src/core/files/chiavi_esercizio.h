#pragma once
// The values of an exercise by name, for the command line that varies them. The additional data
// are named by their file keys (dati_aggiuntivi.h); the values of the version-1 part, which the
// file stores by position, are named the same way:
//   hi, he               the inside and outside surface coefficients
//   ti, te               the inside and outside air temperatures, °C
//   ui, ue               the inside and outside relative humidities, %
//   disturbo             the outside sound level, in the exercise's unit
//   strato.K.spessore    thickness of layer K, cm; likewise strato.K.densita,
//                        strato.K.conduttivita, strato.K.permeabilita, strato.K.fat-assorbimento
// A value set by name means what the same text means in a file: a version-1 value becomes the
// box's text, a key of the additional data goes through the reader of that section.

#include <optional>
#include <string_view>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr std::string_view ChiaveLiminariInterno = "hi";
inline constexpr std::string_view ChiaveLiminariEsterno = "he";
inline constexpr std::string_view ChiaveTInterna = "ti";
inline constexpr std::string_view ChiaveTEsterna = "te";
inline constexpr std::string_view ChiaveUInterna = "ui";
inline constexpr std::string_view ChiaveUEsterna = "ue";
inline constexpr std::string_view ChiaveDistSonoro = "disturbo";
inline constexpr std::string_view SuffissoSpessore = "spessore";
inline constexpr std::string_view SuffissoDensità = "densita";
inline constexpr std::string_view SuffissoConduttività = "conduttivita";
inline constexpr std::string_view SuffissoPermeabilità = "permeabilita";
inline constexpr std::string_view SuffissoFatAssorbimento = "fat-assorbimento";

// The keys that take one number, as a list for the messages ("K" for a layer's number).
inline constexpr std::string_view ChiaviNumeriche =
    "hi, he, ti, te, ui, ue, disturbo, strato.K.spessore, strato.K.densita, "
    "strato.K.conduttivita, strato.K.permeabilita, strato.K.fat-assorbimento, "
    "strato.K.calore-specifico, strato.K.sd, strato.K.intonaco, verifiche, btr, "
    "isolamento-interno, irradianza-290, strato-isolante, classe-umidita, "
    "condensa-ammissibile, interfaccia-freno, ponte.frazione, strato.K.ponte-conduttivita, "
    "fissaggi.conduttivita, fissaggi.diametro, fissaggi.numero, fissaggi.incasso, "
    "facciata.superficie, facciata.volume, facciata.finestra.superficie, facciata.finestra.rw, "
    "facciata.forma, facciata.k, facciata.rw-parete, simulazione.giorni, "
    "simulazione.assorbimento-solare, simulazione.pioggia, strato.K.porosita, strato.K.w80, "
    "strato.K.wf, strato.K.coeff-assorbimento";

// A key "strato.K.suffix" with one of the suffixes of ChiaviNumeriche: K (digits without a
// leading zero, at least 1, as the file writes them) and the suffix.
struct StratoDiChiave {
    int Numero = 0;
    std::string_view Suffisso;
};
std::optional<StratoDiChiave> DividiChiaveNumerica(std::string_view chiave);

// Whether chiave is one of ChiaviNumeriche, whatever the layer number.
bool ChiaveNumerica(std::string_view chiave);

// Sets the value of a key of ChiaviNumeriche on e, as a file holding that text would. False when
// the key is not one of them, names a layer e does not have, or the value is refused (for
// example a specific heat on an air cavity, a humidity class above 5).
bool ApplicaValoreChiave(Esercizio& e, std::string_view chiave, std::string_view valore);

} // namespace paretix
