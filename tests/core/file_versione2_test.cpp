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

using namespace paretix;
using namespace paretix::test;

namespace {

// Three layers: plaster, an air cavity, brick; every additional value given, and two keys of
// a later version.
Esercizio ConDati() {
    Esercizio e;
    e.Strati.resize(3);
    e.strato(1).Materiale = "Intonaco di calce";
    e.strato(1).Intonaco = true;
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).Spessore = {"4", "4"};
    CameraAria1(e, 2);
    e.strato(3).CaloreSpecifico = "840,5";
    DatiVerifiche& v = e.Verifiche;
    v.Attive = true;
    v.Zona = ZonaClimatica::E;
    v.Regime = RegimeVerifica::Riferimento2021;
    v.Elemento = ElementoParete::NonClimatizzato;
    v.Btr = "0,5";
    v.IsolamentoInterno = false;
    v.Esposizione = Orientamento::SO;
    v.Irradianza290 = true;
    v.Categoria = CategoriaEdificio::G;
    v.StratoIsolante = 3;
    v.AltreChiavi = {{"finestra.3.telaio", "1,5"}, {"ponte-termico", "3=alta"}};
    e.Appunti = "Note";
    return e;
}

std::string FileDi(const Esercizio& e) {
    return ContenutoFileEsercizio(e).value();
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
    const std::string file = FileDi(ConDati());
    Esercizio letto;
    letto.Verifiche.AltreChiavi = {{"vecchia", "1"}};
    ASSERT_TRUE(LetturaEsercizio(file, letto));
    EXPECT_EQ(letto, ConDati());
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
    const std::string sezione = Sezione(file);
    const std::string attese = "strato-isolante=3\r\n"
                               "clima.1=-0,3;83\r\n"
                               "clima.12=;80\r\n"
                               "classe-umidita=0\r\n"
                               "interno.7=26;55,5\r\n"
                               "condensa-ammissibile=250\r\n"
                               "interfaccia-freno=2\r\n"
                               "strato.1.intonaco=1\r\n";
    EXPECT_NE(sezione.find(attese), std::string::npos) << sezione;
    EXPECT_TRUE(sezione.ends_with("strato.3.calore-specifico=840,5\r\nstrato.3.sd=0,02\r\n"));
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
    EXPECT_NE(Sezione(file).find("strato.3.calore-specifico=840,5\r\n"
                                 "progetto.titolo=Villetta = lotto 3\r\n"
                                 "progetto.committente=Rossi S.r.l.\r\n"
                                 "progetto.tecnico=Ing. Bianchi\r\n"
                                 "finestra.3.telaio=1,5\r\n"),
              std::string::npos)
        << Sezione(file);
    Esercizio letto;
    ASSERT_TRUE(LetturaEsercizio(file, letto));
    EXPECT_EQ(letto, e);

    Esercizio soloTitolo;
    soloTitolo.Verifiche.Progetto.Titolo = "Casa";
    EXPECT_TRUE(HaDatiAggiuntivi(soloTitolo));
}

TEST(FileVersione2, AWrongLineOfTheSectionRefusesTheFileAndIsNamed) {
    const std::string file = FileDi(ConDati());
    const int prima = PrimaRigaSezione(file);
    // Rows apart by "|", the wrong line the last of each; layer 2 is an air cavity, and three
    // layers have the boundaries 1 and 2 only.
    const std::string casi =
        "zona=A\r\nregime=riqualificazione 2015|clima.1=1;80\r\nclima.1=1;80|"
        "progetto.titolo=A\r\nprogetto.titolo=B|zona=A\r\nzona=A|altra=1\r\naltra=2|"
        "verifiche=1\r\nsenza uguale|verifiche=x|verifiche=|zona=e|zona=G|"
        "elemento=interno|btr=|isolamento-interno=2|orientamento=W|irradianza-290=si|"
        "categoria=H|strato-isolante=0|strato-isolante=4|strato-isolante=01|"
        "strato.0.intonaco=1|strato.4.calore-specifico=900|strato.1.intonaco=sì|"
        "strato.1.calore-specifico=|strato.2.intonaco=1|strato.2.calore-specifico=1000|"
        "strato.2.sd=1|strato.1.sd=|clima.0=1;80|clima.13=1;80|clima.01=1;80|"
        "clima.1=1,80|clima.1=1;80;5|clima.1=;|interno.1=20|classe-umidita=6|"
        "classe-umidita=33|condensa-ammissibile=|progetto.tecnico=|interfaccia-freno=3|"
        "interfaccia-freno=0|Zona=A|=A";
    for (std::size_t inizio = 0, fine = 0; fine != std::string::npos; inizio = fine + 1) {
        fine = casi.find('|', inizio);
        const std::string righe = casi.substr(inizio, fine - inizio) + "\r\n";
        const std::string errato = ConSezione(file, righe);
        const int rigaErrata =
            prima + static_cast<int>(std::count(righe.begin(), righe.end(), '\n')) - 1;
        Esercizio e = ConDati();
        int riga = 0;
        EXPECT_FALSE(LetturaEsercizio(errato, e, riga)) << righe;
        EXPECT_EQ(e, Esercizio{}) << righe;
        EXPECT_EQ(riga, rigaErrata) << righe;

        CartellaTemporanea cartella;
        const std::string percorso = cartella / "errato.css";
        ScriviTutto(percorso, errato);
        EXPECT_EQ(AperturaFile(percorso, e), MessaggioErroreDiApertura(percorso) +
                                                 "\r\nDato non valido alla riga " +
                                                 std::to_string(rigaErrata))
            << righe;
    }
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
