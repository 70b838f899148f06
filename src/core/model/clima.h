#pragma once
// A year of climate as the monthly hygrothermal check reads it: the mean temperature and
// relative humidity of each calendar month, January first.

#include <array>

namespace paretix {

inline constexpr int MesiAnno = 12;
inline constexpr std::array<int, MesiAnno> GiorniMese{31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};

struct ClimaMese {
    double Temperatura = 0; // °C
    double Umidità = 0;     // %

    bool operator==(const ClimaMese&) const = default;
};
using ClimaAnno = std::array<ClimaMese, MesiAnno>;

} // namespace paretix
