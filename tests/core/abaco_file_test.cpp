#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/calc/calcolo.h"
#include "core/materials/abaco_file.h"
#include "core/materials/apertura_abaco.h"
#include "core/materials/carica_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/model/numeri.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_solo_messaggi.h"
#include "trascrizione.h"

using namespace paretix;
using namespace paretix::test;

namespace {

std::vector<std::string> Dividi(const std::string& testo, const std::string& separatore) {
    std::vector<std::string> parti;
    std::size_t da = 0;
    for (std::size_t a; (a = testo.find(separatore, da)) != std::string::npos;
         da = a + separatore.size()) {
        parti.push_back(testo.substr(da, a - da));
    }
    parti.push_back(testo.substr(da));
    return parti;
}

std::string Riscritto(const Abaco& voci, const std::string& coda) {
    const auto byte = ContenutoFileAbaco(voci, coda);
    return byte ? "file: " + *byte : "rifiutato";
}

// Files of the materials database, tests/data/core-h1/abaco/letture.txt: the rows read (the six
// values of each), the unread tail kept, and the file the writer makes of them again, which
// must read back the same.
TEST(Abaco, FilesReadAndWrittenBack) {
    ExpectTrascrizione("core-h1/abaco/letture.txt", [](const std::string& file) {
        const ContenutoAbaco letto = LetturaAbaco(file);
        std::vector<std::string> righe;
        for (const VoceAbaco& v : letto.Voci) {
            righe.push_back("voce: " + v.Materiale + " | " + v.Densità + " | " + v.Conduttività +
                            " | " + v.Permeabilità + " | " + v.FatAssorbimento + " | " +
                            v.CaloreSpecifico);
        }
        righe.push_back("coda: " + letto.Coda);
        righe.push_back(Riscritto(letto.Voci, letto.Coda));
        if (const auto byte = ContenutoFileAbaco(letto.Voci, letto.Coda)) {
            EXPECT_EQ(LetturaAbaco(*byte), letto) << Visibile(file);
        }
        return righe;
    });
}

// Rows the program writes, tests/data/core-h1/abaco/scritture.txt: the rows separated by ";;",
// the six values of a row by "|", and the tail to keep after "@@".
TEST(Abaco, RowsWrittenOrRefused) {
    ExpectTrascrizione("core-h1/abaco/scritture.txt", [](const std::string& riga) {
        const auto parti = Dividi(riga, "@@");
        Abaco voci;
        for (const std::string& r : Dividi(parti[0], ";;")) {
            auto v = Dividi(r, "|");
            v.resize(6);
            voci.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
        }
        return std::vector<std::string>{Riscritto(voci, parti.size() > 1 ? parti[1] : "")};
    });
}

TEST(Abaco, SavedAndContinuedOnDisk) {
    const Abaco ghisa{{"Ghisa", "7200", "50", "0", "-"}};
    CartellaTemporanea cartella;
    const std::string file = cartella / "abaco.txt";
    ScriviTutto(file, "vecchio");
    EXPECT_FALSE(SalvaAbaco(file, {{"Vetro α", "", "", "", ""}}, ""));
    EXPECT_EQ(LeggiTutto(file), "vecchio");
    EXPECT_TRUE(SalvaAbaco(file, ghisa, "coda"));
    EXPECT_EQ(Prosegui(file), (ContenutoAbaco{ghisa, "coda"}));
    EXPECT_FALSE(Prosegui(cartella / "manca.txt").has_value());
}

// Files no writer makes, among them the inputs that once upset the reader: what is read and
// rewritten must read back the same, with the unread tail at the end.
TEST(Abaco, HostileFilesRewriteToWhatWasRead) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti += "\xB6\r\n";
        tutti.push_back(static_cast<char>(b));
    }
    std::vector<std::string> file = {tutti, "\xB6\r" + std::string(2 << 20, '\xB6') + "\r\r\r\r\r",
                                     "\xB6\n\n\n\n\n\n \xB6 \r\n\r\n"};
    for (const auto& voce : std::filesystem::directory_iterator(PARETIX_TEST_DATA "/fuzz-abaco")) {
        file.push_back(LeggiTutto(voce.path().string()));
    }
    for (const std::string& f : file) {
        const ContenutoAbaco letto = LetturaAbaco(f);
        EXPECT_TRUE(f.ends_with(letto.Coda));
        const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
        ASSERT_TRUE(riscritto.has_value());
        EXPECT_EQ(LetturaAbaco(*riscritto), letto);
    }
}

// A character Windows-1252 lacks could not be written back: the browser does not open and says
// why, and the file stays as it was.
TEST(AbacoUtf8, OneWithCharactersTheProgramCannotStoreIsRefusedWithItsReason) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    const std::string contenuto = "¶\r\nŁódź\r\n1\r\n1\r\n1\r\n1\r\n";
    ScriviTutto(percorso, contenuto);
    DialoghiSoloMessaggi dialoghi;
    EXPECT_FALSE(AbacoInConsultazione(
        percorso, [](const VoceAbaco&) {}, dialoghi));
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Testo,
              std::string(MessaggioAbacoIlleggibile) + "\n" + percorso + "\n" + MotivoAbacoUtf8);
    EXPECT_EQ(LeggiTutto(percorso), contenuto);
}

} // namespace

// The materials database shipped with the program: every row can be read, and every material
// can be loaded into a wall that the calculation then accepts.

namespace {

// Material, air cavity, material: every value of the material is shown and so validated, its
// absorption factor included, since both material layers face the cavity.
Esercizio PareteCon(const VoceAbaco& voce) {
    Esercizio e;
    e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.DistSonoro = "70";
    e.Strati.resize(3);
    for (int k = 1; k <= 3; ++k) {
        e.strato(k).Spessore.Testo = "8";
    }
    CameraAria1(e, 2);
    CaricaMateriale(e, 1, voce);
    CaricaMateriale(e, 3, voce);
    AggiornaCaselleVisibili(e, false);
    return e;
}

} // namespace

TEST(AbacoSpedito, EveryRowIsReadAndEveryMaterialCalculates) {
    const std::string byte = test::LeggiTutto(PARETIX_ABACO_SPEDITO);
    const auto letto = Prosegui(PARETIX_ABACO_SPEDITO);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Coda, "");
    const auto marcatori = std::count(byte.begin(), byte.end(), '\xB6');
    EXPECT_EQ(static_cast<long>(letto->Voci.size()), marcatori);
    ASSERT_TRUE(letto->Voci.front().TitoloGruppo());

    int materiali = 0;
    for (const VoceAbaco& voce : letto->Voci) {
        if (voce.TitoloGruppo()) {
            continue;
        }
        ++materiali;
        // Every material carries its specific heat, the periodic calculation's input.
        const auto c = ConvertiNumero(voce.CaloreSpecifico);
        EXPECT_TRUE(c && *c >= 300 && *c <= 2500) << voce.Materiale;
        Esercizio e = PareteCon(voce);
        ASSERT_TRUE(e.strato(1).FatAssorbimentoVisibile);
        RisultatiCalcolo r;
        std::string rapporto;
        const EsitoCalcola esito = Command1_Click(e, r, rapporto);
        EXPECT_TRUE(esito.DatiValidi) << voce.Materiale << ": " << esito.Messaggio;
    }
    EXPECT_GE(materiali, 50);
    // The file is what the program's writer makes of its rows.
    EXPECT_EQ(ContenutoFileAbaco(letto->Voci, ""), byte);
}

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
