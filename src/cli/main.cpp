// paretix-report FILE.css: opens the exercise as the Open command does, presses "Calcola" and
// writes the report on standard output, without a window. With --json it writes the results
// and the compliance checks as one JSON object instead, with --csv a table; with --varia it
// calculates every combination of some varied values of one exercise.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/in_parallelo.h"
#include "cli/relazione_cli.h"
#include "core/calc/calcolo.h"
#include "core/calc/risultati.h"
#include "core/files/apertura_file.h"
#include "core/files/testo_terminale.h"
#include "core/model/esercizio.h"
#include "core/model/validazione.h"
#include "core/variazioni/migliore.h"
#include "core/variazioni/variazioni.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/csv_risultati.h"
#include "core/verifiche/json_risultati.h"

namespace {

// Exit statuses, as the help text lists them.
constexpr int EsitoRiuscito = 0;
constexpr int EsitoDatiNonValidi = 1;
constexpr int EsitoFileRifiutato = 2;
constexpr int EsitoNessunaVariante = 3;
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
    "  3   con --migliore, nessuna variante soddisfa la condizione\n"
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
    "Lo stato di uscita è il peggiore dei file.\n"
    "\n"
    "paretix-report --varia CHIAVE=DA:A:PASSO [--varia ...] [-j N] [--migliore CONDIZIONE]\n"
    "               (--csv [--sep ,] [--punto] | --json) FILE.css\n"
    "\n"
    "Calcola l'esercizio per ogni combinazione dei valori variati: ogni CHIAVE va da DA ad A\n"
    "con il PASSO dato (virgola o punto decimale), l'ultima --varia cambia più in fretta. Una\n"
    "riga per variante (riga della tabella o oggetto JSON) con i valori variati per primi,\n"
    "con il nome della chiave, poi il contenuto di --csv o --json; una variante con dati non\n"
    "validi ha il messaggio in \"errore\" e il calcolo prosegue. Le chiavi:\n"
    "  hi, he                   coefficienti liminari interno ed esterno\n"
    "  ti, te, ui, ue           temperature (°C) e umidità relative (%) interna ed esterna\n"
    "  disturbo                 il disturbo sonoro, nell'unità dell'esercizio\n"
    "  strato.K.spessore        lo spessore (cm) dello strato K; così strato.K.densita,\n"
    "                           strato.K.conduttivita, strato.K.permeabilita,\n"
    "                           strato.K.fat-assorbimento, strato.K.calore-specifico,\n"
    "                           strato.K.sd, strato.K.intonaco\n"
    "  verifiche, btr, isolamento-interno, irradianza-290, strato-isolante, classe-umidita,\n"
    "  condensa-ammissibile, interfaccia-freno   i dati delle verifiche, come nel file\n"
    "Al massimo 1.000.000 di varianti. -j N le calcola su N processori (in modo predefinito\n"
    "tutti), nello stesso ordine. Se lo standard error è un terminale e il calcolo dura più\n"
    "di un secondo, vi compare l'avanzamento. Lo stato di uscita è 1 se qualche variante ha\n"
    "dati non validi, altrimenti 0.\n"
    "\n"
    "Con --migliore CONDIZIONE, ad esempio U<=0,28, Yie<0,10 o Rw>=50, scrive soltanto la\n"
    "variante più sottile (spessore totale della parete; a parità la prima) che soddisfa la\n"
    "condizione, e lo stato 0; se nessuna la soddisfa, lo dice sullo standard error con lo\n"
    "stato 3. Le grandezze: U, R, flusso, Rw, Ms, Yie, fRsi, Ma, come nelle colonne di --csv;\n"
    "gli operatori: < <= > >=.\n"
    "\n"
    "paretix-report --relazione USCITA.pdf FILE.css\n"
    "\n"
    "Scrive in USCITA.pdf la relazione tecnica dell'esercizio: dati del progetto, stratigrafia,\n"
    "condizioni al contorno, risultati, grafici e verifiche, su pagine A4 numerate. Non serve\n"
    "uno schermo. Gli stati di uscita sono gli stessi del resoconto.\n";

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

// Opens the exercise file; the refusal when the file gives nothing to calculate.
std::optional<Esito> Apri(const std::string& nomeFile, paretix::Esercizio& e) {
    if (const auto messaggio = paretix::AperturaFile(nomeFile, e)) {
        return Rifiutato(EsitoFileRifiutato, *messaggio);
    }
    if (!e.Termico && !e.Igrometrico && !e.Acustico) {
        return Rifiutato(EsitoDatiNonValidi, nomeFile + std::string(NessunCalcolo));
    }
    return std::nullopt;
}

Esito Calcola(const std::string& nomeFile) {
    Esito esito;
    paretix::Esercizio& e = esito.Esercizio;
    if (auto rifiuto = Apri(nomeFile, e)) {
        return std::move(*rifiuto);
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

// A sweep: the varied values, the processors, the condition of the best variant.
struct DatiScansione {
    std::vector<paretix::Variazione> Variazioni;
    unsigned Fili = 1;
    std::optional<paretix::Condizione> Condizione;
    std::string TestoCondizione;
};

struct Richiesta {
    Uscita Modo = Uscita::Resoconto;
    paretix::FormatoCsv Formato;
    std::vector<std::string> File;
    std::optional<DatiScansione> Scansione;
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

// The rows of a block and whether one of them had no results.
struct Righe {
    std::string Testo;
    bool ConErrore = false;
};

// Every variant's row, in order, as it is computed.
int TuttiIVarianti(const Richiesta& richiesta, const paretix::Esercizio& base) {
    const DatiScansione& s = *richiesta.Scansione;
    const std::string& file = richiesta.File.front();
    const bool csv = richiesta.Modo == Uscita::Csv;
    if (csv) {
        const int intestazione =
            ScriviUscita(paretix::IntestazioneVariantiCsv(richiesta.Formato, s.Variazioni));
        if (intestazione != EsitoRiuscito) {
            return intestazione;
        }
    }
    int stato = EsitoRiuscito;
    paretix::InParallelo<Righe>(
        paretix::NumeroVarianti(s.Variazioni), s.Fili,
        [&](std::size_t inizio, std::size_t fine, paretix::Variante& v) {
            Righe righe;
            for (std::size_t i = inizio; i < fine; ++i) {
                paretix::CalcolaVariante(base, s.Variazioni, i, v);
                righe.ConErrore = righe.ConErrore || !v.Valida;
                if (csv) {
                    righe.Testo +=
                        paretix::RigaVarianteCsv(richiesta.Formato, file, s.Variazioni, v);
                } else {
                    righe.Testo += paretix::RigaVarianteJson(file, s.Variazioni, v);
                    righe.Testo += '\n';
                }
            }
            return righe;
        },
        [&](Righe& righe) {
            if (righe.ConErrore && stato == EsitoRiuscito) {
                stato = EsitoDatiNonValidi;
            }
            const int scrittura = ScriviUscita(righe.Testo);
            if (scrittura != EsitoRiuscito) {
                stato = scrittura;
                return false;
            }
            return true;
        });
    return stato;
}

constexpr std::string_view NessunaVariante = "nessuna variante soddisfa la condizione ";

// Only the thinnest variant that meets the condition.
int IlMigliore(const Richiesta& richiesta, const paretix::Esercizio& base) {
    const DatiScansione& s = *richiesta.Scansione;
    std::optional<paretix::Candidato> migliore;
    paretix::InParallelo<std::optional<paretix::Candidato>>(
        paretix::NumeroVarianti(s.Variazioni), s.Fili,
        [&](std::size_t inizio, std::size_t fine, paretix::Variante& v) {
            std::optional<paretix::Candidato> candidato;
            for (std::size_t i = inizio; i < fine; ++i) {
                paretix::CalcolaVariante(base, s.Variazioni, i, v);
                if (paretix::Soddisfa(*s.Condizione, v)) {
                    paretix::TieniMigliore(candidato, {i, paretix::SpessoreTotale(v)});
                }
            }
            return candidato;
        },
        [&](std::optional<paretix::Candidato>& candidato) {
            if (candidato) {
                paretix::TieniMigliore(migliore, *candidato);
            }
            return true;
        });
    if (!migliore) {
        Errore(std::string(NessunaVariante) + s.TestoCondizione);
        return EsitoNessunaVariante;
    }
    paretix::Variante v;
    paretix::CalcolaVariante(base, s.Variazioni, migliore->Indice, v);
    const std::string& file = richiesta.File.front();
    if (richiesta.Modo == Uscita::Csv) {
        return ScriviUscita(paretix::IntestazioneVariantiCsv(richiesta.Formato, s.Variazioni) +
                            paretix::RigaVarianteCsv(richiesta.Formato, file, s.Variazioni, v));
    }
    return ScriviUscita(paretix::RigaVarianteJson(file, s.Variazioni, v) + "\n");
}

// A sweep of one exercise: a file that cannot be calculated ends it before any variant, a
// varied key that the exercise does not have is wrong usage.
int Varianti(const Richiesta& richiesta) {
    paretix::Esercizio base;
    if (const auto rifiuto = Apri(richiesta.File.front(), base)) {
        Errore(rifiuto->Errore);
        return rifiuto->Stato;
    }
    if (const auto messaggio =
            paretix::ControllaVariazioni(richiesta.Scansione->Variazioni, base)) {
        Errore(*messaggio);
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    if (richiesta.Scansione->Condizione) {
        return IlMigliore(richiesta, base);
    }
    return TuttiIVarianti(richiesta, base);
}

// The separator of --sep: one character that is not a quote or a line end.
bool LeggiSeparatore(std::string_view valore, paretix::FormatoCsv& formato) {
    if (valore.size() != 1 || valore[0] == '"' || valore[0] == '\r' || valore[0] == '\n') {
        return false;
    }
    formato.Separatore = valore[0];
    return true;
}

// The options of the CSV format, each given at most once: --sep C and --punto.
struct OpzioniCsv {
    bool Separatore = false;
    bool Punto = false;

    bool Date() const { return Separatore || Punto; }
};

enum class OpzioneLetta { Altra, Letta, Sbagliata };

// Reads argv[i] when it is --sep (with its value, argv[i] moving past it) or --punto.
OpzioneLetta LeggiOpzioneCsv(int argc, char** argv, int& i, OpzioniCsv& date,
                             paretix::FormatoCsv& formato) {
    const std::string_view a = argv[i];
    if (a == "--sep") {
        if (i + 1 >= argc || date.Separatore || !LeggiSeparatore(argv[++i], formato)) {
            return OpzioneLetta::Sbagliata;
        }
        date.Separatore = true;
        return OpzioneLetta::Letta;
    }
    if (a == "--punto") {
        if (date.Punto) {
            return OpzioneLetta::Sbagliata;
        }
        formato.VirgolaDecimale = false;
        date.Punto = true;
        return OpzioneLetta::Letta;
    }
    return OpzioneLetta::Altra;
}

// The options, then the files; nothing when the command line is not one the help describes.
std::optional<Richiesta> Leggi(int argc, char** argv) {
    Richiesta r;
    OpzioniCsv csv;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--json" && r.Modo == Uscita::Resoconto && i == 1) {
            r.Modo = Uscita::Json;
        } else if (a == "--csv" && r.Modo == Uscita::Resoconto && i == 1) {
            r.Modo = Uscita::Csv;
        } else if (const OpzioneLetta o = LeggiOpzioneCsv(argc, argv, i, csv, r.Formato);
                   o == OpzioneLetta::Sbagliata) {
            return std::nullopt;
        } else if (o == OpzioneLetta::Altra) {
            break;
        }
    }
    for (; i < argc; ++i) {
        if (argv[i][0] == '-' || argv[i][0] == '\0') {
            return std::nullopt;
        }
        r.File.emplace_back(argv[i]);
    }
    if (r.File.empty() || (csv.Date() && r.Modo != Uscita::Csv) ||
        (r.Modo == Uscita::Resoconto && r.File.size() != 1)) {
        return std::nullopt;
    }
    return r;
}

// The number of threads of -j: a whole number from 1 to MassimoFili.
constexpr unsigned MassimoFili = 1024;

std::optional<unsigned> LeggiFili(std::string_view testo) {
    unsigned n = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), n);
    if (errore != std::errc{} || fine != testo.data() + testo.size() || n < 1 || n > MassimoFili) {
        return std::nullopt;
    }
    return n;
}

// A sweep's command line, where options and the one file come in any order; messaggio tells
// what is wrong, when it is more than the usage line.
std::optional<Richiesta> LeggiScansione(int argc, char** argv, std::string& messaggio) {
    Richiesta r;
    DatiScansione s;
    s.Fili = std::max(1u, std::thread::hardware_concurrency());
    bool fili = false;
    OpzioniCsv csv;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const bool valore = i + 1 < argc;
        if ((a == "--json" || a == "--csv") && r.Modo == Uscita::Resoconto) {
            r.Modo = a == "--json" ? Uscita::Json : Uscita::Csv;
        } else if (a == "--varia" && valore) {
            paretix::Variazione v;
            if (auto errore = paretix::LeggiVariazione(argv[++i], v)) {
                messaggio = std::move(*errore);
                return std::nullopt;
            }
            s.Variazioni.push_back(std::move(v));
        } else if (a == "--migliore" && valore && !s.Condizione) {
            paretix::Condizione c;
            s.TestoCondizione = argv[++i];
            if (auto errore = paretix::LeggiCondizione(s.TestoCondizione, c)) {
                messaggio = std::move(*errore);
                return std::nullopt;
            }
            s.Condizione = c;
        } else if ((a == "-j" && valore) || (a.starts_with("-j") && a.size() > 2)) {
            const auto n = LeggiFili(a.size() > 2 ? a.substr(2) : std::string_view(argv[++i]));
            if (!n || fili) {
                messaggio = "-j: il numero di processori è un intero da 1 a " +
                            std::to_string(MassimoFili) + ", dato una volta";
                return std::nullopt;
            }
            s.Fili = *n;
            fili = true;
        } else if (const OpzioneLetta o = LeggiOpzioneCsv(argc, argv, i, csv, r.Formato);
                   o == OpzioneLetta::Sbagliata) {
            return std::nullopt;
        } else if (o == OpzioneLetta::Letta) {
            continue;
        } else if (!a.empty() && a[0] != '-') {
            r.File.emplace_back(a);
        } else {
            return std::nullopt;
        }
    }
    if (r.Modo == Uscita::Resoconto || r.File.size() != 1) {
        messaggio = "--varia: servono un solo file e --csv oppure --json";
        return std::nullopt;
    }
    if (csv.Date() && r.Modo != Uscita::Csv) {
        return std::nullopt;
    }
    r.Scansione = std::move(s);
    return r;
}

bool ConVaria(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--varia") {
            return true;
        }
    }
    return false;
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
    if (argc == 4 && std::string_view(argv[1]) == "--relazione") {
        return paretix::ScriviRelazioneDaRiga(argv[0], argv[2], argv[3]);
    }
    std::string messaggio;
    const std::optional<Richiesta> richiesta =
        ConVaria(argc, argv) ? LeggiScansione(argc, argv, messaggio) : Leggi(argc, argv);
    if (!richiesta) {
        if (!messaggio.empty()) {
            Errore(messaggio);
        }
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    if (richiesta->Scansione) {
        return Varianti(*richiesta);
    }
    if (richiesta->Modo == Uscita::Csv || richiesta->File.size() > 1) {
        return MoltiFile(*richiesta);
    }
    return UnFile(*richiesta);
}
