#pragma once
// The texts of the monthly hygrothermal check that the report section and the window's rows
// share: the year's table, the mould and condensation lines, their requirements and the
// remedies.

#include <array>
#include <string>
#include <vector>

#include "core/verifiche/igrometrica.h"

namespace paretix {

inline constexpr const char* TitoloIgrometrica = "VERIFICA IGROMETRICA (UNI EN ISO 13788)";
inline constexpr const char* GrandezzaMuffa = "Rischio di muffa fRsi";
inline constexpr const char* GrandezzaCondensa = "Condensa interstiziale Ma,max";
inline constexpr const char* GrandezzaFreno = "Freno al vapore";
inline constexpr const char* GrandezzaSpessoreMuffa = "Spessore aggiuntivo contro la muffa";
// The criterion that accepts a condensate, as the report names it.
inline constexpr const char* CriterioCondensa = "FAQ ministeriale 3.11 (2018) sul DM 26/06/2015";
inline constexpr const char* RequisitoMuffa = "fRsi > fRsi,max (φsi ≤ 80 %)";

// "Condizioni interne: classe 3 (abitazioni), θi = 20 °C" or the typed year.
std::string TestoCondizioniInterne(const VerificaIgrometrica& v);
// "Ciclo annuale da novembre" (the cycle's first month), empty without condensation.
std::string TestoInizioCiclo(const RisultatoIgrometriaMensile& r);
// The table of the year: two heading lines, then January to December, columns aligned.
std::vector<std::string> RigheTabellaMensile(const RisultatoIgrometriaMensile& r);
// The same table for the window: the headings with their units, then the cells of each month
// as the report writes them.
inline constexpr std::array<const char*, 9> ColonneTabellaMensile{
    "Mese",     "θe (°C)",  "φe (%)",    "θi (°C)",  "pi (Pa)",
    "θsi (°C)", "fRsi,min", "gc (g/m²)", "Ma (g/m²)"};
using RigaMese = std::array<std::string, ColonneTabellaMensile.size()>;
std::vector<RigaMese> CelleTabellaMensile(const RisultatoIgrometriaMensile& r);

// "0,912"; "fRsi,max = 0,712 (gennaio), margine 0,200".
std::string TestoFRsi(const RisultatoIgrometriaMensile& r);
std::string TestoMargineMuffa(const RisultatoIgrometriaMensile& r);
std::string EsitoMuffa(const RisultatoIgrometriaMensile& r);

// "1234,5 g/m² (febbraio, tra gli strati 2 e 3), evapora entro l'anno" or "nessuna in alcun
// mese".
std::string TestoCondensa(const RisultatoIgrometriaMensile& r);
// "Ma,max ≤ 500 g/m² ed evaporazione completa entro l'anno (FAQ ...)".
std::string RequisitoCondensa(const RisultatoIgrometriaMensile& r);
std::string EsitoCondensaTesto(EsitoCondensa esito);

// "tra gli strati 2 e 3: sd ≥ 12,3 m", or that no sd up to the largest tried passes.
std::string TestoFreno(const VerificaIgrometrica& v);
// "strato 3: 2,5 cm", or that no thickness can reach it.
std::string TestoSpessoreMuffa(const VerificaIgrometrica& v);

} // namespace paretix
