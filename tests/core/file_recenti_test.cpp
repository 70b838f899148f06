#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/creazione_file.h"
#include "core/window/file_recenti.h"
#include "core/window/finestra_principale.h"
#include "core/window/ultima_cartella.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"

using namespace paretix;
using namespace paretix::test;

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

class RecentiNellaFinestra : public ::testing::Test {
  protected:
    CartellaTemporanea cartella;
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};

    void SetUp() override {
        f.Form_Load({"/opt/paretix", Si, true});
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
