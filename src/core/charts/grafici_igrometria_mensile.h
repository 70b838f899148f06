#pragma once
// The charts of the monthly hygrothermal check for the "Verifiche" window: the water held in
// the wall at the end of each month, and the vapour-pressure chart of the main window drawn
// for one month of the year.

#include <array>
#include <vector>

#include "core/charts/elementi.h"
#include "core/model/clima.h"
#include "core/model/esercizio.h"

namespace paretix {

inline constexpr double LarghezzaGraficoAccumulo = 4800; // twips
inline constexpr double AltezzaGraficoAccumulo = 2400;
inline constexpr const char* UnitàAccumulo = "g/m²";
inline constexpr const char* PrefissoAmmissibile = "ammissibile ";
inline constexpr const char* EtichettaSenzaCondensa = "nessuna condensa nell'anno";
inline constexpr const char* EtichettaInizioCiclo = "inizio ciclo";
// The month initials under the chart, January first.
inline constexpr std::array<const char*, MesiAnno> InizialiMesi{"G", "F", "M", "A", "M", "G",
                                                                "L", "A", "S", "O", "N", "D"};

// The water held through the year, g/m²: at the end of each month summed over the interfaces
// (January first), the largest amount and its month (0 = January), the admissible amount and
// the first month of the cycle, the one where the water starts to gather.
struct AccumuloAnno {
    std::array<double, MesiAnno> Ma{};
    double Massimo = 0;
    int MeseMassimo = 0;
    double Ammissibile = 0;
    int MeseInizio = 0;
};

// One month's vapour pressures, Pa: the saturation and the vapour pressure of the inside air,
// at the boundaries 0 (inside surface) .. n (outside surface), and of the outside air.
struct PressioniMese {
    double SaturazioneInterna = 0, Interna = 0;
    std::vector<double> Saturazione, Pressione;
    double SaturazioneEsterna = 0, Esterna = 0;
};

// Ma, the water held at the end of each month, as a red line
// "LineaMa(1..11)" through the twelve months, on a value axis in g/m² from 0. When some month
// condenses: the admissible amount as a dotted line "LineaAmmissibile" with its label right
// next to it where the line is free, and the start of the cycle as a dotted upright
// "LineaInizioCiclo" between the month before and the first month, labelled
// EtichettaInizioCiclo at its top. Without any condensation a zero line and the caption
// EtichettaSenzaCondensa.
Superficie GraficoAccumulo(const AccumuloAnno& a);

// The main window's vapour-pressure chart of wall e for the month: the saturation pressure and
// the month's vapour pressure at the inside air, each boundary and the outside air, in Pa as
// the year's table gives them, over the layers drawn to their thickness.
Superficie GraficoPressioniMese(const Esercizio& e, const PressioniMese& mese);

} // namespace paretix
