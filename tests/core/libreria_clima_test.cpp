// The user's library of climates, dati/clima.txt: the bytes written, the round trip, the lines
// refused with their number, and the edits by name that never lose the file on disk.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>

#include "core/files/libreria_clima.h"
#include "core/files/win1252.h"
#include "support/cartella_temporanea.h"
#include "support/chiamate_finte.h"
#include "support/dati_attesi.h"
#include "trascrizione.h"

using namespace paretix;
using paretix::test::CartellaTemporanea;
using paretix::test::ChiamateFinte;
using paretix::test::ExpectComeNelFile;
using paretix::test::ExpectTrascrizione;
using paretix::test::LeggiTutto;
using paretix::test::ScriviTutto;

namespace {

ClimaAnno Costante(double temperatura, double umidita) {
    ClimaAnno anno;
    anno.fill({temperatura, umidita});
    return anno;
}

// θe = m - 1,5 °C, φe = 60 + m % for month m.
ClimaAnno Crescente() {
    ClimaAnno anno;
    for (int m = 1; m <= 12; ++m) {
        anno[static_cast<std::size_t>(m - 1)] = {m - 1.5, 60.0 + m};
    }
    return anno;
}

// Twelve lines "clima.M=" of the same value, each with its line end.
std::string Mesi(const std::string& valore, const std::string& fine = "\r\n") {
    std::string righe;
    for (int m = 1; m <= 12; ++m) {
        righe += "clima." + std::to_string(m) + "=" + valore + fine;
    }
    return righe;
}

} // namespace

TEST(LibreriaClima, ByteScrittiERilettura) {
    // "Forlì" is stored in Windows-1252: "ì" is the byte 0xEC; the file starts with the comment
    // of a fresh file.
    const LibreriaClima libreria{{"Forlì", Costante(-0.3, 83.5)}, {"Aosta", Crescente()}};
    const auto contenuto = ContenutoFileClima(libreria);
    ASSERT_TRUE(contenuto);
    ExpectComeNelFile("core/libreria_clima/due_localita.txt", *contenuto);

    LibreriaClima letta;
    EXPECT_EQ(LetturaLibreriaClima(*contenuto, letta), std::nullopt);
    EXPECT_EQ(letta, libreria);

    // Fifteen significant digits come back exactly, tiny ones and the ends of the range included.
    const LibreriaClima fini{{"Fini", Costante(-12.3456789012345, 0.000123456789012345)},
                             {"Estremi", Costante(-69.9999999999999, 100)}};
    EXPECT_EQ(LetturaLibreriaClima(*ContenutoFileClima(fini), letta), std::nullopt);
    EXPECT_EQ(letta, fini);

    // Nothing to write for a name or value the file cannot hold.
    EXPECT_FALSE(ContenutoFileClima({{"", Costante(1, 50)}}));
    EXPECT_FALSE(ContenutoFileClima({{" Milano", Costante(1, 50)}}));
    EXPECT_FALSE(ContenutoFileClima({{"Mi\nlano", Costante(1, 50)}}));
    EXPECT_FALSE(ContenutoFileClima({{"Łódź", Costante(1, 50)}}));
    EXPECT_FALSE(ContenutoFileClima({{"A", Costante(1, 50)}, {"A", Costante(2, 50)}}));
    EXPECT_FALSE(ContenutoFileClima({{"A", Costante(1, 100.5)}}));
    EXPECT_TRUE(ContenutoFileClima({}));
}

// Files written by hand, tests/data/core-h1/libreria_clima.txt: the places and the twelve months
// read, or the line refused and why, the library read before then left as it was.
TEST(LibreriaClima, FileScrittiAMano) {
    ExpectTrascrizione("core-h1/libreria_clima.txt", [](const std::string& contenuto) {
        LibreriaClima letta{{"Prima", Costante(1, 50)}};
        if (const auto errore = LetturaLibreriaClima(contenuto, letta)) {
            EXPECT_EQ(letta, (LibreriaClima{{"Prima", Costante(1, 50)}}));
            return std::vector<std::string>{"errore: " + *errore};
        }
        std::vector<std::string> righe;
        for (const LocalitaClima& l : letta) {
            std::ostringstream mesi;
            for (const ClimaMese& m : l.Clima) {
                mesi << " " << m.Temperatura << ";" << m.Umidità;
            }
            righe.push_back(l.Nome + ":" + mesi.str());
        }
        return righe;
    });
}

TEST(LibreriaClima, ModificheInMemoria) {
    LibreriaClima libreria;
    ImpostaLocalita(libreria, " Roma ", Costante(10, 70));
    ImpostaLocalita(libreria, "Torino", Costante(5, 80));
    ImpostaLocalita(libreria, "Roma", Costante(11, 71));
    ImpostaLocalita(libreria, "roma", Costante(12, 72));
    EXPECT_EQ(libreria, (LibreriaClima{{"Roma", Costante(11, 71)},
                                       {"Torino", Costante(5, 80)},
                                       {"roma", Costante(12, 72)}}));
    ASSERT_NE(TrovaLocalita(libreria, "Torino "), nullptr);
    EXPECT_EQ(TrovaLocalita(libreria, "Torino")->Clima, Costante(5, 80));
    EXPECT_EQ(TrovaLocalita(libreria, "Milano"), nullptr);
    EXPECT_TRUE(TogliLocalita(libreria, "Roma"));
    EXPECT_FALSE(TogliLocalita(libreria, "Roma"));
    EXPECT_EQ(libreria, (LibreriaClima{{"Torino", Costante(5, 80)}, {"roma", Costante(12, 72)}}));
}

TEST(LibreriaClima, SalvataggiSulDisco) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.Percorso() + "/clima.txt";
    LibreriaClima libreria{{"Vecchia", Costante(0, 0)}};
    // A missing file is an empty library; the first save makes it.
    EXPECT_EQ(AperturaLibreriaClima(percorso, libreria), std::nullopt);
    EXPECT_TRUE(libreria.empty());
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(1, 80)), std::nullopt);
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Palermo", Crescente()), std::nullopt);
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(2, 85)), std::nullopt);
    EXPECT_EQ(AperturaLibreriaClima(percorso, libreria), std::nullopt);
    EXPECT_EQ(libreria, (LibreriaClima{{"Milano", Costante(2, 85)}, {"Palermo", Crescente()}}));
    EXPECT_EQ(EliminaLocalitaClima(percorso, "Milano"), std::nullopt);
    EXPECT_EQ(AperturaLibreriaClima(percorso, libreria), std::nullopt);
    EXPECT_EQ(libreria, (LibreriaClima{{"Palermo", Crescente()}}));
    EXPECT_EQ(LeggiTutto(percorso), *ContenutoFileClima(libreria));

    const std::string primaDegliErrori = LeggiTutto(percorso);
    EXPECT_EQ(EliminaLocalitaClima(percorso, "Milano"),
              "La località \"Milano\" non è nella libreria dei climi.");
    EXPECT_EQ(SalvaLocalitaClima(percorso, "  ", Costante(1, 80)),
              "Nome della località non valido: non può essere vuoto né contenere caratteri che "
              "il file non può memorizzare.");
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(1, 101)),
              "Il clima non può essere salvato: ogni umidità relativa deve essere da 0 a 100 %.");
    ChiamateFinte discoPieno("Scrivi", ENOSPC);
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(1, 80), discoPieno),
              std::string(MessaggioClimaNonSalvato) + "\n" + percorso + "\n" + DiscoPieno);
    ChiamateFinte rinominaFallita("Rinomina", EIO);
    EXPECT_EQ(EliminaLocalitaClima(percorso, "Palermo", rinominaFallita),
              std::string(MessaggioClimaNonSalvato) + "\n" + percorso);
    EXPECT_EQ(LeggiTutto(percorso), primaDegliErrori);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.Percorso()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(LibreriaClima, FileMalformatoNonSiPerde) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.Percorso() + "/clima.txt";
    const std::string aMano =
        "localita=Bari\r\n" + Mesi("1;2") + "localita=Lecce\r\nclima.1=x;2\r\n";
    ScriviTutto(percorso, aMano);
    const std::string messaggio = std::string(MessaggioClimaNonValido) + "\n" + percorso +
                                  "\nRiga 15: temperatura non numerica \"x\"";
    LibreriaClima libreria{{"Vecchia", Costante(0, 0)}};
    EXPECT_EQ(AperturaLibreriaClima(percorso, libreria), messaggio);
    EXPECT_EQ(libreria, (LibreriaClima{{"Vecchia", Costante(0, 0)}}));
    EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(1, 80)), messaggio);
    EXPECT_EQ(EliminaLocalitaClima(percorso, "Bari"), messaggio);
    EXPECT_EQ(LeggiTutto(percorso), aMano);

    // A file that exists but cannot be read is not taken for an empty library.
    std::filesystem::permissions(percorso, std::filesystem::perms::none);
    if (LeggiTutto(percorso).empty()) {
        EXPECT_EQ(SalvaLocalitaClima(percorso, "Milano", Costante(1, 80)),
                  std::string(MessaggioClimaIlleggibile) + "\n" + percorso);
    }
    std::filesystem::permissions(percorso, std::filesystem::perms::owner_all);
    EXPECT_EQ(LeggiTutto(percorso), aMano);
}

TEST(LibreriaClima, FileSpeditoVuoto) {
    // The comment of a fresh file alone, in Windows-1252.
    EXPECT_EQ(LeggiTutto(PARETIX_CLIMA_SPEDITO), Utf8AWin1252(IntestazioneLibreriaClima));
    LibreriaClima libreria{{"Vecchia", Costante(0, 0)}};
    EXPECT_EQ(AperturaLibreriaClima(PARETIX_CLIMA_SPEDITO, libreria), std::nullopt);
    EXPECT_TRUE(libreria.empty());
}
