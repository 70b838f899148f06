#include <gtest/gtest.h>

#include <functional>

#include "core/model/validazione.h"
#include "core/window/finestra_principale.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

class Finestra : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    test::CartellaTemporanea cartella;

    void SetUp() override { f.Form_Load({"/opt/paretix", Si, true}); }

    // A wall of one layer that every calculation accepts.
    void PareteValida() {
        f.TextSpessore_Change(1, "10");
        f.TextDensità_Change(1, "1800");
        f.TextConduttività_Change(1, "0,5");
        f.TextPermeabilità_Change(1, "20");
        f.TextTInterna_Change("20");
        f.TextUInterna_Change("50");
        f.TextUEsterna_Change("80");
    }

    bool RisultatiMostrati() const {
        const StatoFinestra& s = f.Stato();
        return !s.Text2.empty() && s.StampaAbilitata && s.GraficiDisegnati;
    }
};

// A new exercise, at start-up or after edits, keeps only what the start-up found.
TEST_F(Finestra, StartsWithANewExerciseAndNewResetsEverythingButTheStartUpFindings) {
    for (const bool dopoModifiche : {false, true}) {
        if (dopoModifiche) {
            PareteValida();
            f.Check1_Click(2, true);
            f.TextAppunti_Change("nota");
            f.CommandPiù_Click();
            f.Command1_Click();
            f.NuovoProgettoVuoto();
        }
        const StatoFinestra& s = f.Stato();
        EXPECT_EQ(s.Caption, "Senza nome - Paretix LT");
        EXPECT_EQ(s.Modificato, No);
        EXPECT_EQ(s.CartellaProgramma, "/opt/paretix");
        EXPECT_EQ(s.ScritturaConsentita, Si);
        EXPECT_TRUE(s.AbacoUtilizzabile);
        EXPECT_EQ(s.LabelNumeroStratiMax, "Numero strati max 15");
        EXPECT_EQ(f.esercizio(), Esercizio{});
        EXPECT_TRUE(s.Command1Abilitato);
        EXPECT_FALSE(RisultatiMostrati() || s.StampaAbilitata);
        EXPECT_EQ(s.Option2, Vista::Schema);
        EXPECT_EQ(s.Option2Abilitato, (std::array<bool, 3>{true, false, false}));
        EXPECT_FALSE(s.Schema.FrameNero[CorniceSuono].Visibile);
        EXPECT_EQ(s.LabelUi, "0");
    }
    f.Form_Load({"", No, false});
    EXPECT_EQ(f.Stato().ScritturaConsentita, No);
    EXPECT_FALSE(f.Stato().AbacoUtilizzabile);
}

TEST_F(Finestra, CalculateShowsTheReportAndEnablesTheViewsOfTheChosenCalculations) {
    PareteValida();
    f.Command1_Click();
    const StatoFinestra& s = f.Stato();
    EXPECT_TRUE(dialoghi.Mostrati.empty());
    EXPECT_EQ(s.DatiValidi, Si);
    EXPECT_TRUE(RisultatiMostrati());
    EXPECT_EQ(s.Text2.rfind("DATI:\r\n", 0), 0u);
    EXPECT_NE(s.Text2.find("CALCOLO IGROMETRICO"), std::string::npos);
    EXPECT_EQ(s.Option2Abilitato, (std::array<bool, 3>{true, true, false}));

    f.Check1_Click(2, true);
    f.Command1_Click();
    EXPECT_EQ(f.Stato().Option2Abilitato, (std::array<bool, 3>{true, true, true}));
}

TEST_F(Finestra, AFaultShowsTheValidationMessageAndNothingElse) {
    PareteValida();
    f.TextSpessore_Change(1, "");
    f.Command1_Click();
    EXPECT_EQ(dialoghi.Mostrati, (std::vector<DialoghiRegistrati::Voce>{
                                     {"ERRORE:", Frase3(1, "''Spessore''"), Icona::Critica}}));
    EXPECT_EQ(f.Stato().DatiValidi, No);
    EXPECT_TRUE(f.Stato().Text2.empty());
    EXPECT_FALSE(f.Stato().StampaAbilitata);
    EXPECT_EQ(f.Stato().Option2Abilitato, (std::array<bool, 3>{true, false, false}));
}

// Every input box: the value the valid wall has there, another one, and whether the thermal
// and hygrometric calculations read it.
struct Casella {
    std::function<bool(FinestraPrincipale&, const std::string&)> scrivi;
    std::function<std::string(const Esercizio&)> testo;
    std::string valido, altro;
    bool letta = true;
};

template <typename Campo>
Casella Di(bool (FinestraPrincipale::*m)(const std::string&), Campo c, std::string valido,
           std::string altro, bool letta = true) {
    return {[m](FinestraPrincipale& w, const std::string& t) { return (w.*m)(t); },
            [c](const Esercizio& e) { return e.*c; }, valido, altro, letta};
}

Casella DelloStrato(bool (FinestraPrincipale::*m)(int, const std::string&),
                    paretix::Casella Strato::*c, std::string valido, std::string altro,
                    bool letta = true) {
    return {[m](FinestraPrincipale& w, const std::string& t) { return (w.*m)(1, t); },
            [c](const Esercizio& e) { return (e.strato(1).*c).Testo; }, valido, altro, letta};
}

using F = FinestraPrincipale;
const std::vector<Casella> Caselle{
    Di(&F::TextLiminariInterno_Change, &Esercizio::LiminariInterno, "7", "8"),
    Di(&F::TextLiminariEsterno_Change, &Esercizio::LiminariEsterno, "24", "23"),
    Di(&F::TextTInterna_Change, &Esercizio::TInterna, "20", "19"),
    Di(&F::TextTEsterna_Change, &Esercizio::TEsterna, "0", "-5"),
    Di(&F::TextUInterna_Change, &Esercizio::UInterna, "50", "60"),
    Di(&F::TextUEsterna_Change, &Esercizio::UEsterna, "80", "70"),
    Di(&F::TextDistSonoro_Change, &Esercizio::DistSonoro, "", "55", false),
    DelloStrato(&F::TextSpessore_Change, &Strato::Spessore, "10", "12"),
    DelloStrato(&F::TextDensità_Change, &Strato::Densità, "", "1700", false),
    DelloStrato(&F::TextConduttività_Change, &Strato::Conduttività, "0,5", "0,6"),
    DelloStrato(&F::TextPermeabilità_Change, &Strato::Permeabilità, "20", "25"),
    DelloStrato(&F::TextFatAssorbimento_Change, &Strato::FatAssorbimento, "", "0,9", false),
};

// Each box the thermal and hygrometric calculations read: its value typed with blanks is
// written back in normal form, an edit whose results stay (calculating again changes nothing).
// Then every box's edit clears the results, but the notes do not.
TEST_F(Finestra, ANormalFormIsAnEditThatKeepsTheResultsAnyOtherEditClearsThem) {
    PareteValida();
    for (std::size_t i = 0; i < Caselle.size(); ++i) {
        const Casella& c = Caselle[i];
        if (c.letta) {
            c.scrivi(f, " " + c.valido + " ");
            ASSERT_EQ(c.testo(f.esercizio()), " " + c.valido + " ") << "kept as typed " << i;
            ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
            f.Command1_Click();
            EXPECT_EQ(c.testo(f.esercizio()), c.valido) << i;
            EXPECT_EQ(f.Stato().Modificato, Si) << i;
            EXPECT_TRUE(RisultatiMostrati()) << i;
        }
        ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
        f.Command1_Click();
        EXPECT_EQ(f.Stato().Modificato, No) << i;
        ASSERT_TRUE(RisultatiMostrati()) << i;
        EXPECT_TRUE(c.scrivi(f, c.altro));
        EXPECT_EQ(c.testo(f.esercizio()), c.altro) << i;
        EXPECT_EQ(f.Stato().Modificato, Si) << i;
        EXPECT_FALSE(f.Stato().StampaAbilitata || f.Stato().GraficiDisegnati) << i;
        EXPECT_TRUE(f.Stato().Text2.empty()) << i;
        EXPECT_EQ(f.Stato().Option2Abilitato, (std::array<bool, 3>{true, false, false})) << i;
    }
    f.Command1_Click();
    ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
    EXPECT_TRUE(f.TextAppunti_Change("muro di prova"));
    EXPECT_EQ(f.esercizio().Appunti, "muro di prova");
    EXPECT_EQ(f.Stato().Modificato, Si);
    EXPECT_TRUE(RisultatiMostrati());
}

TEST_F(Finestra, TheSameTextOrOneTheFileCannotStoreIsNoChange) {
    PareteValida();
    f.Command1_Click();
    ASSERT_TRUE(test::SalvaNellaCartella(f, dialoghi, cartella));
    EXPECT_TRUE(f.TextSpessore_Change(1, "10"));
    EXPECT_FALSE(f.TextSpessore_Change(1, "10\u03a9"));
    EXPECT_FALSE(f.TextAppunti_Change("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(f.TextTInterna_Change("\xC3"));
    EXPECT_TRUE(f.TextAppunti_Change("20 \xE2\x82\xAC al m\xC2\xB2")); // the euro sign fits
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Testo, "10");
    EXPECT_EQ(f.esercizio().TInterna, "20");
    EXPECT_TRUE(RisultatiMostrati());
    EXPECT_FALSE(f.TextSpessore_Change(2, "5")); // no such layer
}

TEST_F(Finestra, CheckBoxesKeepTheHygrometricCalculationWithTheThermalOne) {
    f.Check1_Click(0, false);
    EXPECT_FALSE(f.esercizio().Termico);
    EXPECT_FALSE(f.esercizio().Igrometrico);
    EXPECT_FALSE(f.Stato().FrameLiminariInEstVisibile);
    EXPECT_FALSE(f.Stato().Command1Abilitato);
    EXPECT_EQ(f.Stato().Modificato, Si);

    f.Check1_Click(1, true);
    EXPECT_TRUE(f.esercizio().Termico);
    EXPECT_TRUE(f.esercizio().Igrometrico);
    EXPECT_TRUE(f.Stato().FrameLiminariInEstVisibile);
    EXPECT_EQ(f.Stato().CaptionOption2GraficiTermici, "Grafici termico e igrometrico");
    EXPECT_TRUE(f.Stato().PictureGrafico2Visibile);
    EXPECT_EQ(f.Stato().AltezzaPictureGrafico1, 3615);

    f.Check1_Click(1, false);
    EXPECT_TRUE(f.esercizio().Termico);
    EXPECT_EQ(f.Stato().CaptionOption2GraficiTermici, "Grafico termico");
    EXPECT_FALSE(f.Stato().PictureGrafico2Visibile);
    EXPECT_EQ(f.Stato().AltezzaPictureGrafico1, 7335);
    EXPECT_TRUE(f.Stato().Command1Abilitato);
}

TEST_F(Finestra, WithNoCalculationChosenCalcolaIsDisabledAndDoesNothing) {
    PareteValida();
    f.Check1_Click(0, false);
    ASSERT_FALSE(f.Stato().Command1Abilitato);
    f.Command1_Click();
    f.CommandSuTi_Click();
    EXPECT_TRUE(dialoghi.Mostrati.empty());
    EXPECT_TRUE(f.Stato().Text2.empty());

    f.Check1_Click(2, true);
    EXPECT_TRUE(f.Stato().Command1Abilitato);
    f.Command1_Click();
    EXPECT_TRUE(RisultatiMostrati());
    EXPECT_EQ(f.Stato().Option2Abilitato, (std::array<bool, 3>{true, false, true}));
}

TEST_F(Finestra, ChartViewsLockTheCheckBoxesAndNeedResults) {
    f.Option2_Click(1);
    EXPECT_EQ(f.Stato().Option2, Vista::Schema); // no results yet

    PareteValida();
    f.Command1_Click();
    f.Option2_Click(1);
    EXPECT_EQ(f.Stato().Option2, Vista::GraficiTermoIgrometrici);
    EXPECT_EQ(f.Stato().Check1Abilitato, (std::array<bool, 3>{false, false, false}));
    f.Check1_Click(2, true);
    EXPECT_FALSE(f.esercizio().Acustico);

    // An edit from the column clears the results while the chart view stays in front.
    f.TextLiminariInterno_Change("8");
    EXPECT_EQ(f.Stato().Option2, Vista::GraficiTermoIgrometrici);
    EXPECT_EQ(f.Stato().Option2Abilitato, (std::array<bool, 3>{true, false, false}));

    f.Option2_Click(0);
    EXPECT_EQ(f.Stato().Option2, Vista::Schema);
    EXPECT_EQ(f.Stato().Check1Abilitato, (std::array<bool, 3>{true, true, true}));
}

TEST_F(Finestra, UnitSwitchConvertsTheSoundLevel) {
    f.Check1_Click(2, true);
    f.Option1_Click(1);
    EXPECT_EQ(f.esercizio().UnitaDistSonoro, UnitaSuono::Watt);
    EXPECT_EQ(f.esercizio().DistSonoro, "0");

    f.Option1_Click(0);
    f.TextDistSonoro_Change("6 0");
    f.Option1_Click(1);
    EXPECT_EQ(f.esercizio().DistSonoro, "1E-06");
    f.Option1_Click(0);
    EXPECT_EQ(f.esercizio().DistSonoro, "60");
    f.TextDistSonoro_Change("1");
    f.Option1_Click(1);
    EXPECT_EQ(f.esercizio().DistSonoro, "1,25892541179417E-12");
    EXPECT_TRUE(dialoghi.Mostrati.empty());

    // Clicking the unit already chosen is no switch.
    f.Option1_Click(1);
    EXPECT_EQ(f.esercizio().DistSonoro, "1,25892541179417E-12");
}

// The table's input is the sound level typed before the switch to watts: the message, and the
// unit and text kept. 5000 dB is 10^500 W/m², beyond the computer's numbers: no results either.
TEST_F(Finestra, UnitSwitchRefusesWhatIsNoSoundLevelAndKeepsUnitAndText) {
    PareteValida();
    f.Check1_Click(2, true);
    test::ExpectTabella("core-h2/finestra/unita-rifiutata.txt", [&](const std::string& testo) {
        f.TextDistSonoro_Change(testo);
        f.Command1_Click();
        dialoghi.Mostrati.clear();
        EXPECT_TRUE(f.Stato().Text2.empty()) << testo;
        f.Option1_Click(1);
        EXPECT_EQ(f.esercizio().UnitaDistSonoro, UnitaSuono::Decibel) << testo;
        EXPECT_TRUE(f.Stato().Text2.empty());
        std::string detto = "[" + f.esercizio().DistSonoro + "]";
        for (const DialoghiRegistrati::Voce& v : dialoghi.Mostrati) {
            detto += " " + v.Titolo + " " + v.Testo;
        }
        return detto;
    });
}

// On a wrong wall a spin button steps the value and reports the fault.
TEST_F(Finestra, SpinButtonsStepTheLeadingNumberAndCalculate) {
    f.CommandSuUe_Click();
    EXPECT_EQ(f.esercizio().UEsterna, "1");
    ASSERT_EQ(dialoghi.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.Mostrati[0].Titolo, TitoloErrore);
    EXPECT_FALSE(RisultatiMostrati());
    dialoghi.Mostrati.clear();
    PareteValida();
    f.TextTInterna_Change("20,5");
    f.CommandSuTi_Click();
    EXPECT_EQ(f.esercizio().TInterna, "21");
    EXPECT_TRUE(RisultatiMostrati());
    EXPECT_NE(f.Stato().Text2.find("Ti = 21 °C"), std::string::npos);

    f.TextTEsterna_Change("-2,5");
    f.CommandGiuTe_Click();
    EXPECT_EQ(f.esercizio().TEsterna, "-3");
    f.TextTEsterna_Change("freddo");
    f.CommandSuTe_Click();
    EXPECT_EQ(f.esercizio().TEsterna, "1");
    f.CommandGiuTi_Click();
    EXPECT_EQ(f.esercizio().TInterna, "20");
    EXPECT_TRUE(dialoghi.Mostrati.empty());
}

// The table's input is the humidity typed and the button, "su", "giù" or "nessuno", pressed for
// the inside and then for the outside; the output, the value and the label of both (the label
// shows the leading number). A button calculates again.
TEST_F(Finestra, HumiditySpinButtonsStayWithin0And100) {
    PareteValida();
    test::ExpectTabella("core-h2/finestra/frecce-umidita.txt", [&](const std::string& caso) {
        const std::string testo = caso.substr(0, caso.rfind(' '));
        const bool su = caso.ends_with(" su");
        f.TextUInterna_Change(testo);
        const bool bottone = !caso.ends_with(" nessuno");
        if (bottone) {
            su ? f.CommandSuUi_Click() : f.CommandGiuUi_Click();
        }
        f.TextUEsterna_Change(testo);
        if (bottone) {
            su ? f.CommandSuUe_Click() : f.CommandGiuUe_Click();
        }
        EXPECT_EQ(RisultatiMostrati(), bottone) << caso;
        const StatoFinestra& s = f.Stato();
        return f.esercizio().UInterna + " (" + s.LabelUi + "), " + f.esercizio().UEsterna + " (" +
               s.LabelUe + ")";
    });
    EXPECT_TRUE(dialoghi.Mostrati.empty());
}

TEST_F(Finestra, TimerCopiesEachLayerBoxTextIntoItsToolTip) {
    f.CommandPiù_Click();
    f.TextSpessore_Change(2, "12,345678");
    f.TextFatAssorbimento_Change(1, "-");
    f.Timer1_Timer();
    EXPECT_EQ(f.esercizio().strato(2).Spessore.Suggerimento, "12,345678");
    EXPECT_EQ(f.esercizio().strato(1).FatAssorbimento.Suggerimento, "-");
    EXPECT_EQ(f.esercizio().strato(1).Spessore.Suggerimento, "");
}

} // namespace

TEST_F(Finestra, ChartsFollowTheResultsAndTheCalculationTypes) {
    PareteValida();
    const Grafici vuoti = f.Stato().Disegni;
    EXPECT_TRUE(vuoti.Grafico1.Linee.size() > 0); // the empty frames
    f.Check1_Click(2, true);
    f.Command1_Click();
    EXPECT_NE(f.Stato().Disegni.Grafico1, vuoti.Grafico1);
    EXPECT_FALSE(f.Stato().Disegni.Grafico3.Pennellate.empty()); // the energy curve

    f.TextSpessore_Change(1, "12");
    EXPECT_EQ(f.Stato().Disegni, GraficiAzzerati(true));

    // Without the hygrometric calculation the temperature chart takes the whole panel.
    f.Check1_Click(1, false);
    EXPECT_EQ(f.Stato().Disegni.Grafico1.Altezza, AltezzaSuperficieIntera);
    f.Check1_Click(1, true);
    EXPECT_EQ(f.Stato().Disegni.Grafico1.Altezza, AltezzaSuperficieMezza);
}
