// paretix-report under the limits of a machine: a memory ceiling, a cap on threads, a full disk.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cartella_temporanea.h"

using namespace paretix::test;

namespace {

struct Esito {
    int Stato = -1;
    std::string Uscita;
    std::string Errore;
};

std::string TraApici(const std::string& testo) {
    std::string citato = "'";
    for (const char c : testo) {
        citato += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return citato + "'";
}

// Runs paretix-report with at most kilobyte KiB of address space, its standard output into
// the file uscita when one is given.
Esito ConMemoria(int kilobyte, const std::vector<std::string>& argomenti,
                 const std::string& uscita = "") {
    CartellaTemporanea cartella;
    std::string comando =
        "ulimit -v " + std::to_string(kilobyte) + "; exec " + TraApici(PARETIX_REPORT);
    for (const std::string& a : argomenti) {
        comando += " " + TraApici(a);
    }
    const std::string fileUscita = uscita.empty() ? cartella / "uscita" : uscita;
    comando += " >" + TraApici(fileUscita) + " 2>" + TraApici(cartella / "errore");
    const int stato = std::system(comando.c_str());
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1,
            uscita.empty() ? LeggiTutto(fileUscita) : "", LeggiTutto(cartella / "errore")};
}

// Ample for one run of the tool, far too little for what these runs would once allocate.
constexpr int MemoriaStretta = 100 * 1024;

// AddressSanitizer reserves terabytes of address space for its shadow memory, so a tool built
// with it cannot start under an address-space ceiling at all: these runs mean nothing there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool SottoAddressSanitizer = true;
#else
constexpr bool SottoAddressSanitizer = false;
#endif

class ReportLimiti : public testing::Test {
  protected:
    void SetUp() override {
        if (SottoAddressSanitizer) {
            GTEST_SKIP() << "un limite di memoria non si applica sotto AddressSanitizer";
        }
    }
};

const std::string File = PARETIX_EXAMPLES "/parete-pesante.css";

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
        std::vector<std::string> argomenti{"--csv", File};
        for (const std::string& chiave : chiavi) {
            argomenti.insert(argomenti.end(), {"--varia", chiave + "=1:1000000:1"});
        }
        const Esito esito = ConMemoria(MemoriaStretta, argomenti);
        EXPECT_EQ(esito.Stato, 64) << esito.Errore;
        EXPECT_EQ(esito.Uscita, "");
        EXPECT_NE(esito.Errore.find(motivo), std::string::npos) << esito.Errore;
    }
}

// 1024 threads of 8 MiB stacks do not fit in the ceiling: the sweep runs on the ones that do.
TEST_F(ReportLimiti, ASweepRunsOnTheThreadsTheSystemGives) {
    const Esito esito = ConMemoria(
        MemoriaStretta, {"--csv", "-j", "1024", "--varia", "strato.1.spessore=1:40:1", File});
    EXPECT_EQ(esito.Stato, 0) << esito.Errore;
    EXPECT_EQ(esito.Errore, "");
    std::size_t righe = 0;
    for (std::size_t a = esito.Uscita.find('\n'); a != std::string::npos;
         a = esito.Uscita.find('\n', a + 1)) {
        ++righe;
    }
    EXPECT_EQ(righe, 41u); // the header and 40 variants
}

// The help on a full disk is no success either.
TEST_F(ReportLimiti, AHelpThatCannotBeWrittenIsAFailedWrite) {
    const Esito esito = ConMemoria(MemoriaStretta, {"--help"}, "/dev/full");
    EXPECT_EQ(esito.Stato, 74);
    EXPECT_EQ(esito.Errore, "impossibile scrivere il resoconto: spazio esaurito sul disco\n");
}

} // namespace
