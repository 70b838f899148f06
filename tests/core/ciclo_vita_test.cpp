#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/window/ciclo_vita.h"
#include "core/window/file_recenti.h"
#include "core/window/finestra_principale.h"
#include "core/window/ultima_cartella.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"

using namespace paretix;
using namespace paretix::test;

namespace {

using Voce = DialoghiRegistrati::Voce;
using Intestazione = std::pair<std::string, std::string>;

const std::string DomandaSenzaNome = "L'esercizio nel File senza nome è stato modificato.\r\n\r\n"
                                     "Salvare le modifiche apportate?";
const std::string MessaggioDiscoProtetto =
    "Il disco è protetto dalla scrittura.\r\n"
    "Impossibile salvare il file su un disco protetto dalla scrittura.";

class CicloVita : public ::testing::Test {
  protected:
    CartellaTemporanea cartella;
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};

    void SetUp() override { f.Form_Load({"/opt/paretix", Si, true}); }

    void Modifica(const std::string& spessore = "30") { f.TextSpessore_Change(1, spessore); }

    // Saves the edited exercise under nome through Save As; returns the path written.
    std::string SalvatoCome(const std::string& nome) {
        dialoghi.FileScelti.push_back(cartella / nome);
        EXPECT_TRUE(f.SalvareConNome1());
        dialoghi.Mostrati.clear();
        return f.Stato().PercorsoEsercizio;
    }

    void Apri(const std::string& percorso) { ApriNellaFinestra(f, dialoghi, percorso); }

    const Voce& Ultimo() const { return dialoghi.Mostrati.back(); }

    // The caption and whether the exercise counts as modified.
    Intestazione Titolo() const { return {f.Stato().Caption, f.Stato().Modificato}; }
};

// The thickness of layer 1 in the exercise file at percorso.
std::string SpessoreNelFile(const std::string& percorso) {
    Esercizio e;
    if (const auto errore = AperturaFile(percorso, e)) {
        return *errore;
    }
    return e.strato(1).Spessore.Testo;
}

TEST_F(CicloVita, NewAsksOnlyForAModifiedExerciseAndEachAnswerDoesWhatItSays) {
    f.NuovoProgetto_Click();
    EXPECT_TRUE(dialoghi.Mostrati.empty());
    EXPECT_EQ(f.Stato().Modificato, No);

    Modifica();
    dialoghi.Risposte = {Risposta::Annulla};
    f.NuovoProgetto_Click();
    EXPECT_EQ(dialoghi.Mostrati,
              (std::vector<Voce>{{"Paretix LT", DomandaSenzaNome, Icona::Esclamazione}}));
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "30");
    EXPECT_EQ(f.Stato().Modificato, Si);

    dialoghi.Risposte = {Risposta::No};
    f.NuovoProgetto_Click();
    EXPECT_EQ(f.esercizio(), Esercizio{});
    EXPECT_EQ(f.Stato().Modificato, No);
    EXPECT_TRUE(std::filesystem::is_empty(cartella.Percorso()));
}

TEST_F(CicloVita, NewAfterYesSavesToTheFileThenStartsAnEmptyExercise) {
    Modifica();
    const std::string percorso = SalvatoCome("muro");
    Modifica("45");
    dialoghi.Risposte = {Risposta::Si};
    f.NuovoProgetto_Click();

    EXPECT_EQ(Ultimo().Testo, "L'esercizio " + percorso +
                                  " è stato modificato.\r\n\r\nSalvare le modifiche apportate?");
    EXPECT_EQ(f.esercizio(), Esercizio{});
    EXPECT_EQ(f.Stato().Caption, "Senza nome - Paretix LT");
    EXPECT_TRUE(f.Stato().PercorsoEsercizio.empty());
    EXPECT_EQ(SpessoreNelFile(percorso), "45");
}

// Yes means "keep my edit": when no save took place, New, Open and Exit leave the exercise open.
TEST_F(CicloVita, YesWithoutASaveKeepsTheModifiedExerciseOpen) {
    Modifica();
    dialoghi.Risposte = {Risposta::Si, Risposta::Si, Risposta::Si, Risposta::Si};
    f.NuovoProgetto_Click();
    f.ApriProgetto_Click();
    EXPECT_FALSE(f.EsciDefinitivamente());
    EXPECT_TRUE(f.Form_Unload());

    // Each command asked, then opened only the Save As dialog, which was cancelled.
    ASSERT_EQ(dialoghi.Mostrati.size(), 8u);
    for (std::size_t i = 0; i < 8; i += 2) {
        EXPECT_EQ(dialoghi.Mostrati[i].Testo, DomandaSenzaNome);
        EXPECT_EQ(dialoghi.Mostrati[i + 1].Titolo, "Salva con nome");
        EXPECT_EQ(dialoghi.Mostrati[i + 1].Testo, "File esercizio (*.css)|*.css|");
    }
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "30");
    EXPECT_EQ(f.Stato().Modificato, Si);
}

TEST_F(CicloVita, ExitAndClosingTheWindow) {
    EXPECT_TRUE(f.Esci_Click());
    EXPECT_FALSE(f.Form_Unload());
    EXPECT_TRUE(dialoghi.Mostrati.empty());

    Modifica();
    dialoghi.Risposte = {Risposta::Annulla, Risposta::Annulla};
    EXPECT_FALSE(f.Esci_Click());
    EXPECT_TRUE(f.Form_Unload());
    EXPECT_EQ(f.Stato().AnnullaChiusura, 1);
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "30");

    dialoghi.Risposte = {Risposta::No};
    EXPECT_FALSE(f.Form_Unload());
    EXPECT_EQ(f.Stato().AnnullaChiusura, 0);
    EXPECT_TRUE(std::filesystem::is_empty(cartella.Percorso()));

    dialoghi.Risposte = {Risposta::Si};
    dialoghi.FileScelti = {cartella / "uscita"};
    EXPECT_FALSE(f.Form_Unload());
    EXPECT_EQ(SpessoreNelFile(cartella / "uscita.css"), "30");
}

TEST_F(CicloVita, SaveAsAddsTheExtensionUnlessItIsThereInAnyCase) {
    EXPECT_FALSE(f.SalvareConNome1());
    EXPECT_TRUE(std::filesystem::is_empty(cartella.Percorso()));
    EXPECT_EQ(f.Stato().Caption, "Senza nome - Paretix LT");

    Modifica();
    dialoghi.FileScelti = {cartella / "muro"};
    f.SalvaConNome_Click();
    EXPECT_TRUE(std::filesystem::exists(cartella / "muro.css"));
    EXPECT_EQ(Titolo(), (Intestazione{cartella / "muro.css" + " - Paretix LT", No}));
    EXPECT_EQ(dialoghi.Mostrati.size(), 2u); // the cancelled dialog, then this one

    dialoghi.FileScelti = {cartella / "MURO.CSS", cartella / "muro.txt"};
    f.SalvaConNome_Click();
    f.SalvaConNome_Click();
    EXPECT_TRUE(std::filesystem::exists(cartella / "MURO.CSS"));
    EXPECT_TRUE(std::filesystem::exists(cartella / "muro.txt.css"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "muro.txt"));
    // Each dialog opens on the exercise's own file, the last folder only while it has none.
    EXPECT_EQ(dialoghi.Proposti,
              (std::vector<std::string>{"", "", cartella / "muro.css", cartella / "MURO.CSS"}));
}

TEST_F(CicloVita, SaveAsOverAnExistingFileAsksFirst) {
    const std::string percorso = cartella / "muro.css";
    ScriviTutto(percorso, "vecchio");
    Modifica();
    dialoghi.FileScelti = {cartella / "muro", cartella / "muro"};
    dialoghi.Risposte = {Risposta::No, Risposta::Si};

    EXPECT_FALSE(f.SalvareConNome1());
    ASSERT_EQ(dialoghi.Mostrati.size(), 2u);
    EXPECT_EQ(Ultimo(), (Voce{"Salva con nome",
                              percorso + "\r\nFile già esistente.\r\n\r\nSostituire il file?",
                              Icona::Esclamazione}));
    EXPECT_EQ(LeggiTutto(percorso), "vecchio");
    EXPECT_EQ(Titolo(), (Intestazione{"Senza nome - Paretix LT", Si}));

    EXPECT_TRUE(f.SalvareConNome1());
    EXPECT_EQ(SpessoreNelFile(percorso), "30");
}

// A folder that cannot be written: both Save and Save As say so, the old file survives and the
// exercise stays as it was, still offered for saving on exit.
TEST_F(CicloVita, AFailedWriteIsReportedAndChangesNothing) {
    Modifica();
    const std::string percorso = SalvatoCome("muro");
    const std::string contenuto = LeggiTutto(percorso);
    const std::string caption = f.Stato().Caption;
    Modifica("45");
    SolaLettura(cartella.Percorso());
    {
        ComeUtenteQualsiasi nobody;
        dialoghi.FileScelti = {cartella / "altro"};
        EXPECT_FALSE(f.Salva1());
        EXPECT_FALSE(f.SalvareConNome1());
        EXPECT_FALSE(std::filesystem::exists(cartella / "altro.css"));
        dialoghi.Risposte = {Risposta::Si};
        EXPECT_FALSE(f.EsciDefinitivamente());
    }
    EXPECT_EQ(std::count(dialoghi.Mostrati.begin(), dialoghi.Mostrati.end(),
                         Voce{"Salva con nome", MessaggioDiscoProtetto, Icona::Esclamazione}),
              3);
    EXPECT_EQ(LeggiTutto(percorso), contenuto);
    EXPECT_EQ(Titolo(), (Intestazione{caption, Si}));
}

// A save that fails for a known reason says that reason, under the same title.
TEST_F(CicloVita, AFailedWriteNamesItsReason) {
    Modifica();
    ScriviTutto(cartella / "file", "");
    dialoghi.FileScelti = {cartella / "file/muro"};
    EXPECT_FALSE(f.SalvareConNome1());
    ASSERT_FALSE(dialoghi.Mostrati.empty());
    EXPECT_EQ(Ultimo(), (Voce{"Salva con nome", CartellaMancante, Icona::Esclamazione}));

    const std::string percorso = SalvatoCome("muro");
    std::filesystem::permissions(cartella.Percorso(), std::filesystem::perms::all);
    SolaLettura(percorso);
    Modifica("45");
    {
        ComeUtenteQualsiasi nobody;
        EXPECT_FALSE(f.Salva1());
    }
    EXPECT_EQ(Ultimo().Testo, PermessoNegato);
    EXPECT_EQ(f.Stato().Modificato, Si);
}

TEST_F(CicloVita, OpenShowsTheFileAsAFreshExercise) {
    f.Check1_Click(2, true);
    f.TextDistSonoro_Change("70");
    f.CommandPiù_Click();
    f.TextAppunti_Change("riga 1\r\nriga 2");
    const std::string percorso = SalvatoCome("muro");
    const Esercizio salvato = f.esercizio();

    f.NuovoProgettoVuoto();
    Modifica();
    dialoghi.Risposte = {Risposta::No};
    dialoghi.FileScelti = {percorso};
    f.ApriProgetto_Click();

    ASSERT_EQ(dialoghi.Mostrati.size(), 2u);
    EXPECT_EQ(Ultimo().Titolo, "Apri l'esercizio");
    EXPECT_EQ(Ultimo().Testo, "File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|");
    EXPECT_EQ(f.esercizio(), salvato);
    EXPECT_EQ(Titolo(), (Intestazione{percorso + " - Paretix", No}));
    EXPECT_TRUE(f.Stato().Command1Abilitato);
    EXPECT_TRUE(f.Stato().Schema.FrameNero[CorniceSuono].Visibile);
}

TEST_F(CicloVita, OpenRefreshesWhatFollowsFromTheFile) {
    f.Check1_Click(0, false);
    ASSERT_FALSE(f.Stato().Command1Abilitato);
    const std::string senzaCalcoli = SalvatoCome("nessuno");

    // Results and the chart view of the exercise that was open.
    f.NuovoProgettoVuoto();
    f.TextSpessore_Change(1, "10");
    f.TextConduttività_Change(1, "0,5");
    f.TextPermeabilità_Change(1, "20");
    f.TextTInterna_Change("20");
    f.TextUInterna_Change("50");
    f.TextUEsterna_Change("80");
    f.Command1_Click();
    f.Option2_Click(1);
    ASSERT_EQ(f.Stato().Option2, Vista::GraficiTermoIgrometrici);
    ASSERT_TRUE(f.Stato().StampaAbilitata);
    Apri(senzaCalcoli);

    EXPECT_FALSE(f.Stato().Command1Abilitato);
    EXPECT_EQ(f.Stato().Check1Abilitato, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(f.Stato().Option2, Vista::Schema);
    EXPECT_FALSE(f.Stato().StampaAbilitata);
    EXPECT_FALSE(f.Stato().GraficiDisegnati);
    EXPECT_TRUE(f.Stato().Text2.empty());
}

TEST_F(CicloVita, OpenCancelledKeepsTheEditedExercise) {
    Modifica();
    f.ApriProgetto0();
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "30");
    EXPECT_EQ(Titolo(), (Intestazione{"Senza nome - Paretix LT", Si}));
}

TEST_F(CicloVita, ARefusedFileLeavesANewExerciseAndSaysWhy) {
    Modifica();
    SalvatoCome("muro");
    Modifica("45");
    const std::string percorso = cartella / "rotto.css";
    ScriviTutto(percorso, "Versione file\r\n2\r\n");
    Apri(percorso);

    EXPECT_EQ(f.esercizio(), Esercizio{});
    EXPECT_EQ(Titolo(), (Intestazione{"Senza nome - Paretix LT", No}));
    ASSERT_EQ(dialoghi.Mostrati.size(), 2u);
    EXPECT_EQ(Ultimo(),
              (Voce{"Paretix LT", MessaggioErroreDiApertura(percorso), Icona::Esclamazione}));
    // The exercise has no file any more: Save asks for a name.
    f.Salva1();
    EXPECT_EQ(Ultimo().Titolo, "Salva con nome");
}

TEST_F(CicloVita, ATruncatedFileKeepsTheWindowsValuesItDoesNotReach) {
    f.CommandPiù_Click();
    f.TextTInterna_Change("20");
    f.TextSpessore_Change(2, "12");
    const std::string percorso = SalvatoCome("intero");
    const std::string contenuto = LeggiTutto(percorso);
    // Cut inside layer 2's block, before its thickness.
    const std::string troncato = cartella / "troncato.css";
    std::size_t fine = 0;
    for (int riga = 0; riga < 28 + 34 + 6; ++riga) {
        fine = contenuto.find("\r\n", fine) + 2;
    }
    ScriviTutto(troncato, contenuto.substr(0, fine));

    f.TextTInterna_Change("5");
    f.TextSpessore_Change(2, "99");
    dialoghi.Risposte = {Risposta::No};
    dialoghi.FileScelti = {troncato};
    f.ApriProgetto_Click();

    EXPECT_EQ(dialoghi.Mostrati.size(), 2u); // the prompt and the dialog, no message
    EXPECT_EQ(f.esercizio().TInterna, "20");
    EXPECT_EQ(f.esercizio().strato(2).Spessore.Testo, "99");
    EXPECT_EQ(Titolo(), (Intestazione{troncato + " - Paretix", No}));
}

// A file opened without the exercise extension is saved beside it as ".css", and the prompt
// names that file; the opened file is never touched.
TEST_F(CicloVita, AFileOpenedUnderAnotherExtensionIsSavedAsCss) {
    Modifica();
    const std::string css = SalvatoCome("originale");
    for (const std::string nome : {"muro.txt", "muro"}) {
        const std::string aperto = cartella / nome;
        std::filesystem::copy_file(css, aperto);
        Apri(aperto);
        Modifica(nome);
        dialoghi.Risposte = {Risposta::Si};
        f.NuovoProgetto_Click();

        EXPECT_EQ(Ultimo().Testo,
                  "L'esercizio " + cartella / "muro.css" +
                      " è stato modificato.\r\n\r\nSalvare le modifiche apportate?");
        EXPECT_EQ(LeggiTutto(aperto), LeggiTutto(css));
        EXPECT_EQ(SpessoreNelFile(cartella / "muro.css"), nome);
        std::filesystem::remove(cartella / "muro.css");
    }
}

TEST_F(CicloVita, SaveReplacesTheFileWithoutAskingAndNamesItInTheCaption) {
    Modifica();
    const std::string percorso = SalvatoCome("muro");
    Apri(percorso);
    EXPECT_EQ(f.Stato().Caption, percorso + " - Paretix");
    Modifica("45");
    f.Salva_Click();
    EXPECT_EQ(dialoghi.Mostrati.size(), 1u); // only the open dialog
    EXPECT_EQ(Titolo(), (Intestazione{percorso + " - Paretix LT", No}));
    EXPECT_EQ(SpessoreNelFile(percorso), "45");
}

} // namespace

namespace {

using Elenco = std::vector<std::string>;

TEST(FileRecenti, MostRecentFirstWithoutRepeatsAndAtMostEight) {
    const CartellaTemporanea cartella;
    const std::string memoria = cartella / "config/paretix/file_recenti.txt";
    ElencoFileRecenti r;
    r.Carica(memoria);
    EXPECT_TRUE(r.Elenco().empty());
    r.Aggiungi("/e/a.css");
    r.Aggiungi("/e/b.css");
    r.Aggiungi("/e/./a.css"); // the same file, spelt otherwise: it moves to the top
    EXPECT_EQ(r.Elenco(), (Elenco{"/e/a.css", "/e/b.css"}));
    for (char c = 'c'; c <= 'j'; ++c) {
        r.Aggiungi(std::string("/e/") + c + ".css");
    }
    const Elenco attesi{"/e/j.css", "/e/i.css", "/e/h.css", "/e/g.css",
                        "/e/f.css", "/e/e.css", "/e/d.css", "/e/c.css"};
    EXPECT_EQ(r.Elenco(), attesi); // a and b, the oldest, fell off
    r.Aggiungi("/e/riga\nspezzata.css");
    EXPECT_EQ(r.Elenco(), attesi);

    // The next session reads the same list back; a removal is kept too.
    ElencoFileRecenti dopo;
    dopo.Carica(memoria);
    EXPECT_EQ(dopo.Elenco(), attesi);
    dopo.Togli("/e/h.css");
    ElencoFileRecenti ancora;
    ancora.Carica(memoria);
    EXPECT_EQ(ancora.Elenco(), (Elenco{"/e/j.css", "/e/i.css", "/e/g.css", "/e/f.css", "/e/e.css",
                                       "/e/d.css", "/e/c.css"}));
}

class RecentiNellaFinestra : public CicloVita {
  protected:
    void SetUp() override {
        CicloVita::SetUp();
        f.ImpostaFileRecenti(cartella / "file_recenti.txt");
    }
    std::string Scrivi(const std::string& nome, const std::string& spessore) {
        Esercizio e;
        e.strato(1).Spessore.Testo = spessore;
        const std::string percorso = cartella / nome;
        EXPECT_TRUE(CreazioneFile(e, percorso));
        return percorso;
    }
};

TEST_F(RecentiNellaFinestra, OpenAndSaveFillTheListAndItsEntriesOpenTheirFile) {
    const std::string a = Scrivi("a.css", "10");
    const std::string b = Scrivi("b.css", "20");
    ApriNellaFinestra(f, dialoghi, a);
    ApriNellaFinestra(f, dialoghi, b);
    f.TextSpessore_Change(1, "25");
    const std::string c = cartella / "c.css";
    dialoghi.FileScelti.push_back(c);
    ASSERT_TRUE(f.SalvareConNome1());
    EXPECT_EQ(f.FileRecenti(), (Elenco{c, b, a}));

    f.ApriRecente_Click(2);
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "10");
    EXPECT_EQ(f.Stato().Caption, a + " - Paretix");
    EXPECT_EQ(f.FileRecenti(), (Elenco{a, c, b}));

    // A modified exercise is offered for saving first; Cancel opens nothing.
    f.TextSpessore_Change(1, "11");
    f.ApriRecente_Click(1);
    EXPECT_EQ(dialoghi.Mostrati.back().Titolo, "Paretix LT");
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "11");
    f.ApriRecente_Click(8); // beyond the list: nothing
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "11");
}

TEST_F(RecentiNellaFinestra, AMissingFileIsSaidAndLeavesTheList) {
    const std::string a = Scrivi("a.css", "10");
    const std::string b = Scrivi("b.css", "20");
    ApriNellaFinestra(f, dialoghi, a);
    ApriNellaFinestra(f, dialoghi, b);
    std::filesystem::remove(a);
    f.TextSpessore_Change(1, "21");
    dialoghi.Mostrati.clear();
    f.ApriRecente_Click(1);
    // No save is offered for a file that cannot be opened: the exercise stays as it is.
    ASSERT_EQ(dialoghi.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.Mostrati[0],
              (DialoghiRegistrati::Voce{"Paretix LT",
                                        "Il file " + a +
                                            " non esiste più: è stato tolto dall'elenco dei "
                                            "file recenti.",
                                        Icona::Esclamazione}));
    EXPECT_EQ(f.FileRecenti(), (Elenco{b}));
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "21");
    ElencoFileRecenti letto;
    letto.Carica(cartella / "file_recenti.txt");
    EXPECT_EQ(letto.Elenco(), (Elenco{b}));
}

TEST(UltimaCartella, TheFolderOfTheLastChosenFileWhileItExists) {
    const CartellaTemporanea cartella;
    const std::string memoria = cartella / "config/ultima_cartella.txt";
    std::filesystem::create_directory(cartella / "esercizi");
    UltimaCartella u;
    u.Carica(memoria);
    EXPECT_EQ(u.Cartella(), "");
    u.Ricorda(cartella / "esercizi/muro.css");
    EXPECT_EQ(u.Cartella(), cartella / "esercizi");
    UltimaCartella dopo;
    dopo.Carica(memoria);
    EXPECT_EQ(dopo.Cartella(), cartella / "esercizi");
    std::filesystem::remove(cartella / "esercizi");
    EXPECT_EQ(dopo.Cartella(), ""); // gone: the dialogs open in the default folder
}

} // namespace
