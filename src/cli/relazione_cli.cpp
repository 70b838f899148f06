#include "cli/relazione_cli.h"

#include <QGuiApplication>

#include <cstdio>
#include <variant>

#include "core/files/apertura_file.h"
#include "core/files/testo_terminale.h"
#include "core/model/validazione.h"
#include "core/relazione/esporta_relazione.h"
#include "core/relazione/relazione_simulazione.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "disegno/relazione_pdf.h"

namespace paretix {

namespace {

constexpr int EsitoRiuscito = 0;
constexpr int EsitoDatiNonValidi = 1;
constexpr int EsitoFileRifiutato = 2;
constexpr int EsitoScritturaFallita = 74;

// Qt's notices (a runtime folder not set, a font replaced) are not the user's business on the
// command line; its critical faults still reach standard error.
void SoloErroriGravi(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
        std::fputs((testo.toStdString() + "\n").c_str(), stderr);
    }
}

int Errore(const std::string& testo, int stato) {
    const std::string riga = TestoPerTerminale(testo) + "\n";
    std::fputs(riga.c_str(), stderr);
    return stato;
}

} // namespace

int ScriviRelazioneDaRiga(const char* programma, const std::string& uscita,
                          const std::string& file) {
    Esercizio e;
    if (const auto messaggio = AperturaFile(file, e)) {
        return Errore(*messaggio, EsitoFileRifiutato);
    }
    auto relazione = RelazioneDellEsercizio(e, file, DataDiOggi());
    if (const auto* messaggio = std::get_if<std::string>(&relazione)) {
        const bool senzaCalcoli = !e.Termico && !e.Igrometrico && !e.Acustico;
        return Errore(senzaCalcoli ? file + ": " + *messaggio
                                   : std::string(TitoloErrore) + " " + *messaggio,
                      EsitoDatiNonValidi);
    }
    // With the simulation on, its part follows the others, as in the text report.
    std::optional<SimulazioneEseguita> simulazione;
    if (const auto messaggio = SimulaEsercizio(file, e, simulazione, true)) {
        return Errore(file + ": " + *messaggio, EsitoDatiNonValidi);
    }
    if (simulazione) {
        AggiungiSimulazione(std::get<Relazione>(relazione), simulazione->Giorni,
                            simulazione->Risultato);
    }
    // The painter needs an application of the GUI module, never a display: the command line
    // draws on the offscreen platform whatever the environment asks for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(SoloErroriGravi);
    int argc = 1;
    char* argv[] = {const_cast<char*>(programma), nullptr};
    const QGuiApplication applicazione(argc, argv);
    disegno::ScrittoreRelazionePdf scrittore;
    if (!scrittore.ScriviRelazione(std::get<Relazione>(relazione), uscita)) {
        return Errore("impossibile scrivere la relazione: " + uscita, EsitoScritturaFallita);
    }
    return EsitoRiuscito;
}

} // namespace paretix
