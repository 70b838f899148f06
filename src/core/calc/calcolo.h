#pragma once
// One calculation run and the Calculate command.

#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// One run: reads the exercise into numbers and rebuilds the report TestoStampa (lines ended by
// CR LF) with the DATI part and the chosen calculations. ipotesiTemperaturaMedia (1 or 2) is
// the mean-temperature hypothesis of the air cavities; the second reads the boundary
// temperatures that the previous run left in r. The exercise has 1 to NumeroStratiMax layers
// and the hygrometric calculation only together with the thermal one, as the layer operations
// and the file reader guarantee; a hidden box that is not a number reads as 0.
void Calcolo(const Esercizio& e, int ipotesiTemperaturaMedia, int numeroCamereAria,
             RisultatiCalcolo& r, std::string& TestoStampa);

struct EsitoCalcola {
    bool DatiValidi = false;
    std::string Messaggio; // the validation fault, when DatiValidi is false
    int NumeroCamereAria = 0;
};

// The Calculate command: counts the air cavities (type exactly "A"), normalises and validates
// the exercise (the normal forms stay in e), and when valid runs Calcolo once, or twice
// (hypothesis 1, then 2) for a wall with air cavities; of the first, whose report the second
// replaces, only the thermal numbers are computed. A result that comes out infinite or undefined
// is a fault too, with its message. TestoStampa is then the report of the last run; on a fault
// it is left untouched.
EsitoCalcola Command1_Click(Esercizio& e, RisultatiCalcolo& r, std::string& TestoStampa);

} // namespace paretix
