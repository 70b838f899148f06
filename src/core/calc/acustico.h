#pragma once
// The acoustic calculation: the sound reduction of every layer by the mass law at the octave
// frequencies, the wall's total and the sound level that reaches the inside. Consecutive layers
// heavier than DensitàLimite act as one mass, and the single-frequency variant for the chart.

#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// The reference sound intensity of the decibel scale, W/m².
inline constexpr double IntensitàRiferimento = 1e-12;

// Fills the six-frequency results of r and appends the acoustic section of the report. Reads
// SpessoreMetri, Densità and DistSonoro of the run, and the sound level's unit.
void CalcoloDisturboSonoro(const Esercizio& e, RisultatiCalcolo& r, std::string& testo);

// The transmitted level at the one frequency F, for the acoustic chart: sets
// r.FrequenzaGrafico, r.PotereFonoisolanteGrafico and r.EnergiaTrasmessaGrafico and returns
// the latter. Reads r.SpessoreMetri of the last run and walks the layers again, leaving
// r.MassaSuperficiale as the report's walk left it.
double CalcoloDisturboSonoro2(const Esercizio& e, RisultatiCalcolo& r, double F);

} // namespace paretix
