#include <gtest/gtest.h>

#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/elenco_materiali.h"
#include "core/materials/maiuscolo.h"
#include "support/abaco_di_prova.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;
using test::Righe;

namespace {

// The names in column 1 of the ten grid rows, joined by "|".
std::string Nomi(const ElencoMateriali& f) {
    std::string s;
    for (int r = 0; r < RigheGriglia; ++r) {
        s += (r ? "|" : "") + f.LabelMat(10 * r + 1).Caption;
    }
    return s;
}

// An edit-mode browser that counts the lists it hands to the file.
struct Modifica {
    int salvataggi = 0;
    ElencoMateriali f;
    explicit Modifica(Abaco a)
        : f(ElencoMateriali::Modifica(std::move(a), [this](const Abaco&) { ++salvataggi; })) {}

    // A click on cell k, then the menu entry number voce.
    DialogoAbaco Scegli(int k, std::size_t voce) {
        EXPECT_EQ(f.LabelMat_Click(k), ElencoMateriali::EsitoClic::MostraMenu);
        return f.MenuNascosto_Click(MenuNascosto[voce]);
    }
    void ConfermaModifica(int k, std::size_t voce, const std::array<std::string, 5>& testi) {
        EXPECT_EQ(Scegli(k, voce), DialogoAbaco::Modifica);
        DialogoModificaAbaco d(f);
        d.Form_Load();
        d.CommandSalvaModifiche_Click(testi);
    }
    void CancellaConSi(int k) {
        EXPECT_EQ(Scegli(k, Cancellare), DialogoAbaco::Materiale);
        DialoghiSoloMessaggi dialoghi;
        DialogoMateriale d(f);
        EXPECT_TRUE(d.Form_Load(dialoghi));
        d.CommandCarica_Click();
    }
    // Positions of the entries in the pop-up menu.
    static constexpr std::size_t Prima = 1, Dopo = 2, Cancellare = 3, Modificare = 4;
};

} // namespace

TEST(ElencoGriglia, TenRowsFitElevenScrollByOneThreeLeaveEmptyRows) {
    ElencoMateriali dieci = ElencoMateriali::Modifica(Righe(10), nullptr);
    EXPECT_FALSE(dieci.VScroll1Visibile());
    EXPECT_EQ(Nomi(dieci), "M0|M1|M2|M3|M4|M5|M6|M7|M8|M9");

    ElencoMateriali undici = ElencoMateriali::Modifica(Righe(11), nullptr);
    EXPECT_TRUE(undici.VScroll1Visibile());
    EXPECT_EQ(undici.VScroll1Max(), 1);
    undici.VScroll1_Change(1);
    EXPECT_EQ(Nomi(undici), "M1|M2|M3|M4|M5|M6|M7|M8|M9|M10");
    undici.VScroll1_Change(5); // never past the last row
    EXPECT_EQ(undici.VScroll1Valore(), 1);

    ElencoMateriali tre = ElencoMateriali::Modifica(Righe(3), nullptr);
    EXPECT_EQ(Nomi(tre), "M0|M1|M2|||||||");
    EXPECT_EQ(tre.LabelMat(23).Caption, "0,72");
    EXPECT_EQ(tre.LabelMat(35).Caption, "");
}

TEST(ElencoGriglia, GroupTitlesRedBoldCapitalsUntilAMaterialTakesTheirPlace) {
    Abaco a = Righe(12);
    a[0] = {"Unità murarie", "", " ", "", "  "};
    a[1] = {"Non dato", "-", "-", "-", "-"}; // "-" is a value: a material
    ElencoMateriali f = ElencoMateriali::Modifica(a, nullptr);
    EXPECT_EQ(f.LabelMat(1), (CellaAbaco{"UNITÀ MURARIE", ColoreRosso, true, ColoreBianco}));
    EXPECT_EQ(f.LabelMat(11), (CellaAbaco{"Non dato", ColoreNero, false, ColoreBianco}));
    f.VScroll1_Change(1);
    EXPECT_EQ(f.LabelMat(1), (CellaAbaco{"Non dato", ColoreNero, false, ColoreBianco}));
}

TEST(ElencoGriglia, UpperCaseOfTheFileCharacterSet) {
    EXPECT_EQ(Maiuscolo("perché ÿ œ š ž ñ"), "PERCHÉ Ÿ Œ Š Ž Ñ");
    EXPECT_EQ(Maiuscolo("ß ÷ µ € 1,5"), "ß ÷ µ € 1,5");
    EXPECT_EQ(Maiuscolo("a\xC3 \xC0\x80z"), "A\xC3 \xC0\x80Z"); // not UTF-8: kept
}

TEST(ElencoSelezione, GridRowFourAtScrollSevenSelectsRowEleven) {
    ElencoMateriali f = ElencoMateriali::Consulta(Righe(20), [](const VoceAbaco&) {});
    f.VScroll1_Change(7);
    EXPECT_EQ(f.LabelMat_Click(43), ElencoMateriali::EsitoClic::ApriDialogoMateriale);
    EXPECT_EQ(f.RigaSelezionata(), 11);
    DialoghiSoloMessaggi dialoghi;
    DialogoMateriale d(f);
    EXPECT_TRUE(d.Form_Load(dialoghi));
    EXPECT_EQ(d.Caption(), "Caricare i valori");
    EXPECT_EQ(d.Label()[0], "M11");
}

TEST(ElencoModifica, InsertBeforeTheFirstRowAndAfterTheLast) {
    Modifica m(Righe(12));
    ASSERT_EQ(m.Scegli(1, Modifica::Prima), DialogoAbaco::Modifica);
    DialogoModificaAbaco d(m.f);
    d.Form_Load();
    EXPECT_EQ(d.Caption(), "Inserisci");
    EXPECT_EQ(d.Altezza(), 2220);
    EXPECT_EQ(d.Text(), (std::array<std::string, 5>{" ", " ", " ", " ", " "}));
    d.CommandSalvaModifiche_Click({"Nuovo", "1", "2", "3", "-"});
    EXPECT_EQ(m.f.Voci()[0], (VoceAbaco{"Nuovo ", "1 ", "2 ", "3 ", "- "}));
    EXPECT_EQ(m.f.Voci()[1].Materiale, "M0");
    EXPECT_EQ(m.f.LabelMat(1).Caption, "Nuovo ");
    EXPECT_EQ(m.salvataggi, 1);

    m.f.VScroll1_Change(3); // the list scrolled to its end: the position stays
    m.ConfermaModifica(91, Modifica::Dopo, {"Ultimo", "1", "2", "3", "0,5"});
    ASSERT_EQ(m.f.Voci().size(), 14u);
    EXPECT_EQ(m.f.Voci()[13].Materiale, "Ultimo ");
    EXPECT_EQ(m.f.VScroll1Max(), 4);
    EXPECT_EQ(m.f.VScroll1Valore(), 3);
}

TEST(ElencoModifica, DeleteRedrawsTheGridFromOneRowHigher) {
    Modifica m(Righe(20));
    m.f.VScroll1_Change(5);
    m.CancellaConSi(21);
    EXPECT_EQ(m.f.Voci().size(), 19u);
    EXPECT_EQ(m.f.VScroll1Valore(), 4);
    EXPECT_EQ(Nomi(m.f), "M4|M5|M6|M8|M9|M10|M11|M12|M13|M14");

    m.f.VScroll1_Change(0);
    m.CancellaConSi(1);
    EXPECT_EQ(m.f.VScroll1Valore(), 0);
    EXPECT_EQ(Nomi(m.f), "M1|M2|M3|M4|M5|M6|M8|M9|M10|M11");
    EXPECT_EQ(m.salvataggi, 2);
}

TEST(ElencoModifica, ModifyStoresTheTextsAsTypedAndKeepsTheScrollPosition) {
    Modifica m(Righe(15));
    m.f.VScroll1_Change(2);
    ASSERT_EQ(m.Scegli(21, Modifica::Modificare), DialogoAbaco::Modifica);
    DialogoModificaAbaco d(m.f);
    d.Form_Load();
    EXPECT_EQ(d.Caption(), "Modifica");
    EXPECT_EQ(d.Text(), (std::array<std::string, 5>{"M4", "1800", "0,72", "18,75", "0,9"}));
    // Emptied of its data, a material becomes a group title.
    d.CommandSalvaModifiche_Click({" Metalli ", " ", "", "", ""});
    EXPECT_EQ(m.f.Voci()[4], (VoceAbaco{" Metalli ", " ", "", "", ""}));
    EXPECT_EQ(m.f.VScroll1Valore(), 2);
    EXPECT_EQ(m.f.LabelMat(21).Caption, " METALLI ");
    EXPECT_EQ(m.salvataggi, 1);
}

TEST(ElencoModifica, EmptyGridRowDeletesAndModifiesNothingInsertAppends) {
    Modifica m(Righe(3));
    m.CancellaConSi(51);
    m.ConfermaModifica(51, Modifica::Modificare, {"X", "1", "1", "1", "1"});
    EXPECT_EQ(m.f.Voci(), Righe(3));
    EXPECT_EQ(m.salvataggi, 0);

    m.ConfermaModifica(51, Modifica::Prima, {"Nuovo", "1", "1", "1", "1"});
    ASSERT_EQ(m.f.Voci().size(), 4u);
    EXPECT_EQ(m.f.Voci()[3].Materiale, "Nuovo ");

    Modifica vuoto({}); // an empty database gets its first row the same way
    vuoto.ConfermaModifica(91, Modifica::Dopo, {"Metalli", " ", " ", " ", " "});
    EXPECT_EQ(vuoto.f.LabelMat(1).Caption, "METALLI ");
}

TEST(ElencoConsulta, RowWithoutDataIsRefusedAndNothingChanges) {
    std::vector<VoceAbaco> caricate;
    Abaco a = Righe(3);
    a[1] = {"Metalli", "", "", "", ""};
    ElencoMateriali f =
        ElencoMateriali::Consulta(a, [&](const VoceAbaco& v) { caricate.push_back(v); });
    for (int k : {51, 12}) { // an empty grid row, a group title
        DialoghiSoloMessaggi dialoghi;
        f.LabelMat_Click(k);
        DialogoMateriale d(f);
        EXPECT_FALSE(d.Form_Load(dialoghi));
        ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
        EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Abaco");
        EXPECT_EQ(dialoghi.Messaggi[0].Testo, "Nessun materiale selezionato");
        EXPECT_EQ(dialoghi.Messaggi[0].Tipo, Icona::Critica);
    }
    EXPECT_FALSE(f.Caricato());
    EXPECT_TRUE(caricate.empty());
}

TEST(TestiModifica, OnlyTextsTheFileCanHoldOnOneLine) {
    EXPECT_TRUE(TestoAmmessoModificaAbaco("Unità € 0,5 -"));
    EXPECT_FALSE(TestoAmmessoModificaAbaco("Lana\ndi roccia"));
    EXPECT_FALSE(TestoAmmessoModificaAbaco("漢"));
}
