#pragma once
// The thermal calculation of the wall, in five steps run in this order. Each appends its lines
// to the report. n is the number of layers; the inputs hi, he, Ti, Te, SpessoreMetri and Ki
// are read into r beforehand.

#include <string>

#include "core/calc/risultati.h"

namespace paretix {

// Unit resistance of every layer and their sum. A layer whose resistance cannot be formed (an
// air cavity without an equivalent conductivity) takes the resistance of still air.
void CalcoloSommatoriaResistenzeTermicheUnitarieR(RisultatiCalcolo& r, int n, std::string& testo);
void CalcoloConduttanzaTermicaUnitariaHc(RisultatiCalcolo& r, std::string& testo);
void CalcoloTrasmittanzaTermicaUnitariaH(RisultatiCalcolo& r, std::string& testo);
void CalcoloFlussoTermicoFI(RisultatiCalcolo& r, std::string& testo);
// The temperature of every boundary 0..n.
void CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(RisultatiCalcolo& r, int n,
                                                                 std::string& testo);

// The same five steps without their report lines.
void CalcoloTermicoSenzaRapporto(RisultatiCalcolo& r, int n);

} // namespace paretix
