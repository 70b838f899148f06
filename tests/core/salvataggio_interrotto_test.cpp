#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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
// On a loaded machine the child may get too little time for a kill to fall inside a save, or for
// a save to complete, within the first interruptions: more are made until both were seen.
constexpr int InterruzioniMassime = 2000;
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

} // namespace

// A process killed at any moment of a save leaves the file whole, with the old content or the
// new, and at most the one temporary it was writing, which a later save clears once stale.
TEST(SalvataggioInterrotto, AKilledSaveLeavesOneOfTheContentsAndAtMostOneTemporary) {
    CartellaTemporanea cartella;
    const std::string file = cartella / "muro.css";
    const std::string a = Contenuto(1);
    const std::string b = Contenuto(2);
    ASSERT_TRUE(ScritturaAtomica(file, a));
    std::mt19937 casuale(20261207);
    std::uniform_int_distribution<int> attesa(0, AttesaMassimaMicrosecondi);
    int conTemporaneo = 0;
    int conB = 0;
    for (int volta = 0;
         volta < Interruzioni || (volta < InterruzioniMassime && (conTemporaneo == 0 || conB == 0));
         ++volta) {
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
        conB += letto == b;
        const auto temporanei = Temporanei(cartella.Percorso());
        ASSERT_LE(temporanei.size(), 1u) << "interruption " << volta;
        for (const std::string& temporaneo : temporanei) {
            ++conTemporaneo;
            ASSERT_TRUE(Invecchia(temporaneo, SecondiOltreIlLimite));
        }
    }
    EXPECT_GT(conTemporaneo, 0) << "no kill fell inside a save";
    EXPECT_GT(conB, 0) << "no save completed";
    ASSERT_TRUE(ScritturaAtomica(file, a));
    EXPECT_TRUE(Temporanei(cartella.Percorso()).empty());
    EXPECT_EQ(LeggiTutto(file), a);
}
