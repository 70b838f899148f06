#pragma once
// The hours of an EnergyPlus weather file (EPW) as the transient simulation reads them: eight
// header lines, the first "LOCATION,city,region,country,source,station,latitude,longitude,
// time zone,elevation", then 8760 lines of comma-separated fields, counted from 1: 2 month,
// 3 day, 4 hour (1..24, the hour ending then), 7 dry-bulb temperature (°C), 9 relative
// humidity (%), 14 global horizontal, 15 direct normal and 16 diffuse horizontal irradiation
// (Wh/m² over the hour), 21 wind direction (degrees from north, where it blows from), 22 wind
// speed (m/s), 34 liquid precipitation (mm over the hour; 999 or a shorter line: none).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paretix {

inline constexpr int OreAnno = 8760;

struct OraEpw {
    int Mese = 1, Giorno = 1, Ora = 1;
    double θ = 0, Umidità = 0;                    // °C, %
    double Globale = 0, Diretta = 0, Diffusa = 0; // W/m²
    double DirezioneVento = 0, Vento = 0;         // °, m/s
    double Pioggia = 0;                           // mm/h
};

struct ClimaOrario {
    double Latitudine = 0, Longitudine = 0; // degrees, north and east positive
    double FusoOrario = 0;                  // hours from UTC
    std::vector<OraEpw> Ore;                // 8760, from 1 January 1:00
};

// Nothing when the text is a year of hours; otherwise the reason, in Italian, naming the line.
std::optional<std::string> LetturaEpwOraria(std::string_view testo, ClimaOrario& clima);

} // namespace paretix
