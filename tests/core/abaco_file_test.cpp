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

using namespace paretix;
using namespace paretix::test;

namespace {

const Abaco Materiali = {
    {"Metalli", "", "", "", ""},
    {"Ghisa", "7200", "50", "0", "-"},
    {"Legno di abete", "450", "0,12", "4", "0,9"},
};

// The rows above as the program writes them.
const std::string FileMateriali = "\xB6\r\nMetalli \r\n \r\n \r\n \r\n \r\n"
                                  "\xB6\r\nGhisa \r\n7200 \r\n50 \r\n0 \r\n- \r\n"
                                  "\xB6\r\nLegno di abete \r\n450 \r\n0,12 \r\n4 \r\n0,9 \r\n";

} // namespace

TEST(Abaco, WritesAndReadsBackTheSameRows) {
    EXPECT_EQ(ContenutoFileAbaco(Materiali, ""), FileMateriali);
    EXPECT_EQ(LetturaAbaco(FileMateriali), (ContenutoAbaco{Materiali, ""}));
    EXPECT_EQ(LetturaAbaco(ContenutoAbacoPredefinito),
              (ContenutoAbaco{{{"Metalli", "", "", "", ""}}, ""}));
    EXPECT_EQ(LetturaAbaco(""), ContenutoAbaco{});
}

TEST(Abaco, TrimsBlanksOnlyAndConvertsTheText) {
    const Abaco scritto = {{"  Calcestruzzo à  ", " 2400", "\t1,9 ", "", "  "}};
    EXPECT_EQ(ContenutoFileAbaco(scritto, ""),
              "\xB6\r\nCalcestruzzo \xE0 \r\n2400 \r\n\t1,9 \r\n \r\n \r\n");
    const auto letto = LetturaAbaco("  \xB6 \nCalcestruzzo \xE0\n2400\n\t1,9\n\n   ");
    EXPECT_EQ(letto.Voci, (Abaco{{"Calcestruzzo à", "2400", "\t1,9", "", ""}}));
}

TEST(Abaco, ReadingStopsWhereNoMarkerStandsAndKeepsTheRest) {
    const std::string coda = "\r\n\xB6\r\nPerso? \r\nno\r\n";
    const ContenutoAbaco letto = LetturaAbaco(FileMateriali + coda);
    EXPECT_EQ(letto.Voci, Materiali);
    EXPECT_EQ(letto.Coda, coda);

    Abaco modificato = letto.Voci;
    modificato.push_back({"Rame", "8900", "380", "0", "-"});
    const auto riscritto = ContenutoFileAbaco(modificato, letto.Coda);
    ASSERT_TRUE(riscritto.has_value());
    EXPECT_TRUE(riscritto->ends_with("\xB6\r\nRame \r\n8900 \r\n380 \r\n0 \r\n- \r\n" + coda));
    EXPECT_EQ(LetturaAbaco(*riscritto), (ContenutoAbaco{modificato, coda}));
}

TEST(Abaco, ARowCutShortIsNotCountedButKept) {
    const std::string tronca = "\xB6\r\nRame\r\n8900\r\n380";
    const ContenutoAbaco letto = LetturaAbaco(FileMateriali + tronca);
    EXPECT_EQ(letto.Voci, Materiali);
    EXPECT_EQ(letto.Coda, tronca);
}

TEST(Abaco, RefusesValuesItCannotStore) {
    EXPECT_FALSE(ContenutoFileAbaco({{"Vetro α", "", "", "", ""}}, "").has_value());
    EXPECT_FALSE(ContenutoFileAbaco({{"Vetro", "2500\r\n", "", "", ""}}, "").has_value());

    CartellaTemporanea cartella;
    const std::string file = cartella / "abaco.txt";
    ScriviTutto(file, FileMateriali);
    EXPECT_FALSE(SalvaAbaco(file, {{"Vetro α", "", "", "", ""}}, ""));
    EXPECT_EQ(LeggiTutto(file), FileMateriali);
    EXPECT_TRUE(SalvaAbaco(file, {Materiali[1]}, "coda"));
    EXPECT_EQ(Prosegui(file), (ContenutoAbaco{{Materiali[1]}, "coda"}));
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

namespace {

// Two rows as the writer puts them: marker, then five values each followed by one blank.
constexpr std::string_view RigheAcciaioLegno = "\xB6\r\nAcciaio \r\n7800 \r\n50 \r\n0,0001875 \r\n"
                                               "- \r\n\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n"
                                               "0,90 \r\n";

TEST(AbacoCalori, TheSpecificHeatsFollowTheRowsAsASectionOfTheirOwn) {
    Abaco abaco{{"Acciaio", "7800", "50", "0,0001875", "-", "450"},
                {"Legno", "500", "0,13", "3,75", "0,90", ""}};
    const auto byte = ContenutoFileAbaco(abaco, "");
    ASSERT_TRUE(byte);
    EXPECT_EQ(*byte, std::string(RigheAcciaioLegno) + "Calori specifici J/kgK\r\nAcciaio=450\r\n");
    const ContenutoAbaco letto = LetturaAbaco(*byte);
    EXPECT_EQ(letto.Voci, abaco);
    EXPECT_EQ(letto.Coda, "");
}

TEST(AbacoCalori, AReaderOfTheRowsAloneKeepsTheSectionAndSoTheValues) {
    // A copy of the program that knows only the six-line rows stops reading at the title and
    // writes everything from there back after its rows, unchanged: after it has deleted the
    // first row, the value of the second is still there.
    const std::string scrittoDaAltri = "\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n0,90 \r\n"
                                       "Calori specifici J/kgK\r\nAcciaio=450\r\nLegno=1600\r\n";
    const ContenutoAbaco letto = LetturaAbaco(scrittoDaAltri);
    ASSERT_EQ(letto.Voci.size(), 1u);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "1600");
    // The line of the deleted row belongs to no row: it goes at the next save.
    EXPECT_EQ(*ContenutoFileAbaco(letto.Voci, letto.Coda),
              "\xB6\r\nLegno \r\n500 \r\n0,13 \r\n3,75 \r\n0,90 \r\n"
              "Calori specifici J/kgK\r\nLegno=1600\r\n");
}

TEST(AbacoCalori, RowsOfTheSameNameTakeTheLinesInOrderAndTheRestOfTheTailIsKept) {
    const std::string file =
        "\xB6\r\nX \r\n1 \r\n1 \r\n1 \r\n1 \r\n\xB6\r\nX \r\n2 \r\n2 \r\n2 \r\n2 "
        "\r\nCalori specifici J/kgK\r\n X = 800 \r\nX=900\r\nA=B=1000\r\n"
        "\r\nnote dell'utente\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    ASSERT_EQ(letto.Voci.size(), 2u);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "800");
    EXPECT_EQ(letto.Voci[1].CaloreSpecifico, "900");
    EXPECT_EQ(letto.Coda, "\r\nnote dell'utente\r\n");
}

TEST(AbacoCalori, ADatabaseWithoutSpecificHeatsIsWrittenAsBefore) {
    Abaco abaco{{"Acciaio", "7800", "50", "0,0001875", "-"},
                {"Legno", "500", "0,13", "3,75", "0,90", "  "}};
    EXPECT_EQ(*ContenutoFileAbaco(abaco, "coda"), std::string(RigheAcciaioLegno) + "coda");
    // A title further down the tail is not the section: it stays where it is.
    const std::string file = std::string(RigheAcciaioLegno) + "\r\nCalori specifici J/kgK\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "");
    EXPECT_EQ(*ContenutoFileAbaco(letto.Voci, letto.Coda), file);
}

TEST(AbacoCalori, AValueTheSectionCannotHoldIsRefused) {
    for (const char* valore : {"4=5", "450\r\n"}) {
        EXPECT_FALSE(ContenutoFileAbaco({{"Acciaio", "7800", "50", "1", "-", valore}}, ""))
            << valore;
    }
}

} // namespace

// What is read and written again reads back the same, even in the corners a hand-edited file
// can reach.
TEST(AbacoCalori, EveryRowGetsItsOwnValueBackAndATitleInTheTailStaysTail) {
    // The first "X" has no value, the second has one: an empty line keeps their places.
    Abaco stessoNome{{"X", "1", "1", "1", "1", ""}, {"X", "2", "2", "2", "2", "900"}};
    const auto byte = ContenutoFileAbaco(stessoNome, "");
    ASSERT_TRUE(byte);
    EXPECT_TRUE(byte->ends_with("Calori specifici J/kgK\r\nX=\r\nX=900\r\n")) << *byte;
    EXPECT_EQ(LetturaAbaco(*byte).Voci, stessoNome);

    // A section without lines followed by a second title: the second is tail, and stays so.
    const std::string file = "\xB6\r\nX \r\n1 \r\n1 \r\n1 \r\n1 \r\nCalori specifici J/kgK\r\n"
                             "Calori specifici J/kgK\r\nX=5\r\n";
    const ContenutoAbaco letto = LetturaAbaco(file);
    EXPECT_EQ(letto.Voci[0].CaloreSpecifico, "");
    EXPECT_EQ(letto.Coda, "Calori specifici J/kgK\r\nX=5\r\n");
    const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    ASSERT_TRUE(riscritto);
    EXPECT_EQ(LetturaAbaco(*riscritto), letto);
}

// A materials database that another editor saved as UTF-8: the marker "¶" is two bytes there,
// and every accented letter too.

namespace {

const std::string RigheUtf8 = "¶\r\nMetalli\r\n \r\n \r\n \r\n \r\n"
                              "¶\r\nLegno d'abete (umidità 12 %)\r\n450\r\n0,12\r\n40\r\n0,9\r\n"
                              "Calori specifici J/kgK\r\nLegno d'abete (umidità 12 %)=1600\r\n";

TEST(AbacoUtf8, ItsRowsAreReadAndWrittenBackInTheProgramsEncoding) {
    const Abaco atteso{{"Metalli", "", "", "", "", ""},
                       {"Legno d'abete (umidità 12 %)", "450", "0,12", "40", "0,9", "1600"}};
    for (const std::string& contenuto : {RigheUtf8, "\xEF\xBB\xBF" + RigheUtf8}) {
        const ContenutoAbaco letto = LetturaAbaco(contenuto);
        EXPECT_EQ(letto.Voci, atteso);
        EXPECT_EQ(letto.Coda, "");
        // Written back in Windows-1252, where "¶" and "à" are one byte each.
        const auto scritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
        ASSERT_TRUE(scritto);
        EXPECT_NE(scritto->find("\xB6\r\nLegno d'abete (umidit\xE0 12 %) \r\n"), std::string::npos);
        EXPECT_EQ(LetturaAbaco(*scritto).Voci, atteso);
    }
}

// A file of the program's own with no rows whose unread tail opens with the two bytes of a UTF-8
// marker: written back alone, the tail would open the file and turn it into UTF-8 text, so the
// section title goes before it and the file reads back the same.
TEST(AbacoUtf8, ATailThatOpensWithAUtf8MarkerStaysTail) {
    const std::string contenuto = "Calori specifici J/kgK\r\nAcciaio=450\r\n\xC2\xB6\r\nX\r\n";
    const ContenutoAbaco letto = LetturaAbaco(contenuto);
    EXPECT_TRUE(letto.Voci.empty());
    EXPECT_EQ(letto.Coda, "\xC2\xB6\r\nX\r\n");
    const auto scritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    ASSERT_TRUE(scritto);
    EXPECT_EQ(*scritto, "Calori specifici J/kgK\r\n\xC2\xB6\r\nX\r\n");
    EXPECT_EQ(LetturaAbaco(*scritto), letto);
}

// A character Windows-1252 lacks could not be written back: the browser does not open and says
// why, and the file stays as it was.
TEST(AbacoUtf8, OneWithCharactersTheProgramCannotStoreIsRefusedWithItsReason) {
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella / "abaco.txt";
    const std::string contenuto = "¶\r\nŁódź\r\n1\r\n1\r\n1\r\n1\r\n";
    test::ScriviTutto(percorso, contenuto);
    DialoghiSoloMessaggi dialoghi;
    EXPECT_FALSE(AbacoInConsultazione(
        percorso, [](const VoceAbaco&) {}, dialoghi));
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Testo,
              std::string(MessaggioAbacoIlleggibile) + "\n" + percorso + "\n" + MotivoAbacoUtf8);
    EXPECT_EQ(test::LeggiTutto(percorso), contenuto);
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
