#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "core/window/menu_strato.h"
#include "sessione_finestra.h"
#include "support/finestra_di_prova.h"
#include "support/pareti.h"

using namespace paretix;
using prova::SoloTipi;

namespace {

// A wall is sound when no air cavity stands at an end or beside another.
bool Sana(std::string_view tipi) {
    return !tipi.starts_with('A') && !tipi.ends_with('A') && tipi.find("AA") == std::string::npos;
}

// Every sound wall of up to seven layers: a layer may become an air cavity, or be deleted,
// exactly when the wall that results is sound (and one layer is never deleted).
TEST(MenuStrato, CavityAndDeleteAreOfferedExactlyWhenTheWallStaysSound) {
    for (std::size_t n = 1; n <= 7; ++n) {
        for (unsigned bits = 0; bits < (1u << n); ++bits) {
            std::string tipi;
            for (std::size_t i = 0; i < n; ++i) {
                tipi += (bits >> i & 1u) != 0 ? 'A' : 'M';
            }
            if (!Sana(tipi)) {
                continue;
            }
            for (std::size_t k = 1; k <= n; ++k) {
                std::string cavità = tipi;
                cavità[k - 1] = 'A';
                const std::string senza = tipi.substr(0, k - 1) + tipi.substr(k);
                const StatoMenuStrato m = MenuPerStrato(SoloTipi(tipi), static_cast<int>(k));
                EXPECT_EQ(m.CameraAria, tipi[k - 1] == 'M' && Sana(cavità)) << tipi << " " << k;
                EXPECT_EQ(m.EliminaStrato, n > 1 && Sana(senza)) << tipi << " " << k;
                EXPECT_EQ(m.EliminaStratoCaption, "Elimina strato n. " + std::to_string(k));
            }
        }
    }
}

TEST(MenuStrato, InsertingStopsAtFifteenLayersAndNothingIsOfferedOutsideTheWall) {
    EXPECT_TRUE(MenuPerStrato(SoloTipi("MMMMMMMMMMMMMM"), 14).InserisciStrato);
    EXPECT_FALSE(MenuPerStrato(SoloTipi("MMMMMMMMMMMMMMM"), 15).InserisciStrato);
    for (int k : {0, 4}) {
        const StatoMenuStrato m = MenuPerStrato(SoloTipi("MMM"), k);
        EXPECT_FALSE(m.InserisciStrato || m.CameraAria || m.EliminaStrato) << k;
    }
}

// Sessions of the layer commands, scripts under tests/data/core-h1/finestra. "distingui" gives
// every material layer values of its own, as if loaded from the materials database, and opens
// that exercise in the window, so that a layer that moves is seen to move with its state.
class OperazioniStrati : public testing::TestWithParam<const char*> {};

TEST_P(OperazioniStrati, TheWindowAnswersAsTheScriptSays) {
    test::SessioneFinestra s;
    s.AltriComandi = [&s](const std::string& comando, const std::string&) {
        ASSERT_EQ(comando, "distingui");
        Esercizio e = s.F().esercizio();
        for (int k = 1; k <= e.NumeroStrati(); ++k) {
            Strato& st = e.strato(k);
            if (!st.CameraAria()) {
                const std::string n = std::to_string(k);
                st.Materiale = "Materiale " + n;
                st.ColoreTipo = ColoreGiallo;
                st.Spessore = {n, "spessore " + n, ColoreFinestra};
                st.Densità = {std::to_string(1000 + k), "", ColoreGiallo, true};
                st.Conduttività = {"0," + n, "", ColoreGiallo, true};
            }
        }
        ASSERT_TRUE(test::MostraNellaFinestra(s.F(), s.dialoghi, e, s.cartella));
    };
    s.Esegui(GetParam());
}

INSTANTIATE_TEST_SUITE_P(, OperazioniStrati,
                         testing::Values("strati-piu-meno", "strati-elimina", "strati-inserisci",
                                         "strati-camera-aria", "strati-da-tastiera"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, '-');
                             return nome;
                         });

// Any sequence of clicks keeps the wall sound: 1 to 15 layers, no air cavity at an end or
// beside another. The commands are pressed whether or not the menu offers them.
TEST(SequenzaStrati, NoSequenceOfCommandsBreaksTheWall) {
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    f.Form_Load({});
    std::mt19937 caso(20240611);
    const std::vector<std::string> testi{"", "12", "0,5", "-3", "abc", " 7 ", "1.000,5", "1E400"};
    auto scegli = [&caso](int n) { return std::uniform_int_distribution<int>(0, n - 1)(caso); };
    auto testo = [&] { return testi[static_cast<std::size_t>(scegli(8))]; };
    // The air cavity twice, as it is the command that can break the wall.
    const std::vector<std::function<void(int)>> comandi{
        [&](int) { f.CommandPiù_Click(); },
        [&](int) { f.CommandMeno_Click(); },
        [&](int k) { f.LabelStrato_MouseDown(k), f.EliminaStrato_Click(); },
        [&](int k) { f.LabelStrato_MouseMove(k), f.InserisciStratoADestra_Click(); },
        [&](int k) { f.LabelStrato_MouseMove(k), f.InserisciStratoASinistra_Click(); },
        [&](int k) { f.LabelStrato_MouseDown(k), f.CameraAria_Click(); },
        [&](int k) { f.LabelStrato_MouseDown(k), f.CameraAria_Click(); },
        [&](int k) { f.LabelStrato_MouseDown(k), f.DaTastiera_Click(); },
        [&](int) { f.MuoveSu(), f.EliminaStrato_Click(); },
        [&](int) { f.Check1_Click(scegli(3), scegli(2) == 1); },
        [&](int k) { f.TextSpessore_Change(k, testo()), f.TextConduttività_Change(k, testo()); },
        [&](int) { f.Command1_Click(); },
        [&](int) { f.CommandSuUi_Click(); },
        [&](int) { f.Option1_Click(scegli(2)); },
    };
    int massimo = 0;
    int massimoCavità = 0;
    for (int passo = 0; passo < 3000; ++passo) {
        const int k = 1 + scegli(f.esercizio().NumeroStrati() + 1); // sometimes beyond the last
        comandi[static_cast<std::size_t>(scegli(static_cast<int>(comandi.size())))](k);
        const std::string tipi = Tipi(f.esercizio());
        ASSERT_GE(tipi.size(), 1u) << passo;
        ASSERT_LE(tipi.size(), std::size_t{NumeroStratiMax}) << passo;
        ASSERT_TRUE(Sana(tipi)) << passo << " " << tipi;
        massimo = std::max(massimo, static_cast<int>(tipi.size()));
        massimoCavità =
            std::max(massimoCavità, static_cast<int>(std::count(tipi.begin(), tipi.end(), 'A')));
    }
    // The sequence did reach full walls with several cavities.
    EXPECT_EQ(massimo, NumeroStratiMax);
    EXPECT_GE(massimoCavità, 3);
}

} // namespace
