// The materials browser beyond its ten fixed rows: the filter, a taller and wider window, the
// keyboard and the wheel, and reopening where it was.

#include <gtest/gtest.h>

#include "core/materials/elenco_materiali.h"
#include "core/materials/modo_abaco.h"
#include "support/abaco_di_prova.h"

using namespace paretix;
using test::Righe;

namespace {

Abaco Pietre() {
    return {{"Calcestruzzi", "", "", "", ""},
            {"Calcestruzzo armato", "2400", "2,3", "5", "-"},
            {"Pietre", "", "", "", ""},
            {"Piètra serena", "2600", "3,5", "5", "-"},
            {"Calcestruzzo alleggerito", "1200", "0,5", "10", "-"},
            {"PIETRA leccese", "1800", "1,2", "10", "-"}};
}

// The names in column 1 of the first n grid rows, joined by "|".
std::string Nomi(const ElencoMateriali& f, int n) {
    std::string s;
    for (int r = 0; r < n; ++r) {
        s += (r ? "|" : "") + f.LabelMat(10 * r + 1).Caption;
    }
    return s;
}

} // namespace

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
