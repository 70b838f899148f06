#pragma once
// A small EnergyPlus weather file for tests: two hours a month, month m at m - 7 and m - 6 °C
// and at 60 and 61 %, so its monthly means are m - 6,5 °C and 60,5 % (January "-5,5",
// December "5,5").

#include <string>

namespace paretix::test {

inline const std::string IntestazioneEpw =
    "LOCATION,Prova,-,ITA,Sintetico,000000,45.00,9.00,1.0,100.0\n"
    "DESIGN CONDITIONS,0\n"
    "TYPICAL/EXTREME PERIODS,0\n"
    "GROUND TEMPERATURES,0\n"
    "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
    "COMMENTS 1,file di prova\n"
    "COMMENTS 2,\n"
    "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";

inline std::string EpwDiProva() {
    std::string testo = IntestazioneEpw;
    for (int m = 1; m <= 12; ++m) {
        for (int ora = 0; ora < 2; ++ora) {
            testo += "1999," + std::to_string(m) + ",1," + std::to_string(ora + 1) +
                     ",60,?9?9?9?9E0?9?9?9," + std::to_string(m - 7 + ora) + ",0.0," +
                     std::to_string(60 + ora) + ",101300,0,0,300\n";
        }
    }
    return testo;
}

} // namespace paretix::test
