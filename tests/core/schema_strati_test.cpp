#include <gtest/gtest.h>

#include "core/window/finestra_principale.h"
#include "core/window/pannelli.h"
#include "support/dialoghi_registrati.h"
#include "support/parete_di_prova.h"

using namespace paretix;

namespace {

class Schema : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    FinestraPrincipale f{dialoghi};

    void SetUp() override { f.Form_Load({}); }

    const CorniceNera& Cornice(int i) const { return f.Stato().Schema.FrameNero[i]; }

    // Visibility of the rows of boxes, layer by layer as "1" and "0", from type to absorption
    // factor, a blank between rows.
    std::string Righe() const {
        std::string s;
        for (int r = 1; r <= NumeroRighe; ++r) {
            for (int k = 1; k <= f.esercizio().NumeroStrati(); ++k) {
                s += CasellaVisibile(f.esercizio(), k, static_cast<RigaSchema>(r)) ? '1' : '0';
            }
            s += r < NumeroRighe ? " " : "";
        }
        return s;
    }

    void Calcoli(bool termico, bool igrometrico, bool acustico) {
        f.Check1_Click(2, acustico);
        f.Check1_Click(0, termico);
        f.Check1_Click(1, igrometrico);
    }
};

TEST_F(Schema, LayersAndOutsideFramesFollowTheLayerCount) {
    EXPECT_EQ(SinistraStrato(1), 1290);
    EXPECT_EQ(Cornice(CorniceTEsterna).Sinistra, 2000);
    EXPECT_EQ(f.Stato().Schema.FineLinee, 2000);
    for (int i = 0; i < 14; ++i) {
        f.CommandPiù_Click();
    }
    EXPECT_EQ(SinistraStrato(15), 8010);
    for (int i : {CorniceTEsterna, CorniceUEsterna, CorniceSuono, CorniceSimboli}) {
        EXPECT_EQ(Cornice(i).Sinistra, 8720) << i;
    }
    EXPECT_EQ(f.Stato().Schema.FineLinee, 8720);
    EXPECT_EQ(Cornice(CorniceEtichetteTEsterna).Sinistra, 9000);
    EXPECT_EQ(Cornice(CorniceEtichettePEsterna).Sinistra, 9000);
    // Neighbouring rectangles share a border of 15 twips.
    EXPECT_EQ(SinistraStrato(2) - (SinistraStrato(1) + LarghezzaStrato), -15);

    f.CommandMeno_Click();
    EXPECT_EQ(Cornice(CorniceTEsterna).Sinistra, 8240);
}

TEST_F(Schema, TheOutsideFramesEndWithinThePanelForFifteenLayers) {
    // One layer: the outside frames stand at 2000; the sound frame, 1170 wide, reaches 3170,
    // further than the outside names (2000 + 280 + 600 = 2880).
    EXPECT_EQ(DestraSchema(1), 3170);
    // Fifteen layers: 8720 + 1170 = 9890, inside the panel's 9900.
    EXPECT_EQ(DestraSchema(15), 9890);
    EXPECT_LE(DestraSchema(NumeroStratiMax), LarghezzaPannello);
}

TEST_F(Schema, BoundaryNamesStandBetweenTheRectanglesAndTheBoxes) {
    // Boundary k lies where rectangle k + 1 begins; its names are centred on it.
    for (int k = 0; k <= 15; ++k) {
        EXPECT_EQ(SinistraEtichettaConfine(k) + LarghezzaEtichettaConfine / 2,
                  SinistraStrato(k + 1));
    }
    EXPECT_LT(AltoStrato + AltezzaStrato, AltoEtichettaConfine(EtichettaConfine::T));
    EXPECT_LE(AltoEtichettaConfine(EtichettaConfine::Pv) + AltezzaEtichettaConfine,
              AltoRiga(RigaSchema::TipoStrato));
}

TEST(SchemaColori, BoxBackgroundsAndBoundaryNames) {
    EXPECT_EQ(SfondoRGB(ColoreFinestra), std::nullopt);
    EXPECT_EQ(SfondoRGB(ColoreGiallo), 0xFFFF00u);
    EXPECT_EQ(SfondoRGB(0x00FF0000), 0x0000FFu); // blue in the stored order
    EXPECT_EQ(CaptionEtichettaConfine(EtichettaConfine::T, 0), "T0");
    EXPECT_EQ(CaptionEtichettaConfine(EtichettaConfine::Pvs, 12), "Pvs12");
    EXPECT_EQ(CaptionEtichettaConfine(EtichettaConfine::Pv, 3), "Pv3");
}

TEST_F(Schema, FrameTopsDependOnTheChosenCalculations) {
    struct Caso {
        bool t, i, a;
        int ti, te, ui, ue, suono;
    };
    // 0: the frame is hidden.
    const std::vector<Caso> casi{
        {true, false, false, 1680, 1680, 0, 0, 0},
        {true, true, false, 960, 960, 2280, 2280, 0},
        {true, true, true, 960, 480, 2280, 1680, 2880},
        {true, false, true, 1680, 906, 0, 0, 2280},
        {false, false, true, 0, 0, 0, 0, 1680},
    };
    for (const Caso& c : casi) {
        Calcoli(c.t, c.i, c.a);
        const int alti[] = {c.ti, c.te, c.ui, c.ue, c.suono};
        const int cornici[] = {CorniceTInterna, CorniceTEsterna, CorniceUInterna, CorniceUEsterna,
                               CorniceSuono};
        for (std::size_t j = 0; j < 5; ++j) {
            const int indice = cornici[j], alto = alti[j];
            EXPECT_EQ(Cornice(indice).Visibile, alto != 0) << c.t << c.i << c.a << " " << indice;
            if (alto != 0) {
                EXPECT_EQ(Cornice(indice).Alto, alto) << c.t << c.i << c.a << " " << indice;
            }
        }
    }
    // Hidden frames keep their last place.
    EXPECT_EQ(Cornice(CorniceTEsterna).Alto, 906);
    EXPECT_EQ(Cornice(CorniceUEsterna).Alto, 1680);
}

TEST_F(Schema, OnlyTheAcousticCalculationShowsTypeThicknessAndDensity) {
    CostruisciParete(f, "MAM");
    Calcoli(false, false, true);
    const SchemaStrati& s = f.Stato().Schema;
    EXPECT_EQ(s.RigaVisibile, (std::array<bool, 7>{false, true, true, true, false, false, false}));
    EXPECT_EQ(Righe(), "111 111 111 000 000 000");
    EXPECT_FALSE(s.EtichetteUmiditàVisibili);
    EXPECT_FALSE(f.Stato().FrameLiminariInEstVisibile);
    for (int i : {CorniceTInterna, CorniceTEsterna, CorniceUInterna, CorniceUEsterna}) {
        EXPECT_FALSE(Cornice(i).Visibile) << i;
    }
    EXPECT_TRUE(Cornice(CorniceSuono).Visibile);
}

TEST_F(Schema, AbsorptionBoxesFaceTheAirCavities) {
    Calcoli(true, true, true);
    CostruisciParete(f, "MAMM");
    f.VisualizzaStrati();
    EXPECT_EQ(Righe().substr(15, 4), "1011");
    EXPECT_EQ(Righe().substr(25), "1010");
    EXPECT_EQ(f.Stato().Schema.RigaVisibile,
              (std::array<bool, 7>{false, true, true, true, true, true, true}));

    f.NuovoProgettoVuoto();
    CostruisciParete(f, "MMAM");
    f.VisualizzaStrati();
    EXPECT_EQ(Righe().substr(25), "0101");

    f.Check1_Click(0, false);
    EXPECT_EQ(Righe().substr(15), "0000 0000 0000");
}

TEST_F(Schema, HoverSelectsOneLayerAndLeavingClearsIt) {
    CostruisciParete(f, "MMM");
    f.LabelStrato_MouseMove(2);
    EXPECT_EQ(f.Stato().StratoSelezionato, 2);
    EXPECT_EQ(f.Stato().UltimoStratoEvidenziato, 2);
    EXPECT_EQ(f.Stato().LabelStratoSelezionatoScritta, "Strato n.");
    EXPECT_EQ(f.Stato().LabelStratoSelezionatoNumero, "2");
    f.LabelStrato_MouseMove(4); // no such layer
    EXPECT_EQ(f.Stato().StratoSelezionato, 2);

    f.MuoveSu();
    EXPECT_EQ(f.Stato().StratoSelezionato, 0);
    EXPECT_EQ(f.Stato().UltimoStratoEvidenziato, 0);
    EXPECT_EQ(f.Stato().LabelStratoSelezionatoScritta, "");
    EXPECT_EQ(f.Stato().LabelStratoSelezionatoNumero, "");

    f.LabelStrato_MouseDown(3);
    EXPECT_EQ(f.Stato().StratoSelezionato, 3);
    EXPECT_EQ(f.Stato().MenuNascosto.EliminaStratoCaption, "Elimina strato n. 3");
}

} // namespace
