#pragma once
// One-dimensional coupled heat and moisture transfer through the wall, hour by hour over
// years. Per cell the unknowns are the temperature and the relative humidity; the water held
// follows from the storage curve. Energy carries conduction, the latent heat of the vapour
// moving and the heat of the water held and moved; moisture moves as vapour (driven by the
// vapour pressure) and as liquid (driven by the humidity). Each step is implicit and solved
// by Newton iterations; a step that does not converge is retried shorter, and steps grow
// again while they converge quickly.

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/simulazione/maglia.h"
#include "core/simulazione/materiale_igrotermico.h"
#include "core/simulazione/muffa_vtt.h"

namespace paretix {

inline constexpr double CaloreSpecificoAcqua = 4180;  // J/(kg K)
inline constexpr double CaloreVaporizzazione = 2.5e6; // J/kg
inline constexpr double SecondiGiorno = 86400;
inline constexpr double SecondiOra = 3600;

// The air next to a surface at one time: its temperature (°C) and humidity (0..1), the solar
// irradiance on the wall (W/m²) and the driving rain reaching it (kg/(m² s)).
struct Aria {
    double θ = 20;
    double φ = 0.5;
    double Irradianza = 0;
    double Pioggia = 0;
};

struct SuperficieParete {
    // The surface takes the air's θ and φ directly, without resistance.
    bool Imposta = false;
    double h = 0;                        // W/(m² K)
    double β = 0;                        // vapour transfer coefficient, kg/(m² s Pa)
    double Assorbimento = 0;             // solar absorptance
    std::function<Aria(double t)> Clima; // t in s from the start
};

struct StratoSimulazione {
    double Spessore = 0; // m
    MaterialeIgrotermico Materiale;
};

struct DatiSimulazione {
    std::vector<StratoSimulazione> Strati; // from the inside
    SuperficieParete Interna, Esterna;
    double θIniziale = 20, φIniziale = 0.5;
    double Durata = 0;           // s; a whole number of hours
    std::vector<double> Profili; // s, times at whose end the full profiles are kept
    OpzioniMaglia Maglia;
    // The longest step, s: an hour follows the climate's hours; shorter steps follow fast
    // changes more closely.
    double PassoMassimo = SecondiOra;
    // The class of the mould index run hour by hour at the inside surface and at each interface
    // between layers; none: no index.
    std::optional<SensibilitàMuffa> Muffa;
    // Per layer, the dry density of a timber layer (kg/m³), whose largest mass-related moisture
    // content is kept; 0 for any other layer. Empty: no timber.
    std::vector<double> DensitàLegno;
    // The window's charts: the hourly state at each watched place over the last year and a
    // profile at the end of every day. Off for the outputs that print only the figures.
    bool Andamenti = false;
};

// The mould index at one place: 0 the inside surface, K the interface between layers K and
// K + 1 (from 1, from the inside).
struct MuffaPunto {
    int Dove = 0;
    double Massimo = 0;
    std::vector<double> FineMese; // M at the end of each month
};

// The largest mass-related moisture content of a timber layer over the run, % (M.-%), at
// the wettest of its cells.
struct LegnoStrato {
    int Strato = 0; // from 1
    double UmiditàMassima = 0;
};

// The temperature (°C) and humidity (0..1) at one place (as MuffaPunto), hour by hour over the
// last year of the run, or the whole run when it is shorter.
struct AndamentoPunto {
    int Dove = 0;
    std::vector<double> θ, φ;
};

struct Profilo {
    double t = 0;                   // s
    std::vector<double> x, T, φ, w; // the surfaces and the cell centres, from the inside
};

struct RisultatoSimulazione {
    bool Riuscita = false;
    // Stopped through its control before the end: nothing else is kept.
    bool Interrotta = false;
    std::string Messaggio;
    int Passi = 0;
    // Stored change against the water and energy that crossed the surfaces, relative to the
    // larger of that change and of the total that crossed.
    double ErroreBilancioUmidità = 0;
    double ErroreBilancioEnergia = 0;
    std::vector<Profilo> Profili;
    std::vector<std::vector<double>> MediaMensile; // per layer, w kg/m³ at each month's end
    std::vector<double> AcquaAnnua;                // kg/m² held at each year's end
    std::vector<double> AcquaMensile;              // kg/m² held at each month's end
    double AcquaIniziale = 0;                      // kg/m²
    double AcquaFinale = 0;                        // kg/m², at the end of the run
    // kg/m², 365 days before the end; none for a run shorter than that.
    std::optional<double> AcquaAnnoPrima;
    std::optional<SensibilitàMuffa> ClasseMuffa;
    std::vector<MuffaPunto> Muffa;
    std::vector<LegnoStrato> Legno;
    // Only when the run was asked for them (DatiSimulazione::Andamenti).
    std::vector<AndamentoPunto> Andamenti; // the inside surface, then each interface
    std::vector<Profilo> ProfiliGiornalieri;
    std::vector<double> Spessori; // m, the layers' from the inside, for the faces in the profiles
};

// What the caller of a run may do while it runs: be told how far it has gone, from 0 to 1,
// growing, at the end of every simulated day (1 once, when it is done), and stop it through a
// flag read at the end of every simulated hour. Neither changes the results.
struct ControlloSimulazione {
    std::function<void(double quota)> Avanzamento;
    const std::atomic<bool>* Interruzione = nullptr;
};

RisultatoSimulazione Simula(const DatiSimulazione& d, const ControlloSimulazione& controllo = {});

// One side of the face between two cells: its centre's temperature (°C) and vapour pressure
// (Pa), its conductivity and vapour permeability, and the cell's width (m).
struct LatoFaccia {
    double θ = 0, pv = 0, λ = 0, δ = 0, Larghezza = 0;
};

// The temperature and relative humidity at the face: the heat and vapour fluxes from the two
// centres to the face are equal, so the face takes the means of the two sides weighted by
// their conductances.
Aria StatoFaccia(const LatoFaccia& a, const LatoFaccia& b);

} // namespace paretix
