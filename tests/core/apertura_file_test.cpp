#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cartella_temporanea.h"
#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/model/camera_aria.h"
#include "stampa_esercizio.h"

using namespace paretix;
using namespace paretix::test;

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

// Three layers: one loaded from the database, an air cavity, one typed by hand; every
// calculation and value set; notes of several lines ending with a line break.
Esercizio Parete() {
    Esercizio e;
    e.Acustico = true;
    e.LiminariInterno = "7,7";
    e.LiminariEsterno = "25";
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
    mattone.Spessore = {"12", "12", ColoreFinestra, false};
    mattone.Conduttività = {"0,72", "0,72", ColoreGiallo, true};
    mattone.Permeabilità = {"25", "25", ColoreGiallo, true};
    mattone.FatAssorbimento = {"0,9", "0,9", ColoreGiallo, true};
    e.strato(2).Spessore = {"5", "5", ColoreFinestra, false};
    CameraAria1(e, 2);
    Strato& intonaco = e.strato(3);
    intonaco.Spessore = {"1,5", "1,5", ColoreFinestra, false};
    intonaco.Densità = {"1400", "1400", ColoreFinestra, false};
    intonaco.Conduttività = {"0,7", "0,7", ColoreFinestra, false};
    intonaco.Permeabilità = {"18", "", ColoreFinestra, false};
    intonaco.FatAssorbimento = {"-", "-", ColoreFinestra, false};
    return e;
}

// An exercise that differs from Parete() everywhere.
Esercizio Precedente() {
    Esercizio e;
    e.Termico = false;
    e.Igrometrico = false;
    e.Acustico = true;
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

Esercizio Letto(const std::string& file, Esercizio e = Precedente()) {
    EXPECT_TRUE(LetturaEsercizio(file, e));
    return e;
}

void ExpectRifiutato(const std::string& file) {
    Esercizio e = Precedente();
    EXPECT_FALSE(LetturaEsercizio(file, e));
    EXPECT_EQ(e, Esercizio{});
}

} // namespace

TEST(AperturaFile, WhatTheWriterWritesComesBackWhole) {
    EXPECT_EQ(Letto(FileDi(Parete())), Parete());
    EXPECT_EQ(Letto(FileDi(Esercizio{})), Esercizio{});
    Esercizio quindici = Parete();
    quindici.Strati.resize(15);
    quindici.strato(15).Materiale = "ultimo";
    quindici.Appunti = "";
    EXPECT_EQ(Letto(FileDi(quindici)), quindici);
}

TEST(AperturaFile, AnyLineEndReadsTheSame) {
    std::string soloLf;
    std::string soloCr;
    for (const char c : FileDi(Parete())) {
        if (c != '\r') {
            soloLf.push_back(c);
            soloCr.push_back(c == '\n' ? '\r' : c);
        }
    }
    EXPECT_EQ(Letto(soloLf), Parete());
    EXPECT_EQ(Letto(soloCr), Parete());
}

TEST(AperturaFile, AcceptsOnlyVersionOne) {
    const std::string file = FileDi(Parete());
    EXPECT_EQ(Letto(SostituisciRiga(file, 2, " 1")), Parete());
    EXPECT_EQ(Letto(SostituisciRiga(file, 2, "1,0")), Parete());
    for (const char* versione : {"2", "abc", "1.00", "", "1,5"}) {
        ExpectRifiutato(SostituisciRiga(file, 2, versione));
    }
    ExpectRifiutato("");
    ExpectRifiutato("Versione file\r\n");
}

TEST(AperturaFile, RefusesALayerCountOutsideOneToFifteen) {
    const std::string file = FileDi(Parete());
    for (const char* numero : {"0", "16", "99999", "abc", "2,5", "-3", ""}) {
        ExpectRifiutato(SostituisciRiga(file, 10, numero));
    }
    ExpectRifiutato(PrimeRighe(file, 9));
    EXPECT_EQ(Letto(PrimeRighe(file, 10)).NumeroStrati(), 3);
}

TEST(AperturaFile, AFileCutInsideLayerTwoKeepsWhatItDidNotReach) {
    // Layer 2 is a material here, so that the air-cavity set-up does not hide what was read.
    Esercizio parete = Parete();
    parete.strato(2) = parete.strato(3);
    parete.strato(2).Materiale = "Secondo";
    const std::string file = PrimeRighe(FileDi(parete), 28 + 34 + 8);

    Esercizio atteso = Precedente();
    const std::vector<Strato> vecchi = atteso.Strati;
    const std::string appunti = atteso.Appunti;
    atteso = parete;
    atteso.Appunti = appunti;
    atteso.strato(3) = vecchi[2];
    Strato& secondo = atteso.strato(2);
    secondo = vecchi[1];
    secondo.Materiale = "Secondo";
    secondo.ColoreTipo = ColoreFinestra;
    secondo.Densità.Testo = "1400";
    for (Strato& s : atteso.Strati) {
        s.ConduttivitàVisibile = true;
        s.FatAssorbimentoVisibile = false;
        s.Spessore.ColoreSfondo = ColoreFinestra; // a thickness is always typed
        s.Spessore.Bloccato = false;
    }
    EXPECT_EQ(Letto(file), atteso);
}

TEST(AperturaFile, AFileEndingBeforeTheSoundValueLeavesItAtZero) {
    const Esercizio e = Letto(PrimeRighe(FileDi(Parete()), 26));
    EXPECT_EQ(e.DistSonoro, "0");
    EXPECT_EQ(e.UnitaDistSonoro, UnitaSuono::Watt);
    EXPECT_EQ(e.UEsterna, "80");
    EXPECT_EQ(Letto(PrimeRighe(FileDi(Parete()), 22)).UnitaDistSonoro, UnitaSuono::Decibel);
}

TEST(AperturaFile, ValuesThatAreNotNumbersLeaveTheirFieldAlone) {
    std::string file = FileDi(Parete());
    file = SostituisciRiga(file, 6, "sì");          // Igrometrico
    file = SostituisciRiga(file, 26, "W");          // unit W
    file = SostituisciRiga(file, 28 + 5, "giallo"); // type box colour
    file = SostituisciRiga(file, 28 + 10, "3000000000");
    file = SostituisciRiga(file, 28 + 11, "no");        // density read-only
    file = SostituisciRiga(file, 28 + 20, " 65535,4 "); // conductivity colour
    const Esercizio e = Letto(file);
    const Strato& s = e.strato(1);
    EXPECT_FALSE(e.Igrometrico);                       // the previous exercise's
    EXPECT_EQ(e.UnitaDistSonoro, UnitaSuono::Decibel); // the previous exercise's unit
    EXPECT_EQ(s.ColoreTipo, 1);
    EXPECT_EQ(s.Densità.ColoreSfondo, 2);
    EXPECT_TRUE(s.Densità.Bloccato);
    EXPECT_EQ(s.Conduttività.ColoreSfondo, ColoreGiallo);
    EXPECT_EQ(s.Densità.Testo, "1800");
}

TEST(AperturaFile, HygrometricNeedsTheThermalCalculation) {
    const std::string file = FileDi(Parete());
    const Esercizio soloIgrometrico = Letto(SostituisciRiga(file, 5, "0"));
    EXPECT_TRUE(soloIgrometrico.Termico);
    EXPECT_TRUE(soloIgrometrico.Igrometrico);

    const Esercizio soloAcustico = Letto(SostituisciRiga(SostituisciRiga(file, 5, "0"), 6, "0"));
    EXPECT_FALSE(soloAcustico.Termico);
    for (const Strato& s : soloAcustico.Strati) {
        EXPECT_FALSE(s.ConduttivitàVisibile);
        EXPECT_FALSE(s.FatAssorbimentoVisibile);
    }
}

TEST(AperturaFile, LayerTypesBecomeMaterialOrAirCavity) {
    Esercizio parete = Parete();
    parete.strato(2).TipoStrato = " A ";
    parete.strato(2).Densità = {"999", "999", ColoreGiallo, true};
    parete.strato(3).TipoStrato = "a";
    parete.strato(1).TipoStrato = "X";
    const Esercizio e = Letto(FileDi(parete));
    EXPECT_EQ(e.strato(2), Parete().strato(2));
    EXPECT_EQ(e.strato(1).TipoStrato, "M");
    EXPECT_EQ(e.strato(3).TipoStrato, "M");
}

TEST(AperturaFile, ARefusedFileGivesTheOpenErrorMessage) {
    CartellaTemporanea cartella;
    Esercizio e = Precedente();
    const std::string nome = cartella / "manca.css";
    EXPECT_EQ(AperturaFile(nome, e),
              nome + "\r\nImpossibile leggere il file\r\nFile esercizio non valido o formato del "
                     "file non supportato.\r\nSi possono aprire soltanto file versione 1.00");
    EXPECT_EQ(e, Esercizio{});

    ScriviTutto(cartella / "muro.css", FileDi(Parete()));
    EXPECT_EQ(AperturaFile(cartella / "muro.css", e), std::nullopt);
    EXPECT_EQ(e, Parete());
}

// Files no writer makes, among them the inputs that once upset the reader.
TEST(AperturaFile, HostileFilesNeverHoldMoreThanFifteenLayers) {
    std::vector<std::string> file = {
        SostituisciRiga(FileDi(Parete()), 1, std::string(2 << 20, '\xFF')),
        FileDi(Parete()) + std::string(3 << 20, 'x'),
        std::string("x\n1\nx\nx\n1\n1\n1\nx\nx\n15\n"),
        std::string("\0\r\n1\r\n\0", 7),
    };
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti.push_back(static_cast<char>(b));
    }
    file.push_back(tutti);
    const std::filesystem::path trovati = PARETIX_TEST_DATA "/fuzz-esercizio";
    for (const auto& voce : std::filesystem::directory_iterator(trovati)) {
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
