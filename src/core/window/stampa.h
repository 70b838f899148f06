#pragma once
// The print commands of the main window and the report window, and the export of the report
// to a PDF file, for a user who has no printer.

#include <string>

#include "core/porte/dialoghi.h"
#include "core/porte/esportatore_pdf.h"
#include "core/porte/stampante.h"
#include "core/window/sostituzione_file.h"

namespace paretix {

inline constexpr const char* TitoloStampa = "Stampa";
inline constexpr const char* MessaggioNessunaStampante =
    "Non è installata nessuna stampante: il testo non può essere stampato.\n"
    "Installare una stampante, oppure salvare il testo in un file PDF con \"Esporta PDF...\" "
    "nella finestra di anteprima di stampa.";
inline constexpr const char* MessaggioStampaNonRiuscita =
    "La stampa non è riuscita. Controllare la stampante e riprovare.";

inline constexpr const char* TitoloEsportaPdf = "Esporta PDF";
inline constexpr const char* FiltroPdf = "Documento PDF (*.pdf)|*.pdf|";
inline constexpr const char* EstensionePdf = ".pdf";
inline constexpr const char* MessaggioPdfNonScritto =
    "Il file PDF non può essere scritto. Controllare la cartella scelta e riprovare.";

// Prints the text on the default printer as one document. Without a printer, or when the
// printing layer refuses the job, the user is told so instead of nothing happening.
void StampaRapporto(Stampante& stampante, Dialoghi& dialoghi, const std::string& testo);

// The file the PDF goes to: the chosen name when it ends in ".pdf" in any case, otherwise the
// name with ".pdf" added, as exercise files get ".css".
std::string PercorsoPdf(const std::string& scelto);

// The question asked before an existing file is replaced.
std::string DomandaSostituirePdf(const std::string& percorso);

// Asks for a file with the save dialog and writes the text to it as a PDF. An existing file is
// replaced only after the user agrees; a failed write is reported.
void EsportaPdf(EsportatorePdf& esportatore, Dialoghi& dialoghi, const std::string& testo);

} // namespace paretix
