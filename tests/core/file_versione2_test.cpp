#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/files/formato_esercizio.h"
#include "core/model/camera_aria.h"
#include "support/cartella_temporanea.h"
#include "support/dati_attesi.h"
#include "support/stampa_esercizio.h"
#include "tabella_casi.h"

using namespace paretix;
using namespace paretix::test;

namespace {

std::string FileDi(const Esercizio& e) {
    return ContenutoFileEsercizio(e).value();
}

// Three layers: plaster, an air cavity, brick; every additional value given (zone E, the 2021
// reference, an unheated space with btr 0,5, the insulation outside, south-west, category G,
// insulation layer 3, the specific heats), two keys of a later version, and notes.
Esercizio ConDati() {
    Esercizio e;
    EXPECT_TRUE(LetturaEsercizio(LeggiTutto(PercorsoAtteso("core-h2/con-dati.css")), e));
    return e;
}

// The lines of the section, between its title and its separator.
std::string Sezione(const std::string& file) {
    const std::string titolo = std::string(TitoloDatiAggiuntivi) + "\r\n";
    const std::size_t inizio = file.find(titolo) + titolo.size();
    return file.substr(inizio,
                       file.find(std::string(SeparatoreEsercizio) + "\r\n", inizio) - inizio);
}

std::string ConSezione(const std::string& file, const std::string& righe) {
    std::string nuovo = file;
    const std::string vecchia = Sezione(file);
    return nuovo.replace(nuovo.find(vecchia), vecchia.size(), righe);
}

// Line number (from 1) of the first line of the section.
int PrimaRigaSezione(const std::string& file) {
    const std::size_t inizio = file.find(TitoloDatiAggiuntivi);
    int riga = 1;
    for (std::size_t i = 0; i < inizio; ++i) {
        riga += file[i] == '\n' ? 1 : 0;
    }
    return riga + 1;
}

} // namespace

TEST(FileVersione2, ExercisesWithoutAdditionalDataStayVersion1) {
    for (const Esercizio& e : {Esercizio{}, [] {
                                   Esercizio a;
                                   a.Strati.resize(2);
                                   CameraAria1(a, 1);
                                   return a;
                               }()}) {
        const std::string file = FileDi(e);
        EXPECT_EQ(file.substr(0, 51), std::string(TitoloVersione) + "\r\n1\r\n");
        EXPECT_EQ(file.find("Dati aggiuntivi"), std::string::npos);
    }
}

TEST(FileVersione2, AnyAdditionalValueMakesAVersion2File) {
    const std::vector<void (*)(Esercizio&)> modifiche{
        [](Esercizio& e) { e.Verifiche.Attive = true; },
        [](Esercizio& e) { e.Verifiche.Zona = ZonaClimatica::A; },
        [](Esercizio& e) { e.Verifiche.Btr = "1"; },
        [](Esercizio& e) { e.Verifiche.IsolamentoInterno = false; },
        [](Esercizio& e) { e.Verifiche.StratoIsolante = 1; },
        [](Esercizio& e) { e.strato(1).Intonaco = true; },
        [](Esercizio& e) { e.strato(1).CaloreSpecifico = "900"; },
        [](Esercizio& e) {
            e.Verifiche.AltreChiavi = {{"finestra.1", "x"}};
        },
    };
    for (std::size_t i = 0; i < modifiche.size(); ++i) {
        Esercizio e;
        modifiche[i](e);
        const std::string file = FileDi(e);
        EXPECT_EQ(file.substr(0, 51), std::string(TitoloVersione) + "\r\n2\r\n") << i;
        Esercizio letto;
        ASSERT_TRUE(LetturaEsercizio(file, letto)) << i;
        EXPECT_EQ(letto, e) << i;
        EXPECT_EQ(FileDi(letto), file) << i;
    }
}

TEST(FileVersione2, TheSectionStandsBeforeTheNotesWithKnownKeysFirst) {
    const std::string file = FileDi(ConDati());
    ExpectComeNelFile("core/sezione-dati-aggiuntivi.txt", Sezione(file));
    const std::string fine =
        std::string(SeparatoreEsercizio) + "\r\n" + TitoloAppunti + "\r\nNote\r\n";
    EXPECT_EQ(file.substr(file.size() - fine.size()), fine);
    EXPECT_EQ(std::string(TitoloDatiAggiuntivi).size(), 46u);
    EXPECT_EQ(PrimaRigaSezione(file), RigheIntestazione + 3 * RigheStrato + 2);
}

TEST(FileVersione2, RoundTripIsByteForByteAndKeepsUnknownKeysInOrder) {
    const std::string file = LeggiTutto(PercorsoAtteso("core-h2/con-dati.css"));
    Esercizio letto;
    letto.Verifiche.AltreChiavi = {{"vecchia", "1"}};
    ASSERT_TRUE(LetturaEsercizio(file, letto));
    EXPECT_EQ(letto.Verifiche.AltreChiavi.size(), 2u);
    EXPECT_EQ(FileDi(letto), file);

    // Known keys in any order read the same; the writer puts them back in its order.
    const std::string mescolato =
        ConSezione(file, "finestra.3.telaio=1,5\r\ncategoria=G\r\nzona=E\r\nverifiche=1\r\n");
    Esercizio e;
    ASSERT_TRUE(LetturaEsercizio(mescolato, e));
    EXPECT_EQ(Sezione(FileDi(e)),
              "verifiche=1\r\nzona=E\r\ncategoria=G\r\nfinestra.3.telaio=1,5\r\n");
}

TEST(FileVersione2, AVersion1FileClearsTheAdditionalDataOfTheExercise) {
    Esercizio e = ConDati();
    ASSERT_TRUE(LetturaEsercizio(FileDi(Esercizio{}), e));
    EXPECT_EQ(e, Esercizio{});
    EXPECT_FALSE(e.Verifiche.Attive);
}

TEST(FileVersione2, TheMonthlyCheckDataRoundTripInTheirOrder) {
    Esercizio e = ConDati();
    DatiVerifiche& v = e.Verifiche;
    v.AltreChiavi.clear();
    v.ClimaEsterno[0] = {"-0,3", "83"};
    v.ClimaEsterno[11] = {"", "80"}; // a table being filled keeps what was typed
    v.ClasseUmidità = 0;
    v.ClimaInterno[6] = {"26", "55,5"};
    v.CondensaAmmissibile = "250";
    v.InterfacciaFreno = 2;
    e.strato(3).Sd = "0,02";
    const std::string file = FileDi(e);
    ExpectComeNelFile("core-h2/sezione-mensile.txt", Sezione(file));
    Esercizio letto;
    ASSERT_TRUE(LetturaEsercizio(file, letto));
    EXPECT_EQ(letto, e);
    EXPECT_EQ(FileDi(letto), file);

    // An sd alone makes the file a version-2 one; an air cavity loses it.
    Esercizio soloSd;
    soloSd.strato(1).Sd = "100";
    EXPECT_TRUE(HaDatiAggiuntivi(soloSd));
    CameraAria1(soloSd, 1);
    EXPECT_TRUE(soloSd.strato(1).Sd.empty());
}

TEST(FileVersione2, TheProjectDataRoundTripAsOneBlockAfterTheLayers) {
    Esercizio e = ConDati();
    e.Verifiche.Progetto = {"Villetta = lotto 3", "Rossi S.r.l.", "", "Ing. Bianchi"};
    const std::string file = FileDi(e);
    ExpectComeNelFile("core-h2/sezione-progetto.txt", Sezione(file));
    Esercizio letto;
    ASSERT_TRUE(LetturaEsercizio(file, letto));
    EXPECT_EQ(letto, e);

    Esercizio soloTitolo;
    soloTitolo.Verifiche.Progetto.Titolo = "Casa";
    EXPECT_TRUE(HaDatiAggiuntivi(soloTitolo));
}

// The table's input is the section as it stands in the file; the wrong line is the last of
// each, and the file is refused with its line named in the file.
TEST(FileVersione2, AWrongLineOfTheSectionRefusesTheFileAndIsNamed) {
    const std::string file = FileDi(ConDati());
    const int prima = PrimaRigaSezione(file);
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "errato.css";
    ExpectTabella("core-h2/sezione-errata.txt", [&](const std::string& righe) {
        const std::string errato = ConSezione(file, righe);
        Esercizio e = ConDati();
        int riga = 0;
        EXPECT_FALSE(LetturaEsercizio(errato, e, riga)) << righe;
        EXPECT_EQ(e, Esercizio{}) << righe;
        ScriviTutto(percorso, errato);
        EXPECT_EQ(AperturaFile(percorso, e), MessaggioErroreDiApertura(percorso) +
                                                 "\r\nDato non valido alla riga " +
                                                 std::to_string(riga));
        return "riga " + std::to_string(riga - prima + 1) + " della sezione";
    });
}

TEST(FileVersione2, ASectionWithoutTitleOrSeparatorIsRefused) {
    const std::string file = FileDi(ConDati());
    Esercizio e;
    int riga = 0;
    // Version 2 without the section: the plain message, no line named.
    std::string senzaSezione = FileDi(Esercizio{});
    senzaSezione.replace(senzaSezione.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    EXPECT_FALSE(LetturaEsercizio(senzaSezione, e, riga));
    EXPECT_EQ(riga, 0);
    // The file ends inside the section: the missing separator is the line after the last.
    const std::string tagliato = file.substr(0, file.find("zona=E\r\n") + 8);
    EXPECT_FALSE(LetturaEsercizio(tagliato, e, riga));
    EXPECT_EQ(riga, PrimaRigaSezione(file) + 2);
    EXPECT_EQ(e, Esercizio{});
}
