#pragma once
// The U the law compares, from the exercise and its thermal run: the standard surface
// resistances instead of the exercise's hi and he, a bridged layer by the upper and lower
// limits, and the fasteners through the insulation.

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The standard surface resistances of the wall: towards the outside (or an element not yet
// chosen) Rsi 0,13 and Rse 0,04; towards an unheated space or another dwelling 0,13 on both.
ResistenzeLiminari ResistenzeLiminariDiLegge(const DatiVerifiche& d);

// Fills U, Superfici, UEsercizio, SuperficiDiverse, Ponti, DeltaUf and DeltaUfConta of v, and
// appends to v.Mancanti the data typed wrong (then U is the one of the homogeneous wall).
void TrasmittanzaDiLegge(const Esercizio& e, const RisultatiCalcolo& r, VerificaTrasmittanza& v);

} // namespace paretix
