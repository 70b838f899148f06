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
    // Inputs as read by the run.
    double hi = 0, he = 0, Ti = 0, Te = 0, Ui = 0, Ue = 0;
    Tabella SpessoreMetri{};
    Tabella Ki{};
    Tabella PermeabilitàStrato{};

    // Thermal.
    Tabella ResistenzaStrato{};
    double ResistenzaLiminareInterna = 0;
    double SommatoriaResistenze = 0;
    double Hc = 0;
    double H = 0;
    double FI = 0;
    Tabella T{};

    // Air cavities.
    Tabella FattoreMedio{};
    Tabella TemperaturaMedia{};

    // Hygrometric, pressures in hPa.
    double Pvsi = 0, Pvse = 0, Pvi = 0, Pve = 0;
    Tabella Pvs{};
    Tabella Pv{};
    Tabella ResistenzaVapore{};
    double PermeanzaParete = 0;

    // Acoustic: frequency index 0..5 stands for FrequenzeOttava.
    double DisturboInEntrata = 0;
    std::array<std::optional<double>, SlotTabelle> MassaSuperficiale{};
    std::array<std::array<double, 6>, SlotTabelle> PotereFonoisolante{};
    std::array<double, 6> PotereFonoisolanteParete{};
    std::array<double, 6> EnergiaTrasmessa{};
    double FrequenzaGrafico = 0;
    Tabella PotereFonoisolanteGrafico{};
    double EnergiaTrasmessaGrafico = 0;
};

} // namespace paretix
