#include <gtest/gtest.h>

#include <filesystem>

#include "cartella_temporanea.h"
#include "core/materials/abaco_file.h"
#include "core/materials/apertura_abaco.h"
#include "core/materials/form4.h"
#include "core/materials/form5.h"
#include "dialoghi_registrati.h"

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

const VoceMenuAbaco& Menu(const std::string& nome) {
    for (const VoceMenuAbaco& v : MenuNascosto) {
        if (v.Nome == nome) {
            return v;
        }
    }
    throw std::logic_error(nome);
}

// Changes row 2 of the browser to "Nuovo".
void ModificaRigaDue(Form3& f) {
    f.LabelMat_Click(21);
    f.MenuNascosto_Click(Menu("ModificareMateriale"));
    Form5 d(f);
    d.Form_Load();
    d.CommandSalvaModifiche_Click({"Nuovo", "1", "1", "1", "0,5"});
}

} // namespace

TEST(AperturaAbaco, GroupTitleBelowRowThreeIsWrittenWithBlankDataLinesAndTheTailKept) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    DialoghiRegistrati dialoghi;
    auto f = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(f);
    f->LabelMat_Click(31);
    f->MenuNascosto_Click(Menu("InserisciTitoloGruppoMaterialiSotto"));
    Form5 d(*f);
    d.Form_Load();
    d.CommandSalvaModifiche_Click({"Isolanti", " ", " ", " ", " "});

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

TEST(AperturaAbaco, ProtectedProgramFolderSaysSoAndKeepsTheFile) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    DialoghiRegistrati dialoghi;
    auto f = AbacoInModifica(percorso, false, dialoghi);
    ASSERT_TRUE(f);
    ModificaRigaDue(*f);
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Abaco");
    EXPECT_EQ(dialoghi.Messaggi[0].Testo,
              "Le modifiche all'abaco non verranno salvate, disco protetto");
    EXPECT_EQ(dialoghi.Messaggi[0].Tipo, Icona::Critica);
    // The change lives on in the open browser only.
    EXPECT_EQ(f->Voci()[2].Materiale, "Nuovo");
    EXPECT_EQ(LeggiTutto(percorso), FileSeiRighe());
}

TEST(AperturaAbaco, ReadOnlyFolderReportsTheFailedWriteAndReopensTheOldRow) {
    CartellaTemporanea cartella;
    const std::string dati = cartella / "dati";
    std::filesystem::create_directory(dati);
    const std::string percorso = dati + "/abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    SolaLettura(percorso);
    SolaLettura(dati);
    ComeUtenteQualsiasi utente;
    DialoghiRegistrati dialoghi;
    auto f = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(f);
    ModificaRigaDue(*f);
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Abaco");
    EXPECT_NE(dialoghi.Messaggi[0].Testo.find(percorso), std::string::npos);
    EXPECT_EQ(LeggiTutto(percorso), FileSeiRighe());

    auto riaperto = AbacoInModifica(percorso, true, dialoghi);
    ASSERT_TRUE(riaperto);
    EXPECT_EQ(riaperto->Voci()[2].Materiale, "M2");
    EXPECT_EQ(riaperto->LabelMat(21).Caption, "M2");
}

TEST(AperturaAbaco, UnreadableFileOpensNoBrowser) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    DialoghiRegistrati dialoghi;
    Esercizio e;
    EXPECT_FALSE(AbacoInConsultazione(percorso, e, 1, dialoghi));
    EXPECT_FALSE(AbacoInModifica(percorso, true, dialoghi));
    ASSERT_EQ(dialoghi.Messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Abaco");
    EXPECT_EQ(dialoghi.Messaggi[0].Tipo, Icona::Critica);
    EXPECT_NE(dialoghi.Messaggi[0].Testo.find(percorso), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(percorso));
}

TEST(AperturaAbaco, ConsultationLoadsFromTheFileAndNeverWrites) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    ScriviTutto(percorso, FileSeiRighe());
    DialoghiRegistrati dialoghi;
    Esercizio e;
    auto f = AbacoInConsultazione(percorso, e, 1, dialoghi);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->UltimoIndice(), 5);
    f->LabelMat_Click(33);
    Form4 d(*f);
    ASSERT_TRUE(d.Form_Load(dialoghi));
    d.CommandCarica_Click();
    EXPECT_TRUE(f->Caricato());
    EXPECT_EQ(e.strato(1).Materiale, "M3");
    EXPECT_EQ(e.strato(1).Conduttività.Testo, "0,72");
    EXPECT_EQ(LeggiTutto(percorso), FileSeiRighe());
}
