#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "core/window/finestra_appunti.h"
#include "core/window/finestra_stampa.h"
#include "core/window/stampa.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/stampante_registrata.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

// "title|text" of every message, question and file dialog (the filter, for a dialog), in order.
std::vector<std::string> Mostrati(const DialoghiRegistrati& dialoghi) {
    std::vector<std::string> testi;
    for (const auto& voce : dialoghi.Mostrati) {
        testi.push_back(voce.Titolo + "|" + voce.Testo);
    }
    return testi;
}

const std::string Rapporto = "DATI:\r\n\r\nNumero strati: 2\r\n\r\nRISULTATI:\r\n";

class FinestraStampa : public ::testing::Test {
  protected:
    test::StampanteRegistrata stampante;
    DialoghiRegistrati dialoghi;
    FinestraStampaQt form{stampante, dialoghi, stampante};
};

} // namespace

TEST_F(FinestraStampa, OpensInPreviewWithTheReportInBothBoxes) {
    form.Apri(Rapporto);
    EXPECT_STREQ(form.Didascalia(), "  Anteprima stampa");
    EXPECT_TRUE(form.StampaAbilitata() && form.ModificaAbilitata() && form.EsportaPdfAbilitata());
    EXPECT_FALSE(form.AnteprimaAbilitata());
    EXPECT_EQ(form.Text1(), Rapporto);
    EXPECT_EQ(form.Text2(), Rapporto);
}

TEST_F(FinestraStampa, EditModePrintsNothingUntilThePreviewShowsTheEditedText) {
    form.Apri(Rapporto);
    form.Modifica_Click();
    EXPECT_STREQ(form.Didascalia(), "  Modifica testo stampa");
    EXPECT_FALSE(form.StampaAbilitata() || form.ModificaAbilitata() || form.EsportaPdfAbilitata());
    EXPECT_TRUE(form.AnteprimaAbilitata());

    form.Text2_Change("Testo corretto\nseconda riga");
    EXPECT_EQ(form.Text1(), Rapporto);
    form.Stampa_Click();
    form.EsportaPdf_Click();
    EXPECT_TRUE(stampante.Stampati.empty());
    EXPECT_TRUE(dialoghi.Mostrati.empty());

    form.Anteprima_Click();
    EXPECT_STREQ(form.Didascalia(), "  Anteprima stampa");
    EXPECT_EQ(form.Text1(), "Testo corretto\nseconda riga");
    form.Stampa_Click();
    EXPECT_EQ(stampante.Stampati, std::vector<std::string>{"Testo corretto\nseconda riga"});
    EXPECT_TRUE(dialoghi.Mostrati.empty());

    // Opened again after an edit, the window shows the report in preview.
    form.Modifica_Click();
    form.Text2_Change("modificato");
    form.Apri(Rapporto);
    EXPECT_FALSE(form.ModoModifica());
    EXPECT_EQ(form.Text1(), Rapporto);
    EXPECT_EQ(form.Text2(), Rapporto);
}

TEST_F(FinestraStampa, TheWholeReportReachesThePrinter) {
    std::string lungo;
    for (int i = 0; i < 500; ++i) {
        lungo += "Strato " + std::to_string(i) + " ° ² ³ àèìòù\r\n";
    }
    form.Apri(lungo);
    form.Anteprima_Click(); // disabled in preview: copies nothing
    form.Stampa_Click();
    EXPECT_EQ(stampante.Stampati, std::vector<std::string>{lungo});
}

TEST_F(FinestraStampa, NoPrinterOrARefusedJobIsReported) {
    stampante.Installata = false;
    form.Apri(Rapporto);
    form.Stampa_Click();
    EXPECT_TRUE(stampante.Stampati.empty());
    stampante.Installata = true;
    stampante.StampaRiesce = false;
    form.Stampa_Click();
    EXPECT_EQ(stampante.Stampati.size(), 1u);
    EXPECT_EQ(Mostrati(dialoghi),
              (std::vector<std::string>{std::string("Stampa|") + MessaggioNessunaStampante,
                                        std::string("Stampa|") + MessaggioStampaNonRiuscita}));
}

TEST(PercorsoPdf, AddsTheExtensionUnlessTheNameEndsInPdf) {
    test::ExpectTabella("core-h2/percorso-pdf.txt",
                        [](const std::string& nome) { return PercorsoPdf(nome); });
}

TEST_F(FinestraStampa, ExportWritesThePreviewAndReplacesAFileOnlyWhenAllowed) {
    const test::CartellaTemporanea temporanea;
    const std::string cartella = temporanea.Percorso();
    const std::string esistente = cartella + "/vecchio.pdf";
    std::ofstream(esistente) << "contenuto precedente";
    dialoghi.FileScelti = {std::nullopt, esistente, cartella + "/nuovo", esistente};
    dialoghi.Risposte = {Risposta::No, Risposta::Si};
    form.Apri(Rapporto);

    form.EsportaPdf_Click(); // cancelled
    form.EsportaPdf_Click(); // existing file, No
    form.EsportaPdf_Click(); // new file
    form.EsportaPdf_Click(); // existing file, Yes
    const std::string salva = "Esporta PDF|Documento PDF (*.pdf)|*.pdf|";
    const std::string domanda =
        "Esporta PDF|" + esistente + "\nFile già esistente.\n\nSostituire il file?";
    EXPECT_EQ(Mostrati(dialoghi),
              (std::vector<std::string>{salva, salva, domanda, salva, salva, domanda}));
    EXPECT_EQ(stampante.PercorsiPdf,
              (std::vector<std::string>{cartella + "/nuovo.pdf", esistente}));
    EXPECT_EQ(stampante.TestiPdf, (std::vector<std::string>{Rapporto, Rapporto}));

    stampante.PdfRiesce = false;
    dialoghi.FileScelti = {cartella + "/altro.pdf"};
    form.EsportaPdf_Click();
    EXPECT_EQ(Mostrati(dialoghi).back(), std::string("Esporta PDF|") + MessaggioPdfNonScritto);
}

// The notes' window opens with the notes as an edit box holds them, then gets the text typed:
// the table's input is "notes|typed", its output "changed" or not and the notes kept.
TEST(FinestraAppunti, TrimmedTextAndWhetherTheNotesChanged) {
    test::ExpectTabella("core-h2/finestra-appunti.txt", [](const std::string& caso) {
        const std::size_t barra = caso.find('|');
        const FinestraAppuntiQt finestra(caso.substr(0, barra));
        const EsitoAppunti esito = finestra.Form_Unload(caso.substr(barra + 1));
        return "aperta con [" + finestra.Text1() + "], " +
               (esito.Modificati ? "modificati: [" : "non modificati: [") + esito.Testo + "]";
    });
}
