// The life of an exercise in the main window: new, open, save, exit, the recent files. Each
// session is a script under tests/data/core-h1/finestra with what the window answered.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/window/file_recenti.h"
#include "core/window/ultima_cartella.h"
#include "sessione_finestra.h"

using namespace paretix;
using namespace paretix::test;

namespace {

using Elenco = std::vector<std::string>;

class CicloVita : public testing::TestWithParam<const char*> {};

TEST_P(CicloVita, TheWindowAnswersAsTheScriptSays) {
    SessioneFinestra s;
    s.Esegui(GetParam());
}

INSTANTIATE_TEST_SUITE_P(, CicloVita,
                         testing::Values("nuovo", "si-senza-salvare", "esci", "salva-con-nome",
                                         "scrittura-fallita", "apri", "file-troncato",
                                         "altra-estensione", "recenti"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, '-');
                             return nome;
                         });

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
    Elenco attesi{"/e/j.css", "/e/i.css", "/e/h.css", "/e/g.css",
                  "/e/f.css", "/e/e.css", "/e/d.css", "/e/c.css"};
    r.Aggiungi("/e/riga\nspezzata.css");
    EXPECT_EQ(r.Elenco(), attesi); // a and b, the oldest, fell off
    // The next session reads the same list back; a removal is kept too.
    ElencoFileRecenti dopo;
    dopo.Carica(memoria);
    EXPECT_EQ(dopo.Elenco(), attesi);
    dopo.Togli("/e/h.css");
    std::erase(attesi, "/e/h.css");
    ElencoFileRecenti ancora;
    ancora.Carica(memoria);
    EXPECT_EQ(ancora.Elenco(), attesi);
}

TEST(UltimaCartella, TheFolderOfTheLastChosenFileWhileItExists) {
    const CartellaTemporanea cartella;
    const std::string memoria = cartella / "config/ultima_cartella.txt";
    std::filesystem::create_directory(cartella / "esercizi");
    UltimaCartella u;
    u.Carica(memoria);
    EXPECT_EQ(u.Cartella(), "");
    u.Ricorda(cartella / "esercizi/muro.css");
    UltimaCartella dopo;
    dopo.Carica(memoria);
    EXPECT_EQ(dopo.Cartella(), cartella / "esercizi");
    std::filesystem::remove(cartella / "esercizi");
    EXPECT_EQ(dopo.Cartella(), ""); // gone: the dialogs open in the default folder
}

} // namespace
