// The year of climate read from an EnergyPlus weather file: the monthly means of the hours,
// the line ends a file may have, the progress told to the window and the refusals of a
// malformed file with the line and what it should hold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/clima_epw.h"
#include "support/epw_di_prova.h"

using namespace paretix;

namespace {

const std::string& Intestazione = test::IntestazioneEpw;

// One hour line with the fields of a real file around the three the reader takes.
std::string Ora(const std::string& mese, const std::string& temperatura,
                const std::string& umidita) {
    return "1999," + mese + ",1,1,60,?9?9?9?9E0?9?9?9," + temperatura + ",0.0," + umidita +
           ",101300,0,0,300\n";
}

// The hours of the year, worked by hand:
// - a month m other than March and December has two hours, m - 0,5 and m + 1,5 °C, 40 + m and
//   50 + m %: means m + 0,5 °C and 45 + m %;
// - March has three, -1,5, 0,5 and 4 °C (sum 3, mean 1) at 80, 90 and 100 % (mean 90);
// - December has -2 and -4 °C (mean -3) at 105 and 107 %, which the format allows for an hour:
//   the mean 106 is held to 100.
// January's second hour comes last, after December, since the means do not depend on order,
// with only the nine fields the reader needs.
std::string OreDellAnno() {
    std::string ore;
    for (int m = 1; m <= 11; ++m) {
        if (m == 3) {
            ore += Ora("3", "-1.5", "80") + Ora("3", "0.5", "90") + Ora("3", "4", "100");
            continue;
        }
        ore += Ora(std::to_string(m), std::to_string(m - 0.5), std::to_string(40 + m));
        if (m != 1) {
            ore += Ora(std::to_string(m), std::to_string(m + 1.5), std::to_string(50 + m));
        }
    }
    ore += Ora("12", "-2", "105") + Ora("12", "-4.0", "107");
    ore += "1999, 1,1,1,60,?9?9?9?9E0?9?9?9, 2.5 ,0.0,51\n";
    return ore;
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

TEST(ClimaEpw, MediaDiOgniOraDelMese) {
    ClimaAnno clima;
    ASSERT_EQ(LetturaEpw(Intestazione + OreDellAnno(), clima), std::nullopt);
    for (std::size_t m = 0; m < clima.size(); ++m) {
        SCOPED_TRACE(m + 1);
        EXPECT_DOUBLE_EQ(clima[m].Temperatura, AnnoAtteso()[m].Temperatura);
        EXPECT_DOUBLE_EQ(clima[m].Umidità, AnnoAtteso()[m].Umidità);
    }
}

TEST(ClimaEpw, FineRigaEUltimaRigaSenzaFine) {
    const std::string lf = Intestazione + OreDellAnno();
    std::string senzaUltimoA = lf;
    senzaUltimoA.pop_back();
    const std::vector<std::string> varianti{
        Sostituisci(lf, "\n", "\r\n"), Sostituisci(lf, "\n", "\r"), senzaUltimoA,
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
            testo += Ora(std::to_string(m), "10.0", "60");
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

TEST(ClimaEpw, RigaOrariaMalformata) {
    // The hours start on line 9; the wrong hour is the fourth.
    const std::string prime =
        Intestazione + Ora("1", "1", "50") + Ora("2", "1", "50") + Ora("3", "1", "50");
    const std::string dopo = OreDellAnno();
    EXPECT_EQ(Errore(prime + "1999,4,1,1,60,x,5.0,0.0\n" + dopo),
              "Riga 12: attesi almeno 9 campi separati da virgole, trovati 8");
    EXPECT_EQ(Errore(prime + "1999;4;1;1;60;x;5,0;0;60\n" + dopo),
              "Riga 12: attesi almeno 9 campi separati da virgole, trovati 2");
    EXPECT_EQ(Errore(prime + Ora("13", "1", "50") + dopo),
              "Riga 12: mese non valido \"13\" (atteso 1…12)");
    EXPECT_EQ(Errore(prime + Ora("0", "1", "50") + dopo),
              "Riga 12: mese non valido \"0\" (atteso 1…12)");
    EXPECT_EQ(Errore(prime + Ora("4.0", "1", "50") + dopo),
              "Riga 12: mese non valido \"4.0\" (atteso 1…12)");
    EXPECT_EQ(Errore(prime + Ora("", "1", "50") + dopo),
              "Riga 12: mese non valido \"\" (atteso 1…12)");
    EXPECT_EQ(Errore(prime + Ora("4", "abc", "50") + dopo),
              "Riga 12: temperatura non numerica \"abc\"");
    EXPECT_EQ(Errore(prime + Ora("4", "", "50") + dopo), "Riga 12: temperatura non numerica \"\"");
    EXPECT_EQ(Errore(prime + Ora("4", "99.9", "50") + dopo),
              "Riga 12: temperatura \"99.9\" mancante o fuori campo (attesa da -70 a 70 °C)");
    EXPECT_EQ(Errore(prime + Ora("4", "-70.1", "50") + dopo),
              "Riga 12: temperatura \"-70.1\" mancante o fuori campo (attesa da -70 a 70 °C)");
    EXPECT_EQ(Errore(prime + Ora("4", "5", "50%") + dopo),
              "Riga 12: umidità relativa non numerica \"50%\"");
    EXPECT_EQ(Errore(prime + Ora("4", "5", "999") + dopo),
              "Riga 12: umidità relativa \"999\" mancante o fuori campo (attesa da 0 a 110 %)");
    EXPECT_EQ(Errore(prime + Ora("4", "5", "-1") + dopo),
              "Riga 12: umidità relativa \"-1\" mancante o fuori campo (attesa da 0 a 110 %)");
}

TEST(ClimaEpw, MeseSenzaOre) {
    std::string senzaMarzo;
    for (int m = 1; m <= 12; ++m) {
        if (m != 3) {
            senzaMarzo += Ora(std::to_string(m), "1", "50");
        }
    }
    EXPECT_EQ(Errore(Intestazione + senzaMarzo), "Nessun dato orario per il mese di marzo");
    EXPECT_EQ(Errore(Intestazione), "Nessun dato orario per il mese di gennaio");
    EXPECT_EQ(Errore(Intestazione + Ora("1", "1", "50")),
              "Nessun dato orario per il mese di febbraio");
}
