#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "core/files/apertura_file.h"
#include "core/window/cartelle_utente.h"
#include "core/window/finestra_principale.h"
#include "core/window/recupero.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"

using namespace paretix;
using namespace paretix::test;

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
        if (prima_) {
            setenv("TZ", prima_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

  private:
    std::optional<std::string> prima_;
};

// 7 December 2026, 15:38:00 UTC: from 1970 to 2026 are 56 years with 14 leap days (1972 to
// 2024), 56 * 365 + 14 = 20454 days; then January to November 2026 hold
// 31+28+31+30+31+30+31+31+30+31+30 = 334 days and 6 more reach the 7th: 20794 days,
// 20794 * 86400 = 1796601600 s, plus 15 h 38 min = 56280 s.
constexpr std::time_t SetteDicembre2026 = 1796657880;

class Recupero : public ::testing::Test {
  protected:
    CartellaTemporanea cartella;
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    // In a folder that does not exist yet, as on a first run.
    const std::string file = cartella / "stato/paretix/recupero.css";

    void SetUp() override {
        f.Form_Load({"/opt/paretix", Si, true});
        f.ImpostaRecupero(file);
    }
    bool Esiste() const { return std::filesystem::exists(file); }
    // A new window started after a crash, whose start-up finds the file.
    void Riavvia(FinestraPrincipale& finestra) {
        finestra.Form_Load({"/opt/paretix", Si, true});
        finestra.ImpostaRecupero(file);
        finestra.OffriRipristino();
    }
    // The file written at SetteDicembre2026, then a new window that restores it and asks once.
    void RipristinaDopoUnGuasto() {
        f.TimerRecupero_Timer();
        const timespec tempi[2] = {{SetteDicembre2026, 0}, {SetteDicembre2026, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), tempi, 0), 0);
        altri.Risposte.push_back(Risposta::Si);
        Riavvia(nuova);
        ASSERT_EQ(altri.Mostrati.size(), 1u);
    }
    const OraUtc utc;
    DialoghiRegistrati altri;
    FinestraPrincipale nuova{altri};
};

TEST_F(Recupero, WrittenOnlyWhileModifiedAndHoldingTheExerciseAsShown) {
    f.TimerRecupero_Timer();
    EXPECT_FALSE(Esiste());
    f.TextSpessore_Change(1, "30");
    f.TextAppunti_Change("muro nord");
    f.TimerRecupero_Timer();
    ASSERT_TRUE(Esiste());
    Esercizio letto;
    ASSERT_FALSE(AperturaFile(file, letto));
    EXPECT_EQ(letto.strato(1).Spessore.Testo, "30");
    EXPECT_EQ(letto.Appunti, "muro nord");
    // Undone back to the saved state, the exercise needs no recovery any more.
    f.Annulla_Click();
    f.Annulla_Click();
    ASSERT_EQ(f.Stato().Modificato, No);
    f.TimerRecupero_Timer();
    EXPECT_FALSE(Esiste());
    EXPECT_TRUE(dialoghi.Mostrati.empty());
}

TEST_F(Recupero, ASaveNewOpenAndACleanExitRemoveIt) {
    f.TextSpessore_Change(1, "30");
    f.TimerRecupero_Timer();
    const std::string salvato = cartella / "muro.css";
    dialoghi.FileScelti.push_back(salvato);
    ASSERT_TRUE(f.SalvareConNome1());
    EXPECT_FALSE(Esiste());

    f.TextSpessore_Change(1, "31");
    f.TimerRecupero_Timer();
    dialoghi.Risposte.push_back(Risposta::No);
    f.NuovoProgetto_Click();
    EXPECT_FALSE(Esiste());

    f.TextSpessore_Change(1, "32");
    f.TimerRecupero_Timer();
    dialoghi.Risposte.push_back(Risposta::No);
    dialoghi.FileScelti.push_back(salvato);
    f.ApriProgetto_Click();
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "30");
    EXPECT_FALSE(Esiste());

    // Closing: cancelled keeps it, a clean exit removes it.
    f.TextSpessore_Change(1, "33");
    f.TimerRecupero_Timer();
    dialoghi.Risposte.push_back(Risposta::Annulla);
    EXPECT_TRUE(f.Form_Unload());
    EXPECT_TRUE(Esiste());
    dialoghi.Risposte.push_back(Risposta::No);
    EXPECT_FALSE(f.Form_Unload());
    EXPECT_FALSE(Esiste());
}

TEST_F(Recupero, AtStartUpItIsOfferedWithItsDateAndRestoredAsModifiedWithoutAFile) {
    f.TextSpessore_Change(1, "30");
    f.CommandPiù_Click();
    ASSERT_NO_FATAL_FAILURE(RipristinaDopoUnGuasto());
    EXPECT_EQ(altri.Mostrati[0],
              (DialoghiRegistrati::Voce{
                  "Paretix LT",
                  "È stato trovato un esercizio non salvato del 07/12/2026 alle 15:38: "
                  "ripristinarlo?",
                  Icona::Domanda}));
    EXPECT_EQ(nuova.esercizio().NumeroStrati(), 2);
    EXPECT_EQ(nuova.esercizio().strato(1).Spessore.Testo, "30");
    EXPECT_EQ(nuova.Stato().Modificato, Si);
    EXPECT_EQ(nuova.Stato().Caption, "Senza nome - Paretix LT");
    EXPECT_FALSE(nuova.AnnullaAbilitato());
    // It stays until saved: a second crash before the next minute still finds it.
    EXPECT_TRUE(Esiste());
    // Save asks for a name rather than writing anywhere by itself.
    altri.FileScelti.push_back(std::nullopt);
    EXPECT_FALSE(nuova.Salva1());
    EXPECT_EQ(altri.Mostrati.back().Titolo, "Salva con nome");
}

TEST_F(Recupero, AnExerciseWithAFileIsRestoredIntoItsFileAndTheQuestionNamesIt) {
    const std::string muro = cartella / "progetti/muro.css";
    std::filesystem::create_directories(cartella / "progetti");
    f.TextSpessore_Change(1, "30");
    dialoghi.FileScelti.push_back(muro);
    ASSERT_TRUE(f.SalvareConNome1());
    f.TextSpessore_Change(1, "45");
    ASSERT_NO_FATAL_FAILURE(RipristinaDopoUnGuasto());
    EXPECT_EQ(altri.Mostrati[0].Testo,
              "È stato trovato un esercizio non salvato del 07/12/2026 alle 15:38 (file " + muro +
                  "): ripristinarlo?");
    EXPECT_EQ(nuova.esercizio().strato(1).Spessore.Testo, "45");
    EXPECT_EQ(nuova.Stato().PercorsoEsercizio, muro);
    EXPECT_EQ(nuova.Stato().Caption, muro + " - Paretix");
    EXPECT_EQ(nuova.Stato().Modificato, Si);
    // Save writes the file it belongs to, without asking, and the recovery goes.
    ASSERT_TRUE(nuova.Salva1());
    EXPECT_EQ(altri.Mostrati.size(), 1u);
    Esercizio letto;
    ASSERT_FALSE(AperturaFile(muro, letto));
    EXPECT_EQ(letto.strato(1).Spessore.Testo, "45");
    EXPECT_FALSE(Esiste());
    EXPECT_FALSE(std::filesystem::exists(file + EstensionePercorsoRecupero));
}

TEST_F(Recupero, RefusedAtStartUpItIsRemovedAndWithoutAFileNothingIsAsked) {
    Riavvia(nuova);
    EXPECT_TRUE(altri.Mostrati.empty());

    f.TextSpessore_Change(1, "30");
    f.TimerRecupero_Timer();
    altri.Risposte.push_back(Risposta::No);
    FinestraPrincipale terza{altri};
    Riavvia(terza);
    EXPECT_EQ(altri.Mostrati.size(), 1u);
    EXPECT_FALSE(Esiste());
    EXPECT_EQ(terza.esercizio(), Esercizio{});
    EXPECT_EQ(terza.Stato().Modificato, No);
}

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
