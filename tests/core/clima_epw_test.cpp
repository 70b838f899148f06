// The year of climate read from an EnergyPlus weather file: the monthly means of the hours,
// the line ends a file may have, the progress told to the window and the refusals of a
// malformed file with the line and what it should hold.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/files/clima_epw.h"
#include "core/files/localita_epw.h"
#include "core/files/win1252.h"
#include "core/materials/preparazione_abaco.h"
#include "core/window/fonti_clima.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/epw_di_prova.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

const std::string& Intestazione = test::IntestazioneEpw;

using test::OraEpw;

// The hours of month m, alternately of the first and the second values.
std::string Mese(int m, const std::string& t1, const std::string& t2, const std::string& u1,
                 const std::string& u2, int ore) {
    std::string righe;
    for (int ora = 0; ora < ore; ++ora) {
        righe += OraEpw(std::to_string(m), ora % 2 ? t2 : t1, ora % 2 ? u2 : u1);
    }
    return righe;
}

int OreMese(int m) {
    return test::GiorniEpw[m - 1] * 24;
}

// The 8760 hours of the year, worked by hand (every month has an even number of hours, half of
// each value):
// - a month m other than March and December alternates m - 0,5 and m + 1,5 °C, 40 + m and
//   50 + m %: means m + 0,5 °C and 45 + m %;
// - March alternates -1,5 and 3,5 °C (mean 1) at 80 and 100 % (mean 90);
// - December alternates -2 and -4 °C (mean -3) at 105 and 107 %, which the format allows for
//   an hour: the mean 106 is held to 100.
// January's last hour comes last, after December, since the means do not depend on order.
std::string OreDellAnno(int oreFebbraio = OreMese(2)) {
    std::string ore;
    for (int m = 1; m <= 11; ++m) {
        const int n = m == 1 ? OreMese(1) - 1 : m == 2 ? oreFebbraio : OreMese(m);
        if (m == 3) {
            ore += Mese(3, "-1.5", "3.5", "80", "100", n);
        } else {
            ore += Mese(m, std::to_string(m - 0.5), std::to_string(m + 1.5), std::to_string(40 + m),
                        std::to_string(50 + m), n);
        }
    }
    ore += Mese(12, "-2", "-4.0", "105", "107", OreMese(12));
    return ore + OraEpw(" 1", " 2.5 ", "51");
}

ClimaAnno AnnoAtteso() {
    ClimaAnno atteso;
    for (int m = 1; m <= 12; ++m) {
        atteso[static_cast<std::size_t>(m - 1)] = {m + 0.5, 45.0 + m};
    }
    atteso[2] = {1.0, 90.0};
    atteso[11] = {-3.0, 100.0};
    return atteso;
}

std::string Sostituisci(std::string testo, const std::string& da, const std::string& a) {
    for (auto p = testo.find(da); p != std::string::npos; p = testo.find(da, p + a.size())) {
        testo.replace(p, da.size(), a);
    }
    return testo;
}

// The error for the text, checking that the year given keeps its values.
std::string Errore(const std::string& testo) {
    ClimaAnno clima = AnnoAtteso();
    const auto errore = LetturaEpw(testo, clima);
    EXPECT_EQ(clima, AnnoAtteso());
    return errore.value_or("accettato");
}

} // namespace

// The means of the hours of each month, whatever the line ends, with or without the last one.
TEST(ClimaEpw, FineRigaEUltimaRigaSenzaFine) {
    const std::string lf = Intestazione + OreDellAnno();
    std::string senzaUltimoA = lf;
    senzaUltimoA.pop_back();
    const std::vector<std::string> varianti{
        lf, Sostituisci(lf, "\n", "\r\n"), Sostituisci(lf, "\n", "\r"), senzaUltimoA,
        Sostituisci(senzaUltimoA, "\n", "\r\n"),
        // a byte-order mark and blank lines among and after the hours
        "\xEF\xBB\xBF" + Intestazione + "\r\n" + Sostituisci(OreDellAnno(), "\n", "\n \n") + "\n"};
    for (const auto& testo : varianti) {
        ClimaAnno clima;
        EXPECT_EQ(LetturaEpw(testo, clima), std::nullopt);
        EXPECT_EQ(clima, AnnoAtteso());
    }
}

TEST(ClimaEpw, AvanzamentoLimitatoECrescente) {
    // A whole year of hours, as a real file has.
    std::string testo = Intestazione;
    for (int m = 1; m <= 12; ++m) {
        for (int ora = 0; ora < 730; ++ora) {
            testo += OraEpw(std::to_string(m), "10.0", "60");
        }
    }
    std::vector<double> frazioni;
    ClimaAnno clima;
    ASSERT_EQ(LetturaEpw(testo, clima, [&](double f) { frazioni.push_back(f); }), std::nullopt);
    ASSERT_GE(frazioni.size(), 50U);
    EXPECT_LE(frazioni.size(), 101U);
    EXPECT_EQ(frazioni.front(), 0.0);
    EXPECT_EQ(frazioni.back(), 1.0);
    for (std::size_t k = 1; k < frazioni.size(); ++k) {
        EXPECT_LT(frazioni[k - 1], frazioni[k]);
    }

    // A refused file still closes the progress.
    frazioni.clear();
    EXPECT_NE(LetturaEpw("LOCATION\n", clima, [&](double f) { frazioni.push_back(f); }),
              std::nullopt);
    EXPECT_EQ(frazioni, (std::vector<double>{0.0, 1.0}));
}

TEST(ClimaEpw, IntestazioneMancante) {
    EXPECT_EQ(Errore(""),
              "Riga 1: il file termina nell'intestazione (attese 8 righe prima dei dati orari)");
    EXPECT_EQ(Errore("LOCATION,x\r\nDESIGN CONDITIONS\r\n"),
              "Riga 3: il file termina nell'intestazione (attese 8 righe prima dei dati orari)");
    EXPECT_EQ(Errore("Anno;Mese;Temperatura\n" + OreDellAnno()),
              "Riga 1: atteso \"LOCATION\" all'inizio di un file EPW");
}

// The hours start on line 9; the table's input is the fourth hour, "m|t|u" for an hour of month
// m at t °C and u % or the whole line as it stands, then the rest of the year.
TEST(ClimaEpw, RigaOrariaMalformata) {
    const std::string prime =
        Intestazione + OraEpw("1", "1", "50") + OraEpw("2", "1", "50") + OraEpw("3", "1", "50");
    test::ExpectTabella("core-h2/epw-quarta-ora.txt", [&](const std::string& ora) {
        const std::size_t a = ora.find('|'), b = ora.find('|', a + 1);
        const std::string riga =
            b == std::string::npos
                ? ora + "\n"
                : OraEpw(ora.substr(0, a), ora.substr(a + 1, b - a - 1), ora.substr(b + 1));
        return Errore(prime + riga + OreDellAnno());
    });
}

TEST(ClimaEpw, UnAnnoIntero) {
    // A leap year: February has 696 hours.
    ClimaAnno clima;
    EXPECT_EQ(LetturaEpw(Intestazione + OreDellAnno(OreMese(2) + 24), clima), std::nullopt);
    EXPECT_EQ(clima, AnnoAtteso());
    // The header's 8 lines, then the hours: the last line read is 8 + hours.
    const std::string manca = " ore (attese 8760, o 8784 in un anno bisestile)";
    EXPECT_EQ(Errore(Intestazione + OreDellAnno(OreMese(2) - 2)),
              "Riga 8766: il file termina dopo 8758" + manca);
    EXPECT_EQ(Errore(Intestazione + OreDellAnno(OreMese(2) + 2)),
              "Riga 8770: il file termina dopo 8762" + manca);
    EXPECT_EQ(Errore(Intestazione + OreDellAnno(OreMese(2) + 26)),
              "Riga 8793: ora oltre le 8784 di un anno bisestile");
    // A year that stops on the first of December, and one hour a month.
    const std::string anno = OreDellAnno();
    std::string finoAlPrimoDicembre;
    for (std::size_t riga = 0, inizio = 0; riga < 8760 - 30 * 24 - 1; ++riga) {
        const std::size_t fine = anno.find('\n', inizio) + 1;
        finoAlPrimoDicembre += anno.substr(inizio, fine - inizio);
        inizio = fine;
    }
    EXPECT_EQ(Errore(Intestazione + finoAlPrimoDicembre),
              "Riga 8047: il file termina dopo 8039" + manca);
    std::string dodici;
    for (int m = 1; m <= 12; ++m) {
        dodici += OraEpw(std::to_string(m), "1", "50");
    }
    EXPECT_EQ(Errore(Intestazione + dodici), "Riga 20: il file termina dopo 12" + manca);
}

TEST(ClimaEpw, MeseSenzaOre) {
    // A whole year whose March hours say April.
    std::string senzaMarzo;
    for (int m = 1; m <= 12; ++m) {
        senzaMarzo += Mese(m == 3 ? 4 : m, "1", "1", "50", "50", OreMese(m));
    }
    EXPECT_EQ(Errore(Intestazione + senzaMarzo), "Nessun dato orario per il mese di marzo");
}

// The outside year of "Dati per le verifiche" from a weather file and from the climate
// library: what reaches the table, what the user is told and asked, and that a refused file or
// a cancelled question leaves the table and the library as they were.

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
    // What the user was told or asked since the last look, one message a line, the folder
    // written "<cartella>".
    std::string Detti() {
        std::string detti;
        for (const DialoghiRegistrati::Voce& v : dialoghi_.Mostrati) {
            std::string testo = v.Testo;
            for (auto p = testo.find(cartella_.Percorso()); p != std::string::npos;
                 p = testo.find(cartella_.Percorso())) {
                testo.replace(p, cartella_.Percorso().size(), "<cartella>");
            }
            detti += (v.Tipo == Icona::Critica ? "errore: " : "") + testo + "\n";
        }
        dialoghi_.Mostrati.clear();
        return detti;
    }
    // The library's file as the user reads it (it is written in Windows-1252).
    std::string Libro() const { return Win1252AUtf8(LeggiTutto(Libreria())); }
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

// The ninth line is the first hour: three fields where 35 are needed.
TEST_F(FontiClimaTest, AMalformedMissingOrCancelledWeatherFileLeavesTheTableAsItWas) {
    AnnoDigitato();
    const DialogoDatiVerifiche prima = dati_;
    FontiClima fonti(Libreria(), dialoghi_);
    ScriviTutto(cartella_ / "rotto.epw", IntestazioneEpw + "1999,1,1\n");
    EXPECT_FALSE(fonti.ImportaEpwDa(cartella_ / "rotto.epw", dati_));
    EXPECT_FALSE(fonti.ImportaEpwDa(cartella_ / "assente.epw", dati_));
    bool avviato = false;
    EXPECT_FALSE(fonti.ImportaEpw(dati_, [&] { // the file dialog cancelled: no progress
        avviato = true;
        return AvanzamentoLettura{};
    }));
    EXPECT_FALSE(avviato);
    EXPECT_EQ(dati_.ClimaEsterno, prima.ClimaEsterno);
    test::ExpectComeNelFile("core-h2/fonti-clima/epw-rifiutati.txt", Detti());
}

// A year refused for its wrong months, saved under a name, read back in another dialog; a name
// the library lacks.
TEST_F(FontiClimaTest, AYearSavedUnderANameComesBackInAnotherDialog) {
    FontiClima fonti(Libreria(), dialoghi_);
    ASSERT_TRUE(fonti.Rileggi()); // no file yet: an empty library
    EXPECT_TRUE(fonti.Nomi().empty());
    AnnoDigitato();
    dati_.ClimaEsterno[1].Umidità = "";
    dati_.ClimaEsterno[3].Umidità = "101";
    EXPECT_FALSE(fonti.Salva("Bergamo", dati_));
    EXPECT_FALSE(std::filesystem::exists(Libreria()));
    AnnoDigitato();
    dati_.ClimaEsterno[0] = {"-0,3", "83"};
    ASSERT_TRUE(fonti.Salva(" Bergamo ", dati_));
    EXPECT_EQ(fonti.Nomi(), std::vector<std::string>{"Bergamo"});
    DialogoDatiVerifiche altro{Esercizio{}};
    FontiClima riletta(Libreria(), dialoghi_);
    ASSERT_TRUE(riletta.Rileggi());
    ASSERT_TRUE(riletta.Carica("Bergamo", altro));
    EXPECT_EQ(altro.ClimaEsterno, dati_.ClimaEsterno);
    EXPECT_FALSE(riletta.Carica("Brescia", altro));
    test::ExpectComeNelFile("core-h2/fonti-clima/libreria.txt", Libro() + Detti());
}

// Replacing a locality asks first (No keeps the file); removing too (Annulla keeps it).
TEST_F(FontiClimaTest, ReplacingAndRemovingALocalityAskFirst) {
    FontiClima fonti(Libreria(), dialoghi_);
    AnnoDigitato();
    ASSERT_TRUE(fonti.Salva("Bergamo", dati_));
    const std::string salvata = LeggiTutto(Libreria());
    dati_.ClimaEsterno[0] = {"-9", "90"};
    dialoghi_.Risposte = {Risposta::No};
    EXPECT_FALSE(fonti.Salva("Bergamo", dati_));
    EXPECT_EQ(LeggiTutto(Libreria()), salvata);
    dialoghi_.Risposte = {Risposta::Si};
    ASSERT_TRUE(fonti.Salva("Bergamo", dati_));
    const std::string scritti = Libro();
    dialoghi_.Risposte = {Risposta::Annulla};
    EXPECT_FALSE(fonti.Elimina("Bergamo"));
    EXPECT_EQ(fonti.Nomi().size(), 1u);
    dialoghi_.Risposte = {Risposta::Si};
    ASSERT_TRUE(fonti.Elimina("Bergamo"));
    EXPECT_TRUE(fonti.Nomi().empty());
    test::ExpectComeNelFile("core-h2/fonti-clima/sostituisci.txt",
                            scritti + "== dopo l'eliminazione\n" + Libro() + Detti());
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
    test::ExpectTabella("core-h2/localita-epw.txt",
                        [](const std::string& testo) { return LocalitaEpw(testo); });
}
