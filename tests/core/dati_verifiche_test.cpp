#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/window/dati_verifiche_dialogo.h"
#include "sessione_finestra.h"
#include "support/finestra_di_prova.h"

using namespace paretix;

namespace {

// A wall of three layers, each with its own plaster flag and specific heat; layer 2 is an air
// cavity when tipi says so. Then cambia applies to the exercise, and the window opens it.
void Parete(test::SessioneFinestra& s, const std::string& tipi,
            const std::function<void(Esercizio&)>& cambia = {}) {
    CostruisciParete(s.F(), tipi);
    Esercizio e = s.F().esercizio();
    for (int k = 1; k <= 3; ++k) {
        Strato& st = e.strato(k);
        if (!st.CameraAria()) {
            st.Materiale = "Materiale " + std::to_string(k);
            st.Spessore.Testo = std::to_string(k);
            st.Intonaco = k != 2;
            st.CaloreSpecifico = std::to_string(800 + k);
        }
    }
    if (cambia) {
        cambia(e);
    }
    ASSERT_TRUE(test::MostraNellaFinestra(s.F(), s.dialoghi, e, s.cartella));
    s.dialoghi.Mostrati.clear();
}

// Sessions under tests/data/core-h1/finestra: "parete MMM" opens the wall above, "carica"
// loads a plaster from the database into the selected layer, "casella" shows the check box.
// "dati" confirms the dialog of the checks.
class DatiVerificheSessione : public testing::TestWithParam<const char*> {};

TEST_P(DatiVerificheSessione, TheWindowAnswersAsTheScriptSays) {
    test::SessioneFinestra s;
    s.AltriComandi = [&s](const std::string& comando, const std::string& a) {
        if (comando == "parete") {
            Parete(s, a);
        } else if (comando == "carica") {
            s.F().CaricaMaterialeNelloStratoSelezionato(
                {"Intonaco di gesso", "1200", "0,35", "10", "-"});
        } else if (comando == "casella") {
            s.Scrivi(s.F().CheckVerifiche() ? "verifiche: sì" : "verifiche: no");
        } else {
            // "btr;c": the dialog of the checks with zone F, btr and layer 3's specific heat.
            ASSERT_EQ(comando, "dati");
            DialogoDatiVerifiche d = s.F().DatiVerifiche_Click();
            d.Btr = a.substr(0, a.find(';'));
            d.Strati[2].CaloreSpecifico = a.substr(a.find(';') + 1);
            d.Zona = ZonaClimatica::F;
            s.Esito(s.F().DatiVerifiche_Ok(d));
            s.Scrivi("btr \"" + d.Btr + "\", c \"" + d.Strati[2].CaloreSpecifico + "\"");
        }
    };
    s.Esegui(GetParam());
}

INSTANTIATE_TEST_SUITE_P(, DatiVerificheSessione,
                         testing::Values("verifiche-strati", "verifiche-casella",
                                         "verifiche-errate"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, '-');
                             return nome;
                         });

class DatiVerificheFinestra : public ::testing::Test {
  protected:
    test::SessioneFinestra s;
    FinestraPrincipale& f = s.F();
    DialoghiRegistrati& dialoghi = s.dialoghi;

    void SetUp() override { f.Form_Load({}); }

    // A valid wall calculated and saved, so that an edit has results to clear.
    void Calcolato(const std::string& tipi) {
        Parete(s, tipi);
        for (int k = 1; k <= 3; ++k) {
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
        ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, s.cartella));
        dialoghi.Mostrati.clear();
    }
};

TEST_F(DatiVerificheFinestra, TheDialogShowsTheLayersAndTheChoices) {
    DialogoDatiVerifiche vuoto = f.DatiVerifiche_Click();
    for (const std::optional<ElementoParete> elemento :
         {std::optional<ElementoParete>{}, std::optional{ElementoParete::Esterno},
          std::optional{ElementoParete::NonClimatizzato},
          std::optional{ElementoParete::Divisorio}}) {
        vuoto.Elemento = elemento;
        EXPECT_EQ(vuoto.BtrAbilitato(), elemento == ElementoParete::NonClimatizzato);
    }
    Parete(s, "MAM", [](Esercizio& e) {
        e.Verifiche.Zona = ZonaClimatica::C;
        e.Verifiche.IsolamentoInterno = true;
    });
    const DialogoDatiVerifiche d = f.DatiVerifiche_Click();
    ASSERT_EQ(d.Strati.size(), 3u);
    const auto& [primo, aria, terzo] = std::tie(d.Strati[0], d.Strati[1], d.Strati[2]);
    EXPECT_EQ((std::tuple{primo.Nome, primo.Spessore, primo.Intonaco, terzo.CaloreSpecifico}),
              (std::tuple{"Materiale 1", "1", true, "803"}));
    EXPECT_EQ((std::tuple{aria.CameraAria, aria.Nome}), (std::tuple{true, "Intercapedine d'aria"}));
    EXPECT_EQ((std::tuple{d.Zona, d.IsolamentoInterno, d.Irradianza290}),
              (std::tuple{std::optional{ZonaClimatica::C}, true, false}));
    EXPECT_EQ(d.VociStratoIsolante(),
              (std::vector<std::string>{"il meno conduttivo", "1 - Materiale 1",
                                        "2 - Intercapedine d'aria", "3 - Materiale 3"}));
    EXPECT_EQ(std::string(VociCategoria[3]), "D - ospedali e case di cura");
    EXPECT_EQ(std::string(VociElemento[static_cast<int>(ElementoParete::NonClimatizzato)]),
              "parete verso ambiente non climatizzato");
}

TEST_F(DatiVerificheFinestra, OkAppliesTheDataAndIsAnEditOnlyWhenSomethingChanged) {
    Calcolato("MAM");
    EXPECT_TRUE(f.DatiVerifiche_Ok(f.DatiVerifiche_Click()));
    EXPECT_EQ(f.Stato().Modificato, No);
    EXPECT_FALSE(f.Stato().Text2.empty());

    DialogoDatiVerifiche d = f.DatiVerifiche_Click();
    DatiVerifiche attesi;
    attesi.Zona = d.Zona = ZonaClimatica::E;
    attesi.Regime = d.Regime = RegimeVerifica::Riqualificazione2021;
    attesi.Elemento = d.Elemento = ElementoParete::Esterno;
    attesi.Btr = d.Btr = "0,7"; // the box is disabled: its text is kept
    attesi.Esposizione = d.Esposizione = Orientamento::NE;
    attesi.Categoria = d.Categoria = CategoriaEdificio::A;
    attesi.StratoIsolante = d.StratoIsolante = 3;
    d.Strati[0].Intonaco = false;
    d.Strati[0].CaloreSpecifico = "1.000";
    d.Strati[1].Intonaco = true; // an air cavity takes neither
    d.Strati[1].CaloreSpecifico = "1000";
    EXPECT_TRUE(f.DatiVerifiche_Ok(d));
    EXPECT_TRUE(dialoghi.Mostrati.empty());
    EXPECT_EQ(f.Stato().Modificato, Si);
    EXPECT_TRUE(f.Stato().Text2.empty());
    const Esercizio& e = f.esercizio();
    // The checks stay off: the dialog does not switch them on; check boxes never touched stay
    // a choice not made.
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
    EXPECT_EQ((std::tuple{d.Progetto.Titolo, d.CondizioniInterne, d.ClimaEsterno[0].Temperatura,
                          d.Strati[2].Sd}),
              (std::tuple{"Villa", VoceInternoDigitato, "-0,3", "0,02"}));
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

} // namespace
