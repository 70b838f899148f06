#pragma once

// Long expected texts and files live under tests/data, not in the test code. After a
// deliberate change of an output, run the test with PARETIX_RIGENERA=1 set: it writes the
// files first, and the difference is read in git before committing them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/cartella_temporanea.h"

namespace paretix::test {

inline std::string PercorsoAtteso(const std::string& relativo) {
    return std::string(PARETIX_DATI_ATTESI "/") + relativo;
}

// Expects ottenuto to equal the file tests/data/<relativo>, byte for byte.
inline void ExpectComeNelFile(const std::string& relativo, const std::string& ottenuto) {
    const std::string percorso = PercorsoAtteso(relativo);
    if (std::getenv("PARETIX_RIGENERA") != nullptr) {
        std::filesystem::create_directories(std::filesystem::path(percorso).parent_path());
        ScriviTutto(percorso, ottenuto);
    }
    ASSERT_TRUE(std::filesystem::exists(percorso)) << percorso;
    EXPECT_EQ(ottenuto, LeggiTutto(percorso)) << relativo;
}

} // namespace paretix::test
