#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/calc/calcolo.h"
#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/model/numeri.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;

namespace {

struct Esito {
    int Stato = -1;
    std::string Uscita; // standard output
    std::string Errore; // standard error
};

std::string TraApici(const std::string& testo) {
    std::string citato = "'";
    for (const char c : testo) {
        citato += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return citato + "'";
}

// Runs paretix-report with the arguments; stdout goes to uscita unless given elsewhere.
Esito Esegui(const std::vector<std::string>& argomenti, const std::string& uscita = "") {
    CartellaTemporanea cartella;
    std::string comando = TraApici(PARETIX_REPORT);
    for (const std::string& a : argomenti) {
        comando += " " + TraApici(a);
    }
    const std::string fileUscita = uscita.empty() ? cartella / "uscita" : uscita;
    comando += " >" + TraApici(fileUscita) + " 2>" + TraApici(cartella / "errore");
    const int stato = std::system(comando.c_str());
    Esito esito;
    esito.Stato = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    esito.Uscita = uscita.empty() ? LeggiTutto(fileUscita) : "";
    esito.Errore = LeggiTutto(cartella / "errore");
    return esito;
}

// What the Calculate command gives for the file, in this process.
EsitoCalcola CalcolaQui(const std::string& file, std::string& TestoStampa) {
    Esercizio e;
    EXPECT_EQ(AperturaFile(file, e), std::nullopt);
    RisultatiCalcolo r;
    return Command1_Click(e, r, TestoStampa);
}

// The same, keeping the exercise as the command left it and its results.
EsitoCalcola CalcolaQui(const std::string& file, Esercizio& e, RisultatiCalcolo& r) {
    EXPECT_EQ(AperturaFile(file, e), std::nullopt);
    std::string TestoStampa;
    return Command1_Click(e, r, TestoStampa);
}

} // namespace

// Each example's report and --json object are the ones kept beside the core tests' examples
// (tests/data/esempi), written to standard output and nothing else.
TEST(ParetixReport, PrintsTheKeptReportAndJsonOfEachExample) {
    for (const char* nome : {"parete-intercapedine", "parete-pesante", "parete-verifiche",
                             "parete-condensa-invernale", "parete-membrana-fredda"}) {
        const std::string file = std::string(PARETIX_EXAMPLES "/") + nome + ".css";
        const std::string attesi = std::string(PARETIX_ATTESI "/esempi/") + nome;
        const Esito resoconto = Esegui({file});
        EXPECT_EQ(resoconto.Stato, 0) << nome;
        EXPECT_EQ(resoconto.Uscita, LeggiTutto(attesi + ".txt")) << nome;
        EXPECT_EQ(resoconto.Errore, "") << nome;
        const Esito json = Esegui({"--json", file});
        EXPECT_EQ(json.Stato, 0) << nome;
        EXPECT_EQ(json.Uscita, LeggiTutto(attesi + ".json") + "\n") << nome;
        EXPECT_EQ(json.Errore, "") << nome;
    }
}

TEST(ParetixReport, ARefusedFileGivesTheOpenErrorMessage) {
    CartellaTemporanea cartella;
    std::string versione2 = ContenutoFileEsercizio(Esercizio{}).value();
    versione2.replace(versione2.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    ScriviTutto(cartella / "versione 2.css", versione2);
    for (const auto& [file, causa] :
         {std::pair{cartella / "versione 2.css", std::string()},
          std::pair{cartella / "manca.css", std::string("\r\nIl file non esiste.")}}) {
        const Esito esito = Esegui({file});
        EXPECT_EQ(esito.Stato, 2);
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_EQ(esito.Errore, MessaggioErroreDiApertura(file) + causa + "\n");
    }
}

TEST(ParetixReport, AValidationFaultGivesTheErrorMessage) {
    CartellaTemporanea cartella;
    Esercizio e;
    e.strato(1).Spessore.Testo = "dieci";
    ASSERT_TRUE(CreazioneFile(e, cartella / "muro.css"));
    std::string nonUsato;
    const EsitoCalcola atteso = CalcolaQui(cartella / "muro.css", nonUsato);
    ASSERT_FALSE(atteso.DatiValidi);

    const Esito esito = Esegui({cartella / "muro.css"});
    EXPECT_EQ(esito.Stato, 1);
    EXPECT_EQ(esito.Uscita, "");
    EXPECT_EQ(esito.Errore, "ERRORE: " + atteso.Messaggio + "\n");
}

TEST(ParetixReport, AnExerciseWithoutCalculationsIsRefused) {
    CartellaTemporanea cartella;
    Esercizio e;
    e.Termico = e.Igrometrico = e.Acustico = false;
    ASSERT_TRUE(CreazioneFile(e, cartella / "muro.css"));
    const Esito esito = Esegui({cartella / "muro.css"});
    EXPECT_EQ(esito.Stato, 1);
    EXPECT_EQ(esito.Uscita, "");
    EXPECT_TRUE(esito.Errore.starts_with(cartella / "muro.css" + ": nessun tipo di calcolo"))
        << esito.Errore;
}

TEST(ParetixReport, WrongUsageAndHelp) {
    for (const std::vector<std::string>& argomenti :
         {std::vector<std::string>{}, {"a.css", "b.css"}, {"-x"}, {""}}) {
        const Esito esito = Esegui(argomenti);
        EXPECT_EQ(esito.Stato, 64);
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_TRUE(esito.Errore.starts_with("Uso: paretix-report FILE.css")) << esito.Errore;
    }
    const Esito aiuto = Esegui({"--help"});
    EXPECT_EQ(aiuto.Stato, 0);
    EXPECT_NE(aiuto.Uscita.find("Stato di uscita"), std::string::npos);
    EXPECT_EQ(aiuto.Errore, "");
}

TEST(ParetixReport, AReportThatCannotBeWrittenIsNoSuccess) {
    const Esito esito = Esegui({PARETIX_EXAMPLES "/parete-pesante.css"}, "/dev/full");
    EXPECT_EQ(esito.Stato, 74);
    EXPECT_EQ(esito.Errore, "impossibile scrivere il resoconto: spazio esaurito sul disco\n");
}

// A reader that has gone before the report is written: the write fails with EPIPE, which must be
// reported with the promised status, not end the program by SIGPIPE.
TEST(ParetixReport, AClosedPipeIsAFailedWrite) {
    CartellaTemporanea cartella;
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    close(tubo[0]);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    const std::string errore = cartella / "errore";
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, errore.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string programma = PARETIX_REPORT;
    std::string esempio = PARETIX_EXAMPLES "/parete-pesante.css";
    char* argomenti[] = {programma.data(), esempio.data(), nullptr};
    pid_t figlio = 0;
    ASSERT_EQ(posix_spawn(&figlio, programma.c_str(), &azioni, nullptr, argomenti, environ), 0);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    int stato = 0;
    ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato)) << "ended by signal " << WTERMSIG(stato);
    EXPECT_EQ(WEXITSTATUS(stato), 74);
    EXPECT_EQ(LeggiTutto(errore),
              "impossibile scrivere il resoconto: il programma che legge l'uscita l'ha chiusa\n");
}

// Control characters from the file reach a pipe byte for byte, a terminal escaped. The terminal
// is the pseudo-terminal of script(1), which every Debian system has.
TEST(ParetixReport, ControlCharactersAreEscapedOnATerminalOnly) {
    CartellaTemporanea cartella;
    Esercizio e;
    ASSERT_EQ(AperturaFile(PARETIX_EXAMPLES "/parete-pesante.css", e), std::nullopt);
    e.strato(1).Materiale = "Mattone\x1B]2;preso\x07";
    const std::string file = cartella / "muro.css";
    ASSERT_TRUE(CreazioneFile(e, file));

    const Esito inUnFile = Esegui({file});
    EXPECT_EQ(inUnFile.Stato, 0);
    EXPECT_NE(inUnFile.Uscita.find("Mattone\x1B]2;preso\x07"), std::string::npos);

    const std::string terminale = cartella / "terminale";
    const std::string comando = "script -qec " +
                                TraApici(TraApici(PARETIX_REPORT) + " " + TraApici(file)) +
                                " /dev/null </dev/null >" + TraApici(terminale);
    ASSERT_EQ(std::system(comando.c_str()), 0);
    const std::string visto = LeggiTutto(terminale);
    EXPECT_NE(visto.find("Mattone\\x1B]2;preso\\x07"), std::string::npos) << visto;
    EXPECT_EQ(visto.find('\x1B'), std::string::npos);
}

// The faults of --json are the faults of the report: same statuses, same messages, nothing on
// standard output.
TEST(ParetixReport, JsonKeepsTheFaultsOfTheReport) {
    CartellaTemporanea cartella;
    Esercizio e;
    e.strato(1).Spessore.Testo = "dieci";
    ASSERT_TRUE(CreazioneFile(e, cartella / "errato.css"));
    Esercizio nessuno;
    nessuno.Termico = nessuno.Igrometrico = nessuno.Acustico = false;
    ASSERT_TRUE(CreazioneFile(nessuno, cartella / "nessuno.css"));
    for (const std::string& file :
         {cartella / "errato.css", cartella / "nessuno.css", cartella / "manca.css"}) {
        const Esito resoconto = Esegui({file});
        const Esito json = Esegui({"--json", file});
        EXPECT_NE(resoconto.Stato, 0) << file;
        EXPECT_EQ(json.Stato, resoconto.Stato) << file;
        EXPECT_EQ(json.Errore, resoconto.Errore) << file;
        EXPECT_EQ(json.Uscita, "") << file;
    }
    const Esito pieno = Esegui({"--json", PARETIX_EXAMPLES "/parete-pesante.css"}, "/dev/full");
    EXPECT_EQ(pieno.Stato, 74);
    EXPECT_EQ(pieno.Errore, "impossibile scrivere il resoconto: spazio esaurito sul disco\n");
}

TEST(ParetixReport, JsonWrongUsageAndHelp) {
    for (const std::vector<std::string>& argomenti : {std::vector<std::string>{"--json"},
                                                      {"--json", "a.css", "-x"},
                                                      {"--json", "-x"},
                                                      {"--json", "--csv", "a.css"},
                                                      {"--csv"},
                                                      {"--sep", ",", "a.css"},
                                                      {"--csv", "--sep", ",,", "a.css"},
                                                      {"--csv", "--sep", "\"", "a.css"},
                                                      {"--json", "--punto", "a.css"},
                                                      {"a.css", "b.css"},
                                                      {"--json", ""},
                                                      {"a.css", "--json"},
                                                      {"--JSON", "a.css"}}) {
        const Esito esito = Esegui(argomenti);
        EXPECT_EQ(esito.Stato, 64) << argomenti.back();
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_TRUE(esito.Errore.starts_with("Uso: paretix-report FILE.css")) << esito.Errore;
    }
    const Esito aiuto = Esegui({"--help"});
    EXPECT_NE(aiuto.Uscita.find("paretix-report --json FILE.css"), std::string::npos);
}

namespace {

std::vector<std::string> Dividi(const std::string& testo, const std::string& separatore) {
    std::vector<std::string> parti;
    std::size_t inizio = 0;
    for (std::size_t fine; (fine = testo.find(separatore, inizio)) != std::string::npos;
         inizio = fine + separatore.size()) {
        parti.push_back(testo.substr(inizio, fine - inizio));
    }
    parti.push_back(testo.substr(inizio));
    return parti;
}

} // namespace

// Many files: one JSON object per line in the order given, a refused file in its place with
// its message and status, and the worst status for the process.
TEST(ParetixReport, ManyFilesAsJsonLines) {
    const std::string a = PARETIX_EXAMPLES "/parete-intercapedine.css";
    const std::string b = PARETIX_EXAMPLES "/parete-pesante.css";
    Esercizio e;
    RisultatiCalcolo r;
    ASSERT_TRUE(CalcolaQui(b, e, r).DatiValidi);
    const Esito esito = Esegui({"--json", a, "manca.css", b});
    EXPECT_EQ(esito.Stato, 2);
    EXPECT_EQ(esito.Errore, "");
    const std::vector<std::string> righe = Dividi(esito.Uscita, "\n");
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[3], "");
    EXPECT_EQ(nlohmann::json::parse(righe[0])["file"], a);
    const auto errore = nlohmann::json::parse(righe[1]);
    EXPECT_EQ(errore["file"], "manca.css");
    EXPECT_EQ(errore["errore"]["stato"], 2);
    EXPECT_TRUE(errore["errore"]["messaggio"].get<std::string>().starts_with("manca.css\r\n"));
    const auto pesante = nlohmann::json::parse(righe[2]);
    EXPECT_EQ(pesante["risultati"]["termico"]["U"].get<double>(), r.H);
}

// --csv: a header with units, one row per file, decimal comma and ";" or the other convention.
TEST(ParetixReport, ATableForASpreadsheet) {
    const std::string a = PARETIX_EXAMPLES "/parete-intercapedine.css";
    const std::string b = PARETIX_EXAMPLES "/parete-pesante.css";
    Esercizio ea, eb;
    RisultatiCalcolo ra, rb;
    ASSERT_TRUE(CalcolaQui(a, ea, ra).DatiValidi);
    ASSERT_TRUE(CalcolaQui(b, eb, rb).DatiValidi);

    const Esito esito = Esegui({"--csv", a, b});
    EXPECT_EQ(esito.Stato, 0);
    const std::vector<std::string> righe = Dividi(esito.Uscita, "\r\n");
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_TRUE(righe[0].starts_with("file;U (W/m²K);R (m²K/W);flusso (W/m²);")) << righe[0];
    const std::vector<std::string> intercapedine = Dividi(righe[1], ";");
    const std::vector<std::string> pesante = Dividi(righe[2], ";");
    ASSERT_EQ(intercapedine.size(), Dividi(righe[0], ";").size());
    EXPECT_EQ(intercapedine[0], a);
    EXPECT_EQ(intercapedine[1], FormaGenerale(ra.H));
    EXPECT_EQ(intercapedine[4], "sì"); // the example condenses
    EXPECT_EQ(intercapedine[5], "");   // no acoustic calculation
    EXPECT_EQ(pesante[4], "no");
    EXPECT_FALSE(pesante[5].empty());
    EXPECT_EQ(pesante.back(), "");

    const Esito punto = Esegui({"--csv", "--sep", ",", "--punto", b});
    const std::vector<std::string> campi = Dividi(Dividi(punto.Uscita, "\r\n")[1], ",");
    std::string U = FormaGenerale(rb.H);
    std::replace(U.begin(), U.end(), ',', '.');
    EXPECT_EQ(campi[1], U);

    // A refused file: empty cells, the message quoted in the last column, status 2.
    const Esito rifiutato = Esegui({"--csv", "manca.css"});
    EXPECT_EQ(rifiutato.Stato, 2);
    EXPECT_TRUE(Dividi(rifiutato.Uscita, "\r\n")[1].starts_with("manca.css;;;;"))
        << rifiutato.Uscita;
    EXPECT_NE(rifiutato.Uscita.find(";\"manca.css\r\nImpossibile leggere il file"),
              std::string::npos);
}

namespace {

// The records of a CSV text as a spreadsheet reads them: fields between separators, a quoted
// field may hold separators, doubled quotes and line breaks; records end with CR LF.
std::vector<std::vector<std::string>> LeggiCsv(const std::string& testo, char separatore = ';') {
    std::vector<std::vector<std::string>> righe;
    std::vector<std::string> riga;
    std::string campo;
    bool citato = false;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (citato) {
            if (c == '"' && i + 1 < testo.size() && testo[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                citato = false;
            } else {
                campo += c;
            }
        } else if (c == '"' && campo.empty()) {
            citato = true;
        } else if (c == separatore) {
            riga.push_back(std::move(campo));
            campo.clear();
        } else if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') {
            riga.push_back(std::move(campo));
            campo.clear();
            righe.push_back(std::move(riga));
            riga.clear();
            ++i;
        } else {
            campo += c;
        }
    }
    EXPECT_FALSE(citato) << "unterminated quote";
    EXPECT_TRUE(riga.empty() && campo.empty()) << "last record without CR LF";
    return righe;
}

} // namespace

// A sweep as a table: the varied keys first, one row per variant in cartesian order (the last
// --varia fastest), each row the table of that exercise typed by hand; an invalid variant has its
// message in "errore" and the sweep goes on, with status 1.
TEST(ParetixReport, ASweepAsATable) {
    const std::string file = PARETIX_EXAMPLES "/parete-pesante.css";
    const Esito esito =
        Esegui({"--varia", "strato.1.spessore=-10:10:10", "--varia", "te=-5:0,0:5", file, "--csv"});
    EXPECT_EQ(esito.Stato, 1);
    EXPECT_EQ(esito.Errore, "");
    const auto righe = LeggiCsv(esito.Uscita);
    ASSERT_EQ(righe.size(), 7u);
    EXPECT_EQ(righe[0][0], "strato.1.spessore");
    EXPECT_EQ(righe[0][1], "te");
    EXPECT_EQ(righe[0][2], "file");
    EXPECT_EQ(righe[0].back(), "errore");
    const std::vector<std::pair<std::string, std::string>> attesi{
        {"-10", "-5"}, {"-10", "0"}, {"0", "-5"}, {"0", "0"}, {"10", "-5"}, {"10", "0"}};
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        const auto& riga = righe[i + 1];
        ASSERT_EQ(riga.size(), righe[0].size()) << i;
        EXPECT_EQ(std::make_pair(riga[0], riga[1]), attesi[i]);
        EXPECT_EQ(riga[2], file);
    }
    // Thickness -10 and 0 are refused by validation, with the message of the report.
    EXPECT_TRUE(righe[1].back().starts_with("ERRORE: Per lo strato 1")) << righe[1].back();
    EXPECT_EQ(righe[1][3], "");
    EXPECT_EQ(righe[5].back(), "");

    // The valid rows are the rows of the exercise typed by hand.
    Esercizio e;
    ASSERT_EQ(AperturaFile(file, e), std::nullopt);
    e.strato(1).Spessore.Testo = "10";
    e.TEsterna = "0";
    RisultatiCalcolo r;
    std::string testo;
    ASSERT_TRUE(Command1_Click(e, r, testo).DatiValidi);
    EXPECT_EQ(righe[6][3], FormaGenerale(r.H));
    EXPECT_EQ(righe[6][5], FormaGenerale(r.FI));

    const Esito punto = Esegui(
        {"--varia", "strato.1.spessore=10,5:10,5:1", "--csv", "--sep", ",", "--punto", file});
    EXPECT_EQ(punto.Stato, 0);
    const auto campi = LeggiCsv(punto.Uscita, ',');
    ASSERT_EQ(campi.size(), 2u);
    EXPECT_EQ(campi[1][0], "10.5");
}

// JSON Lines: every line parses back, the varied values as numbers before "file".
TEST(ParetixReport, ASweepAsJsonLines) {
    const std::string file = PARETIX_EXAMPLES "/parete-intercapedine.css";
    const Esito esito =
        Esegui({"--json", "--varia", "hi=6:8:0,5", "--varia", "ui=60:100:20", file});
    EXPECT_EQ(esito.Stato, 0) << esito.Errore;
    const std::vector<std::string> righe = Dividi(esito.Uscita, "\n");
    ASSERT_EQ(righe.size(), 5u * 3u + 1u);
    EXPECT_EQ(righe.back(), "");
    for (std::size_t i = 0; i + 1 < righe.size(); ++i) {
        const auto j = nlohmann::ordered_json::parse(righe[i]);
        auto chiave = j.begin();
        EXPECT_EQ(chiave.key(), "hi");
        EXPECT_EQ((++chiave).key(), "ui");
        EXPECT_EQ((++chiave).key(), "file");
        EXPECT_EQ(j["hi"].get<double>(), 6 + 0.5 * static_cast<double>(i / 3));
        EXPECT_EQ(j["ui"].get<double>(), 60 + 20 * static_cast<double>(i % 3));
        EXPECT_TRUE(j["risultati"].contains("termico"));
    }
    const Esito errore = Esegui({"--json", "--varia", "ue=90:110:20", file});
    EXPECT_EQ(errore.Stato, 1);
    const auto j = nlohmann::json::parse(Dividi(errore.Uscita, "\n")[1]);
    EXPECT_EQ(j["ue"].get<double>(), 110);
    EXPECT_EQ(j["errore"]["stato"], 1);
    EXPECT_NE(j["errore"]["messaggio"].get<std::string>().find("umidità relativa esterna"),
              std::string::npos);
}

// The order of the output does not depend on the threads: the same bytes with one and with
// eight, for a sweep of many blocks.
TEST(ParetixReport, ASweepKeepsItsOrderOnAnyNumberOfThreads) {
    const std::string file = PARETIX_EXAMPLES "/parete-intercapedine.css";
    for (const char* modo : {"--csv", "--json"}) {
        const std::vector<std::string> comune{
            modo, "--varia", "strato.2.spessore=1:8:0,25", "--varia", "te=-10:10:1", file};
        std::vector<std::string> uno = comune;
        uno.insert(uno.end(), {"-j", "1"});
        std::vector<std::string> otto = comune;
        otto.insert(otto.end(), {"-j", "8"});
        const Esito a = Esegui(uno);
        const Esito b = Esegui(otto);
        EXPECT_EQ(a.Stato, 0) << a.Errore;
        EXPECT_EQ(b.Stato, 0) << b.Errore;
        EXPECT_GT(a.Uscita.size(), 29u * 21u * 100u);
        EXPECT_TRUE(a.Uscita == b.Uscita) << modo;
    }
}

TEST(ParetixReport, ASweepWithAWrongRangeIsWrongUsage) {
    const std::string file = PARETIX_EXAMPLES "/parete-pesante.css";
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi{
        {{"--csv", "--varia", "strato.1.spesso=1:2:1", file}, "chiave sconosciuta"},
        {{"--csv", "--varia", "strato.1.spessore=1:2:0", file}, "maggiore di zero"},
        {{"--csv", "--varia", "strato.1.spessore=3:2:1", file}, "supera l'ultimo"},
        {{"--csv", "--varia", "strato.1.spessore=1:2", file}, "CHIAVE=DA:A:PASSO"},
        {{"--csv", "--varia", "hi=1:1000:1", "--varia", "he=1:1001:1", file}, "troppe varianti"},
        {{"--csv", "--varia", "strato.9.spessore=1:2:1", file}, "non ha lo strato 9"},
        {{"--csv", "--varia", "hi=1:2:1", "--varia", "hi=1:2:1", file}, "variata due volte"},
        {{"--varia", "hi=1:2:1", file}, "--csv oppure --json"},
        {{"--csv", "--varia", "hi=1:2:1", file, file}, "un solo file"},
        {{"--csv", "--varia", "hi=1:2:1", "-j", "0", file}, "-j:"},
        {{"--csv", "--varia", "hi=1:2:1", "--migliore", "U=0,2", file}, "--migliore U=0,2"},
        {{"--csv", "--varia", "hi=1:2:1", "--json", file}, ""},
        {{"--json", "--varia", "hi=1:2:1", "--punto", file}, ""},
        {{"--csv", "--varia", file}, "CHIAVE=DA:A:PASSO"},
    };
    for (const auto& [argomenti, motivo] : casi) {
        const Esito esito = Esegui(argomenti);
        EXPECT_EQ(esito.Stato, 64) << motivo;
        EXPECT_EQ(esito.Uscita, "") << motivo;
        EXPECT_NE(esito.Errore.find(motivo), std::string::npos) << esito.Errore;
        EXPECT_NE(esito.Errore.find("Uso: paretix-report"), std::string::npos) << esito.Errore;
    }
    EXPECT_NE(Esegui({"--help"}).Uscita.find("paretix-report --varia CHIAVE=DA:A:PASSO"),
              std::string::npos);
    // Options of a sweep without --varia stay wrong usage.
    EXPECT_EQ(Esegui({"--csv", "-j", "2", file}).Stato, 64);
    EXPECT_EQ(Esegui({"--csv", "--migliore", "U<1", file}).Stato, 64);
    // A file that cannot be opened ends the sweep before any variant, as a file alone.
    const Esito manca = Esegui({"--csv", "--varia", "hi=1:2:1", "manca.css"});
    EXPECT_EQ(manca.Stato, 2);
    EXPECT_EQ(manca.Uscita, "");
    EXPECT_EQ(manca.Errore, MessaggioErroreDiApertura("manca.css") + "\r\nIl file non esiste.\n");
}

// --migliore: only the thinnest variant meeting the condition, or a message and status 3.
TEST(ParetixReport, TheBestVariantOfASweep) {
    const std::string file = PARETIX_EXAMPLES "/parete-pesante.css";
    // Layer 1 and layer 3 together: the condition is met by several pairs, of which the one
    // with the smallest total is printed.
    const std::vector<std::string> varia{"--varia", "strato.1.spessore=5:40:5", "--varia",
                                         "strato.3.spessore=5:40:5", file};
    std::vector<std::string> tutte{"--csv"};
    tutte.insert(tutte.end(), varia.begin(), varia.end());
    const auto righe = LeggiCsv(Esegui(tutte).Uscita);
    ASSERT_EQ(righe.size(), 65u);
    double sottile = 1e9;
    std::size_t atteso = 0;
    for (std::size_t i = 1; i < righe.size(); ++i) {
        const double U = ConvertiNumero(righe[i][3]).value();
        const double spessore =
            ConvertiNumero(righe[i][0]).value() + ConvertiNumero(righe[i][1]).value();
        if (U <= 1 && spessore < sottile) {
            sottile = spessore;
            atteso = i;
        }
    }
    ASSERT_GT(atteso, 0u);

    std::vector<std::string> migliore{"--csv", "--migliore", "U<=1"};
    migliore.insert(migliore.end(), varia.begin(), varia.end());
    const Esito esito = Esegui(migliore);
    EXPECT_EQ(esito.Stato, 0) << esito.Errore;
    const auto scelta = LeggiCsv(esito.Uscita);
    ASSERT_EQ(scelta.size(), 2u);
    EXPECT_EQ(scelta[0], righe[0]);
    EXPECT_EQ(scelta[1], righe[atteso]);

    std::vector<std::string> json{"--json", "--migliore", "U<=1", "-j", "3"};
    json.insert(json.end(), varia.begin(), varia.end());
    const auto j = nlohmann::json::parse(Esegui(json).Uscita);
    EXPECT_EQ(FormaGenerale(j["strato.1.spessore"].get<double>()), righe[atteso][0]);

    std::vector<std::string> nessuna{"--csv", "--migliore", "U<0,1"};
    nessuna.insert(nessuna.end(), varia.begin(), varia.end());
    const Esito vuoto = Esegui(nessuna);
    EXPECT_EQ(vuoto.Stato, 3);
    EXPECT_EQ(vuoto.Uscita, "");
    EXPECT_EQ(vuoto.Errore, "nessuna variante soddisfa la condizione U<0,1\n");
}
