#pragma once
// The names of the edits that "Annulla" and "Ripeti" undo and redo, as the Edit menu shows them
// after its captions ("Annulla inserimento strato").

#include "core/porte/dialoghi.h"

namespace paretix {

inline constexpr const char* CaptionRipeti = "Ripeti";

inline constexpr const char* PassoAggiuntaStrato = "aggiunta strato";
inline constexpr const char* PassoRimozioneStrato = "rimozione strato";
inline constexpr const char* PassoEliminazioneStrato = "eliminazione strato";
inline constexpr const char* PassoInserimentoStrato = "inserimento strato";
inline constexpr const char* PassoCameraAria = "strato in camera d'aria";
inline constexpr const char* PassoDaTastiera = "strato da tastiera";
inline constexpr const char* PassoMaterialeDaAbaco = "caricamento materiale da abaco";
inline constexpr const char* PassoTipiCalcolo = "modifica tipi di calcolo";
inline constexpr const char* PassoVerificheDiLegge = "modifica verifiche di legge";
inline constexpr const char* PassoDatiVerifiche = "modifica dati per le verifiche";
inline constexpr const char* PassoSimulazione = "modifica simulazione dinamica";
inline constexpr const char* PassoDatiSimulazione = "modifica dati della simulazione";
inline constexpr const char* PassoUnitaSuono = "cambio unità del disturbo sonoro";
// "Calcola" writes the shown numbers in their normal form ("1.5" becomes "1,5").
inline constexpr const char* PassoCorrezioneValori = "correzione dei valori";
inline constexpr const char* PassoAppunti = "modifica appunti";
inline constexpr const char* PassoLiminariInterno = "modifica hi";
inline constexpr const char* PassoLiminariEsterno = "modifica he";
inline constexpr const char* PassoTInterna = "modifica temperatura interna";
inline constexpr const char* PassoTEsterna = "modifica temperatura esterna";
inline constexpr const char* PassoUInterna = "modifica umidità interna";
inline constexpr const char* PassoUEsterna = "modifica umidità esterna";
inline constexpr const char* PassoDistSonoro = "modifica disturbo sonoro";
// A layer box's edit is named by the box and the layer: "modifica spessore strato 2".
inline constexpr const char* PassoSpessore = "modifica spessore";
inline constexpr const char* PassoDensità = "modifica densità";
inline constexpr const char* PassoConduttività = "modifica conduttività";
inline constexpr const char* PassoPermeabilità = "modifica permeabilità";
inline constexpr const char* PassoFatAssorbimento = "modifica fattore di assorbimento";
inline constexpr const char* SuffissoPassoStrato = " strato ";

} // namespace paretix
