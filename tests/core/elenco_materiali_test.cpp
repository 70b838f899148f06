// The materials browser: its grid of ten or more rows over the database, the scroll bar, the
// pop-up menu's edits, the filter, the keyboard and the wheel, reopening where it was, and the
// specific heat's sixth column. What the user sees after each step is written as a readable
// dump and compared with the files under tests/data/core-h2/elenco/.

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/elenco_materiali.h"
#include "core/materials/maiuscolo.h"
#include "core/materials/modo_abaco.h"
#include "support/abaco_di_prova.h"
#include "support/dati_attesi.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;
using test::ExpectComeNelFile;
using test::Righe;

namespace {

// Positions of the entries in the pop-up menu.
constexpr std::size_t Prima = 1, Dopo = 2, Cancellare = 3, Modificare = 4;

// The cell as shown: "!" red text, "*" bold, "#" the selection's background, "~" the mouse's.
std::string Cella(const CellaAbaco& c) {
    return std::string(c.ColoreTesto == ColoreRosso ? "!" : "") + (c.Grassetto ? "*" : "") +
           (c.ColoreSfondo == ColoreSelezione ? "#"
            : c.ColoreSfondo == ColoreGiallo  ? "~"
                                              : "") +
           c.Caption;
}

// A browser and the dump of every step done on it; the lists handed to the file are counted.
struct Elenco {
    int salvataggi = 0;
    Abaco salvato;
    ElencoMateriali f;
    std::string diario;

    explicit Elenco(Abaco a, bool modifica = true)
        : f(modifica ? ElencoMateriali::Modifica(
                           std::move(a), [this](const Abaco& s) { ++salvataggi, salvato = s; })
                     : ElencoMateriali::Consulta(std::move(a), [](const VoceAbaco&) {})) {}

    // The grid rows (one line each, cells by "|"), the scroll bar and the rows in use.
    void Nota(const std::string& passo, int righe = -1) {
        std::ostringstream s;
        s << "== " << passo << "\n";
        for (int r = 0; r < (righe < 0 ? f.Righe() : righe); ++r) {
            for (int c = 1; c <= f.Colonne(); ++c) {
                s << (c > 1 ? "|" : "") << Cella(f.LabelMat(10 * r + c));
            }
            s << "\n";
        }
        s << "scorrimento " << (f.VScroll1Visibile() ? "visibile " : "nascosto ")
          << f.VScroll1Valore() << " di " << f.VScroll1Max() << ", corrente " << f.Corrente()
          << " in cella " << f.CellaCorrente() << ", voci " << f.Voci().size() << ", salvataggi "
          << salvataggi << "\n";
        diario += s.str();
    }
    // A click on cell k, then the menu entry number voce.
    DialogoAbaco Scegli(int k, std::size_t voce) {
        EXPECT_EQ(f.LabelMat_Click(k), ElencoMateriali::EsitoClic::MostraMenu);
        return f.MenuNascosto_Click(MenuNascosto[voce]);
    }
    // The edit dialog as it opens from the menu entry voce on cell k, confirmed with testi.
    void ConfermaModifica(int k, std::size_t voce, const std::array<std::string, 5>& testi,
                          const std::optional<std::string>& calore = std::nullopt) {
        EXPECT_EQ(Scegli(k, voce), DialogoAbaco::Modifica);
        DialogoModificaAbaco d(f);
        d.Form_Load();
        diario += "dialogo " + d.Caption() + ", altezza " + std::to_string(d.Altezza()) +
                  (d.MostraCaloreSpecifico() ? ", calore " + d.CaloreSpecifico() : "") + ":";
        for (const std::string& t : d.Text()) {
            diario += " [" + t + "]";
        }
        diario += "\n";
        d.CommandSalvaModifiche_Click(testi, calore);
    }
    void CancellaConSi(int k) {
        EXPECT_EQ(Scegli(k, Cancellare), DialogoAbaco::Materiale);
        DialoghiSoloMessaggi dialoghi;
        DialogoMateriale d(f);
        EXPECT_TRUE(d.Form_Load(dialoghi));
        d.CommandCarica_Click();
    }
    void Confronta(const std::string& nome) const {
        test::ExpectComeNelFile("core-h2/elenco/" + nome + ".txt", diario);
    }
};

Abaco Pietre() {
    return {{"Calcestruzzi", "", "", "", ""},
            {"Calcestruzzo armato", "2400", "2,3", "5", "-"},
            {"Pietre", "", "", "", ""},
            {"Piètra serena", "2600", "3,5", "5", "-"},
            {"Calcestruzzo alleggerito", "1200", "0,5", "10", "-"},
            {"PIETRA leccese", "1800", "1,2", "10", "-"}};
}

} // namespace

// Ten rows fit, eleven scroll by one (never past the last row), three leave empty rows; group
// titles are red bold capitals until a material takes their grid row ("-" is a value).
TEST(ElencoGriglia, RowsScrollAndGroupTitles) {
    Elenco dieci(Righe(10)), undici(Righe(11)), tre(Righe(3));
    dieci.Nota("dieci righe");
    undici.f.VScroll1_Change(1);
    undici.Nota("undici righe scorse di una");
    undici.f.VScroll1_Change(5);
    undici.Nota("scorse di cinque");
    tre.Nota("tre righe");
    Abaco a = Righe(12);
    a[0] = {"Unità murarie", "", " ", "", "  "};
    a[1] = {"Non dato", "-", "-", "-", "-"};
    Elenco titoli(a);
    titoli.Nota("titolo di gruppo", 2);
    titoli.f.VScroll1_Change(1);
    titoli.Nota("scorso di una", 1);
    ExpectComeNelFile("core-h2/elenco/griglia.txt",
                      dieci.diario + undici.diario + tre.diario + titoli.diario);
}

TEST(ElencoGriglia, UpperCaseOfTheFileCharacterSet) {
    EXPECT_EQ(Maiuscolo("perché ÿ œ š ž ñ"), "PERCHÉ Ÿ Œ Š Ž Ñ");
    EXPECT_EQ(Maiuscolo("ß ÷ µ € 1,5"), "ß ÷ µ € 1,5");
    EXPECT_EQ(Maiuscolo("a\xC3 \xC0\x80z"), "A\xC3 \xC0\x80Z"); // not UTF-8: kept
}

TEST(ElencoSelezione, GridRowFourAtScrollSevenSelectsRowEleven) {
    Elenco e(Righe(20), false);
    e.f.VScroll1_Change(7);
    EXPECT_EQ(e.f.LabelMat_Click(43), ElencoMateriali::EsitoClic::ApriDialogoMateriale);
    EXPECT_EQ(e.f.RigaSelezionata(), 11);
    DialoghiSoloMessaggi dialoghi;
    DialogoMateriale d(e.f);
    EXPECT_TRUE(d.Form_Load(dialoghi));
    EXPECT_EQ(d.Caption(), "Caricare i valori");
    EXPECT_EQ(d.Label()[0], "M11");
}

// Inserting before the first row and after the last (the list scrolled to its end keeps its
// position); deleting redraws from one row higher; modifying stores the texts as typed, and a
// material emptied of its data becomes a group title; an empty grid row deletes and modifies
// nothing and inserts at the end, also into an empty database.
TEST(ElencoModifica, InsertDeleteModifyAndTheEmptyRows) {
    Elenco m(Righe(12));
    m.ConfermaModifica(1, Prima, {"Nuovo", "1", "2", "3", "-"});
    m.Nota("inserita prima della prima", 2);
    m.f.VScroll1_Change(3);
    m.ConfermaModifica(91, Dopo, {"Ultimo", "1", "2", "3", "0,5"});
    m.Nota("inserita dopo l'ultima");
    m.Confronta("inserisci");

    Elenco c(Righe(20));
    c.f.VScroll1_Change(5);
    c.CancellaConSi(21);
    c.Nota("cancellata la terza riga a scorrimento 5");
    c.f.VScroll1_Change(0);
    c.CancellaConSi(1);
    c.Nota("cancellata la prima");
    c.Confronta("cancella");

    Elenco g(Righe(15));
    g.f.VScroll1_Change(2);
    g.ConfermaModifica(21, Modificare, {" Metalli ", " ", "", "", ""});
    g.Nota("modificata in titolo");
    EXPECT_EQ(g.f.Voci()[4], (VoceAbaco{" Metalli ", " ", "", "", ""}));
    g.Confronta("modifica");

    Elenco v(Righe(3));
    v.CancellaConSi(51);
    v.ConfermaModifica(51, Modificare, {"X", "1", "1", "1", "1"});
    EXPECT_EQ(v.f.Voci(), Righe(3));
    v.ConfermaModifica(51, Prima, {"Nuovo", "1", "1", "1", "1"});
    v.Nota("riga vuota: inserita in fondo", 5);
    Elenco vuoto({});
    vuoto.ConfermaModifica(91, Dopo, {"Metalli", " ", " ", " ", " "});
    vuoto.Nota("abaco vuoto", 1);
    ExpectComeNelFile("core-h2/elenco/righe-vuote.txt", v.diario + vuoto.diario);
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
    // "=" separates a name from its value in the file: the specific heat's box refuses it.
    EXPECT_TRUE(CaloreAmmessoModificaAbaco("1000"));
    EXPECT_FALSE(CaloreAmmessoModificaAbaco("10=00"));
    EXPECT_FALSE(CaloreAmmessoModificaAbaco("10\r\n"));
}

// The singular finds the plural heading too; a click still names the database row, and the
// first empty grid row lies beyond the database's last row; edits work on the database row and
// the filter stays on.
TEST(ElencoFiltro, NarrowsTheGridAndEditsTheDatabaseRows) {
    Elenco e(Pietre());
    e.f.ImpostaFiltro("pietra");
    e.Nota("filtro pietra", 4);
    e.f.LabelMat_Click(21);
    EXPECT_EQ(e.f.RigaSelezionata(), 5);
    e.f.LabelMat_Click(31);
    EXPECT_GT(e.f.RigaSelezionata(), e.f.UltimoIndice());
    e.f.ImpostaFiltro("CALCESTRUZZO");
    e.Nota("filtro CALCESTRUZZO", 4);
    e.f.LabelMat_Click(21); // the last row shown is not the database's last
    EXPECT_EQ(e.f.RigaSelezionata(), 4);
    e.f.ImpostaFiltro("leccese");
    e.f.LabelMat_Click(1);
    e.f.MenuNascosto_Click(MenuNascosto[Dopo]);
    e.f.Inserisci(e.f.RigaSelezionata(), {"Tufo leccese", "1500", "0,6", "10", "-"});
    ASSERT_EQ(e.salvato.size(), 7u);
    EXPECT_EQ(e.salvato[6].Materiale, "Tufo leccese");
    e.Nota("filtro leccese, inserita dopo", 3);
    e.f.LabelMat_Click(1);
    e.f.Cancella(e.f.RigaSelezionata());
    ASSERT_EQ(e.salvato.size(), 6u);
    EXPECT_EQ(e.salvato[5].Materiale, "Tufo leccese");
    e.Nota("cancellata la prima", 2);
    e.f.ImpostaFiltro("");
    e.Nota("senza filtro");
    e.Confronta("filtro");
}

// At the default size the window is 12300 x 4710 twips with five columns: the grid ends at
// 720 + 9 * 240 + 255 = 3135, the information text starts 120 below (3255) and is 780 high,
// "Chiudi" starts 120 below that (4155), is 375 high and leaves 180 under it; the width is the
// last column's left 10320 + 1695 + the scroll bar 255 + 30. A window 3 rows of 240 twips and
// 100 taller holds 13 rows, one 450 twips wider widens the name column; the specific heat's
// column makes it 1680 wider (the columns stand 1680 apart, each 1695 wide).
TEST(ElencoDimensione, ATallerWindowHoldsMoreRowsAWiderOneAWiderNameColumn) {
    std::ostringstream s;
    const auto Scrivi = [&s](const char* nome, const RettangoloTwips& r) {
        s << nome << ": " << r.Sinistra << " " << r.Alto << " " << r.Larghezza << " " << r.Altezza
          << "\n";
    };
    const FormaElenco stessa = FormaPerDimensione(5, 12300, 4710);
    const FormaElenco grande = FormaPerDimensione(5, 12750, 4710 + 3 * 240 + 100);
    for (const FormaElenco& forma : {stessa, grande, FormaElenco{6, 10, 0}}) {
        s << "== colonne " << forma.Colonne << ", righe " << forma.Righe << ", allargamento "
          << forma.Allargamento << "\n";
        Scrivi("finestra", DimensioneElencoMateriali(forma));
        Scrivi("informazioni", PosizioneInfo(forma));
        Scrivi("didascalia filtro", PosizioneDidascaliaFiltro(forma));
        Scrivi("filtro", PosizioneFiltro(forma));
        Scrivi("Chiudi", PosizioneChiudi(forma));
        Scrivi("scorrimento", PosizioneVScroll1(forma));
        for (const int k : {1, 2, forma.Colonne, 10 * (forma.Righe - 1) + 2}) {
            Scrivi(("cella " + std::to_string(k)).c_str(),
                   PosizioneLabelMat(k, forma.Allargamento));
        }
    }
    ExpectComeNelFile("core-h2/elenco/dimensioni.txt", s.str());
    EXPECT_EQ(DimensioneElencoMateriali().Altezza, DimensioneElencoMateriali(stessa).Altezza);
    EXPECT_EQ(FormaPerDimensione(5, 100, 100).Righe, 10);
    EXPECT_EQ(FormaPerDimensione(5, 12300, 1000000).Righe, RigheGrigliaMassime);
    EXPECT_EQ(PosizioneVScroll1(6).Sinistra - PosizioneVScroll1(5).Sinistra, 1680);
}

TEST(ElencoDimensione, MoreRowsShowMoreOfTheListAndScrollLess) {
    Elenco e(Righe(20));
    e.f.VScroll1_Change(4);
    e.f.ImpostaRighe(15);
    e.Nota("15 righe a scorrimento 4");
    e.f.ImpostaRighe(20); // the whole list fits: no scroll bar, from the top
    e.Nota("20 righe");
    e.f.ImpostaRighe(3); // never fewer than ten
    EXPECT_EQ(e.f.Righe(), 10);
    e.Confronta("righe");
}

// The first key picks the top row; the grid follows the current row; the mouse's yellow goes
// over the selection until cleared; the wheel scrolls without moving the current row.
TEST(ElencoTastiera, KeysMoveTheCurrentRowAndTheGridFollowsIt) {
    Elenco e(Righe(25), false);
    e.Nota("aperto", 2);
    const std::pair<TastoElenco, const char*> tasti[] = {{TastoElenco::Giu, "giù"},
                                                         {TastoElenco::Giu, "giù"},
                                                         {TastoElenco::Fine, "fine"},
                                                         {TastoElenco::PaginaSu, "pagina su"},
                                                         {TastoElenco::PaginaGiu, "pagina giù"},
                                                         {TastoElenco::Giu, "giù"},
                                                         {TastoElenco::Inizio, "inizio"},
                                                         {TastoElenco::Su, "su"}};
    for (const auto& [tasto, nome] : tasti) {
        e.f.Tasto(tasto);
        e.Nota(nome);
        if (tasto == TastoElenco::Giu && e.f.Corrente() == 1) {
            e.f.LabelMat_MouseMove(13);
            e.Nota("il mouse sulla riga corrente", 2);
            e.f.TuttoBianco();
            e.Nota("tutto bianco", 2);
        }
    }
    for (const int rotella : {3, 100, -100}) {
        e.f.Scorri(rotella);
        e.Nota("rotella " + std::to_string(rotella), 1);
    }
    e.Confronta("tastiera");

    ElencoMateriali vuoto = ElencoMateriali::Consulta({}, [](const VoceAbaco&) {});
    vuoto.Tasto(TastoElenco::Fine);
    EXPECT_EQ(vuoto.Corrente(), -1);
}

// M1, M10 .. M19 are eleven rows, so the grid scrolls by one; grid row 4 at scroll 1 is the
// sixth row found, M14. A shorter list takes the same place as far as it goes.
TEST(ElencoRiapertura, ReopensWithTheSameFilterScrollAndCurrentRow) {
    ElencoMateriali prima = ElencoMateriali::Consulta(Righe(25), [](const VoceAbaco&) {});
    prima.ImpostaFiltro("m1");
    prima.VScroll1_Change(1);
    prima.LabelMat_Click(41);
    EXPECT_EQ(prima.RigaSelezionata(), 14);
    const PosizioneElenco posizione = prima.Posizione();
    EXPECT_EQ(posizione.Filtro, "m1");
    EXPECT_EQ(posizione.RigaInAlto, 1);
    EXPECT_EQ(posizione.Corrente, 5);

    Elenco dopo(Righe(25), false), corto(Righe(12), false);
    dopo.f.Riprendi(posizione);
    EXPECT_EQ(dopo.f.Filtro(), "m1");
    dopo.Nota("riaperto");
    corto.f.Riprendi(posizione);
    corto.Nota("riaperto su un elenco più corto", 4);
    ExpectComeNelFile("core-h2/elenco/riapertura.txt", dopo.diario + corto.diario);
}

// The specific heat is a sixth column while the compliance checks are on, kept unseen through
// every edit otherwise.
TEST(AbacoCaloreElenco, TheSixthColumnShownEditedAndKeptUnseen) {
    const Abaco due{{"Acciaio", "7800", "50", "0,0001875", "-", "450"},
                    {"Legno", "500", "0,13", "3,75", "0,90", ""}};
    Elenco senza(due);
    senza.f.MostraCaloreSpecifico(false);
    EXPECT_FALSE(IndiceCellaValido(6, senza.f.Colonne()));
    senza.ConfermaModifica(1, Modificare, {"Acciaio inox", "7900", "17", "0,0001875", "-"});
    senza.Nota("modificato senza la colonna", 2);
    ASSERT_EQ(senza.salvato.size(), 2u);
    EXPECT_EQ(senza.salvato[0].CaloreSpecifico, "450");
    senza.Confronta("calore-senza");

    Elenco con(due);
    con.f.MostraCaloreSpecifico(true);
    EXPECT_TRUE(IndiceCellaValido(16, 6));
    con.Nota("con la colonna", 2);
    DialoghiSoloMessaggi dialoghi;
    con.f.LabelMat_Click(1);
    con.f.MenuNascosto_Click(MenuNascosto[Cancellare]); // the dialog shows the row
    DialogoMateriale d(con.f);
    EXPECT_TRUE(d.Form_Load(dialoghi));
    EXPECT_TRUE(d.MostraCaloreSpecifico());
    EXPECT_EQ(d.CaloreSpecifico(), "450");
    con.ConfermaModifica(1, Modificare, {"Acciaio", "7800", "50", "0,0001875", "-"}, "460");
    con.ConfermaModifica(11, Dopo, {"Rame", "8900", "380", "0,0001875", "0,05"}, "380");
    con.Nota("modificato e inserito con la colonna", 3);
    ASSERT_EQ(con.salvato.size(), 3u);
    EXPECT_EQ(con.salvato[0].CaloreSpecifico, "460");
    EXPECT_EQ(con.salvato[2].CaloreSpecifico, "380");
    con.Confronta("calore-con");
}
