#include <gtest/gtest.h>

#include <string>

#include "core/files/apertura_file.h"
#include "core/files/clima_incollato.h"
#include "core/files/creazione_file.h"
#include "core/files/libreria_clima.h"
#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"
#include "core/verifiche/igrometrica.h"
#include "core/verifiche/limiti.h"
#include "core/window/dati_verifiche_dialogo.h"
#include "trascrizione.h"

using namespace paretix;

// The decree's U table for walls towards the outside, W/(m² K), copied from the published
// table: App. B renovation 2015 and from 2021 (limits), App. A reference building 2015 and
// from 2019/2021.
TEST(Limiti, TransmittanceTableOfTheDecree) {
    struct Riga {
        ZonaClimatica zona;
        double valori[4];
    };
    const Riga tabella[] = {
        {ZonaClimatica::A, {0.45, 0.40, 0.45, 0.43}}, {ZonaClimatica::B, {0.45, 0.40, 0.45, 0.43}},
        {ZonaClimatica::C, {0.40, 0.36, 0.38, 0.34}}, {ZonaClimatica::D, {0.36, 0.32, 0.34, 0.29}},
        {ZonaClimatica::E, {0.30, 0.28, 0.30, 0.26}}, {ZonaClimatica::F, {0.28, 0.26, 0.28, 0.24}},
    };
    const RegimeVerifica regimi[] = {
        RegimeVerifica::Riqualificazione2015, RegimeVerifica::Riqualificazione2021,
        RegimeVerifica::Riferimento2015, RegimeVerifica::Riferimento2021};
    for (const Riga& riga : tabella) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(TrasmittanzaDiTabella(riga.zona, regimi[i]), riga.valori[i])
                << static_cast<int>(riga.zona) << " " << i;
        }
    }
    EXPECT_FALSE(RegimeDiRiferimento(RegimeVerifica::Riqualificazione2015));
    EXPECT_FALSE(RegimeDiRiferimento(RegimeVerifica::Riqualificazione2021));
    EXPECT_TRUE(RegimeDiRiferimento(RegimeVerifica::Riferimento2015));
    EXPECT_TRUE(RegimeDiRiferimento(RegimeVerifica::Riferimento2021));
    EXPECT_EQ(MaggiorazioneIsolamentoInterno(), 1.30);
    EXPECT_EQ(TrasmittanzaLimiteDivisorio(), 0.8);
}

TEST(Limiti, SourcesNameDecreeTableStageAndZone) {
    EXPECT_EQ(FonteTrasmittanza(ZonaClimatica::B, RegimeVerifica::Riqualificazione2015),
              "DM 26/06/2015, App. B, 2015, zona B");
    EXPECT_EQ(FonteTrasmittanza(ZonaClimatica::D, RegimeVerifica::Riferimento2021),
              "DM 26/06/2015, App. A, dal 2019/2021, zona D");
    EXPECT_EQ(FonteRequisitoAcustico(CategoriaEdificio::G), "DPCM 5/12/1997, categoria G");
}

// DPCM 5/12/1997: façade D2m,nT,w 40, 42, 40, 45, 48, 42, 42 dB for categories A to G;
// partitions R'w 50 dB, 55 for hospitals (D).
TEST(Limiti, AcousticRequirementsByCategory) {
    const CategoriaEdificio categorie[] = {
        CategoriaEdificio::A, CategoriaEdificio::B, CategoriaEdificio::C, CategoriaEdificio::D,
        CategoriaEdificio::E, CategoriaEdificio::F, CategoriaEdificio::G};
    const int facciata[] = {40, 42, 40, 45, 48, 42, 42};
    const int divisorio[] = {50, 50, 50, 55, 50, 50, 50};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(RequisitoFacciata(categorie[i]), facciata[i]) << i;
        EXPECT_EQ(RequisitoDivisorio(categorie[i]), divisorio[i]) << i;
    }
}

namespace {

// A year of 10 °C and 50 % with January as given.
AnnoDigitato Anno(const std::string& temperatura, const std::string& umidità) {
    AnnoDigitato anno;
    anno.fill({"10", "50"});
    anno[0] = {temperatura, umidità};
    return anno;
}

// The climate's range, the same from every source: a pasted table, the climate library, the
// exercise file, the dialog, the library's writer and the check itself, each given January as
// in tests/data/core-h1/limiti_clima.txt ("θ;φ") and ten degrees and 50 % in the other months.
TEST(LimitiClima, EverySourceRefusesTheSameValues) {
    test::ExpectTrascrizione("core-h1/limiti_clima.txt", [](const std::string& gennaio) {
        const std::string t = gennaio.substr(0, gennaio.find(';')),
                          u = gennaio.substr(t.size() + 1);
        std::string tabella = gennaio + "\n",
                    libreria = "localita=Prova\r\nclima.1=" + gennaio + "\r\n";
        for (int m = 2; m <= MesiAnno; ++m) {
            tabella += "10;50\n";
            libreria += "clima." + std::to_string(m) + "=10;50\r\n";
        }
        ClimaAnno incollato{}, clima;
        LibreriaClima letta;
        // The file keeps what was typed, but a number out of range is a wrong line.
        Esercizio e, riletto;
        e.Verifiche.Attive = true;
        e.Verifiche.ClimaEsterno = Anno(t, u);
        int riga = 0;
        const bool file = LetturaEsercizio(ContenutoFileEsercizio(e).value(), riletto, riga);
        DialogoDatiVerifiche dialogo(Esercizio{});
        dialogo.ClimaInterno = Anno(t, u);
        clima.fill({10, 50});
        clima[0] = {ConvertiNumero(t).value(), ConvertiNumero(u).value()};
        std::vector<int> errati;
        const bool anno = LetturaAnnoDigitato(Anno(t, u), errati).has_value();
        return std::vector<std::string>{
            "incollato: " + LetturaClimaIncollato(tabella, incollato).value_or("accettato"),
            "libreria: " + LetturaLibreriaClima(libreria, letta).value_or("accettato"),
            "file: " + std::string(file ? "accettato" : "riga errata ") +
                (file ? "" : std::to_string(riga)),
            "dialogo: " + dialogo.Controllo().value_or("accettato"),
            "libreria scritta: " +
                std::string(ContenutoFileClima({{"Prova", clima}}) ? "sì" : "no"),
            "verifica: " + std::string(anno ? "accettato" : "mesi errati: ") +
                (errati.empty() ? ""
                                : std::to_string(errati.size()) + ", il primo " +
                                      std::to_string(errati[0] + 1))};
    });
}

TEST(LimitiClima, AFieldQuotedInAMessageIsCutAfterFortyCharacters) {
    EXPECT_EQ(CampoCitato(std::string(40, 'x')), "\"" + std::string(40, 'x') + "\"");
    EXPECT_EQ(CampoCitato(std::string(1'000'000, 'x')), "\"" + std::string(40, 'x') + "…\"");
    std::string accentate;
    for (int i = 0; i < 41; ++i) {
        accentate += "è";
    }
    EXPECT_EQ(CampoCitato(accentate), "\"" + accentate.substr(0, 80) + "…\"");
    // A text that is not a number stays as typed: the check counts the month as missing.
    DialogoDatiVerifiche dialogo(Esercizio{});
    dialogo.ClimaEsterno[3] = {"caldo", "umido"};
    EXPECT_EQ(dialogo.Controllo(), std::nullopt);
}

} // namespace
