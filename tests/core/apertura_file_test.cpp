#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/files/esito_scrittura.h"
#include "core/model/camera_aria.h"
#include "support/cartella_temporanea.h"
#include "support/dati_attesi.h"
#include "support/pareti.h"
#include "support/stampa_esercizio.h"
#include "trascrizione.h"

using namespace paretix;
using namespace paretix::test;
using prova::Righe;

namespace {

std::string FileDi(const Esercizio& e) {
    return ContenutoFileEsercizio(e).value();
}

// Offset where line n (from 1) starts.
std::size_t InizioRiga(const std::string& file, int n) {
    std::size_t inizio = 0;
    for (int i = 1; i < n; ++i) {
        inizio = file.find("\r\n", inizio) + 2;
    }
    return inizio;
}

std::string SostituisciRiga(std::string file, int n, const std::string& testo) {
    const std::size_t inizio = InizioRiga(file, n);
    return file.replace(inizio, file.find("\r\n", inizio) - inizio, testo);
}

std::string PrimeRighe(const std::string& file, int n) {
    return file.substr(0, InizioRiga(file, n + 1));
}

// A layer loaded from the database, an air cavity and a typed layer; every calculation on;
// the sound in watts; notes of several lines ending with a line break.
Esercizio Parete() {
    Esercizio e;
    e.Acustico = true;
    e.LiminariInterno = "7,7";
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.DistSonoro = "0,01";
    e.UnitaDistSonoro = UnitaSuono::Watt;
    e.Appunti = "Parete di prova\r\ncon più righe\r\n";
    e.Strati.resize(3);
    Strato& mattone = e.strato(1);
    mattone.Materiale = "Mattone pieno";
    mattone.ColoreTipo = ColoreGiallo;
    mattone.Densità = {"1800", "1800", ColoreGiallo, true};
    mattone.Spessore = {"12", "12"};
    mattone.Conduttività = {"0,72", "0,72", ColoreGiallo, true};
    mattone.FatAssorbimento = {"0,9", "0,9", ColoreGiallo, true};
    e.strato(2).Spessore = {"5", "5"};
    CameraAria1(e, 2);
    e.strato(3).Densità = {"1400", "1400"};
    e.strato(3).Permeabilità = {"18", ""};
    return e;
}

// An exercise that differs from Parete() everywhere, with two more layers.
Esercizio Precedente() {
    Esercizio e;
    e.Termico = e.Igrometrico = false;
    for (std::string* campo : {&e.LiminariInterno, &e.LiminariEsterno, &e.TInterna, &e.TEsterna,
                               &e.UInterna, &e.UEsterna, &e.DistSonoro, &e.Appunti}) {
        *campo = "vecchio";
    }
    e.Strati.resize(5);
    for (Strato& s : e.Strati) {
        s.Materiale = "vecchio";
        s.ColoreTipo = 1;
        for (Casella* c :
             {&s.Densità, &s.Spessore, &s.Conduttività, &s.Permeabilità, &s.FatAssorbimento}) {
            *c = {"vecchio", "vecchio", 2, true};
        }
    }
    return e;
}

Esercizio Letto(const std::string& file) {
    Esercizio e = Precedente();
    EXPECT_TRUE(LetturaEsercizio(file, e));
    return e;
}

} // namespace

TEST(AperturaFile, WhatTheWriterWritesComesBackWholeWithAnyLineEnd) {
    const std::string file = FileDi(Parete());
    EXPECT_EQ(Letto(file), Parete());
    EXPECT_EQ(Letto(FileDi(Esercizio{})), Esercizio{});
    std::string soloLf;
    std::string soloCr;
    for (const char c : file) {
        if (c != '\r') {
            soloLf.push_back(c);
            soloCr.push_back(c == '\n' ? '\r' : c);
        }
    }
    EXPECT_EQ(Letto(soloLf), Parete());
    EXPECT_EQ(Letto(soloCr), Parete());
}

// The file of Parete() with lines replaced ("N=text", joined by " && ") or cut after its first N
// lines ("prime N"), tests/data/core-h1/apertura.txt: refused, which leaves a new exercise, or
// read into Precedente(), and then the lines where the file written again differs.
TEST(AperturaFile, ChangedLinesReadOrRefused) {
    const std::string originale = FileDi(Parete());
    ExpectTrascrizione("core-h1/apertura.txt", [&originale](const std::string& caso) {
        std::string file = originale;
        if (caso.starts_with("prime ")) {
            file = PrimeRighe(file, std::stoi(caso.substr(6)));
        }
        for (std::size_t da = 0, a; !caso.starts_with("prime ") && da <= caso.size(); da = a + 4) {
            a = std::min(caso.find(" && ", da), caso.size());
            const std::size_t uguale = caso.find('=', da);
            file = SostituisciRiga(file, std::stoi(caso.substr(da, uguale - da)),
                                   caso.substr(uguale + 1, a - uguale - 1));
        }
        Esercizio e = Precedente();
        if (!LetturaEsercizio(file, e)) {
            EXPECT_EQ(e, Esercizio{});
            return std::vector<std::string>{"rifiutato"};
        }
        std::vector<std::string> righe{"letto, strati: " + std::to_string(e.NumeroStrati())};
        // The lines of the general block and of layer 1 one by one, the others counted.
        const auto prima = Righe(originale), dopo = Righe(FileDi(e));
        int altre = 0;
        for (std::size_t i = 0; i < std::max(prima.size(), dopo.size()); ++i) {
            const std::string p = i < prima.size() ? prima[i] : "",
                              d = i < dopo.size() ? dopo[i] : "";
            if (p != d && i < 28 + 34) {
                righe.push_back("riga " + std::to_string(i + 1) + ": " + p + " -> " + d);
            }
            altre += p != d && i >= 28 + 34;
        }
        righe.push_back("altre righe diverse: " + std::to_string(altre));
        return righe;
    });
}

TEST(AperturaFile, AFileCutInsideLayerTwoKeepsWhatItDidNotReach) {
    Esercizio parete = Parete();
    parete.strato(2) = parete.strato(3); // a material: the air-cavity set-up would hide the cut
    parete.strato(2).Materiale = "Secondo";
    Esercizio atteso = Precedente();
    atteso.Strati.resize(3);
    const Strato vecchio = atteso.strato(2);
    atteso.Strati = parete.Strati;
    atteso.strato(2) = vecchio;
    atteso.strato(3) = vecchio;
    atteso.strato(2).Materiale = "Secondo";
    atteso.strato(2).ColoreTipo = ColoreFinestra;
    atteso.strato(2).Densità.Testo = "1400";
    for (Strato& s : atteso.Strati) {
        s.FatAssorbimentoVisibile = false;
        s.Spessore.ColoreSfondo = ColoreFinestra; // a thickness is always typed
        s.Spessore.Bloccato = false;
    }
    const Esercizio letto = Letto(PrimeRighe(FileDi(parete), 28 + 34 + 8));
    EXPECT_EQ(letto.Strati, atteso.Strati);
    EXPECT_EQ(letto.UEsterna, "80");
    EXPECT_EQ(letto.Appunti, "vecchio");
}

TEST(AperturaFile, AnOpenedExerciseHasTheStateOfTheSchema) {
    const std::string file = FileDi(Parete());
    const Esercizio soloIgrometrico = Letto(SostituisciRiga(file, 5, "0"));
    EXPECT_TRUE(soloIgrometrico.Termico);
    EXPECT_TRUE(soloIgrometrico.strato(1).ConduttivitàVisibile);
    const Esercizio soloAcustico = Letto(SostituisciRiga(SostituisciRiga(file, 5, "0"), 6, "0"));
    EXPECT_FALSE(soloAcustico.Termico);
    EXPECT_FALSE(soloAcustico.strato(1).ConduttivitàVisibile);
    EXPECT_FALSE(soloAcustico.strato(1).FatAssorbimentoVisibile);

    Esercizio parete = Parete();
    parete.strato(1).TipoStrato = "X";
    parete.strato(2).TipoStrato = " A ";
    parete.strato(2).Densità = {"999", "999", ColoreGiallo, true};
    parete.strato(3).TipoStrato = "a";
    const Esercizio e = Letto(FileDi(parete));
    EXPECT_EQ(e.strato(1).TipoStrato, "M");
    EXPECT_EQ(e.strato(2), Parete().strato(2));
    EXPECT_EQ(e.strato(3).TipoStrato, "M");
}

// Files no writer makes, among them the inputs that once upset the reader.
TEST(AperturaFile, HostileFilesNeverHoldMoreThanFifteenLayers) {
    std::string tuttiIByte;
    for (int b = 0; b < 256; ++b) {
        tuttiIByte.push_back(static_cast<char>(b));
    }
    std::vector<std::string> file = {
        SostituisciRiga(FileDi(Parete()), 1, std::string(2 << 20, '\xFF')),
        FileDi(Parete()) + std::string(3 << 20, 'x'), tuttiIByte, std::string("\0\r\n1\r\n\0", 7)};
    for (const auto& voce :
         std::filesystem::directory_iterator(PARETIX_TEST_DATA "/fuzz-esercizio")) {
        file.push_back(LeggiTutto(voce.path().string()));
    }
    for (const std::string& f : file) {
        Esercizio e = Precedente();
        const bool accettato = LetturaEsercizio(f, e);
        EXPECT_GE(e.NumeroStrati(), 1);
        EXPECT_LE(e.NumeroStrati(), NumeroStratiMax);
        if (accettato) {
            EXPECT_EQ(Letto(FileDi(e)), e) << "an opened file does not save and open the same";
        } else {
            EXPECT_EQ(e, Esercizio{});
        }
    }
}

// The open-error message keeps its four lines and adds the cause it knows: a file that does
// not exist, a folder, no ordinary file, a file that may not be read, one of a later version.

namespace {

// The exercise file of a new exercise with line 2, its version, replaced.
std::string ConVersione(const std::string& versione) {
    std::string testo = ContenutoFileEsercizio(Esercizio{}).value();
    testo.replace(testo.find("\r\n1\r\n"), 5, "\r\n" + versione + "\r\n");
    return testo;
}

TEST(AperturaCause, EachRefusalNamesItsCause) {
    CartellaTemporanea cartella;
    ScriviTutto(cartella / "tre.css", ConVersione("3"));
    ScriviTutto(cartella / "punto.css", ConVersione("1.00"));
    ScriviTutto(cartella / "chiuso.css", ConVersione("1"));
    chmod((cartella / "chiuso.css").c_str(), 0);
    struct Caso {
        std::string File;
        std::string Causa; // empty: the four lines alone
    };
    std::vector<Caso> casi{
        {cartella / "manca.css", "Il file non esiste."},
        {cartella / "manca/dentro.css", "Il file non esiste."},
        {cartella.Percorso(), "Il percorso è una cartella, non un file."},
        {"/dev/null", "Il percorso non è un file ordinario."},
        {cartella / "tre.css",
         "Il file è stato scritto da una versione successiva di Paretix LT (versione 3)."},
        // "1.00" is no version the program ever wrote: the message stays as it was.
        {cartella / "punto.css", ""},
    };
    // The superuser (as in CI) reads every file.
    if (geteuid() != 0) {
        casi.push_back({cartella / "chiuso.css", "Non si ha il permesso di leggere il file."});
    }
    for (const Caso& caso : casi) {
        Esercizio e = Precedente();
        EXPECT_EQ(AperturaFile(caso.File, e), MessaggioErroreDiApertura(caso.File) +
                                                  (caso.Causa.empty() ? "" : "\r\n" + caso.Causa));
        EXPECT_EQ(e, Esercizio{});
    }
    EXPECT_EQ(MessaggioErroreDiApertura("muro.css"),
              "muro.css\r\nImpossibile leggere il file\r\nFile esercizio non valido o formato del "
              "file non supportato.\r\nSi possono aprire soltanto file versione 1.00");
}

} // namespace

// A new exercise, and one of ten layers whose block titles stay forty-six characters long.
TEST(CreazioneFile, ANewExerciseByteForByte) {
    ExpectComeNelFile("core/esercizio-nuovo.css", ContenutoFileEsercizio(Esercizio{}).value());
    Esercizio dieci;
    dieci.Strati.resize(10);
    ExpectComeNelFile("core-h1/esercizio-dieci-strati.css", ContenutoFileEsercizio(dieci).value());
}

TEST(CreazioneFile, ALayerLoadedFromTheDatabaseStoresYellowReadOnlyBoxes) {
    Esercizio e;
    e.UnitaDistSonoro = UnitaSuono::Watt;
    e.DistSonoro = "0,001";
    Strato& s = e.strato(1);
    s.Materiale = "Mattone pieno";
    s.ColoreTipo = ColoreGiallo;
    s.Densità = {"1800", "1800", ColoreGiallo, true};
    s.Spessore = {"12", "12,5", ColoreGiallo, true}; // thickness stores no colour nor flag
    s.Conduttività = {"0,72", "0,72", ColoreGiallo, true};
    s.Permeabilità = {"25", "25", ColoreGiallo, true};
    s.FatAssorbimento = {"-", "", 0, false};
    ExpectComeNelFile("core/esercizio-da-abaco.css", ContenutoFileEsercizio(e).value());
}

TEST(CreazioneFile, NotesKeepTheirLinesWithCrLf) {
    Esercizio e;
    e.Appunti = "uno\r\ndue\r\ntre";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\nuno\r\ndue\r\ntre\r\n"));
    e.Appunti = "a\nb\rc\r\n";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\na\r\nb\r\nc\r\n\r\n"));
    e.Appunti = "Umidità ¶ €";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\nUmidit\xE0 \xB6 \x80\r\n"));
}

TEST(CreazioneFile, RefusesWhatItCannotStoreAndWritesNothing) {
    Esercizio alfa;
    alfa.strato(1).Materiale = "Legno di α";
    Esercizio aCapo;
    aCapo.strato(1).Spessore.Suggerimento = "1\n2";
    Esercizio nessuno;
    nessuno.Strati.clear();
    Esercizio sedici;
    sedici.Strati.resize(16);
    for (const Esercizio* e : {&alfa, &aCapo, &nessuno, &sedici}) {
        EXPECT_FALSE(ContenutoFileEsercizio(*e).has_value());
    }

    CartellaTemporanea cartella;
    ScriviTutto(cartella / "muro.css", "vecchio");
    EXPECT_FALSE(CreazioneFile(alfa, cartella / "muro.css"));
    EXPECT_EQ(LeggiTutto(cartella / "muro.css"), "vecchio");
    EXPECT_TRUE(CreazioneFile(Esercizio{}, cartella / "muro.css"));
    EXPECT_EQ(LeggiTutto(cartella / "muro.css"), ContenutoFileEsercizio(Esercizio{}));
}

// The message for each reason is in the table of failing calls in scrittura_atomica_test.
TEST(MessaggioSalvataggio, TheTextsAreDistinctTwoLineMessages) {
    const std::set<std::string> testi = {DiscoProtetto,    DiscoPieno,      PermessoNegato,
                                         CartellaMancante, NomeTroppoLungo, FileInUso};
    EXPECT_EQ(testi.size(), 6u);
    for (const std::string& testo : testi) {
        EXPECT_NE(testo.find(".\r\nImpossibile salvare il file"), std::string::npos) << testo;
    }
    EXPECT_EQ(MessaggioSalvataggio(MotivoErrore::Nessuno), "");
}
