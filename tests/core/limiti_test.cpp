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

// The climate's range, the same from every source: a pasted table, the climate library, the
// exercise file, the dialog and the check itself. -70 and 70 °C, 0 and 100 % are the last
// values accepted.

namespace {

struct Mese {
    std::string Temperatura;
    std::string Umidità;
    std::string Motivo; // empty when accepted
};

const Mese Mesi[] = {
    {"-70", "0", ""},
    {"70", "100", ""},
    {"-70,1", "50", "temperatura \"-70,1\" fuori campo (attesa da -70 a 70 °C)"},
    {"70,1", "50", "temperatura \"70,1\" fuori campo (attesa da -70 a 70 °C)"},
    {"100", "50", "temperatura \"100\" fuori campo (attesa da -70 a 70 °C)"},
    {"-1000", "50", "temperatura \"-1000\" fuori campo (attesa da -70 a 70 °C)"},
    {"5", "100,1", "umidità relativa \"100,1\" fuori campo (attesa da 0 a 100 %)"},
    {"5", "-0,1", "umidità relativa \"-0,1\" fuori campo (attesa da 0 a 100 %)"},
};

// A year of 10 °C and 50 % with January as given.
AnnoDigitato Anno(const Mese& gennaio) {
    AnnoDigitato anno;
    anno.fill({"10", "50"});
    anno[0] = {gennaio.Temperatura, gennaio.Umidità};
    return anno;
}

TEST(LimitiClima, EverySourceRefusesTheSameValues) {
    for (const Mese& mese : Mesi) {
        SCOPED_TRACE(mese.Temperatura + ";" + mese.Umidità);
        const bool ammesso = mese.Motivo.empty();

        std::string tabella = mese.Temperatura + ";" + mese.Umidità + "\n";
        for (int m = 2; m <= MesiAnno; ++m) {
            tabella += "10;50\n";
        }
        ClimaAnno incollato{};
        EXPECT_EQ(LetturaClimaIncollato(tabella, incollato).value_or(""),
                  ammesso ? "" : "Riga 1: " + mese.Motivo);

        std::string libreria =
            "localita=Prova\r\nclima.1=" + mese.Temperatura + ";" + mese.Umidità + "\r\n";
        for (int m = 2; m <= MesiAnno; ++m) {
            libreria += "clima." + std::to_string(m) + "=10;50\r\n";
        }
        LibreriaClima letta;
        EXPECT_EQ(LetturaLibreriaClima(libreria, letta).value_or(""),
                  ammesso ? "" : "Riga 2: " + mese.Motivo);

        // The file keeps what was typed, but a number out of range is a wrong line.
        Esercizio e;
        e.Verifiche.Attive = true;
        e.Verifiche.ClimaEsterno = Anno(mese);
        const auto contenuto = ContenutoFileEsercizio(e);
        ASSERT_TRUE(contenuto);
        Esercizio riletto;
        int riga = 0;
        EXPECT_EQ(LetturaEsercizio(*contenuto, riletto, riga), ammesso);
        EXPECT_EQ(riga > 0, !ammesso);

        DialogoDatiVerifiche dialogo(Esercizio{});
        dialogo.ClimaInterno = Anno(mese);
        EXPECT_EQ(dialogo.Controllo().value_or(""),
                  ammesso ? "" : "Condizioni interne, gennaio: " + mese.Motivo + ".");

        ClimaAnno clima;
        clima.fill({10, 50});
        clima[0] = {ConvertiNumero(mese.Temperatura).value(), ConvertiNumero(mese.Umidità).value()};
        EXPECT_EQ(ContenutoFileClima({{"Prova", clima}}).has_value(), ammesso);

        std::vector<int> errati;
        EXPECT_EQ(LetturaAnnoDigitato(Anno(mese), errati).has_value(), ammesso);
        EXPECT_EQ(errati, ammesso ? std::vector<int>{} : std::vector<int>{0});
    }
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
