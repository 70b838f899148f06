#pragma once
// The technical report of the exercise as a PDF file, from the File menu and from
// paretix-report: the Calculate command run on a copy of the exercise, its document composed
// and handed to the writer, which lays it out.

#include <string>
#include <variant>

#include "core/model/esercizio.h"
#include "core/porte/dialoghi.h"
#include "core/relazione/relazione.h"
#include "core/simulazione/simulazione_esercizio.h"

namespace paretix {

inline constexpr const char* TitoloEsportaRelazione = "Esporta relazione PDF";
inline constexpr const char* MenuEsportaRelazione = "Esporta relazione PDF...";
inline constexpr const char* MessaggioRelazioneNonScritta =
    "La relazione PDF non può essere scritta. Controllare la cartella scelta e riprovare.";
inline constexpr const char* NessunCalcoloPerRelazione =
    "Nessun tipo di calcolo scelto (Termico, Igrometrico, Acustico): la relazione non ha "
    "risultati da mostrare.";

// Lays a document out on pages and writes it to a PDF file.
class ScrittoreRelazione {
  public:
    virtual ~ScrittoreRelazione() = default;
    // Replaces the file at percorso; false when it could not be written.
    virtual bool ScriviRelazione(const Relazione& relazione, const std::string& percorso) = 0;
};

inline constexpr const char* FileSenzaNome = "Senza nome";

// The document of e, calculated on a copy so that the exercise and its window stay as they
// were; the heading names the file of percorso (without its folders), or "Senza nome". The
// validation message (or the refusal of an exercise without any calculation) when there are
// no results.
std::variant<Relazione, std::string>
RelazioneDellEsercizio(Esercizio e, const std::string& percorso, const std::string& data);

// "09/12/2026".
std::string TestoData(int anno, unsigned mese, unsigned giorno);
std::string DataDiOggi();

inline constexpr const char* MessaggioSimulazioneDaCalcolare =
    "La relazione comprende la simulazione dinamica: premere Calcola e attendere la fine della "
    "simulazione, poi esportare la relazione.";

// The File menu command: the validation fault is shown, otherwise a file is asked for (an
// existing one replaced only after the user agrees) and the document written there. With the
// simulation on, its part follows the others as in paretix-report, from the run on screen
// (simulazione); without one the user is asked to run it first.
void EsportaRelazione(ScrittoreRelazione& scrittore, Dialoghi& dialoghi, const Esercizio& e,
                      const std::string& percorsoEsercizio,
                      const SimulazioneEseguita* simulazione = nullptr);

} // namespace paretix
