#pragma once
// The numbers of one calculation run. They survive from one run to the next: the second run of
// a wall with air cavities reads the boundary temperatures of the first.

#include <array>
#include <optional>

#include "core/model/esercizio.h"

namespace paretix {

using Tabella = std::array<double, SlotTabelle>; // slot k: layer k or boundary k

// The octave frequencies of the acoustic calculation, Hz.
constexpr std::array<int, 6> FrequenzeOttava{125, 250, 500, 1000, 2000, 4000};

struct RisultatiCalcolo {
    // Inputs as read by the run: hi, he in W/(m² K); Ti, Te in °C; Ui, Ue in %; the sound level
    // in dB or in W/m², as its unit says.
    double hi = 0, he = 0, Ti = 0, Te = 0, Ui = 0, Ue = 0, DistSonoro = 0;
    Tabella SpessoreMetri{};
    Tabella Ki{};                 // conductivity, W/(m K); of an air cavity its equivalent one
    Tabella PermeabilitàStrato{}; // as typed, in 10⁻¹² kg/(s m Pa)
    Tabella Densità{};            // as typed, kg/m³

    // Thermal.
    Tabella ResistenzaStrato{};           // m² K/W
    double ResistenzaLiminareInterna = 0; // 1/hi, m² K/W
    double SommatoriaResistenze = 0;      // the layers alone, m² K/W
    double Hc = 0;                        // conductance of the layers, W/(m² K)
    double H = 0;                         // transmittance U, surfaces included, W/(m² K)
    double FI = 0;                        // heat flux, W/m²
    Tabella T{};                          // boundary temperatures, °C (0 inside surface)

    // Air cavities.
    Tabella FattoreMedio{};     // mean absorption factor of the two faces
    Tabella TemperaturaMedia{}; // °C

    // Hygrometric, pressures in hPa.
    double Pvsi = 0, Pvse = 0, Pvi = 0, Pve = 0;
    Tabella Pvs{};
    Tabella Pv{};
    Tabella ResistenzaVapore{}; // m² s Pa/kg
    double PermeanzaParete = 0; // kg/(m² s Pa)

    // Acoustic: frequency index 0..5 stands for FrequenzeOttava.
    double DisturboInEntrata = 0; // incident sound intensity, W/m²
    std::array<std::optional<double>, SlotTabelle> MassaSuperficiale{};  // kg/m²
    std::array<std::array<double, 6>, SlotTabelle> PotereFonoisolante{}; // dB
    std::array<double, 6> PotereFonoisolanteParete{};                    // dB
    std::array<double, 6> EnergiaTrasmessa{};                            // dB
    double FrequenzaGrafico = 0;                                         // Hz
    Tabella PotereFonoisolanteGrafico{};                                 // dB
    double EnergiaTrasmessaGrafico = 0;                                  // dB
};

} // namespace paretix
