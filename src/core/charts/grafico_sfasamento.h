#pragma once
// The daily wave through the wall, for the "Verifiche" window: the outside temperature swinging
// by ±1 K over 24 hours, which is also the flux a wall without heat capacity would pass (U·1 K at
// its peak, the label on the right), and the heat flux it drives at the inside surface, damped by
// the decrement factor and delayed by the time shift.

#include <string>

#include "core/charts/elementi.h"

namespace paretix {

inline constexpr double LarghezzaGraficoSfasamento = 4800; // twips
inline constexpr double AltezzaGraficoSfasamento = 2400;
// The curves are drawn every quarter of an hour.
inline constexpr int PuntiGraficoSfasamento = 96;

inline constexpr const char* EtichettaOre = "h";
inline constexpr const char* EtichettaTemperaturaEsterna = "θe ±1 K";
inline constexpr const char* EtichettaFlusso = "flusso interno";
inline constexpr const char* PrefissoSfasamento = "Δt = ";

// U and Yie in W/(m² K), the time shift in hours in [0; 24).
Superficie GraficoSfasamento(double U, double Yie, double sfasamentoOre);

} // namespace paretix
