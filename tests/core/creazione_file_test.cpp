#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/creazione_file.h"
#include "support/cartella_temporanea.h"
#include "support/pareti.h"

using namespace paretix;
using namespace paretix::test;
using prova::Righe;

namespace {

std::vector<std::string> RigheDi(const Esercizio& e) {
    const auto file = ContenutoFileEsercizio(e);
    EXPECT_TRUE(file.has_value());
    return file ? Righe(*file) : std::vector<std::string>{};
}

const std::string Sep(46, '-');

} // namespace

TEST(CreazioneFile, ANewExerciseByteForByte) {
    const std::vector<std::string> attese = {
        // header
        "Versione file --------------------------------", "1", Sep,
        "Tipo di calcolo ------------------------------", "1", "1", "0", Sep,
        "Numero strati --------------------------------", "1", Sep,
        "Valori coefficienti liminari -----------------", "7", "24", Sep,
        "Temperature interna ed esterna ---------------", "0", "0", Sep,
        "Percentuale di umidit\xE0 interna ed esterna ----", "0", "0", Sep,
        "Disturbo sonoro ------------------------------", "1", "0", "0", Sep,
        // layer 1
        Sep, "Tipo di strato 1 -----------------------------", "M",
        "Nessun specifico materiale selezionato", "-2147483643 ", Sep,
        "Densit\xE0 --------------------------------------", "", "", "-2147483643 ", "0", Sep,
        "Spessore -------------------------------------", "", "", Sep,
        "Conduttivit\xE0 ---------------------------------", "", "", "-2147483643 ", "0", Sep,
        "Permeabilit\xE0 ---------------------------------", "", "", "-2147483643 ", "0", Sep,
        "Fat assorbimento -----------------------------", "", "", "-2147483643 ", "0", Sep,
        // notes
        "Appunti --------------------------------------", ""};
    const auto righe = RigheDi(Esercizio{});
    EXPECT_EQ(righe.size(), 28u + 34u + 2u);
    EXPECT_EQ(righe, attese);
}

TEST(CreazioneFile, ALayerLoadedFromTheDatabaseStoresYellowReadOnlyBoxes) {
    Esercizio e;
    e.UnitaDistSonoro = UnitaSuono::Watt;
    e.DistSonoro = "0,001";
    Strato& s = e.strato(1);
    s.Materiale = "Mattone pieno";
    s.ColoreTipo = ColoreGiallo;
    s.Densità = {"1800", "1800", ColoreGiallo, true};
    s.Spessore = {"12", "12,5", ColoreGiallo, true}; // thickness stores no colour nor flag
    s.Conduttività = {"0,72", "0,72", ColoreGiallo, true};
    s.Permeabilità = {"25", "25", ColoreGiallo, true};
    s.FatAssorbimento = {"-", "", 0, false};
    const auto righe = RigheDi(e);
    ASSERT_EQ(righe.size(), 64u);
    EXPECT_EQ(std::vector<std::string>(righe.begin() + 24, righe.begin() + 27),
              (std::vector<std::string>{"0", "1", "0,001"}));
    const std::vector<std::string> blocco(righe.begin() + 28, righe.begin() + 62);
    const std::vector<std::string> valori = {
        blocco[2],  blocco[3],  blocco[4],  blocco[7],  blocco[8],  blocco[9],
        blocco[10], blocco[13], blocco[14], blocco[15], blocco[17], blocco[18],
        blocco[19], blocco[20], blocco[23], blocco[24], blocco[25], blocco[26],
        blocco[29], blocco[30], blocco[31], blocco[32]};
    EXPECT_EQ(valori, (std::vector<std::string>{"M",       "Mattone pieno",
                                                " 65535 ", "1800",
                                                "1800",    " 65535 ",
                                                "1",       "12",
                                                "12,5",    Sep,
                                                "0,72",    "0,72",
                                                " 65535 ", "1",
                                                "25",      "25",
                                                " 65535 ", "1",
                                                "-",       "",
                                                " 0 ",     "0"}));
}

TEST(CreazioneFile, BlockTitlesStayFortySixCharactersLong) {
    Esercizio e;
    e.Strati.resize(10);
    const auto righe = RigheDi(e);
    ASSERT_EQ(righe.size(), 28u + 340u + 2u);
    EXPECT_EQ(righe[28 + 34 * 8 + 1], "Tipo di strato 9 -----------------------------");
    EXPECT_EQ(righe[28 + 34 * 9 + 1], "Tipo di strato 10 ----------------------------");
    for (const std::string& riga : righe) {
        if (riga.find("---") != std::string::npos) {
            EXPECT_EQ(riga.size(), 46u) << riga;
        }
    }
}

TEST(CreazioneFile, NotesKeepTheirLinesWithCrLf) {
    Esercizio e;
    e.Appunti = "uno\r\ndue\r\ntre";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\nuno\r\ndue\r\ntre\r\n"));
    e.Appunti = "a\nb\rc\r\n";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\na\r\nb\r\nc\r\n\r\n"));
    e.Appunti = "Umidità ¶ €";
    EXPECT_TRUE(ContenutoFileEsercizio(e)->ends_with("-\r\nUmidit\xE0 \xB6 \x80\r\n"));
}

TEST(CreazioneFile, RefusesWhatItCannotStoreAndWritesNothing) {
    Esercizio alfa;
    alfa.strato(1).Materiale = "Legno di α";
    Esercizio aCapo;
    aCapo.strato(1).Spessore.Suggerimento = "1\n2";
    Esercizio nessuno;
    nessuno.Strati.clear();
    Esercizio sedici;
    sedici.Strati.resize(16);
    for (const Esercizio* e : {&alfa, &aCapo, &nessuno, &sedici}) {
        EXPECT_FALSE(ContenutoFileEsercizio(*e).has_value());
    }

    CartellaTemporanea cartella;
    ScriviTutto(cartella / "muro.css", "vecchio");
    EXPECT_FALSE(CreazioneFile(alfa, cartella / "muro.css"));
    EXPECT_EQ(LeggiTutto(cartella / "muro.css"), "vecchio");
    EXPECT_TRUE(CreazioneFile(Esercizio{}, cartella / "muro.css"));
    EXPECT_EQ(LeggiTutto(cartella / "muro.css"), ContenutoFileEsercizio(Esercizio{}));
}
