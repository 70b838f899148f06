// The example exercises in examples/ are written by the program's own writer from the walls
// built here; the test keeps the committed files in step with them. After changing a wall, run
//   PARETIX_SCRIVI_ESEMPI=1 build/tests/core/paretix_core_tests --gtest_filter='Esempi.*'
// to write the files again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/verifiche/calcola_verifiche.h"
#include "stampa_esercizio.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;

namespace {

const std::string CartellaEsempi = PARETIX_TEST_DATA "/../../../examples/";

// A material typed by hand.
Strato Digitato(const std::string& spessore, const std::string& densità,
                const std::string& conduttività, const std::string& permeabilità,
                const std::string& assorbimento) {
    Strato s;
    s.Spessore = {spessore, spessore};
    s.Densità = {densità, densità};
    s.Conduttività = {conduttività, conduttività};
    s.Permeabilità = {permeabilità, permeabilità};
    s.FatAssorbimento = {assorbimento, assorbimento};
    return s;
}

// A material loaded from the materials database: its values yellow and read-only, except a
// value not given ("-"), which stays typed.
Strato DaAbaco(const std::string& nome, const std::string& spessore, const std::string& densità,
               const std::string& conduttività, const std::string& permeabilità,
               const std::string& assorbimento) {
    Strato s = Digitato(spessore, densità, conduttività, permeabilità, assorbimento);
    s.Materiale = nome;
    s.ColoreTipo = ColoreGiallo;
    for (Casella* c : {&s.Densità, &s.Conduttività, &s.Permeabilità, &s.FatAssorbimento}) {
        if (c->Testo != "-") {
            c->ColoreSfondo = ColoreGiallo;
            c->Bloccato = true;
        }
    }
    return s;
}

Esercizio PareteIntercapedine() {
    Esercizio e;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "70";
    e.UEsterna = "80";
    e.Appunti = "Parete a cassa vuota: due fodere di mattoni forati con intercapedine d'aria "
                "di 6 cm,\r\nintonaco di calce all'interno e intonaco cementizio all'esterno.\r\n"
                "Inverno: 20 °C e 70 % all'interno, -5 °C e 80 % all'esterno.\r\n"
                "L'intonaco cementizio frena il vapore: c'è condensa interstiziale.";
    e.Strati = {
        Digitato("1,5", "1400", "0,7", "18", "-"),
        Digitato("8", "800", "0,36", "25", "0,9"),
        Digitato("6", "", "", "", ""),
        Digitato("12", "800", "0,4", "25", "0,9"),
        Digitato("2", "2000", "1,4", "2", "-"),
    };
    CameraAria1(e, 3);
    return e;
}

Esercizio ParetePesante() {
    Esercizio e;
    e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "50";
    e.UEsterna = "80";
    e.DistSonoro = "75";
    e.Appunti = "Muratura portante di mattoni pieni da 38 cm intonacata sulle due facce.\r\n"
                "Disturbo esterno di 75 dB (strada trafficata).";
    e.Strati = {
        DaAbaco("Intonaco di calce e gesso", "1,5", "1400", "0,7", "18", "-"),
        DaAbaco("Mattoni pieni", "38", "1800", "0,72", "20", "-"),
        DaAbaco("Intonaco di calce", "2", "1800", "0,9", "15", "-"),
    };
    return e;
}

// An external wall in zone E with the compliance checks on: plaster inside, hollow bricks,
// an external insulation coat and its render; plaster layers marked, specific heats given.
Esercizio PareteVerifiche() {
    Esercizio e;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.Acustico = true;
    e.DistSonoro = "70";
    e.Appunti = "Parete esterna in zona E riqualificata con cappotto di EPS da 10 cm.\r\n"
                "Verifiche di legge: riqualificazione 2021, esposizione sud.";
    e.Strati = {
        DaAbaco("Intonaco di calce e gesso", "1,5", "1400", "0,7", "18", "-"),
        Digitato("25", "800", "0,3", "7", "-"),
        Digitato("10", "20", "0,035", "60", "-"),
        Digitato("1", "1800", "0,9", "20", "-"),
    };
    e.strato(1).Intonaco = true;
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).CaloreSpecifico = "840";
    e.strato(3).CaloreSpecifico = "1450";
    e.strato(4).Intonaco = true;
    e.strato(4).CaloreSpecifico = "1000";
    DatiVerifiche& v = e.Verifiche;
    v.Attive = true;
    v.Zona = ZonaClimatica::E;
    v.Regime = RegimeVerifica::Riqualificazione2021;
    v.Elemento = ElementoParete::Esterno;
    v.IsolamentoInterno = false;
    v.Esposizione = Orientamento::S;
    v.Irradianza290 = true;
    v.Categoria = CategoriaEdificio::A;
    v.StratoIsolante = 3;
    AggiornaCaselleVisibili(e, false);
    return e;
}

using AnnoDiEsempio = std::array<std::array<const char*, 2>, MesiAnno>;

// Years typed for the examples: monthly means of the kind of a city in the Po valley and of a
// mountain village. They illustrate the check; they are not the official data of any locality.
constexpr AnnoDiEsempio Pianura{{{"1,7", "86"},
                                 {"4,2", "78"},
                                 {"9,2", "71"},
                                 {"14", "71"},
                                 {"17,9", "70"},
                                 {"22,5", "69"},
                                 {"25,1", "68"},
                                 {"24,1", "70"},
                                 {"20,4", "73"},
                                 {"14", "80"},
                                 {"7,9", "85"},
                                 {"3,1", "87"}}};
constexpr AnnoDiEsempio Montagna{{{"-4,5", "80"},
                                  {"-3", "78"},
                                  {"0,5", "75"},
                                  {"4", "74"},
                                  {"8,5", "75"},
                                  {"12", "76"},
                                  {"14,5", "75"},
                                  {"14", "77"},
                                  {"10,5", "79"},
                                  {"6", "80"},
                                  {"0,5", "82"},
                                  {"-3", "81"}}};

void ClimaDiEsempio(DatiVerifiche& v, const AnnoDiEsempio& anno) {
    for (std::size_t m = 0; m < anno.size(); ++m) {
        v.ClimaEsterno[m] = {anno[m][0], anno[m][1]};
    }
}

// A solid-brick wall insulated on the inside with mineral wool behind plasterboard, painted
// with a paint of sd 2 m and without a vapour barrier: a little vapour condenses on the cold
// face of the brick in winter and the wall dries out in summer.
Esercizio PareteCondensaInvernale() {
    Esercizio e;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.Appunti = "Muratura di mattoni pieni isolata all'interno con lana minerale e lastra di "
                "cartongesso\r\ncon pittura a bassa permeabilità (sd 2 m), senza barriera al "
                "vapore. Verifica\r\nigrometrica mensile con un clima di pianura di esempio "
                "(valori illustrativi,\r\nnon dati ufficiali) e classe di umidità 3: un po' di "
                "condensa d'inverno,\r\nche evapora del tutto d'estate.";
    e.Strati = {
        Digitato("1,25", "900", "0,25", "25", "-"),
        Digitato("6", "40", "0,04", "150", "-"),
        Digitato("25", "1800", "0,72", "20", "-"),
        Digitato("2", "1600", "0,8", "15", "-"),
    };
    e.strato(1).Sd = "2";
    e.strato(4).Intonaco = true;
    DatiVerifiche& v = e.Verifiche;
    v.Attive = true;
    v.Zona = ZonaClimatica::E;
    v.Regime = RegimeVerifica::Riqualificazione2021;
    v.Elemento = ElementoParete::Esterno;
    v.IsolamentoInterno = true;
    v.StratoIsolante = 2;
    ClimaDiEsempio(v, Pianura);
    v.ClasseUmidità = 3;
    AggiornaCaselleVisibili(e, false);
    return e;
}

// A light wall with its vapour-tight membrane on the wrong side: mineral wool between
// plasterboard inside and a membrane of sd 100 m under the outside board, in a mountain
// climate. The water that condenses behind the membrane in winter does not dry out by the end
// of the year.
Esercizio PareteMembranaFredda() {
    Esercizio e;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.Appunti = "Parete leggera con la membrana impermeabile al vapore sul lato freddo "
                "(sd 100 m)\r\nfra la lana minerale e il pannello esterno. Clima di montagna "
                "di esempio (valori\r\nillustrativi, non dati ufficiali) e classe di umidità 3: "
                "la condensa non evapora\r\nentro l'anno e l'acqua si accumula anno dopo anno.";
    e.Strati = {
        Digitato("1,25", "900", "0,25", "25", "-"),
        Digitato("14", "40", "0,04", "150", "-"),
        Digitato("0,02", "1000", "0,2", "1", "-"),
        Digitato("1,5", "600", "0,13", "4", "-"),
    };
    e.strato(3).Sd = "100";
    DatiVerifiche& v = e.Verifiche;
    v.Attive = true;
    v.Zona = ZonaClimatica::F;
    v.Regime = RegimeVerifica::Riqualificazione2021;
    v.Elemento = ElementoParete::Esterno;
    v.IsolamentoInterno = false;
    v.StratoIsolante = 2;
    ClimaDiEsempio(v, Montagna);
    v.ClasseUmidità = 3;
    AggiornaCaselleVisibili(e, false);
    return e;
}

void ExpectInSincronia(const std::string& nome, const Esercizio& parete) {
    const std::string percorso = CartellaEsempi + nome;
    const auto contenuto = ContenutoFileEsercizio(parete);
    ASSERT_TRUE(contenuto.has_value());
    if (std::getenv("PARETIX_SCRIVI_ESEMPI") != nullptr) {
        ASSERT_TRUE(CreazioneFile(parete, percorso));
    }
    EXPECT_EQ(LeggiTutto(percorso), *contenuto) << nome << " differs from the wall built here";
    Esercizio aperto;
    EXPECT_EQ(AperturaFile(percorso, aperto), std::nullopt);
    EXPECT_EQ(aperto, parete);
}

} // namespace

TEST(Esempi, TheCommittedFilesAreWhatTheWriterMakes) {
    ExpectInSincronia("parete-intercapedine.css", PareteIntercapedine());
    ExpectInSincronia("parete-pesante.css", ParetePesante());
}

TEST(Esempi, TheWallWithTheChecksOnIsAVersion2File) {
    ExpectInSincronia("parete-verifiche.css", PareteVerifiche());
    const std::string file = LeggiTutto(CartellaEsempi + "parete-verifiche.css");
    EXPECT_NE(file.find("\r\n2\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nverifiche=1\r\nzona=E\r\nregime=riqualificazione-2021\r\n"),
              std::string::npos);
}

TEST(Esempi, TheMonthlyCheckExamplesShowWhatTheirNotesSay) {
    ExpectInSincronia("parete-condensa-invernale.css", PareteCondensaInvernale());
    ExpectInSincronia("parete-membrana-fredda.css", PareteMembranaFredda());
    for (const char* nome : {"parete-condensa-invernale.css", "parete-membrana-fredda.css"}) {
        Esercizio e;
        ASSERT_EQ(AperturaFile(CartellaEsempi + nome, e), std::nullopt);
        RisultatiCalcolo r;
        std::string testo;
        std::optional<RisultatiVerifiche> verifiche;
        ASSERT_TRUE(CalcolaConVerifiche(e, r, testo, &verifiche).DatiValidi) << nome;
        ASSERT_TRUE(verifiche && verifiche->Igrometrica && verifiche->Igrometrica->Risultato)
            << nome;
        const RisultatoIgrometriaMensile& mensile = *verifiche->Igrometrica->Risultato;
        EXPECT_GT(mensile.AccumuloMassimo, 0) << nome;
        EXPECT_NE(testo.find("VERIFICA IGROMETRICA (UNI EN ISO 13788)"), std::string::npos);
        if (std::string(nome) == "parete-condensa-invernale.css") {
            EXPECT_TRUE(mensile.EvaporaTutta);
            EXPECT_EQ(mensile.Esito, EsitoCondensa::Ammissibile);
        } else {
            EXPECT_FALSE(mensile.EvaporaTutta);
            EXPECT_EQ(mensile.Esito, EsitoCondensa::NonVerificata);
            EXPECT_TRUE(verifiche->Igrometrica->RimedioCondensa);
        }
    }
}
