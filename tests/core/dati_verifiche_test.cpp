#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/window/dati_verifiche_dialogo.h"
#include "core/window/finestra_principale.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "support/parete_di_prova.h"
#include "support/stampa_esercizio.h"

using namespace paretix;

namespace {

class DatiVerificheFinestra : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    test::CartellaTemporanea cartella;

    void SetUp() override { f.Form_Load({}); }

    // A wall of three layers, each with its own plaster flag and specific heat; layer 2 is
    // an air cavity when aria. Then the change applies to the exercise, and the window opens
    // it as a file.
    void Parete(bool aria, const std::function<void(Esercizio&)>& cambia = {}) {
        CostruisciParete(f, aria ? "MAM" : "MMM");
        Esercizio e = f.esercizio();
        for (int k = 1; k <= 3; ++k) {
            Strato& s = e.strato(k);
            if (s.CameraAria()) {
                continue;
            }
            s.Materiale = "Materiale " + std::to_string(k);
            s.Spessore.Testo = std::to_string(k);
            s.Intonaco = k != 2;
            s.CaloreSpecifico = std::to_string(800 + k);
        }
        if (cambia) {
            cambia(e);
        }
        ASSERT_TRUE(test::MostraNellaFinestra(f, dialoghi, e, cartella));
        dialoghi.Mostrati.clear();
    }

    // A valid wall calculated, so that an edit has results to clear.
    void Calcolato() {
        for (int k = 1; k <= f.esercizio().NumeroStrati(); ++k) {
            f.TextSpessore_Change(k, "10");
            if (!f.esercizio().strato(k).CameraAria()) {
                f.TextDensità_Change(k, "1800");
                f.TextConduttività_Change(k, "0,5");
                f.TextPermeabilità_Change(k, "20");
            }
        }
        f.TextTInterna_Change("20");
        f.TextUInterna_Change("50");
        f.TextUEsterna_Change("80");
        f.Command1_Click();
        ASSERT_FALSE(f.Stato().Text2.empty());
        ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
        dialoghi.Mostrati.clear();
    }

    bool Modificato() const { return f.Stato().Modificato == Si && f.Stato().Text2.empty(); }
};

} // namespace

TEST_F(DatiVerificheFinestra, LayerOperationsKeepThePerLayerDataWithTheirLayer) {
    Parete(false);
    const Esercizio prima = f.esercizio();

    f.LabelStrato_MouseDown(2);
    f.InserisciStratoASinistra_Click();
    ASSERT_EQ(f.esercizio().NumeroStrati(), 4);
    EXPECT_FALSE(f.esercizio().strato(2).Intonaco);
    EXPECT_TRUE(f.esercizio().strato(2).CaloreSpecifico.empty());
    EXPECT_EQ(f.esercizio().strato(1), prima.strato(1));
    EXPECT_EQ(f.esercizio().strato(3).CaloreSpecifico, "802");
    EXPECT_EQ(f.esercizio().strato(4).CaloreSpecifico, "803");
    EXPECT_TRUE(f.esercizio().strato(4).Intonaco);

    f.LabelStrato_MouseDown(2);
    f.EliminaStrato_Click();
    ASSERT_EQ(f.esercizio().NumeroStrati(), 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(f.esercizio().strato(k).Intonaco, prima.strato(k).Intonaco) << k;
        EXPECT_EQ(f.esercizio().strato(k).CaloreSpecifico, prima.strato(k).CaloreSpecifico) << k;
    }

    f.LabelStrato_MouseDown(3);
    f.DaTastiera_Click();
    EXPECT_TRUE(f.esercizio().strato(3).Intonaco);
    EXPECT_EQ(f.esercizio().strato(3).CaloreSpecifico, "803");

    f.LabelStrato_MouseDown(1);
    f.CaricaMaterialeNelloStratoSelezionato({"Intonaco di gesso", "1200", "0,35", "10", "-"});
    EXPECT_TRUE(f.esercizio().strato(1).Intonaco);
    EXPECT_EQ(f.esercizio().strato(1).CaloreSpecifico, "801");

    // An air cavity has neither.
    f.LabelStrato_MouseDown(2);
    f.CameraAria_Click();
    ASSERT_TRUE(f.esercizio().strato(2).CameraAria());
    EXPECT_TRUE(f.esercizio().strato(2).CaloreSpecifico.empty());
    EXPECT_FALSE(f.esercizio().strato(2).Intonaco);
}

TEST_F(DatiVerificheFinestra, TheCheckBoxIsAnEditThatLeavesCalculateAlone) {
    EXPECT_FALSE(f.CheckVerifiche());
    Calcolato();
    for (const bool valore : {true, false}) {
        f.CheckVerifiche_Click(valore);
        EXPECT_EQ(f.CheckVerifiche(), valore);
        EXPECT_TRUE(Modificato());
        EXPECT_TRUE(f.Stato().Command1Abilitato);
        ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
        f.CheckVerifiche_Click(valore);
        EXPECT_EQ(f.Stato().Modificato, No) << "the same value is no change";
    }
    // With no calculation type chosen "Calcola" stays disabled whatever this box says.
    f.Check1_Click(0, false);
    f.CheckVerifiche_Click(true);
    EXPECT_FALSE(f.Stato().Command1Abilitato);
    f.NuovoProgettoVuoto();
    EXPECT_FALSE(f.CheckVerifiche());
}

TEST_F(DatiVerificheFinestra, TheDialogShowsTheLayersAndTheChoices) {
    Parete(true, [](Esercizio& e) {
        e.Verifiche.Zona = ZonaClimatica::C;
        e.Verifiche.IsolamentoInterno = true;
    });
    const DialogoDatiVerifiche d = f.DatiVerifiche_Click();
    ASSERT_EQ(d.Strati.size(), 3u);
    EXPECT_EQ(d.Strati[0].Nome, "Materiale 1");
    EXPECT_EQ(d.Strati[0].Spessore, "1");
    EXPECT_TRUE(d.Strati[0].Intonaco);
    EXPECT_EQ(d.Strati[2].CaloreSpecifico, "803");
    EXPECT_TRUE(d.Strati[1].CameraAria);
    EXPECT_EQ(d.Strati[1].Nome, "Intercapedine d'aria");
    EXPECT_EQ(d.Zona, ZonaClimatica::C);
    EXPECT_TRUE(d.IsolamentoInterno);
    EXPECT_FALSE(d.Irradianza290);
    EXPECT_EQ(d.VociStratoIsolante(),
              (std::vector<std::string>{"il meno conduttivo", "1 - Materiale 1",
                                        "2 - Intercapedine d'aria", "3 - Materiale 3"}));
    EXPECT_EQ(std::string(VociCategoria[3]), "D - ospedali e case di cura");
    EXPECT_EQ(std::string(VociElemento[static_cast<int>(ElementoParete::NonClimatizzato)]),
              "parete verso ambiente non climatizzato");
}

TEST_F(DatiVerificheFinestra, BtrIsOnlyForAWallTowardsAnUnheatedSpace) {
    DialogoDatiVerifiche d = f.DatiVerifiche_Click();
    for (const std::optional<ElementoParete> elemento :
         {std::optional<ElementoParete>{}, std::optional{ElementoParete::Esterno},
          std::optional{ElementoParete::NonClimatizzato},
          std::optional{ElementoParete::Divisorio}}) {
        d.Elemento = elemento;
        EXPECT_EQ(d.BtrAbilitato(), elemento == ElementoParete::NonClimatizzato);
    }
}

TEST_F(DatiVerificheFinestra, WrongValuesAreNamedAndNothingIsApplied) {
    Parete(false);
    Calcolato();
    const Esercizio prima = f.esercizio();
    struct Caso {
        std::string btr;
        std::string c;
        std::string messaggio;
    };
    const std::string b = MessaggioBtrNonValido, c = MessaggioCaloreSpecificoNonValido(3);
    const std::vector<Caso> casi{{"0", "", b},     {"1,01", "", b}, {"-0,5", "", b},
                                 {"mezzo", "", b}, {"0.5", "", b},  {"", "0", c},
                                 {"", "-5", c},    {"", "calce", c}};
    for (const Caso& c : casi) {
        DialogoDatiVerifiche d = f.DatiVerifiche_Click();
        d.Btr = c.btr;
        d.Strati[2].CaloreSpecifico = c.c;
        d.Zona = ZonaClimatica::F;
        dialoghi.Mostrati.clear();
        EXPECT_FALSE(f.DatiVerifiche_Ok(d)) << c.btr << c.c;
        EXPECT_EQ(dialoghi.Mostrati,
                  (std::vector<DialoghiRegistrati::Voce>{
                      {"Dati per le verifiche", c.messaggio, Icona::Esclamazione}}));
        EXPECT_EQ((std::pair{d.Btr, d.Strati[2].CaloreSpecifico}), (std::pair{c.btr, c.c}));
        EXPECT_EQ(f.esercizio(), prima);
        EXPECT_EQ(f.Stato().Modificato, No);
    }
    EXPECT_EQ(MessaggioCaloreSpecificoNonValido(3),
              "Il valore nella casella ''c'' dello strato n. 3 deve essere un numero positivo "
              "(calore specifico in J/(kg K)).");
}

TEST_F(DatiVerificheFinestra, OkAppliesTheDataAndIsAnEditOnlyWhenSomethingChanged) {
    Parete(true);
    Calcolato();
    DialogoDatiVerifiche invariato = f.DatiVerifiche_Click();
    EXPECT_TRUE(f.DatiVerifiche_Ok(invariato));
    EXPECT_EQ(f.Stato().Modificato, No);
    EXPECT_FALSE(f.Stato().Text2.empty());

    DialogoDatiVerifiche d = f.DatiVerifiche_Click();
    d.Zona = ZonaClimatica::E;
    d.Regime = RegimeVerifica::Riqualificazione2021;
    d.Elemento = ElementoParete::Esterno;
    d.Btr = "0,7"; // the box is disabled: its text is kept
    d.Esposizione = Orientamento::NE;
    d.Categoria = CategoriaEdificio::A;
    d.StratoIsolante = 3;
    d.Strati[0].Intonaco = false;
    d.Strati[0].CaloreSpecifico = "1.000";
    d.Strati[1].Intonaco = true; // an air cavity takes neither
    d.Strati[1].CaloreSpecifico = "1000";
    EXPECT_TRUE(f.DatiVerifiche_Ok(d));
    EXPECT_TRUE(dialoghi.Mostrati.empty());
    EXPECT_TRUE(Modificato());
    const Esercizio& e = f.esercizio();
    // The checks stay off: the dialog does not switch them on; check boxes never touched stay
    // a choice not made.
    DatiVerifiche attesi;
    attesi.Zona = ZonaClimatica::E;
    attesi.Regime = RegimeVerifica::Riqualificazione2021;
    attesi.Elemento = ElementoParete::Esterno;
    attesi.Btr = "0,7";
    attesi.Esposizione = Orientamento::NE;
    attesi.Categoria = CategoriaEdificio::A;
    attesi.StratoIsolante = 3;
    EXPECT_EQ(e.Verifiche, attesi);
    EXPECT_EQ((std::tuple{e.strato(1).Intonaco, e.strato(1).CaloreSpecifico, e.strato(2).Intonaco,
                          e.strato(2).CaloreSpecifico}),
              (std::tuple{false, std::string("1.000"), false, std::string()}));

    // A check box switched on and then off again is an answer "no".
    DialogoDatiVerifiche acceso = f.DatiVerifiche_Click();
    acceso.Irradianza290 = true;
    ASSERT_TRUE(f.DatiVerifiche_Ok(acceso));
    DialogoDatiVerifiche spento = f.DatiVerifiche_Click();
    EXPECT_TRUE(spento.Irradianza290);
    spento.Irradianza290 = false;
    ASSERT_TRUE(f.DatiVerifiche_Ok(spento));
    EXPECT_EQ(f.esercizio().Verifiche.Irradianza290, false);
}

// The monthly check's data open as they are in the exercise, come back unchanged, and a
// pasted year that is refused leaves the typed one.
TEST(DialogoDatiVerificheMensili, TheYearTheInsideConditionsAndASdRoundTrip) {
    Esercizio e;
    e.Strati.assign(3, Strato{});
    e.Verifiche.ClimaEsterno[0] = {"-0,3", "83"};
    e.Verifiche.ClasseUmidità = 0;
    e.Verifiche.ClimaInterno[0] = {"20", "55"};
    e.Verifiche.CondensaAmmissibile = "350";
    e.Verifiche.InterfacciaFreno = 2;
    e.strato(3).Sd = "0,02";
    e.Verifiche.Progetto.Titolo = "Villa";
    DialogoDatiVerifiche d(e);
    EXPECT_EQ(d.Progetto.Titolo, "Villa");
    EXPECT_EQ(d.CondizioniInterne, VoceInternoDigitato);
    EXPECT_EQ(d.ClimaEsterno[0].Temperatura, "-0,3");
    EXPECT_EQ(d.Strati[2].Sd, "0,02");
    EXPECT_EQ(d.VociInterfacciaFreno(),
              (std::vector<std::string>{"dove serve", "tra 1 e 2", "tra 2 e 3"}));
    Esercizio copia = e;
    EXPECT_FALSE(d.Applica(copia));

    EXPECT_TRUE(d.IncollaClimaEsterno("1;2\n").has_value());
    EXPECT_EQ(d.ClimaEsterno[0].Temperatura, "-0,3");
    std::string anno;
    for (int m = 0; m < 12; ++m) {
        anno += std::to_string(m) + ",5\t" + std::to_string(70 + m) + "\n";
    }
    EXPECT_EQ(d.IncollaClimaEsterno(anno), std::nullopt);
    EXPECT_EQ(d.ClimaEsterno[11].Temperatura, "11,5");
    d.CondizioniInterne = 5;
    d.Strati[2].Sd.clear();
    d.Progetto.Tecnico = "Ing. Neri";
    EXPECT_TRUE(d.Applica(copia));
    EXPECT_EQ(copia.Verifiche.Progetto, (DatiProgetto{"Villa", "", "", "Ing. Neri"}));
    EXPECT_EQ(copia.Verifiche.ClimaEsterno[11].Umidità, "81");
    EXPECT_EQ(copia.Verifiche.ClasseUmidità, std::optional<int>(5));
    EXPECT_EQ(copia.strato(3).Sd, "");
    d.CondizioniInterne = 0;
    d.Applica(copia);
    EXPECT_FALSE(copia.Verifiche.ClasseUmidità);
}
