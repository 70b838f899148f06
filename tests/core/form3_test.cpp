#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/materials/form3.h"
#include "core/materials/form4.h"
#include "core/materials/form5.h"
#include "dialoghi_registrati.h"

using namespace paretix;

namespace paretix {
void PrintTo(const VoceAbaco& v, std::ostream* os) {
    *os << '{' << v.Materiale << '|' << v.Densità << '|' << v.Conduttività << '|' << v.Permeabilità
        << '|' << v.FatAssorbimento << '}';
}
} // namespace paretix

namespace {

VoceAbaco Materiale(const std::string& nome) {
    return {nome, "1800", "0,72", "18,75", "0,9"};
}

// Rows "M0", "M1", ...: materials with data.
Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back(Materiale("M" + std::to_string(i)));
    }
    return a;
}

// The names in column 1 of the ten grid rows, joined by "|".
std::string Nomi(const Form3& f) {
    std::string s;
    for (int r = 0; r < RigheGriglia; ++r) {
        s += (r ? "|" : "") + f.LabelMat(10 * r + 1).Caption;
    }
    return s;
}

const VoceMenuAbaco& Menu(const std::string& nome) {
    for (const VoceMenuAbaco& v : MenuNascosto) {
        if (v.Nome == nome) {
            return v;
        }
    }
    throw std::logic_error(nome);
}

// An edit-mode browser that records every list it hands to the file.
struct Modifica {
    std::vector<Abaco> salvati;
    Form3 f;
    explicit Modifica(Abaco a)
        : f(Form3::Modifica(std::move(a), [this](const Abaco& l) { salvati.push_back(l); })) {}

    // A click on cell k, then the menu entry: the dialog it opens.
    DialogoAbaco Scegli(int k, const std::string& voce) {
        EXPECT_EQ(f.LabelMat_Click(k), Form3::EsitoClic::MostraMenu);
        return f.MenuNascosto_Click(Menu(voce));
    }
    void Inserisci(int k, const std::string& voce, const std::array<std::string, 5>& testi) {
        EXPECT_EQ(Scegli(k, voce), DialogoAbaco::ModificaForm5);
        Form5 d(f);
        d.Form_Load();
        d.CommandSalvaModifiche_Click(testi);
    }
};

} // namespace

TEST(Form3Griglia, TenRowsFitWithoutScrollBarElevenScrollByOne) {
    Form3 dieci = Form3::Modifica(Righe(10), nullptr);
    EXPECT_FALSE(dieci.VScroll1Visibile());
    EXPECT_EQ(Nomi(dieci), "M0|M1|M2|M3|M4|M5|M6|M7|M8|M9");

    Form3 undici = Form3::Modifica(Righe(11), nullptr);
    EXPECT_TRUE(undici.VScroll1Visibile());
    EXPECT_EQ(undici.VScroll1Max(), 1);
    EXPECT_EQ(Nomi(undici), "M0|M1|M2|M3|M4|M5|M6|M7|M8|M9");
    undici.VScroll1_Change(1);
    EXPECT_EQ(Nomi(undici), "M1|M2|M3|M4|M5|M6|M7|M8|M9|M10");
    EXPECT_EQ(undici.LabelMat(95).Caption, "0,9");
    // A value past the end cannot show rows that do not exist.
    undici.VScroll1_Change(5);
    EXPECT_EQ(undici.VScroll1Valore(), 1);
}

TEST(Form3Griglia, ShortAndEmptyListsLeaveTheOtherGridRowsEmpty) {
    Form3 tre = Form3::Modifica(Righe(3), nullptr);
    EXPECT_EQ(tre.UltimoIndice(), 2);
    EXPECT_EQ(tre.RigheVisibili(), 2);
    EXPECT_EQ(Nomi(tre), "M0|M1|M2|||||||");
    EXPECT_EQ(tre.LabelMat(23).Caption, "0,72");
    for (int k = 31; k <= 95; ++k) {
        if (IndiceCellaValido(k)) {
            EXPECT_EQ(tre.LabelMat(k).Caption, "") << k;
        }
    }
    Form3 vuoto = Form3::Modifica({}, nullptr);
    EXPECT_EQ(vuoto.UltimoIndice(), -1);
    EXPECT_EQ(Nomi(vuoto), "|||||||||");
}

TEST(Form3Griglia, GroupTitlesInRedBoldCapitalsMaterialsInBlack) {
    Abaco a = Righe(12);
    a[0] = {"Unità murarie", "", " ", "", "  "};
    a[1] = {"Non dato", "-", "-", "-", "-"}; // "-" is a value: a material
    Form3 f = Form3::Modifica(a, nullptr);
    EXPECT_EQ(f.LabelMat(1), (CellaAbaco{"UNITÀ MURARIE", ColoreRosso, true, ColoreBianco}));
    EXPECT_EQ(f.LabelMat(3).Caption, " ");
    EXPECT_EQ(f.LabelMat(11), (CellaAbaco{"Non dato", ColoreNero, false, ColoreBianco}));
    EXPECT_EQ(f.LabelMat(12).Caption, "-");
    // Scrolling puts a material where the title was: it must lose the red bold style.
    f.VScroll1_Change(1);
    EXPECT_EQ(f.LabelMat(1), (CellaAbaco{"Non dato", ColoreNero, false, ColoreBianco}));
}

TEST(Form3Griglia, HoverHighlightsTheWholeGridRowUntilTuttoBianco) {
    Form3 f = Form3::Modifica(Righe(3), nullptr);
    f.LabelMat_MouseMove(43);
    f.LabelMat_MouseMove(12);
    for (int c = 1; c <= ColonneGriglia; ++c) {
        EXPECT_EQ(f.LabelMat(10 + c).ColoreSfondo, ColoreGiallo);
        EXPECT_EQ(f.LabelMat(40 + c).ColoreSfondo, ColoreBianco);
    }
    f.TuttoBianco();
    EXPECT_EQ(f.LabelMat(13).ColoreSfondo, ColoreBianco);
}

TEST(Form3Griglia, CellPositionsInTwips) {
    EXPECT_EQ(PosizioneLabelMat(1).Alto, 720);
    EXPECT_EQ(PosizioneLabelMat(1).Larghezza, 5295);
    EXPECT_EQ(PosizioneLabelMat(95).Alto, 720 + 240 * 9);
    EXPECT_EQ(PosizioneLabelMat(95).Sinistra, 10320);
    EXPECT_EQ(PosizioneLabelMat(43).Sinistra, 6960);
    EXPECT_EQ(PosizioneLabelMat(43).Altezza, 255);
    EXPECT_FALSE(IndiceCellaValido(10));
    EXPECT_FALSE(IndiceCellaValido(46));
    EXPECT_TRUE(IndiceCellaValido(91));
}

TEST(Form3Selezione, GridRowFourAtScrollSevenSelectsRowEleven) {
    Esercizio e;
    Form3 f = Form3::Consulta(Righe(20), e, 1);
    f.VScroll1_Change(7);
    EXPECT_EQ(f.LabelMat_Click(43), Form3::EsitoClic::ApriForm4);
    EXPECT_EQ(f.RigaSelezionata(), 11);
    DialoghiRegistrati d;
    Form4 dialogo(f);
    EXPECT_TRUE(dialogo.Form_Load(d));
    EXPECT_EQ(dialogo.Caption(), "Caricare i valori");
    EXPECT_EQ(dialogo.Label()[0], "M11");
    EXPECT_EQ(dialogo.Label()[2], "0,72");
    EXPECT_TRUE(d.Messaggi.empty());
}

TEST(Form3Menu, EntriesCaptionsAndModes) {
    std::string s;
    for (const VoceMenuAbaco& v : MenuNascosto) {
        s +=
            std::string(v.Genitore ? "  " : "") + v.Caption + " = " + (v.Modo ? v.Modo : "") + "\n";
    }
    EXPECT_EQ(s, "Inserire nuovo materiale = \n"
                 "  Prina del selezionato = ModificaAbacoAggiungiPrima5Dati\n"
                 "  Dopo il selezionato = ModificaAbacoAggiungiDopo5Dati\n"
                 "Cancellare materiale = ModificaAbacoCancella5Dati\n"
                 "Modificare materiale = ModificaAbacoModifica5Dati\n"
                 "Inserisci titolo gruppo materiali = \n"
                 "  Sopra il rigo selezionato = ModificaAbacoAggiungiGruppoSopra\n"
                 "  Sotto il rigo selezionato = ModificaAbacoAggiungiGruppoSotto\n");
    Modifica m(Righe(3));
    EXPECT_EQ(m.f.ModoAbaco(), "ModificaAbacoCancellaModificaAggiungiPrimaDopo5Dati");
    EXPECT_EQ(m.Scegli(1, "CancellareMateriale"), DialogoAbaco::MaterialeForm4);
    // After an edit the mode keeps that edit's text: the browser stays in edit mode.
    EXPECT_EQ(m.f.LabelMat_Click(1), Form3::EsitoClic::MostraMenu);
}

TEST(Form3Modifica, InsertBeforeTheFirstRowAndAfterTheLast) {
    Modifica m(Righe(12));
    EXPECT_EQ(m.Scegli(1, "PrinaDelSelezionato"), DialogoAbaco::ModificaForm5);
    Form5 d(m.f);
    d.Form_Load();
    EXPECT_EQ(d.Caption(), "Inserisci");
    EXPECT_EQ(d.Altezza(), 2220);
    EXPECT_STREQ(d.Intestazione1(), "Materiale");
    EXPECT_EQ(d.Text(), (std::array<std::string, 5>{" ", " ", " ", " ", " "}));
    d.CommandSalvaModifiche_Click({"Nuovo", "1", "2", "3", "-"});
    ASSERT_EQ(m.salvati.size(), 1u);
    EXPECT_EQ(m.salvati[0][0], (VoceAbaco{"Nuovo ", "1 ", "2 ", "3 ", "- "}));
    EXPECT_EQ(m.salvati[0][1].Materiale, "M0");
    EXPECT_EQ(m.f.Voci(), m.salvati[0]);
    EXPECT_EQ(m.f.LabelMat(1).Caption, "Nuovo ");
    EXPECT_EQ(m.f.VScroll1Max(), 3);

    // After the last row, with the list scrolled to its end: the scroll position stays.
    m.f.VScroll1_Change(3);
    m.Inserisci(91, "DopoIlSelezionato", {"Ultimo", "1", "2", "3", "0,5"});
    ASSERT_EQ(m.f.Voci().size(), 14u);
    EXPECT_EQ(m.f.Voci()[13].Materiale, "Ultimo ");
    EXPECT_EQ(m.f.Voci()[12].Materiale, "M11");
    EXPECT_EQ(m.f.VScroll1Max(), 4);
    EXPECT_EQ(m.f.VScroll1Valore(), 3);
    EXPECT_EQ(m.f.LabelMat(91).Caption, "M11");
}

TEST(Form3Modifica, DeleteRedrawsTheGridFromOneRowHigher) {
    Modifica m(Righe(20));
    m.f.VScroll1_Change(5);
    EXPECT_EQ(m.Scegli(21, "CancellareMateriale"), DialogoAbaco::MaterialeForm4);
    DialoghiRegistrati dlg;
    Form4 d(m.f);
    ASSERT_TRUE(d.Form_Load(dlg));
    EXPECT_EQ(d.Caption(), "Cancellare materiale ?");
    EXPECT_EQ(d.Label()[0], "M7");
    d.CommandCarica_Click();
    ASSERT_EQ(m.salvati.size(), 1u);
    EXPECT_EQ(m.salvati[0].size(), 19u);
    EXPECT_EQ(m.salvati[0][7].Materiale, "M8");
    EXPECT_EQ(m.f.VScroll1Valore(), 4);
    EXPECT_EQ(Nomi(m.f), "M4|M5|M6|M8|M9|M10|M11|M12|M13|M14");

    m.f.VScroll1_Change(0);
    EXPECT_EQ(m.Scegli(1, "CancellareMateriale"), DialogoAbaco::MaterialeForm4);
    Form4 d0(m.f);
    ASSERT_TRUE(d0.Form_Load(dlg));
    d0.CommandCarica_Click();
    EXPECT_EQ(m.f.VScroll1Valore(), 0);
    EXPECT_EQ(Nomi(m.f), "M1|M2|M3|M4|M5|M6|M8|M9|M10|M11");
    EXPECT_TRUE(dlg.Messaggi.empty());
}

TEST(Form3Modifica, DeletingDownToTenRowsHidesTheScrollBar) {
    Modifica m(Righe(11));
    m.f.VScroll1_Change(1);
    m.Scegli(91, "CancellareMateriale");
    DialoghiRegistrati dlg;
    Form4 d(m.f);
    ASSERT_TRUE(d.Form_Load(dlg));
    EXPECT_EQ(d.Label()[0], "M10");
    d.CommandCarica_Click();
    EXPECT_FALSE(m.f.VScroll1Visibile());
    EXPECT_EQ(Nomi(m.f), "M0|M1|M2|M3|M4|M5|M6|M7|M8|M9");
    // With the bar hidden a click selects the grid row itself.
    m.f.LabelMat_Click(41);
    EXPECT_EQ(m.f.RigaSelezionata(), 4);
}

TEST(Form3Modifica, GroupTitleBelowRowThree) {
    Modifica m(Righe(6));
    EXPECT_EQ(m.Scegli(31, "InserisciTitoloGruppoMaterialiSotto"), DialogoAbaco::ModificaForm5);
    Form5 d(m.f);
    d.Form_Load();
    EXPECT_TRUE(d.SoloTitoloGruppo());
    EXPECT_STREQ(d.Intestazione1(), "Gruppo materiali");
    EXPECT_EQ(d.Altezza(), 1260);
    EXPECT_EQ(d.Caption(), "Inserisci");
    // The hidden data boxes keep their single space whatever the window hands over; the new
    // row adds one more to each text.
    d.CommandSalvaModifiche_Click({"Isolanti", "x", "x", "x", "x"});
    EXPECT_EQ(m.f.Voci()[4], (VoceAbaco{"Isolanti ", "  ", "  ", "  ", "  "}));
    EXPECT_EQ(m.f.Voci()[3].Materiale, "M3");
    EXPECT_EQ(m.f.Voci()[5].Materiale, "M4");
    EXPECT_EQ(m.f.LabelMat(41), (CellaAbaco{"ISOLANTI ", ColoreRosso, true, ColoreBianco}));
    EXPECT_EQ(m.f.LabelMat(42).Caption, "  ");

    m.Inserisci(1, "InserisciTitoloGruppoMaterialiSopra", {"Metalli", " ", " ", " ", " "});
    EXPECT_EQ(m.f.Voci()[0].Materiale, "Metalli ");
    EXPECT_EQ(m.salvati.size(), 2u);
}

TEST(Form3Modifica, ModifyStoresTheTextsAsTypedAndKeepsTheScrollPosition) {
    Modifica m(Righe(15));
    m.f.VScroll1_Change(2);
    EXPECT_EQ(m.Scegli(21, "ModificareMateriale"), DialogoAbaco::ModificaForm5);
    Form5 d(m.f);
    d.Form_Load();
    EXPECT_EQ(d.Caption(), "Modifica");
    EXPECT_FALSE(d.SoloTitoloGruppo());
    EXPECT_EQ(d.Text(), (std::array<std::string, 5>{"M4", "1800", "0,72", "18,75", "0,9"}));
    d.CommandSalvaModifiche_Click({" Ferro ", "7800", "50", "", ""});
    EXPECT_EQ(m.f.Voci()[4], (VoceAbaco{" Ferro ", "7800", "50", "", ""}));
    EXPECT_EQ(m.f.VScroll1Valore(), 2);
    EXPECT_EQ(m.f.LabelMat(21).Caption, " Ferro ");
    EXPECT_EQ(m.salvati.size(), 1u);

    // A material emptied of its data becomes a group title.
    m.Scegli(21, "ModificareMateriale");
    Form5 d2(m.f);
    d2.Form_Load();
    d2.CommandSalvaModifiche_Click({"Metalli", " ", "", "", ""});
    EXPECT_EQ(m.f.LabelMat(21).Caption, "METALLI");
    EXPECT_TRUE(m.f.LabelMat(21).Grassetto);
}

TEST(Form3Modifica, EmptyGridRowDeletesAndModifiesNothingInsertAppends) {
    Modifica m(Righe(3));
    DialoghiRegistrati dlg;
    m.Scegli(51, "CancellareMateriale");
    Form4 cancella(m.f);
    EXPECT_TRUE(cancella.Form_Load(dlg));
    EXPECT_EQ(cancella.Label(), (std::array<std::string, 5>{}));
    cancella.CommandCarica_Click();

    m.Scegli(51, "ModificareMateriale");
    Form5 modifica(m.f);
    modifica.Form_Load();
    EXPECT_EQ(modifica.Text(), (std::array<std::string, 5>{}));
    modifica.CommandSalvaModifiche_Click({"X", "1", "1", "1", "1"});
    EXPECT_EQ(m.f.Voci(), Righe(3));
    EXPECT_TRUE(m.salvati.empty());

    m.Inserisci(51, "PrinaDelSelezionato", {"Nuovo", "1", "1", "1", "1"});
    ASSERT_EQ(m.f.Voci().size(), 4u);
    EXPECT_EQ(m.f.Voci()[3].Materiale, "Nuovo ");
    EXPECT_EQ(m.f.Voci()[2].Materiale, "M2");
    EXPECT_TRUE(dlg.Messaggi.empty());

    // An empty database gets its first row the same way.
    Modifica vuoto({});
    vuoto.Inserisci(91, "DopoIlSelezionato", {"Metalli", " ", " ", " ", " "});
    ASSERT_EQ(vuoto.f.Voci().size(), 1u);
    EXPECT_EQ(vuoto.f.LabelMat(1).Caption, "METALLI ");
}

TEST(Form5Testi, OnlyTextsTheFileCanHoldOnOneLine) {
    EXPECT_TRUE(TestoAmmessoForm5("Unità € 0,5 -"));
    EXPECT_TRUE(TestoAmmessoForm5(""));
    EXPECT_FALSE(TestoAmmessoForm5("Lana\ndi roccia"));
    EXPECT_FALSE(TestoAmmessoForm5("a\tb"));
    EXPECT_FALSE(TestoAmmessoForm5("漢"));
}

TEST(Form3Consulta, RowWithoutDataIsRefusedAndNothingChanges) {
    Esercizio e;
    const Esercizio prima = e;
    Abaco a = Righe(3);
    a[1] = {"Metalli", "", "", "", ""};
    Form3 f = Form3::Consulta(a, e, 1);
    for (int k : {51, 12}) { // an empty grid row, a group title
        DialoghiRegistrati dlg;
        EXPECT_EQ(f.LabelMat_Click(k), Form3::EsitoClic::ApriForm4);
        Form4 d(f);
        EXPECT_FALSE(d.Form_Load(dlg));
        ASSERT_EQ(dlg.Messaggi.size(), 1u);
        EXPECT_EQ(dlg.Messaggi[0].Titolo, "Abaco");
        EXPECT_EQ(dlg.Messaggi[0].Testo, "Nessun materiale selezionato");
        EXPECT_EQ(dlg.Messaggi[0].Tipo, Icona::Critica);
    }
    EXPECT_FALSE(f.Caricato());
    EXPECT_EQ(e, prima);
}

TEST(Form3Consulta, SiLoadsTheRowIntoTheChosenLayer) {
    Esercizio e;
    e.Strati.resize(3);
    Abaco a = Righe(3);
    a[2] = {"Acciaio", "7800", "50", "0,0001875", "-"};
    Form3 f = Form3::Consulta(a, e, 2);
    f.LabelMat_Click(24);
    DialoghiRegistrati dlg;
    Form4 d(f);
    ASSERT_TRUE(d.Form_Load(dlg));
    d.CommandCarica_Click();
    EXPECT_TRUE(f.Caricato());
    EXPECT_EQ(e.strato(2).Materiale, "Acciaio");
    EXPECT_EQ(e.strato(2).FatAssorbimento.Testo, "-");
    EXPECT_EQ(e.strato(1), Strato{});
    EXPECT_EQ(e.strato(3), Strato{});
}
