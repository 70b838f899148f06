#pragma once
// A chart of curves over a numeric abscissa, for the results of the transient simulation: the
// water held over the years, the state of a place over the last year, a profile across the
// wall, the mould index. Value axis on the left, abscissa ticks below, a legend above the plot,
// an optional dotted level (a limit) and vertical lines (the faces of the layers).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/charts/elementi.h"

namespace paretix {

inline constexpr double LarghezzaGraficoSerie = 4800; // twips, as the other charts of "Verifiche"
inline constexpr double AltezzaGraficoSerie = 2400;
// A long series keeps its shape in this many groups of two points each.
inline constexpr std::size_t GruppiSerie = 400;

struct CurvaGrafico {
    std::string Didascalia; // its entry in the legend
    std::vector<double> x, y;
    ColoreBGR Colore = RossoBGR;
};

struct DatiGraficoSerie {
    std::vector<CurvaGrafico> Curve;
    std::string UnitàValori, UnitàAscisse;
    bool DaZero = false; // the value axis takes in 0
    std::optional<double> Soglia;
    std::string DidascaliaSoglia;
    std::vector<double> Confini; // abscissas of vertical lines
};

// The curves as lines "Curva<k>(i)" (k from 1, one line per pair of neighbouring points whose
// values are both finite), the legend "Legenda(k)" and "EtichettaLegenda(k)" in rows above the
// plot (room for two rows: a few short captions), the abscissa's line "LineaAscisse" with its ticks
// "TaccaAscissa(k)" and labels "EtichettaAscissa(k)" and its unit "EtichettaUnitaAscisse", the
// value axis of the other charts, the level "LineaSoglia" with "EtichettaSoglia", the lines
// "LineaConfine(k)".
Superficie GraficoSerie(const DatiGraficoSerie& d);

// The series y(x) kept in at most 2·gruppi points: of each group of neighbouring points the
// smallest and the largest value, in their order, so that peaks stay where they were.
CurvaGrafico RiduciSerie(CurvaGrafico c, std::size_t gruppi);

} // namespace paretix
