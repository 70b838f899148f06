#pragma once
// What the transient simulation's results say of the wall: whether its water content trends
// down, holds or builds up year after year, whether mould grows where it is watched, whether
// timber stays dry.

#include <optional>
#include <string>

#include "core/simulazione/simulazione.h"

namespace paretix {

enum class Andamento { SiAsciuga, InEquilibrio, Accumula };

// The wall is in equilibrium when the change of its water over the last 365 days is at most
// QuotaEquilibrio of the first year's change, or at most SogliaEquilibrio kg/m² (a wall whose
// water hardly moves at all).
inline constexpr double QuotaEquilibrio = 0.05;
inline constexpr double SogliaEquilibrio = 0.01;
// The mould index must stay below 1: growth seen only under the microscope is the first sign.
inline constexpr double IndiceMuffaAmmesso = 1;
// Timber stays out of the reach of decay below 20 % of moisture by mass.
inline constexpr double UmiditàLegnoAmmessa = 20;

struct AndamentoAcqua {
    Andamento Esito = Andamento::InEquilibrio;
    double PrimoAnno = 0;  // kg/m², the change over the first year
    double UltimoAnno = 0; // kg/m², over the last 365 days
};

// None for a run shorter than two years: one year's change has nothing to be judged against.
std::optional<AndamentoAcqua> ValutaAndamento(const RisultatoSimulazione& r);

// "si asciuga", "è in equilibrio", "accumula".
std::string TestoAndamento(Andamento a);

// "verificato" or "non verificato", as the report and the technical report write a verdict.
std::string TestoEsito(bool verificato);

// "in equilibrio se l'ultima non supera il 5 % della prima o 0,01 kg/m²": the trend's rule as
// the outputs state it.
std::string CriterioEquilibrio();

// The place of a mould index as the report names it.
std::string LuogoMuffa(const MuffaPunto& p);

} // namespace paretix
