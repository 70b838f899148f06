#pragma once
// How the main window opens the materials database.

#include <string>

#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

class QWidget;

namespace paretix {

// "dati da abaco": the browser in consult mode; a chosen material is handed to carica. True when
// a material was chosen; false also when the file could not be read (the user has been told).
// With conCaloreSpecifico (the compliance checks on) the browser and its dialogs show the
// specific heat. With posizione the browser reopens where it last closed and keeps its new place
// there.
bool ApriAbacoConsultazione(QWidget* parent, const std::string& percorsoAbaco,
                            ElencoMateriali::Caricamento carica, Dialoghi& dialoghi,
                            bool conCaloreSpecifico = false, PosizioneElenco* posizione = nullptr);

// "&Abaco materiali": the browser in edit mode; every completed edit rewrites the file when
// scritturaConsentita, or tells the user why it cannot.
void ApriAbacoModifica(QWidget* parent, const std::string& percorsoAbaco, bool scritturaConsentita,
                       Dialoghi& dialoghi, bool conCaloreSpecifico = false,
                       PosizioneElenco* posizione = nullptr);

} // namespace paretix
