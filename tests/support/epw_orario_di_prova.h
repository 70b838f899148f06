#pragma once
// A synthetic year of hours in the EnergyPlus weather format, for tests and benchmarks: a cold
// winter and warm summer (12 − 10·cos over the year, ±4 °C over the day), humid nights, sun by
// day, and three rainy hours from the south-west every fifth day. Not the climate of any site.

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace paretix::test {

inline std::string EpwOrarioDiProva(double latitudine = 45, double longitudine = 9,
                                    double fuso = 1) {
    constexpr int giorniMese[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    char riga[400];
    std::snprintf(riga, sizeof riga, "LOCATION,Prova,-,ITA,Sintetico,000000,%.2f,%.2f,%.1f,100\n",
                  latitudine, longitudine, fuso);
    std::string testo = riga;
    testo += "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
             "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,prova\nCOMMENTS 2,\n"
             "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
    const double π = std::numbers::pi;
    int giorno = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int g = 1; g <= giorniMese[m - 1]; ++g, ++giorno) {
            for (int h = 1; h <= 24; ++h) {
                const double θ = 12 - 10 * std::cos(2 * π * (giorno - 15) / 365) +
                                 4 * std::sin(2 * π * (h - 9) / 24);
                const double φ = 75 - 15 * std::sin(2 * π * (h - 9) / 24);
                const double sole = std::max(0.0, std::sin(π * (h - 6.5) / 13));
                const double estate = 0.6 + 0.4 * std::sin(2 * π * (giorno - 80) / 365);
                const double globale = 700 * sole * estate;
                const bool piove = giorno % 5 == 0 && h >= 14 && h <= 16;
                std::snprintf(riga, sizeof riga,
                              "1999,%d,%d,%d,60,?,%.1f,5.0,%.0f,101300,0,0,300,%.0f,%.0f,%.0f,0,"
                              "0,0,0,%d,%.1f,5,5,10,999,9,999999999,10,0.1,0,88,0.2,%.1f,1\n",
                              m, g, h, θ, φ, globale, 0.6 * globale, 0.3 * globale,
                              piove ? 225 : 90, piove ? 6.0 : 2.0, piove ? 2.0 : 0.0);
                testo += riga;
            }
        }
    }
    return testo;
}

} // namespace paretix::test
