#pragma once
// The vapour-pressure chart: the saturation and the effective pressure profiles through the
// wall, and the hatching of the zone where condensation is predicted.

#include <string_view>
#include <vector>

#include "core/calc/risultati.h"
#include "core/charts/elementi.h"

namespace paretix {

// The legend of the two profiles, each in its profile's colour.
inline constexpr const char* LegendaSaturazione = "Ps";
inline constexpr const char* LegendaVapore = "Pv";

// Draws on surface 2, on one common scale, the green saturation profile "LineaU1(0..N+1)"
// (Pvsi, Pvs, Pvse) and the red effective profile "LineaU2(0..N+1)" (Pvi, Pv, Pve), moves
// the zero line "LineXg2" to pressure 0, labels the four air pressures ("Label2yV(1)",
// "Label2yV(2)", "Label2yR(1)", "Label2yR(2)", four significant digits, etichette_livelli.h)
// and draws the value axis in unita (assi.h), the pressures being in that unit. At the top
// right the legend "LegendaPs" and "LegendaPv"; the air humidities "Ui …%" and "Ue …%"
// ("EtichettaUi", "EtichettaUe") inside the frame, in the inside and the outside air beside
// the section's lower edge. The hatching of an earlier drawing goes. ascisse are the
// boundaries x0 .. xN.
void DisegnaGraficiUmidità(Superficie& g2, const RisultatiCalcolo& r,
                           const std::vector<double>& ascisse, std::string_view unita = "hPa");

// Paints the condensation hatching on surface 2 from the profile elements 1 to N: within each
// layer, every 60 twips from its left boundary, a vertical magenta stroke between the two
// profiles wherever the effective profile lies above the saturation profile.
void tratteggio(Superficie& g2, int N);

} // namespace paretix
