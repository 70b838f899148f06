#pragma once
// A profile of values through the wall, as a family of line elements: element 0 is the inside
// air level (x = 0 to the inside face), element k the segment through layer k, element N + 1
// the outside air level (outside face to x = 9800). The temperature chart draws one, the
// vapour chart two on a common scale.

#include <string_view>
#include <vector>

#include "core/calc/risultati.h"
#include "core/charts/elementi.h"
#include "core/charts/scala.h"

namespace paretix {

constexpr double FineLivelloEsterno = 9800;

// Moves the zero line (a white axis 3 pixels wide) to the height y, from the vertical axis to
// the right edge: the tick labels left of the axis stay clear of it.
void SpostaLineaZero(Superficie& s, std::string_view nome, double y);

// Removes the elements 1 to 16 of the family left by an earlier drawing.
void RimuoviProfilo(Superficie& s, std::string_view famiglia);

// Places the elements 0 to N + 1 (N = ascisse.size() - 1) in front of the others.
void DisegnaProfilo(Superficie& s, std::string_view famiglia, ColoreBGR colore,
                    const ScalaValori& scala, double interno, const Tabella& confini,
                    double esterno, const std::vector<double>& ascisse);

} // namespace paretix
