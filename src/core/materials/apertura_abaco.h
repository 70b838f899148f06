#pragma once
// The materials browser over abaco.txt: the file is read as the browser opens, and in edit mode
// rewritten whole after every completed edit.

#include <optional>
#include <string>

#include "core/files/esito_scrittura.h"
#include "core/materials/elenco_materiali.h"
#include "core/porte/dialoghi.h"

namespace paretix {

inline constexpr const char* MessaggioDiscoProtetto =
    "Le modifiche all'abaco non verranno salvate, disco protetto";
inline constexpr const char* MessaggioAbacoIlleggibile =
    "Impossibile leggere l'abaco dei materiali:";
// Added to MessaggioAbacoIlleggibile for a file in UTF-8 that the program could not write back.
inline constexpr const char* MotivoAbacoUtf8 =
    "Il file è scritto in UTF-8 con caratteri che l'abaco (Windows-1252) non può contenere.";
inline constexpr const char* MessaggioAbacoNonSalvato =
    "Impossibile salvare le modifiche all'abaco dei materiali, il file resta com'era:";

// The message after a failed save of the database at percorsoAbaco: MessaggioAbacoNonSalvato
// and the path, followed by the reason (MessaggioSalvataggio) when one is known.
std::string MessaggioAbacoNonSalvatoPer(MotivoErrore motivo, const std::string& percorsoAbaco);

// Consult mode: a chosen material is handed to carica. Nothing, after a message titled "Abaco",
// when the file cannot be read.
std::optional<ElencoMateriali> AbacoInConsultazione(const std::string& percorsoAbaco,
                                                    ElencoMateriali::Caricamento carica,
                                                    Dialoghi& dialoghi);

// Edit mode: every completed edit rewrites the file with the rows, followed by whatever came
// after the rows the reading understood. When the program may not write
// (scritturaConsentita false) or the write fails, the user is told and the file stays as it
// was; the edit is kept only in the browser until it closes. dialoghi must outlive the browser.
std::optional<ElencoMateriali> AbacoInModifica(const std::string& percorsoAbaco,
                                               bool scritturaConsentita, Dialoghi& dialoghi);

} // namespace paretix
