#pragma once
// The texts that the report section and the window's rows of the checks share: numbers with
// the decimal comma and the pieces that state a value, a limit or a requirement.

#include <string>
#include <utility>
#include <vector>

#include "core/model/numeri.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// What a check that did not run needs, as the report and the window say it.
inline constexpr const char* RichiedeCalcoloTermico = "richiede il calcolo termico";
inline constexpr const char* RichiedeCalcoloAcustico = "richiede il calcolo acustico";
inline constexpr const char* RichiedeCalcoloTermicoEIgrometrico =
    "richiede il calcolo termico e il calcolo igrometrico";

inline constexpr const char* GrandezzaTrasmittanza =
    "Trasmittanza termica U secondo UNI EN ISO 6946";
inline constexpr const char* GrandezzaTrasmittanzaEsercizio =
    "Trasmittanza termica U dell'esercizio (hi, he)";
inline constexpr const char* GrandezzaLimitiResistenza =
    "Resistenza termica, limiti superiore e inferiore";
inline constexpr const char* GrandezzaFissaggi = "Correzione per i fissaggi ΔUf";
inline constexpr const char* GrandezzaTrasmittanzaFissaggi = "Trasmittanza con i fissaggi Uc";
inline constexpr const char* GrandezzaFacciata = "Facciata secondo UNI EN ISO 12354-3";
inline constexpr const char* GrandezzaTrasmittanzaCorretta = "U·btr";
inline constexpr const char* GrandezzaSpessore = "Spessore aggiuntivo dello strato ";
inline constexpr const char* GrandezzaMassa = "Massa superficiale Ms (esclusi gli intonaci)";
inline constexpr const char* InizioMancanti = "dati mancanti: ";
inline constexpr const char* GrandezzaYie = "Trasmittanza termica periodica |Yie|";
inline constexpr const char* GrandezzaAttenuazione = "Fattore di attenuazione f";
inline constexpr const char* GrandezzaSfasamento = "Sfasamento Δt";
inline constexpr const char* GrandezzaKappa1 = "Capacità termica areica interna κ1";
inline constexpr const char* GrandezzaKappa2 = "Capacità termica areica esterna κ2";
inline constexpr const char* GrandezzaY11 = "Ammettenza termica interna |Y11|";
inline constexpr const char* GrandezzaY22 = "Ammettenza termica esterna |Y22|";
inline constexpr const char* GrandezzaEstiva = "Requisito estivo";
inline constexpr const char* InizioSenzaCaloreSpecifico = "Calore specifico mancante: strati ";
inline constexpr const char* RequisitoEstivo =
    "Ms > 230 kg/m² oppure |Yie| < 0,100 W/m²K (DM 26/06/2015, All. 1, §3.3)";

std::string TestoTrasmittanza(double U);              // "0,452 W/m²K"
std::string TestoSpessore(double metri);              // "8,5 cm"
std::string TestoMassa(double chilogrammi);           // "412 kg/m²"
std::string TestoBtr(double btr);                     // "btr = 0,7"
std::string TestoDecibel(int decibel);                // "48 dB"
std::string TestoRwOttave(const VerificaAcustica& v); // "51 (-1; -5) dB"
// "0,288 W/m²K (Rsi = 0,13, Rse = 0,04 m²K/W)".
std::string TestoTrasmittanzaDiLegge(const VerificaTrasmittanza& v);
// "R'T = 3,530 m²K/W, R''T = 3,418 m²K/W, e = 1,6 %".
std::string TestoLimitiResistenza(const LimitiResistenza& l);
// "R'w = 39,5 dB, D2m,nT,w = 41,7 dB (Rw della parete 50 dB, certificato)".
std::string TestoFacciata(const VerificaAcustica& v);
// "412 kg/m²", with ", intonaci compresi" when a plaster counts in it.
std::string TestoMassaEmpirica(const VerificaAcustica& v);

// The rows of the periodic characteristics, label and value ("Sfasamento Δt", "10,5 h").
std::vector<std::pair<std::string, std::string>> TestiDinamica(const CaratteristichePeriodiche& c);
// "Calore specifico mancante: strati 2, 4".
std::string TestoSenzaCaloreSpecifico(const std::vector<int>& strati);
// "Ms = 412 kg/m², |Yie| = 0,085 W/m²K" (without Yie when there is none).
std::string TestoValoriEstiva(const VerificaEstiva& v);

// "Limite ≤ 0,280 W/m²K (DM 26/06/2015, App. B, dal 2021, zona E)", or "Riferimento ≤ ...".
std::string TestoLimite(const VerificaTrasmittanza& v);
// "D2m,nT,w ≥ 40 dB (DPCM 5/12/1997, categoria A)".
std::string TestoRequisito(const VerificaAcustica& v);
// "dati mancanti: zona climatica, regime di verifica".
std::string TestoMancanti(const std::vector<std::string>& mancanti);

} // namespace paretix
