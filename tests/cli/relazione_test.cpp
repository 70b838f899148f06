// paretix-report --relazione, read back with poppler's tools as a reader of the file would:
// the page count, the text, the fonts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/calc/calcolo.h"
#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "support/cli_esegui.h"

using namespace paretix;
using namespace paretix::test;

namespace {

// A poppler tool on the file; dopo follows the file name ("-" for standard output).
std::string Strumento(const std::string& comando, const std::string& pdf,
                      const std::string& dopo = "") {
    const EsitoComando esito = Esegui(comando + " " + TraApici(pdf) + dopo);
    EXPECT_EQ(esito.Stato, 0) << comando << ": " << esito.Errore;
    return esito.Uscita;
}

// The text without its blanks and line ends, so that a cell wrapped over lines still reads
// as one (the raw order of pdftotext keeps each cell's lines together).
std::string Compatto(std::string testo) {
    std::erase_if(testo, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\f'; });
    return testo;
}

} // namespace

// Every example: numbered pages, the headings, each layer's material, the units, every
// verdict of its checks, the simulation's part when it simulates, and only embedded fonts.
TEST(Relazione, EveryExampleGivesADocumentWithItsTablesVerdictsAndEmbeddedFonts) {
    CartellaTemporanea cartella;
    for (const auto& voce : std::filesystem::directory_iterator(PARETIX_EXAMPLES)) {
        const std::string file = voce.path().string();
        Esercizio e;
        ASSERT_EQ(AperturaFile(file, e), std::nullopt) << file;
        e.Verifiche.Progetto = {"Palazzina B", "Comune di Lodi", "Via Po 3", "Ing. Sala"};
        const std::string css = cartella / voce.path().filename().string();
        ASSERT_TRUE(CreazioneFile(e, css));
        const std::string pdf = css + ".pdf";
        ASSERT_EQ(Report({"--relazione", pdf, css}), (EsitoComando{0, "", ""})) << file;

        const int pagine = std::stoi(Strumento("pdfinfo", pdf, " | awk '/^Pages:/ { print $2 }'"));
        ASSERT_GE(pagine, 2) << file;
        const std::string testo = Compatto(Strumento("pdftotext -raw", pdf, " -"));
        const std::string n = std::to_string(pagine);
        std::istringstream fissi("Relazionetecnica PalazzinaB ComunediLodi ViaPo3 Ing.Sala "
                                 "Stratigrafiadellaparete Condizionialcontorno W/(m²K) (°C)");
        std::vector<std::string> attesi{std::istream_iterator<std::string>(fissi), {}};
        attesi.insert(attesi.end(), {"Pagina1di" + n, "Pagina" + n + "di" + n});
        for (const Strato& s : e.Strati) {
            attesi.push_back(Compatto(s.CameraAria() ? MaterialeCameraAria : s.Materiale));
        }
        RisultatiCalcolo r;
        std::string stampa;
        std::optional<RisultatiVerifiche> v;
        ASSERT_TRUE(CalcolaConVerifiche(e, r, stampa, &v).DatiValidi);
        if (v) {
            for (const RigaVerifica& riga : RigheVerifiche(*v)) {
                attesi.push_back(Compatto(riga.Segno + riga.Grandezza));
                attesi.push_back(Compatto(riga.Esito));
            }
        }
        if (SimulazioneAttiva(e)) {
            attesi.insert(attesi.end(), {"Simulazioneigrotermicadinamica(UNIEN15026)",
                                         "Andamentodelcontenutod'acqua", "IndicedimuffamassimoM"});
        }
        for (const std::string& atteso : attesi) {
            EXPECT_NE(testo.find(atteso), std::string::npos) << file << ": " << atteso;
        }

        // The "emb" column of pdffonts, the fifth field from the end of each font's line.
        EXPECT_EQ(Strumento("pdffonts", pdf, " | awk 'NR > 2 { print $(NF - 4) }' | sort -u"),
                  "yes\n")
            << file;
    }
}

TEST(Relazione, AFaultIsReportedAndLeavesNoFile) {
    CartellaTemporanea cartella;
    Esercizio e;
    e.strato(1).Spessore.Testo = "dieci";
    ASSERT_TRUE(CreazioneFile(e, cartella / "errato.css"));
    struct Caso {
        std::string pdf, file;
        int stato;
        std::string inizio; // of the message on standard error
    };
    const std::vector<Caso> casi{
        {cartella / "a.pdf", cartella / "manca.css", 2,
         MessaggioErroreDiApertura(cartella / "manca.css")},
        {cartella / "b.pdf", cartella / "errato.css", 1, "ERRORE: "},
        {cartella / "nessuna/c.pdf", PARETIX_EXAMPLES "/parete-pesante.css", 74,
         "impossibile scrivere la relazione"},
    };
    for (const Caso& c : casi) {
        const EsitoComando esito = Report({"--relazione", c.pdf, c.file});
        EXPECT_EQ(esito.Stato, c.stato) << c.file;
        EXPECT_EQ(esito.Uscita, "") << c.file;
        EXPECT_TRUE(esito.Errore.starts_with(c.inizio)) << esito.Errore;
        EXPECT_FALSE(std::filesystem::exists(c.pdf)) << c.pdf;
    }
}
