#pragma once
// The air on each side of the wall hour by hour: constant, from the hours of a weather file
// (with the sun and the driving rain on the wall's face), or the inside climate drawn from the
// outside daily mean. A year of hours repeats for every year simulated; the value of an hour
// holds from its start to its end.

#include <functional>

#include "core/files/epw_orario.h"
#include "core/simulazione/simulazione.h"

namespace paretix {

// The facing of the wall in degrees from north (0 N, 90 E, 180 S, 270 W).
struct Esposizione {
    double Azimut = 180;
    double FattorePioggia = 0; // 0: no driving rain
};

// Solar irradiance on a vertical face, W/m², in the hour ending at ora (1..24) of day n
// (1..365): direct on the face by the angle of incidence at the middle of the hour in solar
// time, half the diffuse sky and half the ground's reflection at albedo 0,2.
double IrradianzaVerticale(const ClimaOrario& c, int giorno, const OraEpw& o, double azimut);

// Driving rain on the face, kg/(m² s): factor·0,07·v·cos(D − azimuth)·r while the wind blows
// onto it.
double PioggiaBattente(const OraEpw& o, const Esposizione& e);

std::function<Aria(double)> ClimaCostante(double θ, double φ);
std::function<Aria(double)> ClimaDaEpw(const ClimaOrario& c, const Esposizione& e);

// The inside climate from the outside daily mean θe: θi 20 °C up to θe 10 °C, 25 °C from
// θe 20 °C, straight between; φi 30 % up to θe −10 °C, 60 % from 20 °C, straight between,
// 10 points more for a high moisture load.
Aria InternoDaEsterno(double θeMedia, bool alto);
std::function<Aria(double)> ClimaInternoDaEpw(const ClimaOrario& c, bool alto);

} // namespace paretix
