#pragma once
// Conversions between the units the user types or the calculations use and the ones shown.

namespace paretix {

inline constexpr double CentimetriPerMetro = 100;
inline constexpr double JouleInKilojoule = 1000;
// The hygrometric calculation works in hPa, the monthly check and the JSON output in Pa.
inline constexpr double PascalPerEttopascal = 100;
// Permeabilities are typed in units of 10^-12 kg/(s m Pa).
inline constexpr double UnitàPermeabilità = 1e-12;

} // namespace paretix
