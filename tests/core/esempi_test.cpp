// The example exercises in examples/ are the data of these tests: each one is opened, written
// again byte for byte, reopened, and calculated into the report, the JSON object and the CSV
// row kept under tests/data/esempi. After a deliberate change of an output, run
//   PARETIX_RIGENERA=1 build/tests/core/paretix_core_tests --gtest_filter='Esempi*'
// and read the difference in git before committing the files it wrote.

#include <gtest/gtest.h>

#include <string>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/csv_risultati.h"
#include "core/verifiche/json_risultati.h"
#include "support/cartella_temporanea.h"
#include "support/dati_attesi.h"
#include "support/stampa_esercizio.h"

using namespace paretix;
using namespace paretix::test;

namespace {

const std::string CartellaEsempi = PARETIX_TEST_DATA "/../../../examples/";

class Esempi : public testing::TestWithParam<const char*> {
  protected:
    std::string Nome() const { return GetParam(); }
    std::string Percorso() const { return CartellaEsempi + Nome() + ".css"; }
};

TEST_P(Esempi, OpenWriteReopenKeepsEveryByte) {
    Esercizio e;
    ASSERT_EQ(AperturaFile(Percorso(), e), std::nullopt);
    const auto contenuto = ContenutoFileEsercizio(e);
    ASSERT_TRUE(contenuto.has_value());
    EXPECT_EQ(*contenuto, LeggiTutto(Percorso()));

    CartellaTemporanea cartella;
    ASSERT_TRUE(CreazioneFile(e, cartella / "copia.css"));
    EXPECT_EQ(LeggiTutto(cartella / "copia.css"), *contenuto);
    Esercizio riaperto;
    ASSERT_EQ(AperturaFile(cartella / "copia.css", riaperto), std::nullopt);
    EXPECT_EQ(riaperto, e);
}

TEST_P(Esempi, ReportJsonAndCsvAreTheKeptOnes) {
    Esercizio e;
    ASSERT_EQ(AperturaFile(Percorso(), e), std::nullopt);
    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> verifiche;
    ASSERT_TRUE(CalcolaConVerifiche(e, r, testo, &verifiche).DatiValidi);
    ExpectComeNelFile("esempi/" + Nome() + ".txt", testo);
    ExpectComeNelFile("esempi/" + Nome() + ".json",
                      JsonRisultati(e, r, verifiche.value_or(RisultatiVerifiche{})));
    std::string tabella;
    for (const FormatoCsv formato : {FormatoCsv{}, FormatoCsv{',', false}}) {
        tabella += IntestazioneCsv(formato) + RigaCsv(formato, Nome(), e, r, verifiche);
    }
    ExpectComeNelFile("esempi/" + Nome() + ".csv", tabella);
}

INSTANTIATE_TEST_SUITE_P(, Esempi,
                         testing::Values("parete-intercapedine", "parete-pesante",
                                         "parete-verifiche", "parete-condensa-invernale",
                                         "parete-membrana-fredda", "parete-isolata-interno"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, '-');
                             return nome;
                         });

} // namespace
