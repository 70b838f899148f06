#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/window/finestra_stampa.h"
#include "core/window/stampa.h"
#include "support/cartella_temporanea.h"

using namespace paretix;

namespace {

class StampanteRegistra : public Stampante {
  public:
    bool installata = true;
    bool riesce = true;
    std::vector<std::string> stampati;

    bool Disponibile() const override { return installata; }
    bool StampaTesto(const std::string& testo) override {
        stampati.push_back(testo);
        return riesce;
    }
};

class EsportatoreRegistra : public EsportatorePdf {
  public:
    bool riesce = true;
    std::vector<std::string> percorsi;
    std::vector<std::string> testi;

    bool ScriviPdf(const std::string& testo, const std::string& percorso) override {
        testi.push_back(testo);
        percorsi.push_back(percorso);
        return riesce;
    }
};

// Answers the save dialog and the questions from a script; records every text shown.
class DialoghiCopione : public Dialoghi {
  public:
    std::deque<std::optional<std::string>> fileDaSalvare;
    std::deque<Risposta> risposte;
    std::vector<std::string> mostrati;      // "title|text" of messages and questions
    std::vector<std::string> dialoghiSalva; // "title|filter"

    void Messaggio(const std::string& titolo, const std::string& testo, Icona) override {
        mostrati.push_back(titolo + "|" + testo);
    }
    Risposta DomandaSiNo(const std::string& titolo, const std::string& testo, Icona) override {
        mostrati.push_back(titolo + "|" + testo);
        const Risposta r = risposte.empty() ? Risposta::Annulla : risposte.front();
        if (!risposte.empty()) {
            risposte.pop_front();
        }
        return r;
    }
    Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                Icona icona) override {
        return DomandaSiNo(titolo, testo, icona);
    }
    std::optional<std::string> ApriFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SalvaFile(const std::string& titolo,
                                         const std::string& filtro) override {
        dialoghiSalva.push_back(titolo + "|" + filtro);
        auto scelto = fileDaSalvare.empty() ? std::nullopt : fileDaSalvare.front();
        if (!fileDaSalvare.empty()) {
            fileDaSalvare.pop_front();
        }
        return scelto;
    }
};

const std::string Rapporto = "DATI:\r\n\r\nNumero strati: 2\r\n\r\nRISULTATI:\r\n";

class FinestraStampa : public ::testing::Test {
  protected:
    StampanteRegistra stampante;
    DialoghiCopione dialoghi;
    EsportatoreRegistra esportatore;
    FinestraStampaQt form{stampante, dialoghi, esportatore};
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
    EXPECT_TRUE(stampante.stampati.empty());
    EXPECT_TRUE(dialoghi.dialoghiSalva.empty());

    form.Anteprima_Click();
    EXPECT_STREQ(form.Didascalia(), "  Anteprima stampa");
    EXPECT_EQ(form.Text1(), "Testo corretto\nseconda riga");
    form.Stampa_Click();
    EXPECT_EQ(stampante.stampati, std::vector<std::string>{"Testo corretto\nseconda riga"});
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(FinestraStampa, TheWholeReportReachesThePrinter) {
    std::string lungo;
    for (int i = 0; i < 500; ++i) {
        lungo += "Strato " + std::to_string(i) + " ° ² ³ àèìòù\r\n";
    }
    form.Apri(lungo);
    form.Anteprima_Click(); // disabled in preview: copies nothing
    form.Stampa_Click();
    EXPECT_EQ(stampante.stampati, std::vector<std::string>{lungo});
}

TEST_F(FinestraStampa, ReopeningAfterAnEditShowsTheReportAgain) {
    form.Apri(Rapporto);
    form.Modifica_Click();
    form.Text2_Change("modificato");
    form.Apri(Rapporto);
    EXPECT_FALSE(form.ModoModifica());
    EXPECT_EQ(form.Text1(), Rapporto);
    EXPECT_EQ(form.Text2(), Rapporto);
}

TEST_F(FinestraStampa, NoPrinterOrARefusedJobIsReported) {
    stampante.installata = false;
    form.Apri(Rapporto);
    form.Stampa_Click();
    EXPECT_TRUE(stampante.stampati.empty());
    stampante.installata = true;
    stampante.riesce = false;
    form.Stampa_Click();
    EXPECT_EQ(stampante.stampati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati,
              (std::vector<std::string>{std::string("Stampa|") + MessaggioNessunaStampante,
                                        std::string("Stampa|") + MessaggioStampaNonRiuscita}));
}

TEST(PercorsoPdf, AddsTheExtensionUnlessTheNameEndsInPdf) {
    EXPECT_EQ(PercorsoPdf("/home/a/rapporto"), "/home/a/rapporto.pdf");
    EXPECT_EQ(PercorsoPdf("/home/a/RAPPORTO.PdF"), "/home/a/RAPPORTO.PdF");
    EXPECT_EQ(PercorsoPdf("/home/a/rapporto.txt"), "/home/a/rapporto.txt.pdf");
    EXPECT_EQ(PercorsoPdf("pdf"), "pdf.pdf");
}

TEST_F(FinestraStampa, ExportWritesThePreviewAndReplacesAFileOnlyWhenAllowed) {
    const test::CartellaTemporanea temporanea;
    const std::string cartella = temporanea.Percorso();
    const std::string esistente = cartella + "/vecchio.pdf";
    std::ofstream(esistente) << "contenuto precedente";
    dialoghi.fileDaSalvare = {std::nullopt, esistente, cartella + "/nuovo", esistente};
    dialoghi.risposte = {Risposta::No, Risposta::Si};
    form.Apri(Rapporto);

    form.EsportaPdf_Click(); // cancelled
    form.EsportaPdf_Click(); // existing file, No
    form.EsportaPdf_Click(); // new file
    form.EsportaPdf_Click(); // existing file, Yes
    EXPECT_EQ(dialoghi.dialoghiSalva.size(), 4u);
    EXPECT_EQ(dialoghi.dialoghiSalva[0], "Esporta PDF|Documento PDF (*.pdf)|*.pdf|");
    EXPECT_EQ(esportatore.percorsi, (std::vector<std::string>{cartella + "/nuovo.pdf", esistente}));
    EXPECT_EQ(esportatore.testi, (std::vector<std::string>{Rapporto, Rapporto}));
    const std::string domanda =
        "Esporta PDF|" + esistente + "\nFile già esistente.\n\nSostituire il file?";
    EXPECT_EQ(dialoghi.mostrati, (std::vector<std::string>{domanda, domanda}));

    esportatore.riesce = false;
    dialoghi.fileDaSalvare = {cartella + "/altro.pdf"};
    form.EsportaPdf_Click();
    EXPECT_EQ(dialoghi.mostrati.back(), std::string("Esporta PDF|") + MessaggioPdfNonScritto);
}
