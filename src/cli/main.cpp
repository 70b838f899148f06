// paretix-report FILE.css: opens the exercise as the Open command does, presses "Calcola" and
// writes the report on standard output, without a window.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/calc/calcolo.h"
#include "core/calc/risultati.h"
#include "core/files/apertura_file.h"
#include "core/model/esercizio.h"
#include "core/model/validazione.h"

namespace {

// Exit statuses, as the help text lists them.
constexpr int EsitoRiuscito = 0;
constexpr int EsitoDatiNonValidi = 1;
constexpr int EsitoFileRifiutato = 2;
constexpr int EsitoUsoErrato = 64;        // EX_USAGE
constexpr int EsitoScritturaFallita = 74; // EX_IOERR

constexpr std::string_view Uso =
    "Uso: paretix-report FILE.css   (paretix-report --help per le spiegazioni)\n";

constexpr std::string_view Aiuto =
    "Uso: paretix-report FILE.css\n"
    "\n"
    "Apre l'esercizio FILE.css di Paretix LT, esegue il calcolo come il pulsante \"Calcola\"\n"
    "subito dopo l'apertura del file e scrive il resoconto sullo standard output, in UTF-8,\n"
    "con le righe terminate da CR LF come nel resoconto stampato.\n"
    "\n"
    "Stato di uscita:\n"
    "  0   resoconto scritto\n"
    "  1   dati non validi (il messaggio \"ERRORE: ...\" sullo standard error), oppure\n"
    "      l'esercizio non sceglie alcun tipo di calcolo\n"
    "  2   file illeggibile o non valido (il messaggio sullo standard error)\n"
    "  64  uso errato\n"
    "  74  impossibile scrivere il resoconto\n"
    "\n"
    "Un file il cui nome comincia con \"-\" si indica con il percorso, ad esempio ./-muro.css.\n";

constexpr std::string_view NessunCalcolo =
    ": nessun tipo di calcolo scelto (Termico, Igrometrico, Acustico): non c'è nulla da "
    "calcolare.";
constexpr std::string_view ScritturaFallita =
    "Impossibile scrivere il resoconto sullo standard output.";

void Scrivi(std::FILE* flusso, std::string_view testo) {
    std::fwrite(testo.data(), 1, testo.size(), flusso);
}

void Errore(std::string_view testo) {
    Scrivi(stderr, testo);
    Scrivi(stderr, "\n");
}

int Resoconto(const std::string& nomeFile) {
    paretix::Esercizio e;
    if (const auto messaggio = paretix::AperturaFile(nomeFile, e)) {
        Errore(*messaggio);
        return EsitoFileRifiutato;
    }
    if (!e.Termico && !e.Igrometrico && !e.Acustico) {
        Errore(nomeFile + std::string(NessunCalcolo));
        return EsitoDatiNonValidi;
    }
    paretix::RisultatiCalcolo risultati;
    std::string TestoStampa;
    const paretix::EsitoCalcola esito = paretix::Command1_Click(e, risultati, TestoStampa);
    if (!esito.DatiValidi) {
        Errore(std::string(paretix::TitoloErrore) + " " + esito.Messaggio);
        return EsitoDatiNonValidi;
    }
    Scrivi(stdout, TestoStampa);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Errore(ScritturaFallita);
        return EsitoScritturaFallita;
    }
    return EsitoRiuscito;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        Scrivi(stdout, Aiuto);
        return EsitoRiuscito;
    }
    if (argc != 2 || argv[1][0] == '-' || argv[1][0] == '\0') {
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    return Resoconto(argv[1]);
}
