#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/calc/calcolo.h"
#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "support/cli_esegui.h"
#include "support/dati_attesi.h"

using namespace paretix;
using namespace paretix::test;

namespace {

const std::string Pesante = PARETIX_EXAMPLES "/parete-pesante.css";
const std::string Intercapedine = PARETIX_EXAMPLES "/parete-intercapedine.css";
const std::string SpazioEsaurito = "impossibile scrivere il resoconto: spazio esaurito sul disco\n";

// Run in the examples' folder, so that the outputs name the files as given.
EsitoComando NegliEsempi(const std::vector<std::string>& argomenti) {
    return Esegui("cd " + TraApici(PARETIX_EXAMPLES) + " && " + ComandoReport(argomenti));
}

} // namespace

// Each example's report and --json object are the ones kept beside the core tests' examples
// (tests/data/esempi), written to standard output and nothing else.
TEST(ParetixReport, PrintsTheKeptReportAndJsonOfEachExample) {
    for (const char* nome : {"parete-intercapedine", "parete-pesante", "parete-verifiche",
                             "parete-condensa-invernale", "parete-membrana-fredda"}) {
        const std::string file = std::string(PARETIX_EXAMPLES "/") + nome + ".css";
        const std::string attesi = PercorsoAtteso(std::string("esempi/") + nome);
        EXPECT_EQ(Report({file}), (EsitoComando{0, LeggiTutto(attesi + ".txt"), ""})) << nome;
        EXPECT_EQ(Report({"--json", file}),
                  (EsitoComando{0, LeggiTutto(attesi + ".json") + "\n", ""}))
            << nome;
    }
}

// A file refused, invalid or without calculations: its status and message on standard error,
// nothing on standard output, the same with --json.
TEST(ParetixReport, AFaultGivesItsStatusAndMessageWithAndWithoutJson) {
    CartellaTemporanea c;
    std::string versione2 = ContenutoFileEsercizio(Esercizio{}).value();
    versione2.replace(versione2.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    ScriviTutto(c / "versione 2.css", versione2);
    Esercizio errato, nessuno;
    errato.strato(1).Spessore.Testo = "dieci";
    nessuno.Termico = nessuno.Igrometrico = nessuno.Acustico = false;
    ASSERT_TRUE(CreazioneFile(errato, c / "errato.css") &&
                CreazioneFile(nessuno, c / "nessuno.css"));
    RisultatiCalcolo r;
    std::string testo;
    const EsitoCalcola validazione = Command1_Click(errato, r, testo);
    ASSERT_FALSE(validazione.DatiValidi);
    const std::pair<std::string, EsitoComando> casi[] = {
        {c / "versione 2.css", {2, "", MessaggioErroreDiApertura(c / "versione 2.css") + "\n"}},
        {c / "manca.css",
         {2, "", MessaggioErroreDiApertura(c / "manca.css") + "\r\nIl file non esiste.\n"}},
        {c / "errato.css", {1, "", "ERRORE: " + validazione.Messaggio + "\n"}},
        {c / "nessuno.css",
         {1, "",
          c / "nessuno.css" +
              ": nessun tipo di calcolo scelto (Termico, Igrometrico, Acustico): non c'è nulla da "
              "calcolare.\n"}},
    };
    for (const auto& [file, atteso] : casi) {
        EXPECT_EQ(Report({file}), atteso) << file;
        EXPECT_EQ(Report({"--json", file}), atteso) << file;
    }
}

// A report that cannot be written is no success: a full disk, and a reader gone before the
// write, whose EPIPE must give the promised status rather than end the program by SIGPIPE.
TEST(ParetixReport, AnOutputThatCannotBeWrittenIsAFailedWrite) {
    for (const std::vector<std::string>& argomenti :
         {std::vector<std::string>{Pesante}, {"--json", Pesante}, {"--help"}}) {
        EXPECT_EQ(Report(argomenti, ">/dev/full"), (EsitoComando{74, "", SpazioEsaurito}))
            << argomenti[0];
    }
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    close(tubo[0]);
    const EsitoComando chiuso = Report({Pesante}, ">&" + std::to_string(tubo[1]));
    close(tubo[1]);
    EXPECT_EQ(chiuso,
              (EsitoComando{74, "",
                            "impossibile scrivere il resoconto: il programma che legge l'uscita "
                            "l'ha chiusa\n"}));
}

// Control characters from the file reach a pipe byte for byte, a terminal escaped. The terminal
// is the pseudo-terminal of script(1), which every Debian system has.
TEST(ParetixReport, ControlCharactersAreEscapedOnATerminalOnly) {
    CartellaTemporanea cartella;
    Esercizio e;
    ASSERT_EQ(AperturaFile(Pesante, e), std::nullopt);
    e.strato(1).Materiale = "Mattone\x1B]2;preso\x07";
    const std::string file = cartella / "muro.css";
    ASSERT_TRUE(CreazioneFile(e, file));

    const EsitoComando inUnFile = Report({file});
    EXPECT_EQ(inUnFile.Stato, 0);
    EXPECT_NE(inUnFile.Uscita.find("Mattone\x1B]2;preso\x07"), std::string::npos);
    const EsitoComando terminale =
        Esegui("script -qec " + TraApici(ComandoReport({file})) + " /dev/null </dev/null");
    ASSERT_EQ(terminale.Stato, 0);
    EXPECT_NE(terminale.Uscita.find("Mattone\\x1B]2;preso\\x07"), std::string::npos)
        << terminale.Uscita;
    EXPECT_EQ(terminale.Uscita.find('\x1B'), std::string::npos);
}

// The help, the example that runs the transient simulation (its report and JSON with the
// simulation), many files as JSON Lines and as a table (a refused file in its place, the worst
// status for the process), sweeps (the varied keys first, the last --varia fastest, an invalid
// variant's message in its row and status 1) and the best variant of a sweep: the outputs kept
// under tests/data/cli.
TEST(ParetixReport, OutputsOfManyFilesAndSweepsAreTheKeptOnes) {
    const std::string pesante = "parete-pesante.css", intercapedine = "parete-intercapedine.css";
    const std::vector<std::string> spessori{"--varia", "strato.1.spessore=5:40:5", "--varia",
                                            "strato.3.spessore=5:40:5", pesante};
    const auto con = [&](std::vector<std::string> argomenti) {
        argomenti.insert(argomenti.end(), spessori.begin(), spessori.end());
        return argomenti;
    };
    struct Caso {
        std::vector<std::string> Argomenti;
        int Stato;
        std::string Attesi; // the file of the standard output, none for an empty one
        std::string Errore = "";
    };
    const Caso casi[] = {
        {{"--help"}, 0, "aiuto.txt"},
        {{"parete-isolata-interno.css"}, 0, "parete-isolata-interno.txt"},
        {{"--json", "parete-isolata-interno.css"}, 0, "parete-isolata-interno.json"},
        {{"--json", intercapedine, "manca.css", pesante}, 2, "molti-file.jsonl"},
        {{"--csv", intercapedine, pesante}, 0, "tabella.csv"},
        {{"--csv", "--sep", ",", "--punto", pesante}, 0, "tabella-punto.csv"},
        {{"--csv", "manca.css"}, 2, "rifiutato.csv"},
        {{"--varia", "strato.1.spessore=-10:10:10", "--varia", "te=-5:0,0:5", pesante, "--csv"},
         1,
         "variazione.csv"},
        {{"--varia", "strato.1.spessore=10,5:10,5:1", "--csv", "--sep", ",", "--punto", pesante},
         0,
         "variazione-punto.csv"},
        {{"--json", "--varia", "hi=6:8:0,5", "--varia", "ui=60:100:20", intercapedine},
         0,
         "variazione.jsonl"},
        {{"--json", "--varia", "ue=90:110:20", intercapedine}, 1, "variazione-errore.jsonl"},
        {con({"--csv", "--migliore", "U<=1"}), 0, "migliore.csv"},
        {con({"--json", "--migliore", "U<=1", "-j", "3"}), 0, "migliore.jsonl"},
        {con({"--csv", "--migliore", "U<0,1"}), 3, "",
         "nessuna variante soddisfa la condizione U<0,1\n"},
        {{"--csv", "--varia", "hi=1:2:1", "manca.css"},
         2,
         "",
         MessaggioErroreDiApertura("manca.css") + "\r\nIl file non esiste.\n"},
    };
    for (const Caso& caso : casi) {
        const EsitoComando esito = NegliEsempi(caso.Argomenti);
        SCOPED_TRACE(ComandoReport(caso.Argomenti));
        EXPECT_EQ(esito.Stato, caso.Stato);
        EXPECT_EQ(esito.Errore, caso.Errore);
        if (caso.Attesi.empty()) {
            EXPECT_EQ(esito.Uscita, "");
        } else {
            ExpectComeNelFile("cli/" + caso.Attesi, esito.Uscita);
        }
    }
}

// The order of the output does not depend on the threads: the same bytes with one and with
// eight, for a sweep of many blocks.
TEST(ParetixReport, ASweepKeepsItsOrderOnAnyNumberOfThreads) {
    for (const char* modo : {"--csv", "--json"}) {
        const auto conFili = [&](const char* fili) {
            return Report({modo, "--varia", "strato.2.spessore=1:8:0,25", "--varia", "te=-10:10:1",
                           Intercapedine, "-j", fili});
        };
        const EsitoComando uno = conFili("1");
        EXPECT_EQ(uno.Stato, 0) << uno.Errore;
        EXPECT_GT(uno.Uscita.size(), 29u * 21u * 100u);
        EXPECT_TRUE(uno == conFili("8")) << modo;
    }
}

// Wrong usage: status 64, nothing on standard output, the reason (if any) and the usage line on
// standard error, whether the command line itself is wrong or its sweep does not fit the file.
// The command lines themselves are read in opzioni_test.cpp, the ranges in the core's tests.
TEST(ParetixReport, WrongUsageGivesTheReasonAndTheUsageLine) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi{
        {{}, ""},
        {{"--csv", "-j", "2", Pesante}, ""},
        {{"--varia", "hi=1:2:1", Pesante}, "--csv oppure --json"},
        {{"--csv", "--varia", "strato.1.spesso=1:2:1", Pesante}, "chiave sconosciuta"},
        {{"--csv", "--varia", "strato.9.spessore=1:2:1", Pesante}, "non ha lo strato 9"},
        {{"--csv", "--varia", "hi=1:2:1", "--migliore", "U=0,2", Pesante}, "--migliore U=0,2"},
    };
    for (const auto& [argomenti, motivo] : casi) {
        const EsitoComando esito = Report(argomenti);
        EXPECT_EQ(esito.Stato, 64) << motivo;
        EXPECT_EQ(esito.Uscita, "") << motivo;
        EXPECT_NE(esito.Errore.find(motivo), std::string::npos) << esito.Errore;
        EXPECT_NE(esito.Errore.find("Uso: paretix-report FILE.css"), std::string::npos)
            << esito.Errore;
    }
}

// A sweep split with --parte: the shares' outputs, concatenated in order, are the whole sweep's.
TEST(ParetixReport, SharesOfASweepConcatenateToTheWholeSweep) {
    const auto sweep = [](std::vector<std::string> altri) {
        altri.insert(altri.end(), {"--varia", "strato.3.spessore=4:12:1", "--varia", "hi=6:8:1",
                                   "-j", "2", PARETIX_EXAMPLES "/parete-verifiche.css"});
        return Report(altri);
    };
    for (const char* modo : {"--csv", "--json"}) {
        const EsitoComando intera = sweep({modo});
        ASSERT_EQ(intera.Stato, 0) << modo;
        EXPECT_FALSE(intera.Uscita.empty());
        std::string unite;
        for (const char* parte : {"1/4", "2/4", "3/4", "4/4"}) {
            const EsitoComando quota = sweep({modo, "--parte", parte});
            EXPECT_EQ(quota.Stato, 0) << modo << " " << parte;
            unite += quota.Uscita;
        }
        EXPECT_EQ(unite, intera.Uscita) << modo;
    }
    EXPECT_EQ(sweep({"--csv", "--parte", "5/4"}).Stato, 64);
    EXPECT_EQ(sweep({"--csv", "--parte", "1/2", "--migliore", "U<=0,3"}).Stato, 64);
}

// Runs paretix-report with at most 100 MiB of address space: ample for one run of the tool, far
// too little for what these runs would once allocate. AddressSanitizer reserves terabytes of
// address space for its shadow memory, so a tool built with it cannot start under such a
// ceiling at all: these runs mean nothing there.
class ReportLimiti : public testing::Test {
  protected:
    void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "un limite di memoria non si applica sotto AddressSanitizer";
#endif
    }
    static EsitoComando ConMemoria(std::vector<std::string> argomenti) {
        argomenti.push_back(PARETIX_EXAMPLES "/parete-pesante.css");
        return Esegui("ulimit -v 102400; exec " + ComandoReport(argomenti));
    }
};

// Twenty ranges of a million values each, one allowed alone: together they are refused before
// any value is made (20 million texts would need 640 MB).
TEST_F(ReportLimiti, ASweepTooLargeIsRefusedWithinLittleMemory) {
    std::vector<std::string> diverse{"hi", "he", "ti", "te", "ui", "ue", "disturbo", "btr"};
    for (const char* strato : {"strato.1.", "strato.2.", "strato.3."}) {
        for (const char* dato : {"spessore", "densita", "conduttivita", "permeabilita"}) {
            diverse.push_back(std::string(strato) + dato);
        }
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi{
        {diverse, "troppe varianti"},
        {std::vector<std::string>(diverse.size(), "hi"), "variata due volte"},
    };
    for (const auto& [chiavi, motivo] : casi) {
        std::vector<std::string> argomenti{"--csv"};
        for (const std::string& chiave : chiavi) {
            argomenti.insert(argomenti.end(), {"--varia", chiave + "=1:1000000:1"});
        }
        const EsitoComando esito = ConMemoria(argomenti);
        EXPECT_EQ(esito.Stato, 64) << esito.Errore;
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_NE(esito.Errore.find(motivo), std::string::npos) << esito.Errore;
    }
}

// 1024 threads of 8 MiB stacks do not fit in the ceiling: the sweep runs on the ones that do.
TEST_F(ReportLimiti, ASweepRunsOnTheThreadsTheSystemGives) {
    const EsitoComando esito =
        ConMemoria({"--csv", "-j", "1024", "--varia", "strato.1.spessore=1:40:1"});
    EXPECT_EQ(esito.Stato, 0) << esito.Errore;
    EXPECT_EQ(esito.Errore, "");
    EXPECT_EQ(std::count(esito.Uscita.begin(), esito.Uscita.end(), '\n'), 41); // header, 40 rows
}
