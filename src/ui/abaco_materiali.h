#pragma once
// How the main window opens the materials database.

#include <string>

#include "core/model/esercizio.h"
#include "core/window/dialoghi.h"

class QWidget;

namespace paretix {

// "dati da abaco": the browser in consult mode over layer strato of e. True when a material was
// loaded into the layer; the caller then clears the results, marks the exercise modified and
// redraws the schema. False also when the file could not be read (the user has been told).
bool ApriAbacoConsultazione(QWidget* parent, const std::string& percorsoAbaco, Esercizio& e,
                            int strato, Dialoghi& dialoghi);

// "&Abaco materiali": the browser in edit mode; every completed edit rewrites the file when
// scritturaConsentita, or tells the user why it cannot.
void ApriAbacoModifica(QWidget* parent, const std::string& percorsoAbaco, bool scritturaConsentita,
                       Dialoghi& dialoghi);

} // namespace paretix
