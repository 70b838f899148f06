#pragma once
// The three stacked panels of the main window and what stands on the two chart panels, in
// twips (1/1440 inch) from the top-left corner of a panel. The view draws 15 twips to a pixel.

#include "core/charts/cornici.h"

namespace paretix {

constexpr int TwipPerPixel = 15;

// Every panel has the same size, so that they stack exactly.
constexpr int LarghezzaPannello = 9900;
constexpr int AltezzaPannello = 7800;

// Chart surfaces: the temperature chart above the vapour-pressure chart, or alone on the
// whole height when there is no hygrometric calculation; the acoustic chart on its own panel.
constexpr int LarghezzaGrafico = static_cast<int>(LarghezzaSuperficie);
constexpr int AltezzaGraficoMezzo = static_cast<int>(AltezzaSuperficieMezza);
constexpr int AltezzaGraficoIntero = static_cast<int>(AltezzaSuperficieIntera);
constexpr int SinistraGrafico1 = 480;
constexpr int AltoGrafico1 = 360;
constexpr int SinistraGrafico2 = 480;
// Right under the temperature chart, so that the two surfaces touch and never overlap.
constexpr int AltoGrafico2 = AltoGrafico1 + AltezzaGraficoMezzo;
constexpr int SinistraGrafico3 = 720;
constexpr int AltoGrafico3 = 360;

// The humidities beside the vapour-pressure chart: inside on its left, outside on its right,
// each a caption above the value.
constexpr int LarghezzaUmidità = 450;
constexpr int AltezzaUmidità = 240;
constexpr int SinistraUmiditàInterna = 15;
constexpr int SinistraUmiditàEsterna = SinistraGrafico2 + LarghezzaGrafico + 30;
constexpr int AltoCaptionUmidità = AltoGrafico2 + 1440;
constexpr int AltoValoreUmidità = AltoCaptionUmidità + AltezzaUmidità;

} // namespace paretix
