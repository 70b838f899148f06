#pragma once
// The single-number rating of airborne sound insulation (EN ISO 717-1, octave bands), the
// empirical law of masonry and the requirement of the acoustic decree.

#include <array>
#include <optional>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// Which law gives which number, as the report and the window label them.
inline constexpr const char* EtichettaRwOttave =
    "Rw (C; Ctr) secondo UNI EN ISO 717-1, in bande d'ottava, dal potere fonoisolante "
    "calcolato";
inline constexpr const char* EtichettaRwEmpirico = "Rw dalla legge empirica 37,5·lg(Ms) - 42";

struct Valutazione717 {
    int Rw = 0, C = 0, Ctr = 0;
    bool operator==(const Valutazione717&) const = default;
};

// Rw, C and Ctr of a sound reduction R (dB) at 125, 250, 500, 1000 and 2000 Hz.
Valutazione717 ValutazioneInOttave(const std::array<double, 5>& R);

// The empirical law Rw = 37,5·lg m - 42 (m in kg/m²), rounded to the whole dB; nothing below
// the law's range of masses, or for a mass too large to be a number.
std::optional<int> RwLeggeEmpirica(double m);

// The acoustic check of the run: the rating of the wall's sound reduction as the acoustic
// calculation computed it, the empirical Rw from the surface mass Ms of the law (kg/m²), and the
// decree's requirement for the element and the building category, met or not by the empirical
// Rw. Needs the acoustic calculation.
VerificaAcustica VerificaDellIsolamentoAcustico(const Esercizio& e, const RisultatiCalcolo& r,
                                                double Ms);

} // namespace paretix
