// paretix-report FILE.css: opens the exercise as the Open command does, presses "Calcola" and
// writes the report on standard output, without a window. With --json it writes the results
// and the compliance checks as one JSON object instead.

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/calc/calcolo.h"
#include "core/calc/risultati.h"
#include "core/files/apertura_file.h"
#include "core/files/testo_terminale.h"
#include "core/model/esercizio.h"
#include "core/model/validazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/json_risultati.h"

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
    "Uso: paretix-report [--json] FILE.css\n"
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
    "Un file il cui nome comincia con \"-\" si indica con il percorso, ad esempio ./-muro.css.\n"
    "\n"
    "paretix-report --json FILE.css\n"
    "\n"
    "Scrive invece del resoconto un oggetto JSON in UTF-8, con i numeri in unità SI: i\n"
    "risultati dei calcoli eseguiti sotto \"risultati\" e, se l'esercizio ha le verifiche\n"
    "di legge attive, le verifiche sotto \"verifiche\". Gli stati di uscita sono gli stessi.\n";

constexpr std::string_view NessunCalcolo =
    ": nessun tipo di calcolo scelto (Termico, Igrometrico, Acustico): non c'è nulla da "
    "calcolare.";
constexpr std::string_view ScritturaFallita = "impossibile scrivere il resoconto: ";

// The reason of a failed write in the program's language; the system's text for the rare rest.
std::string MotivoScrittura(int numero) {
    switch (numero) {
    case EPIPE:
        return "il programma che legge l'uscita l'ha chiusa";
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EBADF:
        return "lo standard output è chiuso";
    case EIO:
        return "errore di input/output";
    default:
        return std::strerror(numero);
    }
}

// A terminal would act on control characters that a crafted file puts in a material name, the
// notes or its own name; a pipe or a file gets the bytes exactly.
std::string PerIlFlusso(std::FILE* flusso, std::string_view testo) {
    if (isatty(fileno(flusso)) == 1) {
        return paretix::TestoPerTerminale(testo);
    }
    return std::string(testo);
}

bool Scrivi(std::FILE* flusso, std::string_view testo) {
    const std::string uscita = PerIlFlusso(flusso, testo);
    return std::fwrite(uscita.data(), 1, uscita.size(), flusso) == uscita.size();
}

void Errore(std::string_view testo) {
    Scrivi(stderr, testo);
    Scrivi(stderr, "\n");
}

// What standard output gets: the report, or the results as JSON.
enum class Uscita { Resoconto, Json };

int Resoconto(const std::string& nomeFile, Uscita uscita) {
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
    std::optional<paretix::RisultatiVerifiche> verifiche;
    const paretix::EsitoCalcola esito =
        paretix::CalcolaConVerifiche(e, risultati, TestoStampa, &verifiche);
    if (!esito.DatiValidi) {
        Errore(std::string(paretix::TitoloErrore) + " " + esito.Messaggio);
        return EsitoDatiNonValidi;
    }
    if (uscita == Uscita::Json) {
        TestoStampa =
            paretix::JsonRisultati(e, risultati, verifiche.value_or(paretix::RisultatiVerifiche{}));
        TestoStampa += '\n';
    }
    errno = 0;
    if (!Scrivi(stdout, TestoStampa) || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Errore(std::string(ScritturaFallita) + MotivoScrittura(errno));
        return EsitoScritturaFallita;
    }
    return EsitoRiuscito;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that stops early (paretix-report FILE | head) is a failed write, reported with
    // its exit status, not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        Scrivi(stdout, Aiuto);
        return EsitoRiuscito;
    }
    const bool json = argc == 3 && std::string_view(argv[1]) == "--json";
    const int file = json ? 2 : 1;
    if (argc != file + 1 || argv[file][0] == '-' || argv[file][0] == '\0') {
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    return Resoconto(argv[file], json ? Uscita::Json : Uscita::Resoconto);
}
