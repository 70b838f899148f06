#pragma once
// The monthly hygrothermal check of the wall (UNI EN ISO 13788): mould risk at the inside
// surface and interstitial condensation through the year, month by month. Every choice the
// method leaves open is fixed here once:
// - calendar months of 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 days;
// - saturation pressure over water from 0 °C up, over ice below;
// - condensation only at the boundaries between layers, found by the lower convex hull of the
//   saturation points against the cumulated sd, from (0, pi) to (sd total, pe);
// - an interface holding water stays at saturation and may evaporate; it leaves the hull rule
//   the month after it has dried;
// - the year starts at the first month, in calendar order, that condenses after one that does
//   not (January when every month condenses) and runs twelve months from there;
// - the rates of a month come from the state at its start.

#include <array>
#include <optional>
#include <vector>

#include "core/model/clima.h"

namespace paretix {

// Water-vapour permeability of still air used to turn a layer's permeability into its sd,
// kg/(m s Pa).
inline constexpr double PermeabilitàVaporeAria = 2e-10;
// The amount of condensate accepted in Italian practice when the year dries it out, g/m².
inline constexpr double CondensaAmmissibilePredefinita = 500;
// The largest relative humidity at the inside surface that keeps mould away.
inline constexpr double UmiditàMassimaMuffa = 0.8;
// Safety factor on the inside vapour-pressure excess of a humidity class.
inline constexpr double FattoreSicurezzaUmidità = 1.10;

// Saturation pressure, Pa, at θ °C, and its inverse (the temperature at which p saturates).
double PressioneSaturazione(double θ);
double TemperaturaRugiada(double p);

// A layer of the wall for the method: its thermal resistance and its sd.
struct StratoIgrometrico {
    double Resistenza = 0; // m² K/W
    double Sd = 0;         // m
};

// The inside conditions: a humidity class 1..5 at 20 °C, or a typed year.
struct CondizioniInterne {
    int Classe = 0; // 1..5, 0 when the year is typed
    ClimaAnno Anno{};
};

struct DatiIgrometriaMensile {
    std::vector<StratoIgrometrico> Strati; // from the inside
    double Rsi = 0, Rse = 0;               // m² K/W
    double U = 0;                          // the wall's transmittance, W/(m² K)
    ClimaAnno Esterno{};
    CondizioniInterne Interno;
    double Ammissibile = CondensaAmmissibilePredefinita; // g/m²
};

struct MeseIgrometrico {
    double Te = 0, Ue = 0;         // °C, %
    double Ti = 0, Pi = 0;         // °C, Pa
    double Tsi = 0;                // inside surface, °C
    std::optional<double> FRsiMin; // none when the inside is not warmer than the outside
    // Per interface between layers k and k+1 (index k-1): the water condensed (positive) or
    // evaporated (negative) in the month and held at its end, g/m².
    std::vector<double> Flusso;
    std::vector<double> Accumulo;
    double FlussoTotale = 0;   // g/m², before clipping at 0
    double AccumuloTotale = 0; // g/m², at the end of the month
    // At the boundaries 0 (inside surface) .. n (outside surface): the saturation pressure and
    // the vapour pressure of the month's line, Pa.
    std::vector<double> Saturazione;
    std::vector<double> Pressione;
    double Pe = 0; // outside vapour pressure, Pa
};

enum class EsitoCondensa { Assente, Ammissibile, NonVerificata };

struct RisultatoIgrometriaMensile {
    std::array<MeseIgrometrico, MesiAnno> Mesi; // January to December
    EsitoCondensa Esito = EsitoCondensa::Assente;
    int MeseInizio = 0;                 // 0 = January; the first month of the cycle
    double AccumuloMassimo = 0;         // g/m²
    int MeseAccumuloMassimo = 0;        // 0 = January
    int InterfacciaAccumuloMassimo = 0; // 1 = between layers 1 and 2
    bool EvaporaTutta = true;           // nothing left at the end of the cycle
    double Ammissibile = 0;             // g/m²
    // Mould.
    int MeseCritico = 0;
    std::optional<double> FRsiMax;
    double FRsi = 0; // 1 - 0,25 U
    bool MuffaEvitata = true;
};

RisultatoIgrometriaMensile CalcolaIgrometriaMensile(const DatiIgrometriaMensile& d);

} // namespace paretix
