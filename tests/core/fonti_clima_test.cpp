// The outside year of "Dati per le verifiche" from a weather file and from the climate
// library: what reaches the table, what the user is told and asked, and that a refused file or
// a cancelled question leaves the table and the library as they were.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/files/localita_epw.h"
#include "core/materials/preparazione_abaco.h"
#include "core/window/fonti_clima.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/epw_di_prova.h"

using namespace paretix;
using paretix::test::CartellaTemporanea;
using paretix::test::EpwDiProva;
using paretix::test::IntestazioneEpw;
using paretix::test::LeggiTutto;
using paretix::test::ScriviTutto;

namespace {

class FontiClimaTest : public ::testing::Test {
  protected:
    CartellaTemporanea cartella_;
    DialoghiRegistrati dialoghi_;
    DialogoDatiVerifiche dati_{Esercizio{}};

    std::string Libreria() const { return PercorsoLibreriaClima(cartella_.Percorso()); }
    void SetUp() override { std::filesystem::create_directory(cartella_ / "dati"); }
    // A year typed in the table: month m at m °C and 70 %.
    void AnnoDigitato() {
        for (std::size_t m = 0; m < dati_.ClimaEsterno.size(); ++m) {
            dati_.ClimaEsterno[m] = {std::to_string(m + 1), "70"};
        }
    }
};

TEST_F(FontiClimaTest, AWeatherFileFillsTheTableWithItsMonthlyMeansAndTellsItsProgress) {
    const std::string percorso = cartella_ / "prova.epw";
    ScriviTutto(percorso, EpwDiProva());
    dialoghi_.FileScelti = {percorso};
    FontiClima fonti(Libreria(), dialoghi_);
    std::vector<double> avanzamento;
    ASSERT_TRUE(fonti.ImportaEpw(dati_, [&] {
        // The progress starts after the file dialog, never under it.
        EXPECT_EQ(dialoghi_.Mostrati.size(), 1u);
        return AvanzamentoLettura([&](double f) { avanzamento.push_back(f); });
    }));
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u); // the file dialog only
    EXPECT_EQ(dialoghi_.Mostrati[0].Testo, std::string(FiltroEpw));
    EXPECT_EQ(dati_.ClimaEsterno[0].Temperatura, "-5,5");
    EXPECT_EQ(dati_.ClimaEsterno[0].Umidità, "60,5");
    EXPECT_EQ(dati_.ClimaEsterno[11].Temperatura, "5,5");
    EXPECT_EQ(fonti.LocalitaImportata(), "Prova");
    ASSERT_FALSE(avanzamento.empty());
    EXPECT_EQ(avanzamento.back(), 1.0);
}

TEST_F(FontiClimaTest, AMalformedMissingOrCancelledWeatherFileLeavesTheTableAsItWas) {
    AnnoDigitato();
    const DialogoDatiVerifiche prima = dati_;
    FontiClima fonti(Libreria(), dialoghi_);

    // The ninth line is the first hour: three fields where 35 are needed.
    const std::string rotto = cartella_ / "rotto.epw";
    ScriviTutto(rotto, IntestazioneEpw + "1999,1,1\n");
    EXPECT_FALSE(fonti.ImportaEpwDa(rotto, dati_));
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi_.Mostrati[0].Testo,
              std::string(MessaggioEpwNonValido) + "\n" + rotto +
                  "\nRiga 9: attesi 35 campi separati da virgole, trovati 3");
    EXPECT_EQ(dialoghi_.Mostrati[0].Tipo, Icona::Critica);

    const std::string assente = cartella_ / "assente.epw";
    EXPECT_FALSE(fonti.ImportaEpwDa(assente, dati_));
    EXPECT_EQ(dialoghi_.Mostrati[1].Testo, std::string(MessaggioEpwIlleggibile) + "\n" + assente);

    bool avviato = false;
    EXPECT_FALSE(fonti.ImportaEpw(dati_, [&] { // the file dialog cancelled: no progress
        avviato = true;
        return AvanzamentoLettura{};
    }));
    EXPECT_FALSE(avviato);
    EXPECT_EQ(dialoghi_.Mostrati.size(), 3u);
    EXPECT_EQ(dati_.ClimaEsterno, prima.ClimaEsterno);
}

TEST_F(FontiClimaTest, AYearSavedUnderANameComesBackInAnotherDialog) {
    FontiClima fonti(Libreria(), dialoghi_);
    ASSERT_TRUE(fonti.Rileggi()); // no file yet: an empty library
    EXPECT_TRUE(fonti.Nomi().empty());

    AnnoDigitato();
    dati_.ClimaEsterno[1].Umidità = "";
    dati_.ClimaEsterno[3].Umidità = "101";
    EXPECT_FALSE(fonti.Salva("Bergamo", dati_));
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi_.Mostrati[0].Testo,
              "Il clima esterno manca o non è valido (umidità relativa da 0 a 100 %) nei mesi: "
              "febbraio, aprile.");
    EXPECT_FALSE(std::filesystem::exists(Libreria()));

    AnnoDigitato();
    dati_.ClimaEsterno[0] = {"-0,3", "83"};
    ASSERT_TRUE(fonti.Salva(" Bergamo ", dati_));
    EXPECT_EQ(fonti.Nomi(), std::vector<std::string>{"Bergamo"});
    EXPECT_NE(LeggiTutto(Libreria()).find("localita=Bergamo\r\nclima.1=-0,3;83\r\n"),
              std::string::npos);

    DialogoDatiVerifiche altro{Esercizio{}};
    FontiClima riletta(Libreria(), dialoghi_);
    ASSERT_TRUE(riletta.Rileggi());
    ASSERT_TRUE(riletta.Carica("Bergamo", altro));
    EXPECT_EQ(altro.ClimaEsterno, dati_.ClimaEsterno);
    EXPECT_FALSE(riletta.Carica("Brescia", altro));
    EXPECT_EQ(dialoghi_.Mostrati.back().Testo,
              "La località \"Brescia\" non è nella libreria dei climi.");
}

TEST_F(FontiClimaTest, ReplacingAndRemovingALocalityAskFirst) {
    FontiClima fonti(Libreria(), dialoghi_);
    AnnoDigitato();
    ASSERT_TRUE(fonti.Salva("Bergamo", dati_));
    const std::string salvata = LeggiTutto(Libreria());

    dati_.ClimaEsterno[0] = {"-9", "90"};
    dialoghi_.Risposte = {Risposta::No};
    EXPECT_FALSE(fonti.Salva("Bergamo", dati_));
    EXPECT_EQ(dialoghi_.Mostrati.back().Testo,
              "La località \"Bergamo\" è già nella libreria dei climi: sostituirne il clima?");
    EXPECT_EQ(LeggiTutto(Libreria()), salvata);
    dialoghi_.Risposte = {Risposta::Si};
    ASSERT_TRUE(fonti.Salva("Bergamo", dati_));
    EXPECT_NE(LeggiTutto(Libreria()).find("clima.1=-9;90\r\n"), std::string::npos);

    dialoghi_.Risposte = {Risposta::Annulla};
    EXPECT_FALSE(fonti.Elimina("Bergamo"));
    EXPECT_EQ(fonti.Nomi().size(), 1u);
    dialoghi_.Risposte = {Risposta::Si};
    ASSERT_TRUE(fonti.Elimina("Bergamo"));
    EXPECT_TRUE(fonti.Nomi().empty());
    EXPECT_EQ(LeggiTutto(Libreria()).find("\nlocalita="), std::string::npos);
}

TEST_F(FontiClimaTest, ALibraryWithAWrongLineIsToldAndNeverRewritten) {
    const std::string rotta = "localita=Bergamo\r\nclima.1=-0.3;83\r\n";
    ScriviTutto(Libreria(), rotta);
    FontiClima fonti(Libreria(), dialoghi_);
    EXPECT_FALSE(fonti.Rileggi());
    EXPECT_TRUE(fonti.Nomi().empty());
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi_.Mostrati[0].Tipo, Icona::Critica);
    EXPECT_EQ(dialoghi_.Mostrati[0].Testo.rfind(MessaggioClimaNonValido, 0), 0u);

    AnnoDigitato();
    EXPECT_FALSE(fonti.Salva("Brescia", dati_));
    EXPECT_EQ(LeggiTutto(Libreria()), rotta);
}

} // namespace

TEST(LocalitaEpw, TheCityOfTheLocationLine) {
    const std::pair<const char*, const char*> casi[] = {
        {"LOCATION,Milano Linate,LOM,ITA,IGDG,160800,45.43,9.28,1.0,103.0\n", "Milano Linate"},
        {"\xEF\xBB\xBFLOCATION, Bolzano ,BZ,ITA\r\n", "Bolzano"},
        {"LOCATION,Roma", "Roma"},
        {"LOCATION, ,X\n", ""},
        {"DESIGN CONDITIONS,0\nLOCATION,Roma\n", ""},
        {"", ""},
    };
    for (const auto& [testo, citta] : casi) {
        EXPECT_EQ(LocalitaEpw(testo), citta) << testo;
    }
}
