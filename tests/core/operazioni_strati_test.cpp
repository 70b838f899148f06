#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "core/window/finestra_principale.h"
#include "core/window/menu_strato.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "support/parete_di_prova.h"
#include "support/pareti.h"

using namespace paretix;

namespace {

class Strati : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};

    void SetUp() override { f.Form_Load({}); }

    test::CartellaTemporanea cartella;

    // Gives every layer values of its own, as if loaded from the materials database, and opens
    // that exercise in the window.
    void Distingui() {
        Esercizio e = f.esercizio();
        for (int k = 1; k <= e.NumeroStrati(); ++k) {
            Strato& s = e.strato(k);
            if (s.CameraAria()) {
                continue;
            }
            s.Materiale = "Materiale " + std::to_string(k);
            s.ColoreTipo = ColoreGiallo;
            s.Spessore = {std::to_string(k), "spessore " + std::to_string(k), ColoreFinestra};
            s.Densità = {std::to_string(1000 + k), "", ColoreGiallo, true};
            s.Conduttività = {"0," + std::to_string(k), "", ColoreGiallo, true};
        }
        ASSERT_TRUE(test::MostraNellaFinestra(f, dialoghi, e, cartella));
    }

    std::vector<std::string> Nomi() const {
        std::vector<std::string> nomi;
        for (const Strato& s : f.esercizio().Strati) {
            nomi.push_back(s.Materiale);
        }
        return nomi;
    }

    StatoMenuStrato Menu(int k) {
        f.LabelStrato_MouseDown(k);
        return f.Stato().MenuNascosto;
    }
};

using prova::SoloTipi;
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

// Minus never leaves a cavity last; plus stops at fifteen and always gives an empty layer.
TEST_F(Strati, PlusAndMinusStayWithin1And15) {
    f.CommandMeno_Click();
    EXPECT_EQ(f.esercizio().NumeroStrati(), 1);
    EXPECT_EQ(f.Stato().Modificato, Si);
    for (int i = 0; i < 20; ++i) {
        f.CommandPiù_Click();
    }
    EXPECT_EQ(f.esercizio().NumeroStrati(), 15);
    EXPECT_EQ(f.esercizio().strato(15), Strato{});
    Distingui();
    const Esercizio pieno = f.esercizio();
    f.LabelStrato_MouseDown(3);
    f.InserisciStratoADestra_Click();
    f.InserisciStratoASinistra_Click();
    EXPECT_EQ(f.esercizio(), pieno);

    f.NuovoProgettoVuoto();
    CostruisciParete(f, "MMAMM");
    Distingui();
    f.CommandMeno_Click();
    f.CommandMeno_Click();
    EXPECT_EQ(Tipi(f.esercizio()), "MM");
    f.CommandPiù_Click();
    EXPECT_EQ(f.esercizio().strato(3), Strato{});
    EXPECT_EQ(f.esercizio().strato(2).Materiale, "Materiale 2");
}

TEST_F(Strati, DeletingALayerMovesTheNextOnesWithAllTheirState) {
    CostruisciParete(f, "MMMMM");
    Distingui();
    const Esercizio prima = f.esercizio();
    f.Command1_Click();
    f.LabelStrato_MouseDown(2);
    f.EliminaStrato_Click();
    ASSERT_EQ(f.esercizio().NumeroStrati(), 4);
    EXPECT_EQ(f.esercizio().strato(1), prima.strato(1));
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(f.esercizio().strato(k), prima.strato(k + 1)) << k;
    }
    EXPECT_EQ(f.Stato().Modificato, Si);
    EXPECT_TRUE(f.Stato().Text2.empty());

    // Beside a cavity the cavity that would end the wall goes too; then it is not offered.
    f.NuovoProgettoVuoto();
    CostruisciParete(f, "MAMM");
    for (int volta = 0; volta < 2; ++volta) {
        f.LabelStrato_MouseDown(3);
        f.EliminaStrato_Click();
        EXPECT_EQ(Tipi(f.esercizio()), "MAM") << volta;
    }
}

TEST_F(Strati, InsertingGivesABlankMaterialRightOrLeftOfTheSelectedLayer) {
    for (const bool destra : {true, false}) {
        f.NuovoProgettoVuoto();
        CostruisciParete(f, "MMM");
        Distingui();
        f.LabelStrato_MouseDown(2);
        destra ? f.InserisciStratoADestra_Click() : f.InserisciStratoASinistra_Click();
        const int nuovo = destra ? 3 : 2;
        std::vector<std::string> attesi{"Materiale 1", "Materiale 2", "Materiale 3"};
        attesi.insert(attesi.begin() + nuovo - 1, MaterialeDaTastiera);
        EXPECT_EQ(Nomi(), attesi);
        EXPECT_EQ(f.esercizio().strato(nuovo), Strato{});
        EXPECT_EQ(f.esercizio().strato(nuovo + 1).Densità.Testo, destra ? "1003" : "1002");
    }
    // Beside a cavity the new layer faces it, the old third layer no longer does.
    f.NuovoProgettoVuoto();
    CostruisciParete(f, "MAM");
    f.LabelStrato_MouseDown(2);
    f.InserisciStratoADestra_Click();
    EXPECT_EQ(Tipi(f.esercizio()), "MAMM");
    EXPECT_TRUE(f.esercizio().strato(3).FatAssorbimentoVisibile);
    EXPECT_FALSE(f.esercizio().strato(4).FatAssorbimentoVisibile);
}

TEST_F(Strati, AnAirCavityTakesTheValuesOfAirAndShowsItsNeighboursAbsorption) {
    CostruisciParete(f, "MMM");
    Distingui();
    f.Command1_Click();
    f.LabelStrato_MouseDown(2);
    f.CameraAria_Click();
    const Strato& s = f.esercizio().strato(2);
    EXPECT_EQ(s.TipoStrato, "A");
    EXPECT_EQ(s.Materiale, "Intercapedine d'aria");
    EXPECT_EQ(s.Densità, (Casella{"1,21", "", ColoreFinestra, false}));
    EXPECT_EQ(s.Permeabilità.Testo, "187,52");
    EXPECT_EQ(s.Conduttività.Testo, "");
    EXPECT_FALSE(s.ConduttivitàVisibile);
    EXPECT_EQ(s.Spessore.Testo, "2");
    EXPECT_EQ(s.StileRiempimento, RiempimentoTrasparente);
    EXPECT_TRUE(f.esercizio().strato(1).FatAssorbimentoVisibile);
    EXPECT_TRUE(f.esercizio().strato(3).FatAssorbimentoVisibile);
    EXPECT_TRUE(f.Stato().Text2.empty());
    EXPECT_EQ(f.Stato().Modificato, Si);

    f.LabelStrato_MouseDown(1);
    f.CameraAria_Click(); // not offered on the first layer
    EXPECT_EQ(Tipi(f.esercizio()), "MAM");
}

TEST_F(Strati, TypedByHandKeepsTheValuesAndMakesThemEditable) {
    CostruisciParete(f, "MMM");
    Distingui();
    f.MuoveSu(); // without a selected layer the menu commands do nothing

    const Esercizio prima = f.esercizio();
    f.EliminaStrato_Click();
    f.InserisciStratoADestra_Click();
    f.CameraAria_Click();
    f.DaTastiera_Click();
    EXPECT_EQ(f.esercizio(), prima);

    f.LabelStrato_MouseDown(2);
    f.DaTastiera_Click();
    const Strato& s = f.esercizio().strato(2);
    EXPECT_EQ(s.Materiale, MaterialeDaTastiera);
    EXPECT_EQ(s.ColoreTipo, ColoreFinestra);
    EXPECT_EQ(s.Densità, (Casella{"1002", "", ColoreFinestra, false}));
    EXPECT_EQ(s.Conduttività, (Casella{"0,2", "", ColoreFinestra, false}));
    EXPECT_EQ(s.Spessore.Suggerimento, "spessore 2");

    f.LabelStrato_MouseDown(2);
    f.CameraAria_Click();
    f.DaTastiera_Click();
    EXPECT_EQ(f.esercizio().strato(2).TipoStrato, "M");
    EXPECT_EQ(f.esercizio().strato(2).StileRiempimento, RiempimentoTratteggio);
    EXPECT_TRUE(f.esercizio().strato(2).ConduttivitàVisibile);
    EXPECT_EQ(f.esercizio().strato(2).Densità.Testo, "1,21");
}

// Any sequence of clicks keeps the wall sound: 1 to 15 layers, no air cavity at an end or
// beside another. The commands are pressed whether or not the menu offers them.
TEST_F(Strati, NoSequenceOfCommandsBreaksTheWall) {
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
        const int n = f.esercizio().NumeroStrati();
        const int k = 1 + scegli(n + 1); // sometimes beyond the last layer
        comandi[static_cast<std::size_t>(scegli(static_cast<int>(comandi.size())))](k);
        const Esercizio& e = f.esercizio();
        const int m = e.NumeroStrati();
        ASSERT_GE(m, 1) << passo;
        ASSERT_LE(m, NumeroStratiMax) << passo;
        ASSERT_FALSE(e.strato(1).CameraAria()) << passo << " " << Tipi(e);
        ASSERT_FALSE(e.strato(m).CameraAria()) << passo << " " << Tipi(e);
        ASSERT_EQ(Tipi(e).find("AA"), std::string::npos) << passo;
        massimo = std::max(massimo, m);
        const std::string tipi = Tipi(e);
        massimoCavità =
            std::max(massimoCavità, static_cast<int>(std::count(tipi.begin(), tipi.end(), 'A')));
    }
    // The sequence did reach full walls with several cavities.
    EXPECT_EQ(massimo, NumeroStratiMax);
    EXPECT_GE(massimoCavità, 3);
}

} // namespace
