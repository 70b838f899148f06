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
