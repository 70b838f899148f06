// The specific heat a material brings from the database: it fills the layer, read-only, and
// goes with the material.

#include <gtest/gtest.h>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/materials/carica_materiale.h"
#include "core/model/camera_aria.h"
#include "core/window/dati_verifiche_dialogo.h"
#include "support/dialoghi_registrati.h"
#include "support/parete_di_prova.h"

using namespace paretix;

namespace {

const VoceAbaco Acciaio{"Acciaio", "7800", "50", "0,0001875", "-", "450"};
const VoceAbaco SenzaCalore{"Vetro", "2500", "1", "0,0001875", "0,84", ""};

TEST(CaloreDaAbaco, ALoadedValueIsLockedAndLeavesWithItsMaterial) {
    Esercizio e;
    e.strato(1).CaloreSpecifico = "900"; // typed by the user
    CaricaMateriale(e, 1, SenzaCalore);
    EXPECT_EQ(e.strato(1).CaloreSpecifico, "900");
    EXPECT_FALSE(e.strato(1).CaloreSpecificoDaAbaco);

    CaricaMateriale(e, 1, Acciaio);
    EXPECT_EQ(e.strato(1).CaloreSpecifico, "450");
    EXPECT_TRUE(e.strato(1).CaloreSpecificoDaAbaco);

    // The next material has none: the steel's value does not stay with glass.
    CaricaMateriale(e, 1, SenzaCalore);
    EXPECT_EQ(e.strato(1).CaloreSpecifico, "");
    EXPECT_FALSE(e.strato(1).CaloreSpecificoDaAbaco);
}

TEST(CaloreDaAbaco, TheDialogShowsItLockedAndDoesNotWriteIt) {
    Esercizio e;
    CaricaMateriale(e, 1, Acciaio);
    DialogoDatiVerifiche d(e);
    ASSERT_EQ(d.Strati.size(), 1u);
    EXPECT_TRUE(d.Strati[0].CaloreSpecificoBloccato);
    d.Strati[0].CaloreSpecifico = "999";
    d.Strati[0].Intonaco = true;
    EXPECT_TRUE(d.Applica(e));
    EXPECT_EQ(e.strato(1).CaloreSpecifico, "450");
    EXPECT_TRUE(e.strato(1).Intonaco);
}

TEST(CaloreDaAbaco, TypingTheLayerByHandUnlocksItAndTheFileKeepsTheLock) {
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};
    f.Form_Load({});
    f.LabelStrato_MouseDown(1);
    f.CaricaMaterialeNelloStratoSelezionato(Acciaio);
    ASSERT_TRUE(f.esercizio().strato(1).CaloreSpecificoDaAbaco);

    // Written and read back: version 2 with the lock.
    const auto byte = ContenutoFileEsercizio(f.esercizio());
    ASSERT_TRUE(byte);
    EXPECT_NE(
        byte->find("\r\nstrato.1.calore-specifico=450\r\nstrato.1.calore-specifico-abaco=1\r\n"),
        std::string::npos);
    Esercizio letto;
    int riga = 0;
    ASSERT_TRUE(LetturaEsercizio(*byte, letto, riga));
    EXPECT_EQ(letto.strato(1).CaloreSpecifico, "450");
    EXPECT_TRUE(letto.strato(1).CaloreSpecificoDaAbaco);

    f.LabelStrato_MouseDown(1);
    f.DaTastiera_Click();
    EXPECT_EQ(f.esercizio().strato(1).CaloreSpecifico, "450");
    EXPECT_FALSE(f.esercizio().strato(1).CaloreSpecificoDaAbaco);
}

} // namespace

TEST(CaricaMateriale, GivenValuesYellowAndReadOnlyDashOrBlankStayTyped) {
    Esercizio e;
    e.Strati.resize(3);
    CameraAria1(e, 2);
    e.strato(2).Spessore = {"4", "4", ColoreFinestra, false};
    const Strato vicino = e.strato(1);
    CaricaMateriale(e, 2, {"Laterizio", "1800", "0,72", " ", "-"});
    const Strato& s = e.strato(2);
    EXPECT_EQ(s.TipoStrato, "M");
    EXPECT_EQ(s.Materiale, "Laterizio");
    EXPECT_EQ(s.ColoreTipo, ColoreGiallo);
    EXPECT_EQ(s.StileRiempimento, RiempimentoTratteggio);
    EXPECT_EQ(s.Densità, (Casella{"1800", "1800", ColoreGiallo, true}));
    EXPECT_EQ(s.Conduttività, (Casella{"0,72", "0,72", ColoreGiallo, true}));
    EXPECT_EQ(s.Permeabilità, (Casella{" ", " ", ColoreFinestra, false}));
    EXPECT_EQ(s.FatAssorbimento, (Casella{"-", "-", ColoreFinestra, false}));
    EXPECT_EQ(s.Spessore, (Casella{"4", "4", ColoreFinestra, false}));
    EXPECT_EQ(e.strato(1), vicino);

    // Loaded again, a value now missing turns back into a typed one.
    CaricaMateriale(e, 2, {"Sughero", "-", " 0,04 ", "18,75", "0,9"});
    EXPECT_EQ(e.strato(2).Densità, (Casella{"-", "-", ColoreFinestra, false}));
    EXPECT_EQ(e.strato(2).Conduttività, (Casella{" 0,04 ", " 0,04 ", ColoreGiallo, true}));
}
