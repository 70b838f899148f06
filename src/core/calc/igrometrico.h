#pragma once
// The hygrometric calculation: saturation and effective water-vapour pressures at every
// boundary of the wall and the check for condensation, in four steps run in this order after
// the thermal calculation. Pressures are in hPa. n is the number of layers; the inputs Ti, Te,
// Ui, Ue, SpessoreMetri and PermeabilitàStrato are read into r beforehand.

#include <string>

#include "core/calc/risultati.h"

namespace paretix {

// Saturation pressure of water vapour at t °C, hPa: over water from 0 °C up, over ice below.
double PressioneDiSaturazione(double t);
// The law over ice, in the unit of p0, the saturation pressure at 0 °C.
double PressioneSaturazioneGhiaccio(double t, double p0);

void CalcoloPressioneDiSaturazione(RisultatiCalcolo& r, int n, std::string& testo);
// Vapour resistance of every layer and the wall's permeance; appends nothing.
void CalcoloPermeanzaDellaPareteAlVaporeDAcqua(RisultatiCalcolo& r, int n);
void CalcoloPressioneEffettiva(RisultatiCalcolo& r, int n, std::string& testo);
// Condensation at boundary i: the saturation pressure lies strictly below the effective one.
bool CondensaAlConfine(const RisultatiCalcolo& r, int i);
// Writes which boundaries condense.
void Confronto(const RisultatiCalcolo& r, int n, std::string& testo);

} // namespace paretix
