#pragma once
// The value axis of a chart: tick marks on the vertical axis at round values, labelled left of
// it, and the caption with the unit at its top.

#include <string_view>
#include <vector>

#include "core/charts/posa_etichette.h"
#include "core/charts/scala.h"

namespace paretix {

// Ticks stand at least this far apart, so that their labels never touch.
constexpr double DistanzaMinimaTacche = 300;
constexpr double LunghezzaTacca = 60;
constexpr int TaccheMassime = 40;
// The unit caption stands at the top left of the surface.
constexpr double SinistraUnita = 100;
constexpr double AltoUnita = 30;

// The tick values for a range from minimo to massimo drawn over altezzaBanda twips: the
// multiples, within the range, of the smallest step 1, 2 or 5 times a power of ten that keeps
// them DistanzaMinimaTacche apart; the value alone when the range has no span; none for a
// range that is not finite.
std::vector<double> ValoriTacche(double minimo, double massimo, double altezzaBanda);

// Replaces the ticks of s: the marks "Tacca(k)" left of the vertical axis, painted first
// (behind the frame and the curves), and their labels
// "EtichettaTacca(k)" (FormaGrafico), right-aligned to the marks. A label that would not be
// free (posa) is left out, and so is one whose text repeats the one below it; a placed label
// is taken in posa. unita, when not empty, is the caption "EtichettaUnita".
void DisegnaAsseValori(Superficie& s, const ScalaValori& scala, std::string_view unita,
                       PosaEtichette& posa);

} // namespace paretix
