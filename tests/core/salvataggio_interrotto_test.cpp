#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>
#include <vector>

#include "core/files/scrittura_atomica.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t Dimensione = 100 * 1024;
constexpr int Interruzioni = 200;
constexpr int AttesaMassimaMicrosecondi = 3000;
constexpr int SecondiOltreIlLimite = 2 * SecondiTemporaneoAbbandonato;

std::string Contenuto(unsigned seme) {
    std::mt19937 casuale(seme);
    std::string testo(Dimensione, '\0');
    for (char& c : testo) {
        c = static_cast<char>(casuale());
    }
    return testo;
}

std::vector<std::string> Temporanei(const std::string& cartella) {
    std::vector<std::string> trovati;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        if (voce.path().filename().string().starts_with(".muro.css.paretix-")) {
            trovati.push_back(voce.path().string());
        }
    }
    return trovati;
}

// The real calls, but the first write of a save tells the pipe and waits there to be killed:
// a kill that surely falls inside a save, however loaded the machine.
class FermaDopoLaPrimaScrittura : public ChiamateFile {
  public:
    explicit FermaDopoLaPrimaScrittura(int avviso) : avviso_(avviso) {}
    ssize_t Scrivi(int file, const void* dati, std::size_t quanti) override {
        const ssize_t scritti = ChiamateFile::Scrivi(file, dati, quanti);
        Avvisa(avviso_);
        return scritti;
    }
    [[noreturn]] static void Avvisa(int avviso) {
        const char c = 1;
        (void)!::write(avviso, &c, 1);
        for (;;) {
            ::pause();
        }
    }

  private:
    int avviso_;
};

// Runs lavoro in a child, kills it once it has told the pipe, and reaps it.
template <typename Lavoro> void UccidiDopoLAvviso(Lavoro lavoro) {
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        lavoro(tubo[1]);
        std::_Exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(tubo[0], &c, 1), 1);
    ::close(tubo[0]);
    ::close(tubo[1]);
    ASSERT_EQ(::kill(figlio, SIGKILL), 0);
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFSIGNALED(stato));
}

class SalvataggioInterrotto : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(ScritturaAtomica(file, a)); }
    CartellaTemporanea cartella;
    const std::string file = cartella / "muro.css";
    const std::string a = Contenuto(1);
    const std::string b = Contenuto(2);
};

} // namespace

// A kill inside a save leaves the old content and the temporary it was writing; one after a
// save leaves the new content; both at set points, so that they do not depend on timing.
TEST_F(SalvataggioInterrotto, AKillInsideASaveAndOneAfterIt) {
    UccidiDopoLAvviso([&](int avviso) {
        FermaDopoLaPrimaScrittura chiamate(avviso);
        ScritturaAtomica(file, b, chiamate);
    });
    EXPECT_EQ(LeggiTutto(file), a);
    EXPECT_EQ(Temporanei(cartella.Percorso()).size(), 1u);
    UccidiDopoLAvviso([&](int avviso) {
        ScritturaAtomica(file, b);
        FermaDopoLaPrimaScrittura::Avvisa(avviso);
    });
    EXPECT_EQ(LeggiTutto(file), b);
}

// A process killed at any moment of a save leaves the file whole, with the old content or the
// new, and at most the one temporary it was writing, which a later save clears once stale.
TEST_F(SalvataggioInterrotto, AKilledSaveLeavesOneOfTheContentsAndAtMostOneTemporary) {
    std::mt19937 casuale(20261207);
    std::uniform_int_distribution<int> attesa(0, AttesaMassimaMicrosecondi);
    for (int volta = 0; volta < Interruzioni; ++volta) {
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            for (bool secondo = false;; secondo = !secondo) {
                ScritturaAtomica(file, secondo ? b : a);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(attesa(casuale)));
        ASSERT_EQ(::kill(figlio, SIGKILL), 0);
        int stato = 0;
        ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
        ASSERT_TRUE(WIFSIGNALED(stato));

        const std::string letto = LeggiTutto(file);
        ASSERT_TRUE(letto == a || letto == b) << "interruption " << volta;
        const auto temporanei = Temporanei(cartella.Percorso());
        ASSERT_LE(temporanei.size(), 1u) << "interruption " << volta;
        for (const std::string& temporaneo : temporanei) {
            ASSERT_TRUE(Invecchia(temporaneo, SecondiOltreIlLimite));
        }
    }
    ASSERT_TRUE(ScritturaAtomica(file, a));
    EXPECT_TRUE(Temporanei(cartella.Percorso()).empty());
    EXPECT_EQ(LeggiTutto(file), a);
}
