#pragma once
// The empty frames of the three charts: axes and the section of the wall between its faces.

#include "core/charts/elementi.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

// Design sizes of the surfaces, twips.
constexpr double LarghezzaSuperficie = 8895;
constexpr double AltezzaSuperficieMezza = 3615;  // the temperature and vapour charts together
constexpr double AltezzaSuperficieIntera = 7335; // a chart alone on its panel

// The wall section: its faces run from y = 240 to y = H - 295.
constexpr double FacciaInterna = 1500;
constexpr double FacciaEsterna = 7800;
constexpr double AltoMuro = 240;
constexpr double MargineBassoMuro = 295;
// The vertical axis runs from y = 0 to y = H - 310.
constexpr double AsseVerticale = 500;
constexpr double MargineBassoAsse = 310;
// The vapour chart's empty frame has its zero line at this fixed height.
constexpr double AltezzaRiferimentoGrafico2 = 3100;

// The acoustic chart's frequency axis is logarithmic: every octave takes the same width, from
// 125 Hz at 750 twips to 4000 Hz at 8500.
constexpr double AscissaPrimaOttava = 750;
constexpr double LarghezzaOttava = 1550;
double AscissaFrequenza(double F);
constexpr double AltoEtichetteFrequenza = AltoMuro + 30;
// The grid lines start below their labels, so that no line runs through "125" … "4000".
constexpr double AltoGrigliaFrequenze = AltoEtichetteFrequenza + AltezzaTesto + 30;

// The frequency grid lines and their labels: "L3(k)" and "LabelErz(k)", k = 1 to 6, each label
// centred on its line, with "LabelErz(0)" ("Hz").
void PosizionaGrigliaFrequenze(Superficie& g3, bool visibile);

// Places the frame elements of the three surfaces for their current width and height;
// surface 3 becomes 7335 high.
void DisegnaAsintotiEMuro(Grafici& g);

// The charts as they stand with no results: the empty frames, surface 1 7335 high when the
// hygrometric calculation is off (the vapour chart is then not shown) and 3615 when it is on,
// surface 3 with its axes only.
Grafici GraficiAzzerati(bool igrometrico);

} // namespace paretix
