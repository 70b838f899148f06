#include <gtest/gtest.h>

#include "core/materials/voce_abaco.h"
#include "core/window/finestra_principale.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"

using namespace paretix;
using namespace paretix::test;

namespace {

class AnnullaRipeti : public ::testing::Test {
  protected:
    CartellaTemporanea cartella;
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};

    void SetUp() override { f.Form_Load({"/opt/paretix", Si, true}); }

    // Types testo into layer k's thickness box one character at a time, as the box reports it.
    void Digita(int k, const std::string& testo) {
        for (std::size_t n = 1; n <= testo.size(); ++n) {
            f.TextSpessore_Change(k, testo.substr(0, n));
        }
    }
    void InserisciADestraDi(int k) {
        f.LabelStrato_MouseDown(k);
        f.InserisciStratoADestra_Click();
    }
    const std::string& Spessore(int k) const { return f.esercizio().strato(k).Spessore.Testo; }
};

TEST_F(AnnullaRipeti, NothingToUndoOrRedoOnANewExercise) {
    EXPECT_FALSE(f.AnnullaAbilitato());
    EXPECT_FALSE(f.RipetiAbilitato());
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla");
    EXPECT_EQ(f.CaptionRipeti(), "Ripeti");
    const Esercizio prima = f.esercizio();
    f.Annulla_Click();
    f.Ripeti_Click();
    EXPECT_EQ(f.esercizio(), prima);
    EXPECT_EQ(f.Stato().Modificato, No);
}

TEST_F(AnnullaRipeti, EachEditIsOneStepNamedForWhatItDid) {
    f.CommandPiù_Click();
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla aggiunta strato");
    InserisciADestraDi(1);
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla inserimento strato");
    EXPECT_EQ(f.esercizio().NumeroStrati(), 3);
    f.LabelStrato_MouseDown(2);
    f.CameraAria_Click();
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla strato in camera d'aria");
    f.Check1_Click(2, true);
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica tipi di calcolo");
    f.CheckVerifiche_Click(true);
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica verifiche di legge");
    f.TextTInterna_Change("20");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica temperatura interna");
    f.CommandSuUi_Click();
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica umidità interna");
    f.LabelStrato_MouseDown(3);
    f.CaricaMaterialeNelloStratoSelezionato({"Laterizio", "800", "0,3", "25", "0,9"});
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla caricamento materiale da abaco");
    f.TextPermeabilità_Change(1, "25");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica permeabilità strato 1");
    f.CommandMeno_Click(); // the last layer, and the cavity that would end the wall
    EXPECT_EQ(f.esercizio().NumeroStrati(), 1);
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla rimozione strato");

    // Back through every step to the new exercise, then forward again to the last one.
    const Esercizio ultimo = f.esercizio();
    int passi = 0;
    while (f.AnnullaAbilitato()) {
        f.Annulla_Click();
        ++passi;
    }
    EXPECT_EQ(passi, 10);
    EXPECT_EQ(f.esercizio(), Esercizio{});
    EXPECT_EQ(f.CaptionRipeti(), "Ripeti aggiunta strato");
    while (f.RipetiAbilitato()) {
        f.Ripeti_Click();
    }
    EXPECT_EQ(f.esercizio(), ultimo);
}

TEST_F(AnnullaRipeti, UndoOfAnInsertRestoresTheLayersAndShowsTheSchema) {
    f.TextSpessore_Change(1, "30");
    f.ConfermaCasella();
    InserisciADestraDi(1);
    f.TextSpessore_Change(2, "12");
    for (int k = 1; k <= 2; ++k) {
        f.TextConduttività_Change(k, "0,25");
        f.TextPermeabilità_Change(k, "25");
    }
    f.TextTInterna_Change("20");
    f.Command1_Click();
    ASSERT_TRUE(f.Stato().StampaAbilitata);
    f.Option2_Click(1);

    f.Annulla_Click(); // the temperature
    EXPECT_EQ(f.esercizio().TInterna, "0");
    EXPECT_FALSE(f.Stato().StampaAbilitata); // results of other inputs are gone
    EXPECT_TRUE(f.Stato().Text2.empty());
    EXPECT_EQ(f.Stato().Option2, Vista::Schema);
    EXPECT_EQ(f.Stato().Check1Abilitato, (std::array<bool, 3>{true, true, true}));
    for (int passo = 0; passo < 5; ++passo) {
        f.Annulla_Click(); // permeabilities, conductivities, thickness of the new layer
    }
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla inserimento strato");
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio().NumeroStrati(), 1);
    EXPECT_EQ(Spessore(1), "30");
    EXPECT_EQ(f.Stato().Schema.FineLinee, FinestraPrincipale(dialoghi).Stato().Schema.FineLinee);
}

TEST_F(AnnullaRipeti, TypingInOneBoxIsOneStepPerCommittedValue) {
    Digita(1, "125");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica spessore strato 1");
    f.ConfermaCasella();
    Digita(1, "1250"); // a second value of the same box
    f.Annulla_Click();
    EXPECT_EQ(Spessore(1), "125");
    f.Annulla_Click();
    EXPECT_EQ(Spessore(1), "");
    EXPECT_FALSE(f.AnnullaAbilitato());

    // Another box, or any other edit, completes the value as well.
    Digita(1, "30");
    f.TextTInterna_Change("2");
    f.TextTInterna_Change("20");
    Digita(1, "3");
    f.Annulla_Click();
    EXPECT_EQ(Spessore(1), "30");
    EXPECT_EQ(f.esercizio().TInterna, "20");
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio().TInterna, "0");
    // The same box of another layer is another box.
    f.CommandPiù_Click();
    Digita(1, "4");
    Digita(2, "5");
    f.Annulla_Click();
    EXPECT_EQ(Spessore(1), "4");
    EXPECT_EQ(Spessore(2), "");
}

TEST_F(AnnullaRipeti, ANewEditDropsTheStepsThatCouldBeRedone) {
    f.CommandPiù_Click();
    f.CommandPiù_Click();
    f.Annulla_Click();
    ASSERT_TRUE(f.RipetiAbilitato());
    f.TextTEsterna_Change("-5");
    EXPECT_FALSE(f.RipetiAbilitato());
    EXPECT_EQ(f.CaptionRipeti(), "Ripeti");
    f.Ripeti_Click();
    EXPECT_EQ(f.esercizio().NumeroStrati(), 2);
    EXPECT_EQ(f.esercizio().TEsterna, "-5");
}

TEST_F(AnnullaRipeti, ModifiedFollowsTheHistoryBackToTheSavedState) {
    f.TextTInterna_Change("20");
    ASSERT_TRUE(SalvaNellaCartella(f, dialoghi, cartella));
    EXPECT_TRUE(f.AnnullaAbilitato()); // a save keeps the history
    f.CommandPiù_Click();
    EXPECT_EQ(f.Stato().Modificato, Si);
    // Back at what the file holds, before the save, and forward again.
    for (const auto& [annulla, modificato] :
         {std::pair{true, No}, {true, Si}, {false, No}, {false, Si}}) {
        annulla ? f.Annulla_Click() : f.Ripeti_Click();
        EXPECT_EQ(f.Stato().Modificato, modificato) << annulla;
    }

    // Once the saved state is among the dropped steps, no state of the history is saved.
    f.Annulla_Click();
    f.Annulla_Click();
    f.TextTEsterna_Change("3");
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio().TInterna, "0");
    EXPECT_EQ(f.Stato().Modificato, Si);
}

TEST_F(AnnullaRipeti, NewAndOpenStartAFreshHistory) {
    f.CommandPiù_Click();
    const std::string percorso = cartella / "muro.css";
    dialoghi.FileScelti.push_back(percorso);
    ASSERT_TRUE(f.SalvareConNome1());
    f.CommandPiù_Click();
    dialoghi.Risposte.push_back(Risposta::No);
    f.NuovoProgetto_Click();
    EXPECT_FALSE(f.AnnullaAbilitato());
    EXPECT_FALSE(f.RipetiAbilitato());

    f.CommandPiù_Click();
    f.Annulla_Click();
    ASSERT_TRUE(f.RipetiAbilitato());
    ApriNellaFinestra(f, dialoghi, percorso);
    EXPECT_EQ(f.esercizio().NumeroStrati(), 2);
    EXPECT_FALSE(f.AnnullaAbilitato());
    EXPECT_FALSE(f.RipetiAbilitato());
    EXPECT_EQ(f.Stato().Modificato, No);
}

TEST_F(AnnullaRipeti, TheComplianceDataAndTheNotesAreUndoneToo) {
    f.CheckVerifiche_Click(true);
    const Esercizio prima = f.esercizio();
    DialogoDatiVerifiche dialogo = f.DatiVerifiche_Click();
    dialogo.Zona = ZonaClimatica::E;
    ASSERT_TRUE(f.DatiVerifiche_Ok(dialogo));
    ASSERT_NE(f.esercizio(), prima);
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica dati per le verifiche");
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio(), prima);

    // Undoing the notes keeps the results, since the notes are no input of the calculation.
    f.TextSpessore_Change(1, "30");
    f.TextConduttività_Change(1, "0,25");
    f.TextPermeabilità_Change(1, "25");
    f.TextDensità_Change(1, "1800"); // the checks ask for the densities
    f.Command1_Click();
    ASSERT_TRUE(f.Stato().StampaAbilitata);
    f.TextAppunti_Change("P");
    f.TextAppunti_Change("Pa");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica appunti");
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio().Appunti, "");
    EXPECT_TRUE(f.Stato().StampaAbilitata);
}

TEST_F(AnnullaRipeti, CalcolaRewritingTheValuesIsAStepOnlyWhenItChangedThem) {
    f.TextSpessore_Change(1, "30");
    f.TextConduttività_Change(1, "0.25");
    f.TextPermeabilità_Change(1, "25");
    f.Command1_Click();
    EXPECT_EQ(f.esercizio().strato(1).Conduttività.Testo, "0,25");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla correzione dei valori");
    f.Command1_Click();
    f.Annulla_Click();
    EXPECT_EQ(f.esercizio().strato(1).Conduttività.Testo, "0.25");
    EXPECT_EQ(f.CaptionAnnulla(), "Annulla modifica permeabilità strato 1");
}

// The history by itself: a step joins the open typing, the oldest steps are forgotten.
TEST(Cronologia, KeepsAtMostItsLimitOfStepsAndForgetsASavedStateItLoses) {
    Cronologia c;
    c.Azzera(true);
    Esercizio e;
    for (std::size_t i = 0; i < PassiMassimi + 3; ++i) {
        Esercizio dopo = e;
        dopo.TInterna = std::to_string(i + 1);
        c.Registra("passo", e, dopo);
        e = dopo;
    }
    std::size_t annullati = 0;
    std::optional<Esercizio> ultimo;
    while (const std::optional<Esercizio> p = c.Annulla()) {
        ultimo = p;
        ++annullati;
    }
    EXPECT_EQ(annullati, PassiMassimi);
    ASSERT_TRUE(ultimo);
    EXPECT_EQ(ultimo->TInterna, "3"); // the first three steps were forgotten
    EXPECT_TRUE(c.Modificato());      // the saved state went with them
}

} // namespace
