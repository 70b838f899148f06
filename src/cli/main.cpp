// paretix-report FILE.css: opens the exercise as the Open command does, presses "Calcola" and
// writes the report on standard output, without a window. With --json it writes the results
// and the compliance checks as one JSON object instead.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calcolo.h"
#include "core/calc/risultati.h"
#include "core/files/apertura_file.h"
#include "core/files/testo_terminale.h"
#include "core/model/esercizio.h"
#include "core/model/validazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/csv_risultati.h"
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
    "di legge attive, le verifiche sotto \"verifiche\". Gli stati di uscita sono gli stessi.\n"
    "\n"
    "paretix-report --json FILE1.css FILE2.css ...\n"
    "\n"
    "Un oggetto JSON per riga (JSON Lines), nell'ordine dei file, ciascuno con \"file\" e i\n"
    "risultati, oppure \"errore\" con il messaggio e lo stato di uscita del file da solo.\n"
    "Lo stato di uscita è il peggiore dei file.\n"
    "\n"
    "paretix-report --csv [--sep ,] [--punto] FILE1.css ...\n"
    "\n"
    "Una tabella con una riga per file (intestazione con le unità): U, R, flusso, condensa,\n"
    "Rw e le verifiche che il file attiva, celle vuote altrimenti; un file senza risultati ha\n"
    "il messaggio nella colonna \"errore\". Separatore \";\" e virgola decimale, oppure il\n"
    "separatore dato con --sep e il punto decimale con --punto. Righe terminate da CR LF.\n"
    "Lo stato di uscita è il peggiore dei file.\n";

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

// One exercise, opened and calculated as the window does.
struct Esito {
    int Stato = EsitoRiuscito;
    std::string Errore; // the message of a file that gave no results
    paretix::Esercizio Esercizio;
    paretix::RisultatiCalcolo Risultati;
    std::optional<paretix::RisultatiVerifiche> Verifiche;
    std::string TestoStampa;
};

Esito Rifiutato(int stato, std::string messaggio) {
    Esito esito;
    esito.Stato = stato;
    esito.Errore = std::move(messaggio);
    return esito;
}

Esito Calcola(const std::string& nomeFile) {
    Esito esito;
    paretix::Esercizio& e = esito.Esercizio;
    if (const auto messaggio = paretix::AperturaFile(nomeFile, e)) {
        return Rifiutato(EsitoFileRifiutato, *messaggio);
    }
    if (!e.Termico && !e.Igrometrico && !e.Acustico) {
        return Rifiutato(EsitoDatiNonValidi, nomeFile + std::string(NessunCalcolo));
    }
    const paretix::EsitoCalcola calcolo =
        paretix::CalcolaConVerifiche(e, esito.Risultati, esito.TestoStampa, &esito.Verifiche);
    if (!calcolo.DatiValidi) {
        return Rifiutato(EsitoDatiNonValidi,
                         std::string(paretix::TitoloErrore) + " " + calcolo.Messaggio);
    }
    return esito;
}

int ScriviUscita(const std::string& testo) {
    errno = 0;
    if (!Scrivi(stdout, testo) || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Errore(std::string(ScritturaFallita) + MotivoScrittura(errno));
        return EsitoScritturaFallita;
    }
    return EsitoRiuscito;
}

// What standard output gets.
enum class Uscita { Resoconto, Json, Csv };

struct Richiesta {
    Uscita Modo = Uscita::Resoconto;
    paretix::FormatoCsv Formato;
    std::vector<std::string> File;
};

// One file: its report or its JSON object, the faults on standard error.
int UnFile(const Richiesta& richiesta) {
    const Esito esito = Calcola(richiesta.File.front());
    if (esito.Stato != EsitoRiuscito) {
        Errore(esito.Errore);
        return esito.Stato;
    }
    if (richiesta.Modo == Uscita::Resoconto) {
        return ScriviUscita(esito.TestoStampa);
    }
    return ScriviUscita(
        paretix::JsonRisultati(esito.Esercizio, esito.Risultati,
                               esito.Verifiche.value_or(paretix::RisultatiVerifiche{})) +
        "\n");
}

// Many files, or a table: every file gets its line, a fault included.
int MoltiFile(const Richiesta& richiesta) {
    std::string uscita;
    if (richiesta.Modo == Uscita::Csv) {
        uscita = paretix::IntestazioneCsv(richiesta.Formato);
    }
    int peggiore = EsitoRiuscito;
    for (const std::string& file : richiesta.File) {
        const Esito esito = Calcola(file);
        peggiore = std::max(peggiore, esito.Stato);
        if (richiesta.Modo == Uscita::Csv) {
            uscita += esito.Stato == EsitoRiuscito
                          ? paretix::RigaCsv(richiesta.Formato, file, esito.Esercizio,
                                             esito.Risultati, esito.Verifiche)
                          : paretix::RigaCsvErrore(richiesta.Formato, file, esito.Errore);
        } else {
            uscita += esito.Stato == EsitoRiuscito
                          ? paretix::JsonRigaRisultati(
                                file, esito.Esercizio, esito.Risultati,
                                esito.Verifiche.value_or(paretix::RisultatiVerifiche{}))
                          : paretix::JsonRigaErrore(file, esito.Errore, esito.Stato);
            uscita += '\n';
        }
    }
    const int scrittura = ScriviUscita(uscita);
    return scrittura != EsitoRiuscito ? scrittura : peggiore;
}

// The options, then the files; nothing when the command line is not one the help describes.
std::optional<Richiesta> Leggi(int argc, char** argv) {
    Richiesta r;
    bool separatore = false;
    bool punto = false;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--json" && r.Modo == Uscita::Resoconto && i == 1) {
            r.Modo = Uscita::Json;
        } else if (a == "--csv" && r.Modo == Uscita::Resoconto && i == 1) {
            r.Modo = Uscita::Csv;
        } else if (a == "--sep" && i + 1 < argc && !separatore) {
            const std::string_view valore = argv[++i];
            if (valore.size() != 1 || valore[0] == '"' || valore[0] == '\r' || valore[0] == '\n') {
                return std::nullopt;
            }
            r.Formato.Separatore = valore[0];
            separatore = true;
        } else if (a == "--punto" && !punto) {
            r.Formato.VirgolaDecimale = false;
            punto = true;
        } else {
            break;
        }
    }
    for (; i < argc; ++i) {
        if (argv[i][0] == '-' || argv[i][0] == '\0') {
            return std::nullopt;
        }
        r.File.emplace_back(argv[i]);
    }
    const bool soloCsv = separatore || punto;
    if (r.File.empty() || (soloCsv && r.Modo != Uscita::Csv) ||
        (r.Modo == Uscita::Resoconto && r.File.size() != 1)) {
        return std::nullopt;
    }
    return r;
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
    const std::optional<Richiesta> richiesta = Leggi(argc, argv);
    if (!richiesta) {
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    if (richiesta->Modo == Uscita::Csv || richiesta->File.size() > 1) {
        return MoltiFile(*richiesta);
    }
    return UnFile(*richiesta);
}
