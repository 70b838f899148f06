#pragma once
// The thermal behaviour of an air cavity: an equivalent conductivity from the absorption
// factors of the two surfaces facing it, or, when one of them is not given, the resistance of
// still air for its thickness.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/model/validazione.h"

namespace paretix {

// Resistance of still air for a thickness s in metres, m² °C/W.
double ResistenzaAriaFerma(double s);

// ResistenzaStrato[k] = the still-air resistance for SpessoreMetri[k].
void TabellaResistenzaAllaConducibilitàTermicaDiStratiDiAriaFermi(RisultatiCalcolo& r, int k);

// Whether cavity k takes its resistance from the still-air table: the absorption factor of a
// neighbour is not given. A cavity at either end of the wall lacks one neighbour, whose factor
// counts as not given.
bool CameraAriaDaTabella(const Esercizio& e, int k);

// Sets FattoreMedio[k], TemperaturaMedia[k] and Ki[k] of cavity k; Ki[k] is 0 when the table
// applies. Hypothesis 1 takes the mean of the inside and outside air; hypothesis 2 the mean of
// the cavity's face temperatures T[k-1] and T[k] left by the previous run. The faces' absorption
// factors are those the check read (letti), or read from their boxes.
void CalcoloConduttivitàEquivalente(const Esercizio& e, int k, int ipotesiTemperaturaMedia,
                                    RisultatiCalcolo& r, const NumeriCaselle& letti = {});

} // namespace paretix
