// A sweep split with --parte: the shares' outputs, concatenated in order, are the whole sweep's.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/cartella_temporanea.h"

using namespace paretix::test;

namespace {

std::string Esegui(const CartellaTemporanea& c, const std::string& argomenti, int& stato) {
    const std::string comando = std::string("'") + PARETIX_REPORT + "' " + argomenti + " '" +
                                PARETIX_EXAMPLES + "/parete-verifiche.css' >'" + (c / "uscita") +
                                "' 2>/dev/null";
    stato = WEXITSTATUS(std::system(comando.c_str()));
    return LeggiTutto(c / "uscita");
}

} // namespace

TEST(ParteCli, SharesConcatenateToTheWholeSweep) {
    CartellaTemporanea c;
    const std::string varia = "--varia strato.3.spessore=4:12:1 --varia hi=6:8:1 -j 2 ";
    for (const char* modo : {"--csv", "--json"}) {
        int stato = -1;
        const std::string intera = Esegui(c, varia + modo, stato);
        ASSERT_EQ(stato, 0) << modo;
        std::string unite;
        for (const char* parte : {"1/4", "2/4", "3/4", "4/4"}) {
            unite += Esegui(c, varia + modo + " --parte " + parte, stato);
            EXPECT_EQ(stato, 0) << modo << " " << parte;
        }
        EXPECT_EQ(unite, intera) << modo;
        EXPECT_FALSE(intera.empty());
    }
    int stato = -1;
    Esegui(c, varia + "--csv --parte 5/4", stato);
    EXPECT_EQ(stato, 64);
    Esegui(c, varia + "--csv --parte 1/2 --migliore 'U<=0,3'", stato);
    EXPECT_EQ(stato, 64);
}
