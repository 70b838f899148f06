#include <gtest/gtest.h>

#include <filesystem>

#include "core/materials/abaco_file.h"
#include "core/materials/apertura_abaco.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;
using namespace paretix::test;

namespace {

// Six materials "M0" to "M5" as the program writes them, then a part the reading stops at.
std::string FileSeiRighe() {
    std::string testo;
    for (int i = 0; i < 6; ++i) {
        testo += "\xB6\r\nM" + std::to_string(i) + " \r\n1800 \r\n0,72 \r\n18,75 \r\n0,9 \r\n";
    }
    return testo + "\r\nappunti dell'utente\r\n";
}

// Changes row 2 of the browser to "Nuovo".
void ModificaRigaDue(ElencoMateriali& f) {
    f.LabelMat_Click(21);
    f.MenuNascosto_Click(MenuNascosto[4]); // "Modificare materiale"
    DialogoModificaAbaco d(f);
    d.Form_Load();
    d.CommandSalvaModifiche_Click({"Nuovo", "1", "1", "1", "0,5"});
}

} // namespace

TEST(AperturaAbaco, GroupTitleBelowRowThreeIsWrittenWithBlankDataLinesAndTheTailKept) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    DialoghiSoloMessaggi dialoghi;
    auto f = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(f);
    f->LabelMat_Click(31);
    f->MenuNascosto_Click(MenuNascosto[7]); // "Sotto il rigo selezionato"
    DialogoModificaAbaco d(*f);
    d.Form_Load();
    ASSERT_TRUE(d.SoloTitoloGruppo());
    // The hidden data boxes keep the blank they were given whatever the window hands over.
    d.CommandSalvaModifiche_Click({"Isolanti", "x", "x", "x", "x"});
    EXPECT_EQ(f->LabelMat(41), (CellaAbaco{"ISOLANTI ", ColoreRosso, true, ColoreBianco}));
    EXPECT_EQ(f->LabelMat(42).Caption, "  ");

    const std::string scritto = LeggiTutto(percorso);
    const std::string titolo = "\xB6\r\nIsolanti \r\n \r\n \r\n \r\n \r\n";
    EXPECT_NE(scritto.find("0,9 \r\n" + titolo + "\xB6\r\nM4 "), std::string::npos) << scritto;
    EXPECT_TRUE(scritto.ends_with("0,9 \r\n\r\nappunti dell'utente\r\n"));
    const auto riletto = Prosegui(percorso);
    ASSERT_TRUE(riletto);
    ASSERT_EQ(riletto->Voci.size(), 7u);
    EXPECT_TRUE(riletto->Voci[4].TitoloGruppo());
    EXPECT_TRUE(dialoghi.Messaggi.empty());
}

TEST(AperturaAbaco, RefusedOrFailedWriteSaysSoAndReopeningShowsTheOldRow) {
    CartellaTemporanea cartella;
    const std::string dati = cartella / "dati";
    std::filesystem::create_directory(dati);
    const std::string percorso = dati + "/abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    DialoghiSoloMessaggi dialoghi;
    // The program folder was found protected at start-up: no write is even tried.
    auto protetto = AbacoInModifica(percorso, false, dialoghi);
    ASSERT_TRUE(protetto);
    ModificaRigaDue(*protetto);
    EXPECT_EQ(protetto->Voci()[2].Materiale, "Nuovo"); // in the open browser only
    // The folder has become read-only since: the write fails.
    SolaLettura(percorso);
    SolaLettura(dati);
    ComeUtenteQualsiasi utente;
    auto solaLettura = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(solaLettura);
    ModificaRigaDue(*solaLettura);

    ASSERT_EQ(dialoghi.Messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.Messaggi[0].Testo,
              "Le modifiche all'abaco non verranno salvate, disco protetto");
    EXPECT_NE(dialoghi.Messaggi[1].Testo.find(percorso), std::string::npos);
    for (const MessaggioRegistrato& m : dialoghi.Messaggi) {
        EXPECT_EQ(m.Titolo, "Abaco");
        EXPECT_EQ(m.Tipo, Icona::Critica);
    }
    EXPECT_EQ(LeggiTutto(percorso), FileSeiRighe());
    auto riaperto = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(riaperto);
    EXPECT_EQ(riaperto->LabelMat(21).Caption, "M2");
}

TEST(AperturaAbaco, AFailedWriteNamesItsReasonAfterThePath) {
    CartellaTemporanea cartella;
    std::filesystem::permissions(cartella.Percorso(), std::filesystem::perms::all);
    const std::string percorso = cartella / "abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    SolaLettura(percorso);
    DialoghiSoloMessaggi dialoghi;
    // Only a user other than root is refused a read-only file.
    ComeUtenteQualsiasi utente;
    auto abaco = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(abaco);
    ModificaRigaDue(*abaco);
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Testo, "Impossibile salvare le modifiche all'abaco dei "
                                          "materiali, il file resta com'era:\n" +
                                              percorso + "\n" + PermessoNegato);
    EXPECT_EQ(LeggiTutto(percorso), FileSeiRighe());
    EXPECT_EQ(MessaggioAbacoNonSalvatoPer(MotivoErrore::Altro, percorso),
              std::string(MessaggioAbacoNonSalvato) + "\n" + percorso);
    EXPECT_EQ(MessaggioAbacoNonSalvatoPer(MotivoErrore::DiscoPieno, percorso),
              std::string(MessaggioAbacoNonSalvato) + "\n" + percorso + "\n" + DiscoPieno);
}

TEST(AperturaAbaco, UnreadableFileOpensNoBrowser) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    DialoghiSoloMessaggi dialoghi;
    EXPECT_FALSE(AbacoInConsultazione(
        percorso, [](const VoceAbaco&) {}, dialoghi));
    EXPECT_FALSE(AbacoInModifica(percorso, true, dialoghi));
    ASSERT_EQ(dialoghi.Messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Abaco");
    EXPECT_NE(dialoghi.Messaggi[0].Testo.find(percorso), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(percorso));
}
