// The specific heat in the materials browser and its dialogs: a sixth column while the
// compliance checks are on, kept unseen through every edit otherwise.

#include <gtest/gtest.h>

#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/elenco_materiali.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;

namespace {

constexpr std::size_t Dopo = 2, Modificare = 4; // entries of the pop-up menu

struct Browser {
    Abaco salvato;
    ElencoMateriali f;
    explicit Browser(bool conCalore)
        : f(ElencoMateriali::Modifica({{"Acciaio", "7800", "50", "0,0001875", "-", "450"},
                                       {"Legno", "500", "0,13", "3,75", "0,90", ""}},
                                      [this](const Abaco& a) { salvato = a; })) {
        f.MostraCaloreSpecifico(conCalore);
    }
    DialogoModificaAbaco Dialogo(int k, std::size_t voce) {
        EXPECT_EQ(f.LabelMat_Click(k), ElencoMateriali::EsitoClic::MostraMenu);
        EXPECT_EQ(f.MenuNascosto_Click(MenuNascosto[voce]), DialogoAbaco::Modifica);
        DialogoModificaAbaco d(f);
        d.Form_Load();
        return d;
    }
};

TEST(AbacoCaloreElenco, TheSixthColumnIsShownOnlyWithTheChecks) {
    Browser senza(false);
    EXPECT_EQ(senza.f.Colonne(), 5);
    EXPECT_EQ(senza.f.LabelMat(6).Caption, "");
    EXPECT_FALSE(IndiceCellaValido(6, senza.f.Colonne()));

    Browser con(true);
    EXPECT_EQ(con.f.Colonne(), 6);
    EXPECT_EQ(con.f.LabelMat(6).Caption, "450");
    EXPECT_EQ(con.f.LabelMat(16).Caption, "");
    EXPECT_TRUE(IndiceCellaValido(16, 6));
    // The window widens by one column of 1695 twips (the columns stand 1680 apart), and the
    // scroll bar and "Chiudi" follow it.
    EXPECT_EQ(DimensioneElencoMateriali(6).Larghezza - DimensioneElencoMateriali(5).Larghezza,
              1680);
    EXPECT_EQ(PosizioneVScroll1(6).Sinistra - PosizioneVScroll1(5).Sinistra, 1680);
    EXPECT_EQ(PosizioneLabelMat(16).Sinistra, 12000);
    EXPECT_EQ(PosizioneLabelMat(16).Larghezza, 1695);

    DialoghiSoloMessaggi dialoghi;
    con.f.LabelMat_Click(1);
    con.f.MenuNascosto_Click(MenuNascosto[3]); // "Cancellare materiale" shows the row
    DialogoMateriale d(con.f);
    EXPECT_TRUE(d.Form_Load(dialoghi));
    EXPECT_TRUE(d.MostraCaloreSpecifico());
    EXPECT_EQ(d.CaloreSpecifico(), "450");
}

TEST(AbacoCaloreElenco, AnEditWithoutTheColumnKeepsTheValue) {
    Browser b(false);
    DialogoModificaAbaco d = b.Dialogo(1, Modificare);
    EXPECT_FALSE(d.MostraCaloreSpecifico());
    d.CommandSalvaModifiche_Click({"Acciaio inox", "7900", "17", "0,0001875", "-"});
    ASSERT_EQ(b.salvato.size(), 2u);
    EXPECT_EQ(b.salvato[0].Materiale, "Acciaio inox");
    EXPECT_EQ(b.salvato[0].CaloreSpecifico, "450");
}

TEST(AbacoCaloreElenco, WithTheColumnTheDialogEditsAndInsertsIt) {
    Browser b(true);
    DialogoModificaAbaco d = b.Dialogo(1, Modificare);
    ASSERT_TRUE(d.MostraCaloreSpecifico());
    EXPECT_EQ(d.CaloreSpecifico(), "450");
    d.CommandSalvaModifiche_Click({"Acciaio", "7800", "50", "0,0001875", "-"}, "460");
    EXPECT_EQ(b.salvato[0].CaloreSpecifico, "460");
    EXPECT_EQ(b.f.LabelMat(6).Caption, "460");

    DialogoModificaAbaco nuovo = b.Dialogo(11, Dopo);
    EXPECT_EQ(nuovo.CaloreSpecifico(), "");
    nuovo.CommandSalvaModifiche_Click({"Rame", "8900", "380", "0,0001875", "0,05"}, "380");
    ASSERT_EQ(b.salvato.size(), 3u);
    EXPECT_EQ(b.salvato[2].CaloreSpecifico, "380");

    // "=" separates a name from its value in the file: the box refuses it.
    EXPECT_TRUE(CaloreAmmessoModificaAbaco("1000"));
    EXPECT_FALSE(CaloreAmmessoModificaAbaco("10=00"));
    EXPECT_FALSE(CaloreAmmessoModificaAbaco("10\r\n"));
}

} // namespace
