#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/window/finestra_stampa.h"
#include "core/window/stampa.h"

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
    std::vector<std::pair<std::string, std::string>> scritti; // text, path

    bool ScriviPdf(const std::string& testo, const std::string& percorso) override {
        scritti.emplace_back(testo, percorso);
        return riesce;
    }
};

struct Richiesta {
    std::string titolo;
    std::string testo;
    Icona icona;
};

class DialoghiCopione : public Dialoghi {
  public:
    std::deque<std::optional<std::string>> fileDaSalvare;
    std::deque<Risposta> risposte;
    std::vector<Richiesta> messaggi;
    std::vector<Richiesta> domande;
    std::vector<std::pair<std::string, std::string>> dialoghiSalva; // title, filter

    void Messaggio(const std::string& titolo, const std::string& testo, Icona icona) override {
        messaggi.push_back({titolo, testo, icona});
    }
    Risposta DomandaSiNo(const std::string& titolo, const std::string& testo,
                         Icona icona) override {
        domande.push_back({titolo, testo, icona});
        return Prossima();
    }
    Risposta DomandaSiNoAnnulla(const std::string& titolo, const std::string& testo,
                                Icona icona) override {
        domande.push_back({titolo, testo, icona});
        return Prossima();
    }
    std::optional<std::string> ApriFile(const std::string&, const std::string&) override {
        ADD_FAILURE() << "no file is opened here";
        return std::nullopt;
    }
    std::optional<std::string> SalvaFile(const std::string& titolo,
                                         const std::string& filtro) override {
        dialoghiSalva.emplace_back(titolo, filtro);
        if (fileDaSalvare.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        auto scelto = fileDaSalvare.front();
        fileDaSalvare.pop_front();
        return scelto;
    }

  private:
    Risposta Prossima() {
        if (risposte.empty()) {
            ADD_FAILURE() << "unexpected question";
            return Risposta::No;
        }
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
};

const std::string Rapporto = "DATI:\r\n\r\nNumero strati: 2\r\n\r\nRISULTATI:\r\n";

class FinestraStampa : public ::testing::Test {
  protected:
    StampanteRegistra stampante;
    DialoghiCopione dialoghi;
    EsportatoreRegistra esportatore;
    Form7 form{stampante, dialoghi, esportatore};
};

// A folder of its own for the files a test writes, removed afterwards.
class CartellaTemporanea {
  public:
    CartellaTemporanea() {
        std::string modello = (std::filesystem::temp_directory_path() / "paretix-XXXXXX").string();
        const char* creata = mkdtemp(modello.data());
        EXPECT_NE(creata, nullptr);
        percorso_ = modello;
    }
    ~CartellaTemporanea() {
        std::error_code e;
        std::filesystem::remove_all(percorso_, e);
    }
    std::string File(const std::string& nome) const { return (percorso_ / nome).string(); }

  private:
    std::filesystem::path percorso_;
};

} // namespace

TEST_F(FinestraStampa, OpensInPreviewWithTheReportInBothBoxes) {
    form.Apri(Rapporto);
    EXPECT_FALSE(form.ModoModifica());
    EXPECT_STREQ(form.Didascalia(), "  Anteprima stampa");
    EXPECT_TRUE(form.StampaAbilitata());
    EXPECT_TRUE(form.ModificaAbilitata());
    EXPECT_FALSE(form.AnteprimaAbilitata());
    EXPECT_TRUE(form.EsportaPdfAbilitata());
    EXPECT_EQ(form.Text1(), Rapporto);
    EXPECT_EQ(form.Text2(), Rapporto);
}

TEST_F(FinestraStampa, EditModeDisablesPrintingUntilThePreviewShowsTheEditedText) {
    form.Apri(Rapporto);
    form.Modifica_Click();
    EXPECT_TRUE(form.ModoModifica());
    EXPECT_STREQ(form.Didascalia(), "  Modifica testo stampa");
    EXPECT_FALSE(form.StampaAbilitata());
    EXPECT_FALSE(form.ModificaAbilitata());
    EXPECT_TRUE(form.AnteprimaAbilitata());
    EXPECT_FALSE(form.EsportaPdfAbilitata());

    form.Text2_Change("Testo corretto\nseconda riga");
    EXPECT_EQ(form.Text1(), Rapporto) << "the preview changes only with Anteprima";
    form.Stampa_Click();
    form.EsportaPdf_Click();
    EXPECT_TRUE(stampante.stampati.empty());
    EXPECT_TRUE(esportatore.scritti.empty());
    EXPECT_TRUE(dialoghi.dialoghiSalva.empty());

    form.Anteprima_Click();
    EXPECT_FALSE(form.ModoModifica());
    EXPECT_STREQ(form.Didascalia(), "  Anteprima stampa");
    EXPECT_EQ(form.Text1(), "Testo corretto\nseconda riga");
    form.Stampa_Click();
    form.Stampa_Click();
    EXPECT_EQ(stampante.stampati, (std::vector<std::string>{"Testo corretto\nseconda riga",
                                                            "Testo corretto\nseconda riga"}));
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

TEST_F(FinestraStampa, PreviewPrintsTheWholeReportAndDisabledCommandsDoNothing) {
    std::string lungo;
    for (int i = 0; i < 500; ++i) {
        lungo += "Strato " + std::to_string(i) + " ° ² ³ àèìòù\r\n";
    }
    form.Apri(lungo);
    form.Anteprima_Click(); // disabled in preview: must not copy anything
    EXPECT_EQ(form.Text1(), lungo);
    form.Stampa_Click();
    ASSERT_EQ(stampante.stampati.size(), 1u);
    EXPECT_EQ(stampante.stampati[0], lungo);
}

TEST_F(FinestraStampa, ReopeningAfterAnEditShowsTheReportAgain) {
    form.Apri(Rapporto);
    form.Modifica_Click();
    form.Text2_Change("modificato");
    form.Apri(Rapporto);
    EXPECT_FALSE(form.ModoModifica());
    EXPECT_EQ(form.Text1(), Rapporto);
    EXPECT_EQ(form.Text2(), Rapporto);

    form.Modifica_Click();
    form.Text2_Change("modificato");
    form.Anteprima_Click();
    form.Apri(Rapporto);
    EXPECT_EQ(form.Text1(), Rapporto);
}

TEST_F(FinestraStampa, WithoutAPrinterTheUserIsToldSo) {
    stampante.installata = false;
    form.Apri(Rapporto);
    form.Stampa_Click();
    EXPECT_TRUE(stampante.stampati.empty());
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Stampa");
    EXPECT_EQ(dialoghi.messaggi[0].testo, MessaggioNessunaStampante);
    EXPECT_EQ(dialoghi.messaggi[0].icona, Icona::Esclamazione);
}

TEST_F(FinestraStampa, ARefusedPrintJobIsReported) {
    stampante.riesce = false;
    StampaRapporto(stampante, dialoghi, Rapporto);
    EXPECT_EQ(stampante.stampati.size(), 1u);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, MessaggioStampaNonRiuscita);
    EXPECT_EQ(dialoghi.messaggi[0].icona, Icona::Critica);
}

TEST(PercorsoPdf, AddsTheExtensionUnlessTheNameEndsInPdf) {
    EXPECT_EQ(PercorsoPdf("/home/a/rapporto"), "/home/a/rapporto.pdf");
    EXPECT_EQ(PercorsoPdf("/home/a/rapporto.pdf"), "/home/a/rapporto.pdf");
    EXPECT_EQ(PercorsoPdf("/home/a/RAPPORTO.PdF"), "/home/a/RAPPORTO.PdF");
    EXPECT_EQ(PercorsoPdf("/home/a/rapporto.txt"), "/home/a/rapporto.txt.pdf");
    EXPECT_EQ(PercorsoPdf("pdf"), "pdf.pdf");
}

TEST_F(FinestraStampa, ExportAsksForAFileAndWritesThePreview) {
    CartellaTemporanea cartella;
    dialoghi.fileDaSalvare = {cartella.File("rapporto")};
    form.Apri(Rapporto);
    form.EsportaPdf_Click();
    ASSERT_EQ(dialoghi.dialoghiSalva.size(), 1u);
    EXPECT_EQ(dialoghi.dialoghiSalva[0].first, "Esporta PDF");
    EXPECT_EQ(dialoghi.dialoghiSalva[0].second, "Documento PDF (*.pdf)|*.pdf|");
    ASSERT_EQ(esportatore.scritti.size(), 1u);
    EXPECT_EQ(esportatore.scritti[0].first, Rapporto);
    EXPECT_EQ(esportatore.scritti[0].second, cartella.File("rapporto.pdf"));
    EXPECT_TRUE(dialoghi.domande.empty());
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

TEST_F(FinestraStampa, ExportCancelledOrRefusedWritesNothing) {
    CartellaTemporanea cartella;
    const std::string esistente = cartella.File("vecchio.pdf");
    std::ofstream(esistente) << "contenuto precedente";

    dialoghi.fileDaSalvare = {std::nullopt, esistente};
    dialoghi.risposte = {Risposta::No};
    form.Apri(Rapporto);
    form.EsportaPdf_Click(); // cancelled dialog
    form.EsportaPdf_Click(); // existing file, the user says No
    EXPECT_TRUE(esportatore.scritti.empty());
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_EQ(dialoghi.domande[0].titolo, "Esporta PDF");
    EXPECT_EQ(dialoghi.domande[0].testo,
              esistente + "\nFile già esistente.\n\nSostituire il file?");
    EXPECT_TRUE(dialoghi.messaggi.empty());

    dialoghi.fileDaSalvare = {esistente};
    dialoghi.risposte = {Risposta::Si};
    form.EsportaPdf_Click();
    ASSERT_EQ(esportatore.scritti.size(), 1u);
    EXPECT_EQ(esportatore.scritti[0].second, esistente);
}

TEST_F(FinestraStampa, AFailedExportIsReported) {
    CartellaTemporanea cartella;
    esportatore.riesce = false;
    dialoghi.fileDaSalvare = {cartella.File("rapporto.pdf")};
    EsportaPdf(esportatore, dialoghi, Rapporto);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Esporta PDF");
    EXPECT_EQ(dialoghi.messaggi[0].testo, MessaggioPdfNonScritto);
}
