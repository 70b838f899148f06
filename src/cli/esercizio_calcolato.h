#pragma once
// One exercise file opened as the Open command does and calculated as "Calcola" does.

#include <optional>
#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix::cli {

struct EsercizioCalcolato {
    int Stato = 0;      // the exit status of the file alone
    std::string Errore; // the message of a file that gave no results
    paretix::Esercizio Esercizio;
    RisultatiCalcolo Risultati;
    std::optional<RisultatiVerifiche> Verifiche;
    std::string TestoStampa;
    std::optional<SimulazioneEseguita> Simulazione; // with the simulation key on
};

// Opens nomeFile into e; the refusal when the file gives nothing to calculate.
std::optional<EsercizioCalcolato> Apri(const std::string& nomeFile, paretix::Esercizio& e);

// Opens and calculates nomeFile.
EsercizioCalcolato Calcola(const std::string& nomeFile);

} // namespace paretix::cli
