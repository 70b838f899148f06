#include <gtest/gtest.h>

#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/elenco_materiali.h"
#include "core/materials/maiuscolo.h"
#include "core/materials/modo_abaco.h"
#include "support/abaco_di_prova.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;

using test::Righe;

namespace {

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

Abaco Pietre() {
    return {{"Calcestruzzi", "", "", "", ""},
            {"Calcestruzzo armato", "2400", "2,3", "5", "-"},
            {"Pietre", "", "", "", ""},
            {"Piètra serena", "2600", "3,5", "5", "-"},
            {"Calcestruzzo alleggerito", "1200", "0,5", "10", "-"},
            {"PIETRA leccese", "1800", "1,2", "10", "-"}};
}

// The names in column 1 of the first n grid rows, joined by "|".
std::string Nomi(const ElencoMateriali& f, int n = RigheGriglia) {
    std::string s;
    for (int r = 0; r < n; ++r) {
        s += (r ? "|" : "") + f.LabelMat(10 * r + 1).Caption;
    }
    return s;
}

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

// The materials browser beyond its ten fixed rows: the filter, a taller and wider window, the
// keyboard and the wheel, and reopening where it was.

using test::Righe;

TEST(ElencoFiltro, NarrowsTheGridAndAClickStillNamesTheDatabaseRow) {
    ElencoMateriali f = ElencoMateriali::Consulta(Pietre(), [](const VoceAbaco&) {});
    // The singular finds the plural heading too.
    f.ImpostaFiltro("pietra");
    EXPECT_EQ(f.UltimoVisibile(), 2);
    EXPECT_EQ(Nomi(f, 4), "PIETRE|Piètra serena|PIETRA leccese|");
    EXPECT_EQ(f.LabelMat(12).Caption, "2600");
    EXPECT_EQ(f.LabelMat(22).Caption, "1800");
    EXPECT_FALSE(f.VScroll1Visibile());
    f.LabelMat_Click(21);
    EXPECT_EQ(f.RigaSelezionata(), 5);
    f.LabelMat_Click(31); // the first empty grid row lies beyond the database's last row
    EXPECT_GT(f.RigaSelezionata(), f.UltimoIndice());

    f.ImpostaFiltro("CALCESTRUZZO");
    EXPECT_EQ(Nomi(f, 4), "CALCESTRUZZI|Calcestruzzo armato|Calcestruzzo alleggerito|");
    f.LabelMat_Click(21); // the last row shown is not the database's last
    EXPECT_EQ(f.RigaSelezionata(), 4);
    f.ImpostaFiltro("");
    EXPECT_EQ(f.UltimoVisibile(), 5);
    EXPECT_EQ(Nomi(f, 2), "CALCESTRUZZI|Calcestruzzo armato");
}

TEST(ElencoFiltro, EditsWorkOnTheDatabaseRowAndTheFilterStaysOn) {
    Abaco salvato;
    ElencoMateriali f =
        ElencoMateriali::Modifica(Pietre(), [&salvato](const Abaco& a) { salvato = a; });
    f.ImpostaFiltro("leccese");
    f.LabelMat_Click(1);
    f.MenuNascosto_Click(MenuNascosto[2]); // after the selected row
    f.Inserisci(f.RigaSelezionata(), {"Tufo leccese", "1500", "0,6", "10", "-"});
    ASSERT_EQ(salvato.size(), 7u);
    EXPECT_EQ(salvato[6].Materiale, "Tufo leccese");
    EXPECT_EQ(Nomi(f, 3), "PIETRA leccese|Tufo leccese|");

    f.LabelMat_Click(1);
    f.Cancella(f.RigaSelezionata());
    ASSERT_EQ(salvato.size(), 6u);
    EXPECT_EQ(salvato[5].Materiale, "Tufo leccese");
    EXPECT_EQ(Nomi(f, 2), "Tufo leccese|");
}

// At the default size the window is 12300 x 4710 twips with five columns: the grid ends at
// 720 + 9 * 240 + 255 = 3135, the information text starts 120 below (3255) and is 780 high,
// "Chiudi" starts 120 below that (4155), is 375 high and leaves 180 under it; the width is the
// last column's left 10320 + 1695 + the scroll bar 255 + 30.
TEST(ElencoDimensione, ATallerWindowHoldsMoreRowsAWiderOneAWiderNameColumn) {
    const RettangoloTwips base = DimensioneElencoMateriali();
    EXPECT_EQ(base.Larghezza, 12300);
    EXPECT_EQ(base.Altezza, 4710);
    const FormaElenco stessa = FormaPerDimensione(5, 12300, 4710);
    EXPECT_EQ(stessa.Righe, 10);
    EXPECT_EQ(stessa.Allargamento, 0);
    // 3 rows of 240 twips and 100 to spare; 450 twips wider.
    const FormaElenco grande = FormaPerDimensione(5, 12750, 4710 + 3 * 240 + 100);
    EXPECT_EQ(grande.Righe, 13);
    EXPECT_EQ(grande.Allargamento, 450);
    EXPECT_EQ(FormaPerDimensione(5, 100, 100).Righe, 10);
    EXPECT_EQ(FormaPerDimensione(5, 12300, 1000000).Righe, RigheGrigliaMassime);

    EXPECT_EQ(PosizioneLabelMat(121, 450).Larghezza, 5295 + 450);
    EXPECT_EQ(PosizioneLabelMat(122, 450).Sinistra, 5280 + 450);
    EXPECT_EQ(PosizioneLabelMat(122, 450).Alto, 720 + 12 * 240);
    EXPECT_EQ(PosizioneChiudi(grande).Alto, 4155 + 3 * 240);
    EXPECT_EQ(DimensioneElencoMateriali(grande).Altezza, 4710 + 3 * 240);
    EXPECT_EQ(DimensioneElencoMateriali(grande).Larghezza, 12750);
    EXPECT_EQ(PosizioneVScroll1(grande).Altezza, 12 * 240 + 255);
    // The filter box stands on the row of "Chiudi", left of it.
    const RettangoloTwips filtro = PosizioneFiltro(stessa);
    const RettangoloTwips chiudi = PosizioneChiudi(stessa);
    EXPECT_EQ(filtro.Alto, chiudi.Alto);
    EXPECT_LT(filtro.Sinistra + filtro.Larghezza, chiudi.Sinistra);
    EXPECT_LT(PosizioneDidascaliaFiltro(stessa).Sinistra +
                  PosizioneDidascaliaFiltro(stessa).Larghezza,
              filtro.Sinistra);
    EXPECT_GT(filtro.Larghezza, 3000);
}

TEST(ElencoDimensione, MoreRowsShowMoreOfTheListAndScrollLess) {
    ElencoMateriali f = ElencoMateriali::Modifica(Righe(20), nullptr);
    f.VScroll1_Change(4);
    f.ImpostaRighe(15);
    EXPECT_EQ(f.Righe(), 15);
    EXPECT_EQ(f.VScroll1Max(), 5);
    EXPECT_EQ(f.VScroll1Valore(), 4);
    EXPECT_EQ(f.LabelMat(141).Caption, "M18");
    f.ImpostaRighe(20); // the whole list fits: no scroll bar, from the top
    EXPECT_FALSE(f.VScroll1Visibile());
    EXPECT_EQ(f.LabelMat(191).Caption, "M19");
    EXPECT_EQ(f.LabelMat(1).Caption, "M0");
    f.ImpostaRighe(3); // never fewer than ten
    EXPECT_EQ(f.Righe(), 10);
}

TEST(ElencoTastiera, KeysMoveTheCurrentRowAndTheGridFollowsIt) {
    ElencoMateriali f = ElencoMateriali::Consulta(Righe(25), [](const VoceAbaco&) {});
    EXPECT_EQ(f.CellaCorrente(), 0);
    f.Tasto(TastoElenco::Giu); // the first key picks the top row
    EXPECT_EQ(f.Corrente(), 0);
    f.Tasto(TastoElenco::Giu);
    EXPECT_EQ(f.Corrente(), 1);
    EXPECT_EQ(f.LabelMat(11).ColoreSfondo, ColoreSelezione);
    EXPECT_EQ(f.LabelMat(15).ColoreSfondo, ColoreSelezione);
    EXPECT_EQ(f.LabelMat(1).ColoreSfondo, ColoreBianco);
    f.LabelMat_MouseMove(13); // the mouse's yellow goes over the selection
    EXPECT_EQ(f.LabelMat(11).ColoreSfondo, ColoreGiallo);
    f.TuttoBianco();
    EXPECT_EQ(f.LabelMat(11).ColoreSfondo, ColoreSelezione);

    f.Tasto(TastoElenco::Fine); // row 24 at the bottom: rows 15 to 24 in sight
    EXPECT_EQ(f.Corrente(), 24);
    EXPECT_EQ(f.VScroll1Valore(), 15);
    EXPECT_EQ(f.CellaCorrente(), 91);
    EXPECT_EQ(f.LabelMat(91).ColoreSfondo, ColoreSelezione);
    f.Tasto(TastoElenco::PaginaSu); // ten up: row 14, just above the rows in sight
    EXPECT_EQ(f.Corrente(), 14);
    EXPECT_EQ(f.VScroll1Valore(), 14);
    EXPECT_EQ(f.CellaCorrente(), 1);
    f.Tasto(TastoElenco::PaginaGiu);
    EXPECT_EQ(f.Corrente(), 24);
    f.Tasto(TastoElenco::Giu); // no further than the last
    EXPECT_EQ(f.Corrente(), 24);
    f.Tasto(TastoElenco::Inizio);
    EXPECT_EQ(f.Corrente(), 0);
    EXPECT_EQ(f.VScroll1Valore(), 0);
    f.Tasto(TastoElenco::Su);
    EXPECT_EQ(f.Corrente(), 0);

    f.Scorri(3); // the wheel scrolls without moving the current row
    EXPECT_EQ(f.VScroll1Valore(), 3);
    EXPECT_EQ(f.Corrente(), 0);
    EXPECT_EQ(f.CellaCorrente(), 0); // out of sight
    f.Scorri(100);
    EXPECT_EQ(f.VScroll1Valore(), 15);
    f.Scorri(-100);
    EXPECT_EQ(f.VScroll1Valore(), 0);

    ElencoMateriali vuoto = ElencoMateriali::Consulta({}, [](const VoceAbaco&) {});
    vuoto.Tasto(TastoElenco::Fine);
    EXPECT_EQ(vuoto.Corrente(), -1);
}

TEST(ElencoRiapertura, ReopensWithTheSameFilterScrollAndCurrentRow) {
    ElencoMateriali prima = ElencoMateriali::Consulta(Righe(25), [](const VoceAbaco&) {});
    prima.ImpostaFiltro("m1"); // M1, M10 .. M19: eleven rows, so the grid scrolls by one
    prima.VScroll1_Change(1);
    prima.LabelMat_Click(41); // grid row 4 at scroll 1: the sixth row found, M14
    EXPECT_EQ(prima.RigaSelezionata(), 14);
    const PosizioneElenco posizione = prima.Posizione();
    EXPECT_EQ(posizione.Filtro, "m1");
    EXPECT_EQ(posizione.RigaInAlto, 1);
    EXPECT_EQ(posizione.Corrente, 5);

    ElencoMateriali dopo = ElencoMateriali::Consulta(Righe(25), [](const VoceAbaco&) {});
    dopo.Riprendi(posizione);
    EXPECT_EQ(dopo.Filtro(), "m1");
    EXPECT_EQ(dopo.VScroll1Valore(), 1);
    EXPECT_EQ(dopo.Corrente(), 5);
    EXPECT_EQ(Nomi(dopo, 10), Nomi(prima, 10));
    EXPECT_EQ(dopo.LabelMat(41).ColoreSfondo, ColoreSelezione);

    // A shorter list: the same place as far as it goes.
    ElencoMateriali corto = ElencoMateriali::Consulta(Righe(12), [](const VoceAbaco&) {});
    corto.Riprendi(posizione); // M1, M10, M11 only
    EXPECT_EQ(corto.VScroll1Valore(), 0);
    EXPECT_EQ(corto.Corrente(), 2);
    EXPECT_EQ(Nomi(corto, 4), "M1|M10|M11|");
}

// The specific heat in the materials browser and its dialogs: a sixth column while the
// compliance checks are on, kept unseen through every edit otherwise.

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
