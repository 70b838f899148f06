#pragma once
// The periodic thermal characteristics of the wall and the summer requirement of the
// minimum-requirements decree (DM 26/06/2015, All. 1 §3.3): for a vertical wall towards the
// outside not facing NW, N or NE, outside climate zone F, where the mean irradiance of the
// sunniest month on the horizontal Im,s reaches 290 W/m², either Ms > 230 kg/m² or
// |Yie| < 0,10 W/(m² K).

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

inline constexpr double MassaEstivaMinima = 230;      // kg/m², exceeded
inline constexpr double YieEstivaMassima = 0.10;      // W/(m² K), not reached
inline constexpr double IrradianzaEstivaMinima = 290; // W/m², Im,s from which it applies

inline constexpr const char* EsitoEstivaVerificata = "verificata";
inline constexpr const char* EsitoEstivaNonVerificata = "non verificata";
inline constexpr const char* EsitoEstivaNonApplicabile = "non applicabile";
inline constexpr const char* EsitoEstivaIndeterminata = "non determinabile";

inline constexpr const char* MotivoEsposizione = "parete esposta a nord, nord-est o nord-ovest";
inline constexpr const char* MotivoZonaF = "zona climatica F";
inline constexpr const char* MotivoIrradianza = "irradianza Im,s inferiore a 290 W/m²";
inline constexpr const char* MotivoNonEsterna = "la parete non separa dall'esterno";
inline constexpr const char* MotivoSenzaYie =
    "senza la trasmittanza periodica la sola massa superficiale non basta";

inline constexpr const char* DatoEsposizione = "orientamento";
inline constexpr const char* DatoIrradianza = "irradianza Im,s";
inline constexpr const char* DatoZona = "zona climatica";
inline constexpr const char* DatoElemento = "tipo di parete";

// The chain of the exercise's layers between the standard surface resistances of the law, air
// cavities as the resistances of the thermal run.
VerificaDinamica VerificaDellaDinamica(const Esercizio& e, const RisultatiCalcolo& r);

VerificaEstiva VerificaDellaEstiva(const Esercizio& e, double Ms, const VerificaDinamica& d);

} // namespace paretix
