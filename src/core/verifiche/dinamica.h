#pragma once
// The periodic thermal characteristics of the wall for a daily temperature wave (UNI EN ISO
// 13786): the wall is a chain of 2x2 complex transfer matrices, one per layer and one per
// surface resistance, multiplied from the outside surface to the inside one.

#include <array>
#include <complex>
#include <optional>
#include <vector>

namespace paretix {

struct Esercizio;
struct RisultatiCalcolo;

// The period of the wave: one day, s.
inline constexpr double PeriodoGiornaliero = 86400.0;

// One element of the wall: a material layer with its capacity, or a pure resistance (an air
// cavity).
struct StratoPeriodico {
    double Spessore = 0;                  // m
    double Conduttività = 0;              // W/(m K)
    double Densità = 0;                   // kg/m³
    double CaloreSpecifico = 0;           // J/(kg K)
    std::optional<double> SoloResistenza; // m² K/W, for an element without capacity
};

using MatriceTrasferimento = std::array<std::complex<double>, 4>; // Z11, Z12, Z21, Z22

struct CaratteristichePeriodiche {
    double U = 0;                   // steady-state transmittance of the same chain, W/(m² K)
    double Yie = 0;                 // periodic thermal transmittance |Yie|, W/(m² K)
    double FattoreAttenuazione = 0; // decrement factor f = |Yie| / U
    double SfasamentoOre = 0;       // time shift, h, in [0; 24)
    double Kappa1 = 0;              // internal areal heat capacity, J/(m² K)
    double Kappa2 = 0;              // external areal heat capacity, J/(m² K)
    double Y11 = 0;                 // internal thermal admittance |Y11|, W/(m² K)
    double Y22 = 0;                 // external thermal admittance |Y22|, W/(m² K)
};

// The transfer matrix of one element for the daily period.
MatriceTrasferimento MatriceStrato(const StratoPeriodico& s);

// strati from the inside (layer 1) to the outside; Rsi, Rse the surface resistances, m² K/W.
CaratteristichePeriodiche
CalcolaCaratteristichePeriodiche(double Rsi, double Rse,
                                 const std::vector<StratoPeriodico>& strati);

// The exercise's layers as elements of the chain, from a thermal run's results: a material
// layer with its density and specific heat, an air cavity as the resistance that run gave it.
// The numbers of the material layers without a valid specific heat, when there are any.
struct StratiDellaParete {
    std::vector<StratoPeriodico> Strati;
    std::vector<int> SenzaCaloreSpecifico;
};
StratiDellaParete StratiPeriodici(const Esercizio& e, const RisultatiCalcolo& r);

} // namespace paretix
