#pragma once
// One calculation run and the Calculate command.

#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"

namespace paretix {

// One run: reads the exercise into numbers and rebuilds the report TestoStampa (lines ended by
// CR LF) with the DATI part and the chosen calculations. ipotesiTemperaturaMedia (1 or 2) is
// the mean-temperature hypothesis of the air cavities; the second reads the boundary
// temperatures that the previous run left in r.
void Calcolo(const Esercizio& e, int ipotesiTemperaturaMedia, int numeroCamereAria,
             RisultatiCalcolo& r, std::string& TestoStampa);

struct EsitoCalcola {
    bool DatiValidi = false;
    std::string Messaggio; // the validation fault, when DatiValidi is false
    int NumeroCamereAria = 0;
};

// The Calculate command: counts the air cavities (type exactly "A"), normalises and validates
// the exercise (the normal forms stay in e), and when valid runs Calcolo once, or twice
// (hypothesis 1, then 2) for a wall with air cavities. TestoStampa is then the report of the
// last run; on a fault it is left untouched.
EsitoCalcola Command1_Click(Esercizio& e, RisultatiCalcolo& r, std::string& TestoStampa);

// The transmitted level at the one frequency F, for the acoustic chart: sets
// r.FrequenzaGrafico, r.PotereFonoisolanteGrafico and r.EnergiaTrasmessaGrafico and returns
// the latter. Reads r.SpessoreMetri of the last run.
double CalcoloDisturboSonoro2(const Esercizio& e, RisultatiCalcolo& r, double F);

} // namespace paretix
