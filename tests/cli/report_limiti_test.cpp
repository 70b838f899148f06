// paretix-report under a memory ceiling and with more threads asked than the system gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cli_esegui.h"

using namespace paretix::test;

namespace {

// Runs paretix-report with at most 100 MiB of address space: ample for one run of the tool, far
// too little for what these runs would once allocate. AddressSanitizer reserves terabytes of
// address space for its shadow memory, so a tool built with it cannot start under such a
// ceiling at all: these runs mean nothing there.
class ReportLimiti : public testing::Test {
  protected:
    void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "un limite di memoria non si applica sotto AddressSanitizer";
#endif
    }
    static EsitoComando ConMemoria(std::vector<std::string> argomenti) {
        argomenti.push_back(PARETIX_EXAMPLES "/parete-pesante.css");
        return Esegui("ulimit -v 102400; exec " + ComandoReport(argomenti));
    }
};

// Twenty ranges of a million values each, one allowed alone: together they are refused before
// any value is made (20 million texts would need 640 MB).
TEST_F(ReportLimiti, ASweepTooLargeIsRefusedWithinLittleMemory) {
    std::vector<std::string> diverse{"hi", "he", "ti", "te", "ui", "ue", "disturbo", "btr"};
    for (const char* strato : {"strato.1.", "strato.2.", "strato.3."}) {
        for (const char* dato : {"spessore", "densita", "conduttivita", "permeabilita"}) {
            diverse.push_back(std::string(strato) + dato);
        }
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi{
        {diverse, "troppe varianti"},
        {std::vector<std::string>(diverse.size(), "hi"), "variata due volte"},
    };
    for (const auto& [chiavi, motivo] : casi) {
        std::vector<std::string> argomenti{"--csv"};
        for (const std::string& chiave : chiavi) {
            argomenti.insert(argomenti.end(), {"--varia", chiave + "=1:1000000:1"});
        }
        const EsitoComando esito = ConMemoria(argomenti);
        EXPECT_EQ(esito.Stato, 64) << esito.Errore;
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_NE(esito.Errore.find(motivo), std::string::npos) << esito.Errore;
    }
}

// 1024 threads of 8 MiB stacks do not fit in the ceiling: the sweep runs on the ones that do.
TEST_F(ReportLimiti, ASweepRunsOnTheThreadsTheSystemGives) {
    const EsitoComando esito =
        ConMemoria({"--csv", "-j", "1024", "--varia", "strato.1.spessore=1:40:1"});
    EXPECT_EQ(esito.Stato, 0) << esito.Errore;
    EXPECT_EQ(esito.Errore, "");
    EXPECT_EQ(std::count(esito.Uscita.begin(), esito.Uscita.end(), '\n'), 41); // header, 40 rows
}

} // namespace
