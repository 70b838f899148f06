// The moisture data of the materials database: their section after the rows, kept by the edits
// and by copies of the program that do not know it, and loaded into a layer's simulation keys.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/materials/abaco_file.h"
#include "core/materials/carica_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/simulazione/preparazione_simulazione.h"

using namespace paretix;

namespace {

const std::string Titolo = "Umidita: porosita;w80 kg/m3;wf kg/m3;A kg/m2s0,5\r\n";
const UmiditàAbaco Laterizio{"0,41", "9,2", "370", "0,4"};

// A row of a material whose four data are n, as the writer puts it.
std::string Riga(const std::string& nome, const std::string& n) {
    return "\xB6\r\n" + nome + " \r\n" + n + " \r\n" + n + " \r\n" + n + " \r\n" + n + " \r\n";
}

VoceAbaco Voce(const std::string& nome, const std::string& n, const std::string& calore = "",
               const UmiditàAbaco& umidità = {}) {
    return {nome, n, n, n, n, calore, umidità};
}

} // namespace

TEST(UmiditaAbaco, TheSectionFollowsTheSpecificHeatsAndReadsBackTheSame) {
    struct Caso {
        Abaco abaco;
        std::string sezioni; // what the writer puts between the rows and the tail
    };
    const std::string righe = Riga("X", "1") + Riga("Y", "2") + Riga("X", "3");
    const Caso casi[] = {
        {{Voce("X", "1", "1000", Laterizio), Voce("Y", "2"), Voce("X", "3")},
         "Calori specifici J/kgK\r\nX=1000\r\n" + Titolo + "X=0,41;9,2;370;0,4\r\n"},
        // A value not known stays empty; the first "X" keeps its place with an empty line.
        {{Voce("X", "1"), Voce("Y", "2", "", {"0,3", "", "", "0,1"}),
          Voce("X", "3", "", {"", "5", "", ""})},
         Titolo + "X=\r\nY=0,3;;;0,1\r\nX=;5;;\r\n"},
        // Without moisture data the file is what it was before the section existed.
        {{Voce("X", "1", "900"), Voce("Y", "2"), Voce("X", "3")},
         "Calori specifici J/kgK\r\nX=900\r\n"},
    };
    for (const Caso& c : casi) {
        const auto byte = ContenutoFileAbaco(c.abaco, "\r\nnote\r\n");
        ASSERT_TRUE(byte);
        EXPECT_EQ(*byte, righe + c.sezioni + "\r\nnote\r\n");
        EXPECT_EQ(LetturaAbaco(*byte), (ContenutoAbaco{c.abaco, "\r\nnote\r\n"}));
    }
    for (const UmiditàAbaco& rifiutata :
         {UmiditàAbaco{"0,3;1", "", "", ""}, UmiditàAbaco{"", "", "5=6", ""},
          UmiditàAbaco{"", "", "", "0,1\r\n"}}) {
        EXPECT_FALSE(ContenutoFileAbaco({Voce("X", "1", "", rifiutata)}, ""));
    }
}

TEST(UmiditaAbaco, OlderCopiesKeepTheSectionAsTheirTail) {
    // Written before the section existed: read without moisture data, written back unchanged.
    const std::string prima = Riga("X", "1") + "Calori specifici J/kgK\r\nX=900\r\n\r\nnote\r\n";
    const ContenutoAbaco vecchio = LetturaAbaco(prima);
    EXPECT_EQ(vecchio.Voci, (Abaco{Voce("X", "1", "900")}));
    EXPECT_EQ(ContenutoFileAbaco(vecchio.Voci, vecchio.Coda), prima);

    // A copy that reads the rows and the specific heats only has deleted row "X": it wrote the
    // moisture section back as it found it. "Y" has its values, the line of "X" goes at the
    // next save. Blanks around names and values are dropped, a fifth value is not read.
    const std::string dopo = Riga("Y", "2") + "Calori specifici J/kgK\r\nY=900\r\n" + Titolo +
                             "X=0,41;9,2;370;0,4\r\n Y = 0,5 ; 1 ;10;0,1;7\r\n";
    const ContenutoAbaco letto = LetturaAbaco(dopo);
    EXPECT_EQ(letto.Voci, (Abaco{Voce("Y", "2", "900", {"0,5", "1", "10", "0,1"})}));
    EXPECT_EQ(letto.Coda, "");
    EXPECT_EQ(ContenutoFileAbaco(letto.Voci, letto.Coda),
              Riga("Y", "2") + "Calori specifici J/kgK\r\nY=900\r\n" + Titolo +
                  "Y=0,5;1;10;0,1\r\n");

    // A tail that opens with the section's title stays tail behind an empty section.
    const ContenutoAbaco titolo = LetturaAbaco(Riga("Y", "2") + Titolo + Titolo + "Y=1;2;3;4\r\n");
    EXPECT_EQ(titolo.Voci, (Abaco{Voce("Y", "2")}));
    EXPECT_EQ(titolo.Coda, Titolo + "Y=1;2;3;4\r\n");
    EXPECT_EQ(ContenutoFileAbaco(titolo.Voci, titolo.Coda),
              Riga("Y", "2") + Titolo + Titolo + "Y=1;2;3;4\r\n");
}

TEST(UmiditaAbaco, AnEditedRowKeepsItsDataUnderItsNewNameADeletedOneTakesThemAlong) {
    Abaco salvato;
    ElencoMateriali f = ElencoMateriali::Modifica(
        {Voce("M0", "1"), Voce("M1", "1"), Voce("Laterizio", "1", "", Laterizio)},
        [&](const Abaco& a) { salvato = a; });
    f.LabelMat_Click(21);
    f.MenuNascosto_Click(MenuNascosto[4]); // "Modificare materiale"
    DialogoModificaAbaco d(f);
    d.Form_Load();
    d.CommandSalvaModifiche_Click({"Mattone", "1", "1", "1", "1"});
    ASSERT_EQ(salvato.size(), 3u);
    EXPECT_EQ(salvato[2], Voce("Mattone", "1", "", Laterizio));
    EXPECT_NE(ContenutoFileAbaco(salvato, "")->find(Titolo + "Mattone=0,41;9,2;370;0,4\r\n"),
              std::string::npos);

    f.Cancella(2);
    ASSERT_EQ(salvato.size(), 2u);
    EXPECT_EQ(ContenutoFileAbaco(salvato, ""), Riga("M0", "1") + Riga("M1", "1"));
}

TEST(UmiditaAbaco, LoadingAMaterialWithDataFillsTheLayersKeysOneWithoutLeavesThem) {
    using Chiavi = std::map<std::string, std::string>;
    const Chiavi digitate{{"porosita", "0,2"},
                          {"coeff-assorbimento", "0,05"},
                          {"sorbimento", "80:5;100:200"},
                          {"diffusivita-liquida", "0:1E-9;200:1E-7"},
                          {"mu-umido", "0:10;200:5"},
                          {"legno", "1"}};
    struct Caso {
        UmiditàAbaco umidità;
        Chiavi attese;
    };
    const Caso casi[] = {
        // The row's values take the place of the layer's and of the tables standing for them.
        {Laterizio,
         {{"porosita", "0,41"},
          {"w80", "9,2"},
          {"wf", "370"},
          {"coeff-assorbimento", "0,4"},
          {"mu-umido", "0:10;200:5"},
          {"legno", "1"}}},
        // A value the row lacks is no longer given.
        {{" 0,3 ", "5", "100", ""},
         {{"porosita", "0,3"},
          {"w80", "5"},
          {"wf", "100"},
          {"mu-umido", "0:10;200:5"},
          {"legno", "1"}}},
        {{}, digitate},
    };
    for (const Caso& c : casi) {
        Esercizio e;
        e.strato(1).Igrotermici = digitate;
        CaricaMateriale(e, 1, Voce("Mattone", "1800", "1000", c.umidità));
        EXPECT_EQ(e.strato(1).Igrotermici, c.attese) << c.umidità.Porosità;
    }

    // A layer loaded without moisture data writes no simulation key; one with them writes and
    // reads back its four.
    Esercizio e;
    CaricaMateriale(e, 1, Voce("Acciaio", "7800", "450"));
    const auto senza = ContenutoFileEsercizio(e);
    ASSERT_TRUE(senza);
    EXPECT_EQ(senza->find("strato.1.porosita"), std::string::npos);
    CaricaMateriale(e, 1, Voce("Mattone", "1800", "1000", Laterizio));
    const auto con = ContenutoFileEsercizio(e);
    ASSERT_TRUE(con);
    EXPECT_NE(con->find("\r\nstrato.1.porosita=0,41\r\nstrato.1.w80=9,2\r\nstrato.1.wf=370\r\n"
                        "strato.1.coeff-assorbimento=0,4\r\n"),
              std::string::npos);
    Esercizio letto;
    int riga = 0;
    ASSERT_TRUE(LetturaEsercizio(*con, letto, riga));
    EXPECT_EQ(letto.strato(1).Igrotermici, e.strato(1).Igrotermici);
}

// The shipped database alone sets up a brick wall insulated from the inside that the simulation
// accepts, and every material it gives moisture data for stores water.
TEST(UmiditaAbaco, TheShippedDatabaseBuildsAWallInsulatedFromTheInside) {
    const auto abaco = Prosegui(PARETIX_ABACO_SPEDITO);
    ASSERT_TRUE(abaco);
    const auto trova = [&](const std::string& nome) {
        for (const VoceAbaco& v : abaco->Voci) {
            if (v.Materiale == nome) {
                return v;
            }
        }
        ADD_FAILURE() << nome;
        return VoceAbaco{};
    };
    Esercizio e;
    e.Strati.resize(4);
    const std::pair<const char*, const char*> strati[] = {
        {"Intonaco di gesso e sabbia", "1,5"},
        {"Fibra di legno (pannelli isolanti)", "6"},
        {"Muratura di mattoni pieni", "25"},
        {"Intonaco di calce e sabbia", "2"}};
    for (int k = 1; k <= 4; ++k) {
        const VoceAbaco v = trova(strati[k - 1].first);
        for (const std::string* dato :
             {&v.Umidità.Porosità, &v.Umidità.W80, &v.Umidità.Wf, &v.Umidità.Assorbimento}) {
            EXPECT_FALSE(dato->empty()) << v.Materiale;
        }
        CaricaMateriale(e, k, v);
        e.strato(k).Spessore.Testo = strati[k - 1].second;
    }
    for (const char* r :
         {"simulazione=1", "simulazione.giorni=2", "simulazione.inizio=15;70",
          "simulazione.esterno=costante:4;85", "simulazione.interno=en15026-normale"}) {
        ASSERT_TRUE(ApplicaRigaDatiAggiuntivi(e, r)) << r;
    }
    const auto nessunFile = [](const std::string&) { return std::optional<std::string>(); };
    SimulazionePreparata p;
    std::string errore;
    ASSERT_TRUE(PreparaSimulazione(e, "", nessunFile, p, errore)) << errore;
    for (const StratoSimulazione& s : p.Dati.Strati) {
        EXPECT_TRUE(s.Materiale.Acqua && s.Materiale.Liquido);
    }

    for (const VoceAbaco& v : abaco->Voci) {
        if (v.Umidità.Vuota()) {
            continue;
        }
        Esercizio una = e;
        una.Strati.resize(1);
        CaricaMateriale(una, 1, v);
        ASSERT_TRUE(PreparaSimulazione(una, "", nessunFile, p, errore)) << v.Materiale << errore;
        EXPECT_TRUE(p.Dati.Strati[0].Materiale.Acqua) << v.Materiale;
    }
}
