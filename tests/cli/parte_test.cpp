// A sweep split with --parte: the shares' outputs, concatenated in order, are the whole sweep's.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_esegui.h"

using namespace paretix::test;

TEST(ParteCli, SharesConcatenateToTheWholeSweep) {
    const auto sweep = [](std::vector<std::string> altri) {
        altri.insert(altri.end(), {"--varia", "strato.3.spessore=4:12:1", "--varia", "hi=6:8:1",
                                   "-j", "2", PARETIX_EXAMPLES "/parete-verifiche.css"});
        return Report(altri);
    };
    for (const char* modo : {"--csv", "--json"}) {
        const EsitoComando intera = sweep({modo});
        ASSERT_EQ(intera.Stato, 0) << modo;
        EXPECT_FALSE(intera.Uscita.empty());
        std::string unite;
        for (const char* parte : {"1/4", "2/4", "3/4", "4/4"}) {
            const EsitoComando quota = sweep({modo, "--parte", parte});
            EXPECT_EQ(quota.Stato, 0) << modo << " " << parte;
            unite += quota.Uscita;
        }
        EXPECT_EQ(unite, intera.Uscita) << modo;
    }
    EXPECT_EQ(sweep({"--csv", "--parte", "5/4"}).Stato, 64);
    EXPECT_EQ(sweep({"--csv", "--parte", "1/2", "--migliore", "U<=0,3"}).Stato, 64);
}
