#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/files/creazione_file.h"
#include "core/files/esito_scrittura.h"
#include "support/cartella_temporanea.h"
#include "support/dati_attesi.h"
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
    ExpectComeNelFile("core/esercizio-nuovo.css", ContenutoFileEsercizio(Esercizio{}).value());
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
    ExpectComeNelFile("core/esercizio-da-abaco.css", ContenutoFileEsercizio(e).value());
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

// The message for each reason is in the table of failing calls in scrittura_atomica_test.
TEST(MessaggioSalvataggio, TheTextsAreDistinctTwoLineMessages) {
    const std::set<std::string> testi = {DiscoProtetto,    DiscoPieno,      PermessoNegato,
                                         CartellaMancante, NomeTroppoLungo, FileInUso};
    EXPECT_EQ(testi.size(), 6u);
    for (const std::string& testo : testi) {
        EXPECT_NE(testo.find(".\r\nImpossibile salvare il file"), std::string::npos) << testo;
    }
    EXPECT_EQ(MessaggioSalvataggio(MotivoErrore::Nessuno), "");
}
