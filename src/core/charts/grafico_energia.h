#pragma once
// The acoustic chart: the sound level transmitted through the wall from 125 to 4000 Hz.

#include <array>
#include <functional>

#include "core/charts/elementi.h"

namespace paretix {

// The transmitted level in dB at a frequency in Hz.
using LivelloAllaFrequenza = std::function<double(double frequenza)>;

constexpr int FrequenzaInizialeGrafico = 125;
constexpr int FrequenzaFinaleGrafico = 4000;
constexpr int PassoFrequenzaGrafico = 5;
constexpr double LunghezzaPennellataEnergia = 10;

// Draws on surface 3 the level asked of livello every 5 Hz as a green line through those
// points on the logarithmic frequency axis (AscissaFrequenza), the yellow dotted leader lines
// "L3x(1..6)" from the vertical axis to the curve at the octave frequencies, and beside each
// octave point, off the curve and the leader lines (posa_etichette.h), its label
// "LabeldB(1..6)": the octave level of the report, EnergiaTrasmessa, in whole decibels rounded
// towards minus infinity (FormaGrafico). Moves the zero line "LineXg3" to 0 dB and shows the
// frequency grid, the unit labels and the ticks of the dB axis (assi.h). The octave levels and
// 0 set the scale.
void DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(
    Superficie& g3, const std::array<double, 6>& EnergiaTrasmessa,
    const LivelloAllaFrequenza& livello);

} // namespace paretix
