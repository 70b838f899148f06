#pragma once
// The texts of the File menu's exercise commands: New, Open, Save, Save As and Exit (the
// messages of a failed save are in esito_scrittura.h). The
// commands themselves are operations of FinestraPrincipale (ciclo_vita.cpp).

#include <string>

#include "core/files/esito_scrittura.h"
#include "core/window/sostituzione_file.h"

namespace paretix {

inline constexpr const char* TitoloApriEsercizio = "Apri l'esercizio";
inline constexpr const char* FiltroApriEsercizio =
    "File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|";
inline constexpr const char* TitoloSalvaConNome = "Salva con nome";
inline constexpr const char* FiltroSalvaEsercizio = "File esercizio (*.css)|*.css|";

inline constexpr const char* EsercizioSenzaNomeModificato =
    "L'esercizio nel File senza nome è stato modificato.";
inline constexpr const char* PrefissoEsercizioModificato = "L'esercizio ";
inline constexpr const char* SuffissoEsercizioModificato = " è stato modificato.";
inline constexpr const char* SalvareLeModifiche = "Salvare le modifiche apportate?";

// The question before New, Open and Exit discard a modified exercise; PercorsoEsercizio is empty
// for an exercise without a file. An exercise with a file is named by the path that Save would
// write, so always with ".css".
std::string DomandaSalvataggio(const std::string& PercorsoEsercizio);

// The question before Save As replaces an existing file.
std::string DomandaSostituzione(const std::string& nome);

} // namespace paretix
