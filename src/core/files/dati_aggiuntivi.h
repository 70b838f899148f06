#pragma once
// The section "Dati aggiuntivi" of a version-2 exercise file: the project data of the
// compliance checks and the per-layer data, one "key=value" line each. Keys are ASCII lower
// case; values are stored as the user gave them (numbers with the decimal comma).
//
// Known keys, in the order the writer puts them:
//   verifiche            1 or 0: the "Verifiche di legge" check box
//   zona                 A to F
//   regime               riqualificazione-2015, riqualificazione-2021, riferimento-2015,
//                        riferimento-2021
//   elemento             esterno, non-climatizzato, divisorio
//   btr                  the correction factor, as typed
//   isolamento-interno   1 or 0
//   orientamento         N, NE, E, SE, S, SO, O, NO
//   irradianza-290       1 or 0
//   categoria            A to G
//   strato-isolante      the number of the insulation layer
//   clima.M              "θe;φe" of month M = 1..12, °C and %, as typed (e.g. "-0,3;83")
//   classe-umidita       1 to 5, or 0 when the inside conditions are typed
//   interno.M            "θi;φi" of month M, when the inside conditions are typed
//   condensa-ammissibile the admissible condensate, g/m², as typed
//   interfaccia-freno    K: the vapour retarder of the remedy between layers K and K+1
//   strato.K.intonaco    1 or 0 for layer K
//   strato.K.calore-specifico  J/(kg K) of layer K, as typed
//   strato.K.calore-specifico-abaco  1 when that value came from the materials database
//   strato.K.sd          the sd of layer K in m, as typed
// and then, the transmittance beyond one dimension and the façade, each as typed:
//   ponte.frazione       the share of the area taken by the bridging material, %
//   fissaggi.conduttivita, fissaggi.diametro, fissaggi.numero, fissaggi.incasso
//                        the fasteners through the insulation: W/(m K), mm, per m², and the
//                        length in cm inside the insulation when they stop in it
//   facciata.superficie, facciata.volume  the façade seen from the room, m², the room, m³
//   facciata.finestra.superficie, facciata.finestra.rw  its window or door, m² and dB
//   facciata.forma, facciata.k, facciata.rw-parete  ΔLfs and K in dB, a certified Rw of the wall
//   strato.K.ponte-conduttivita  W/(m K) of the material bridging layer K
//   progetto.titolo, progetto.committente, progetto.indirizzo, progetto.tecnico
//                        the heading of the technical report, as typed
// A choice not made and an empty text are not written. Keys the program does not know are
// kept in memory in their order and written back after the known ones.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloDatiAggiuntivi =
    "Dati aggiuntivi ------------------------------";

// The keys of the list above; a layer key is PrefissoStrato, the number, "." and its suffix.
inline constexpr std::string_view ChiaveVerifiche = "verifiche";
inline constexpr std::string_view ChiaveZona = "zona";
inline constexpr std::string_view ChiaveRegime = "regime";
inline constexpr std::string_view ChiaveElemento = "elemento";
inline constexpr std::string_view ChiaveBtr = "btr";
inline constexpr std::string_view ChiaveIsolamentoInterno = "isolamento-interno";
inline constexpr std::string_view ChiaveOrientamento = "orientamento";
inline constexpr std::string_view ChiaveIrradianza = "irradianza-290";
inline constexpr std::string_view ChiaveCategoria = "categoria";
inline constexpr std::string_view ChiaveStratoIsolante = "strato-isolante";
inline constexpr std::string_view ChiaveClasseUmidità = "classe-umidita";
inline constexpr std::string_view ChiaveCondensaAmmissibile = "condensa-ammissibile";
inline constexpr std::string_view ChiaveInterfacciaFreno = "interfaccia-freno";
inline constexpr std::string_view PrefissoClima = "clima.";
inline constexpr std::string_view PrefissoInterno = "interno.";
inline constexpr std::string_view PrefissoStrato = "strato.";
inline constexpr std::string_view SuffissoIntonaco = "intonaco";
inline constexpr std::string_view SuffissoCaloreSpecifico = "calore-specifico";
inline constexpr std::string_view SuffissoCaloreSpecificoDaAbaco = "calore-specifico-abaco";
inline constexpr std::string_view SuffissoSd = "sd";
inline constexpr std::string_view SuffissoPonteConduttività = "ponte-conduttivita";

// Whether chiave is one of the keys of the transmittance beyond one dimension and the façade
// that apply to the whole wall (ponte.frazione, fissaggi.*, facciata.*).
bool ChiavePontiEFacciata(std::string_view chiave);
inline constexpr std::string_view ChiaveProgettoTitolo = "progetto.titolo";
inline constexpr std::string_view ChiaveProgettoCommittente = "progetto.committente";
inline constexpr std::string_view ChiaveProgettoIndirizzo = "progetto.indirizzo";
inline constexpr std::string_view ChiaveProgettoTecnico = "progetto.tecnico";

// Whether the exercise holds anything that only a version-2 file can store.
bool HaDatiAggiuntivi(const Esercizio& e);

// The "key=value" lines of the section for e, without title and separator.
std::vector<std::string> RigheDatiAggiuntivi(const Esercizio& e);

// Applies one line of the section onto e, whose layer list is already complete. Returns the
// key read, or nothing when the line is not "key=value", the key is malformed or a known key
// has a value the program does not accept (a layer number outside 1 to the layer count, a
// plaster flag or a specific heat on an air cavity included).
std::optional<std::string> ApplicaRigaDatiAggiuntivi(Esercizio& e, std::string_view riga);

} // namespace paretix
