#pragma once
// An EnergyPlus weather file for tests: a whole year of 8760 hours of the format's 35 fields,
// the hours of month m alternately at m - 7 and m - 6 °C and at 60 and 61 %, so its monthly
// means are m - 6,5 °C and 60,5 % (January "-5,5", December "5,5").

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

// One hour of month mese: the three fields the reader takes among the 35 of a real file.
inline std::string OraEpw(const std::string& mese, const std::string& temperatura,
                          const std::string& umidita) {
    return "1999," + mese + ",1,1,60,?9?9?9?9E0?9?9?9," + temperatura + ",0.0," + umidita +
           ",101300,0,0,300,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n";
}

inline constexpr int GiorniEpw[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline std::string EpwDiProva() {
    std::string testo = IntestazioneEpw;
    for (int m = 1; m <= 12; ++m) {
        for (int ora = 0; ora < GiorniEpw[m - 1] * 24; ++ora) {
            testo += OraEpw(std::to_string(m), std::to_string(m - 7 + ora % 2),
                            std::to_string(60 + ora % 2));
        }
    }
    return testo;
}

} // namespace paretix::test
