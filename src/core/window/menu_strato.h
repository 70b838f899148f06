#pragma once
// The layer pop-up menu of the schema: its entries and the rules that enable them. The rules
// keep air cavities away from the ends of the wall and from each other, and the layer count
// within 1 to NumeroStratiMax.

#include <string>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* CaptionSelezionaMateriale = "Seleziona tipo strato...";
inline constexpr const char* CaptionCameraAria = MaterialeCameraAria;
inline constexpr const char* CaptionMat = "Materiale...";
inline constexpr const char* CaptionDaTastiera = "dati da tastiera";
inline constexpr const char* CaptionDaAbaco = "dati da abaco";
// The same command as "dati da abaco", at the top of the menu.
inline constexpr const char* CaptionMaterialeDaAbaco = "Materiale da abaco…";
inline constexpr const char* CaptionInserisciStrato = "Inserisci strato...";
inline constexpr const char* CaptionInserisciStratoADestra = "a destra dello strato selezionato";
inline constexpr const char* CaptionInserisciStratoASinistra =
    "a sinistra dello strato selezionato";
inline constexpr const char* CaptionEliminaStrato = "Elimina strato";
inline constexpr const char* PrefissoEliminaStratoN = "Elimina strato n. ";

// What the menu offers when it opens on layer k.
struct StatoMenuStrato {
    std::string EliminaStratoCaption = CaptionEliminaStrato;
    bool InserisciStrato = true;
    bool CameraAria = true;
    bool EliminaStrato = true;

    bool operator==(const StatoMenuStrato&) const = default;
};

// The entries for layer k (1 to NumeroStrati) of the exercise; for any other k nothing is
// offered:
// - inserting is offered below NumeroStratiMax layers;
// - an air cavity never at either end, never beside a cavity, never on a cavity;
// - deleting never leaves a cavity first, last or beside another, nor an empty wall.
StatoMenuStrato MenuPerStrato(const Esercizio& e, int k);

} // namespace paretix
