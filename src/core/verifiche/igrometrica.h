#pragma once
// The monthly hygrothermal check of the exercise: the wall, the year of climate and the inside
// conditions taken from the exercise and its last run, the method run, and the remedies when
// the wall fails.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/igrometria_mensile.h"

namespace paretix {

// The inside humidity classes by use, 1 to 5.
inline constexpr std::array<const char*, 5> NomiClasseUmidità{"magazzini", "uffici", "abitazioni",
                                                              "alta occupazione", "piscine"};
// The months, January first, as the report and the window name them.
inline constexpr std::array<const char*, MesiAnno> NomiMesi{
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

// The largest sd the retarder remedy tries, m: beyond it a vapour barrier is needed anyway.
inline constexpr double SdMassimoFreno = 1500;
// The steps of the remedies: sd to 0,1 m, the insulation to 0,5 cm.
inline constexpr double PassoSdFreno = 0.1;
inline constexpr double PassoSpessoreMuffa = 0.005;

struct VerificaIgrometrica {
    std::vector<std::string> Mancanti; // the data the check lacks; then no numbers
    std::optional<RisultatoIgrometriaMensile> Risultato;
    int ClasseUmidità = 0; // 1..5; 0 for typed inside conditions
    // The condensation remedy: the boundary of the retarder (k: between layers k and k+1, 0 the
    // inside surface) and the smallest sd, to 0,1 m, that makes the wall pass; no sd when none up
    // to SdMassimoFreno does.
    int InterfacciaFreno = 0;
    std::optional<double> SdFreno;
    bool RimedioCondensa = false; // whether the remedy was sought (the check failed)
    // The mould remedy: the insulation layer and the extra thickness, m, to 0,5 cm.
    int StratoIsolante = 0;
    std::optional<double> SpessoreMuffa;
    bool RimedioMuffa = false;
};

// Whether the exercise asks for the monthly check: some month of the outside climate typed, or
// the inside conditions chosen. An exercise without either keeps the section as it was.
bool ConDatiIgrometrici(const DatiVerifiche& v);

// A typed year: nothing, with the months (0 = January) whose temperature is not a number from
// -70 to 70 or whose humidity is not a number from 0 to 100 in errati; otherwise the year read.
std::optional<ClimaAnno> LetturaAnnoDigitato(const AnnoDigitato& anno, std::vector<int>& errati);

// The sd of the layers from the inside, m: the one typed, or δ0/δ·d from the permeability.
// k is 1-based; none for a typed sd that is not a number of at least 0.
std::optional<double> SdStrato(const Esercizio& e, const RisultatiCalcolo& r, int k);

// The inputs of the method from the exercise and a run of the thermal and hygrometric
// calculations, or the data that lack (Italian, for "dati mancanti: ...").
struct IngressoIgrometrico {
    std::optional<DatiIgrometriaMensile> Dati;
    std::vector<std::string> Mancanti;
};
IngressoIgrometrico DatiIgrometrici(const Esercizio& e, const RisultatiCalcolo& r);

// The whole check, remedies included.
VerificaIgrometrica VerificaDellIgrometria(const Esercizio& e, const RisultatiCalcolo& r);

// The smallest sd of a retarder at boundary k (between layers k and k+1, 0 the inside
// surface) that passes, to
// PassoSdFreno; none when SdMassimoFreno does not.
std::optional<double> SdFrenoNecessario(const DatiIgrometriaMensile& d, int k);

} // namespace paretix
