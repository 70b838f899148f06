#pragma once
// From the exercise to the simulation's input: the wall from the layers' boxes and their
// moisture data, the climates and surfaces from the simulation keys. Every missing or
// contradictory value stops the preparation with one Italian message naming the key (and the
// layer, for a layer's data); nothing is simulated then.

#include <functional>
#include <optional>
#include <string>

#include "core/model/esercizio.h"
#include "core/simulazione/simulazione.h"

namespace paretix {

// The text of a file given its path, or nothing when it cannot be read.
using LetturaTesto = std::function<std::optional<std::string>(const std::string& percorso)>;

struct SimulazionePreparata {
    DatiSimulazione Dati;
    int Giorni = 0;
};

// Whether the exercise asks for the simulation ("simulazione=1").
bool SimulazioneAttiva(const Esercizio& e);

// cartella: the exercise's folder, against which a weather file's path is read.
bool PreparaSimulazione(const Esercizio& e, const std::string& cartella, const LetturaTesto& leggi,
                        SimulazionePreparata& p, std::string& errore);

// Reads a file from the disk.
std::optional<std::string> LeggiFileTesto(const std::string& percorso);

} // namespace paretix
