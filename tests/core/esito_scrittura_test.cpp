#include <gtest/gtest.h>

#include <set>

#include "core/files/esito_scrittura.h"

using namespace paretix;

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
