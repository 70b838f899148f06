// The recovery file of an unsaved exercise: written while it is modified, removed when it is
// saved or given up, offered at the next start-up. Each session is a script under
// tests/data/core-h1/finestra; the dates are written in UTC.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "core/window/cartelle_utente.h"
#include "sessione_finestra.h"

using namespace paretix;

namespace {

// Local time is UTC while it lives, so that a moment has one written form.
class OraUtc {
  public:
    OraUtc() {
        if (const char* tz = std::getenv("TZ")) {
            prima_ = tz;
        }
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~OraUtc() {
        prima_ ? setenv("TZ", prima_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

  private:
    std::optional<std::string> prima_;
};

class Recupero : public testing::TestWithParam<const char*> {};

// The scripts date the file 1796657880, 7 December 2026 at 15:38:00 UTC: from 1970 to 2026 are
// 56 years with 14 leap days, 20454 days; January to November 2026 hold 334 days and 6 more
// reach the 7th: 20794 days, 1796601600 s, plus 15 h 38 min = 56280 s.
TEST_P(Recupero, TheWindowAnswersAsTheScriptSays) {
    const OraUtc utc;
    test::SessioneFinestra s;
    s.Esegui(GetParam());
}

INSTANTIATE_TEST_SUITE_P(, Recupero,
                         testing::Values("recupero-scritto", "recupero-rimosso", "recupero-offerto",
                                         "recupero-con-file", "recupero-rifiutato"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, '-');
                             return nome;
                         });

TEST(CartelleUtente, FollowTheXdgVariablesOrTheHomeDefaults) {
    EXPECT_EQ(CartellaUtente("/tmp/stato", "/home/anna", ".local/state"), "/tmp/stato/paretix");
    EXPECT_EQ(CartellaUtente(nullptr, "/home/anna", ".local/state"),
              "/home/anna/.local/state/paretix");
    EXPECT_EQ(CartellaUtente("", "/home/anna/", ".config"), "/home/anna/.config/paretix");
    // A relative value is no folder of the user's.
    EXPECT_EQ(CartellaUtente("stato", "/home/anna", ".config"), "/home/anna/.config/paretix");
    EXPECT_EQ(CartellaUtente(nullptr, nullptr, ".config"), "");
}

} // namespace
