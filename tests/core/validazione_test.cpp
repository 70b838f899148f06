#include <gtest/gtest.h>

#include "core/model/validazione.h"
#include "parete_prova.h"

using namespace paretix;
using prova::Parete;

namespace {

std::string Errore(Esercizio e) {
    return ControlloCorrettezzaDatiIniziali(e).value_or("nessun errore");
}

const std::string CodaFattore =
    "\r\n''Fattore di assorbimento termico delle supefici intorno alla camera d'aria''.\r\n\r\n"
    "Il valore deve essere compreso tra 1 = Corpo nero ideale e 0 = Specchio ideale esclusi\r\n"
    "o può essere omesso inserendo un trattino - o niente";

} // namespace

TEST(Validazione, NormalFormTurnsSeparatorsToCommaAndDropsEveryBlank) {
    EXPECT_EQ(ModificatoreDatiInEntrata(" 7 "), "7");
    EXPECT_EQ(ModificatoreDatiInEntrata("12.5"), "12,5");
    EXPECT_EQ(ModificatoreDatiInEntrata("1.000,5"), "1,000,5");
    EXPECT_EQ(ModificatoreDatiInEntrata("1 2"), "12");
    EXPECT_EQ(ModificatoreDatiInEntrata("   "), "");
    EXPECT_EQ(ModificatoreDatiInEntrata("\t5"), "\t5");
    EXPECT_EQ(ModificatoreDatiInEntrata(" - "), "-");
}

TEST(Validazione, BoundaryConditionMessages) {
    Esercizio e = Parete("M", true, true, true);
    e.LiminariInterno = "   ";
    EXPECT_EQ(Errore(e), "Nessun dato inserito nella casella ''Valore liminare interno''");

    e = Parete("M");
    e.TEsterna = "abc";
    EXPECT_EQ(Errore(e),
              "È stato inserito un dato alfanumerico nella casella ''Temperatura esterna''");

    e = Parete("M");
    e.LiminariEsterno = "0";
    EXPECT_EQ(Errore(e), "È stato inserito un valore errato nella casella ''Valore liminare "
                         "esterno''");

    e = Parete("M", true, true);
    e.UInterna = "100";
    e.UEsterna = "100";
    EXPECT_EQ(Errore(e), "nessun errore");
    e.UInterna = "100,1";
    EXPECT_EQ(Errore(e), "La percentuale da inserire nella casella ''umidità relativa interna'' "
                         "può variare da 0 a 100");
    e.UInterna = "0";
    e.UEsterna = "-1";
    EXPECT_EQ(Errore(e), "La percentuale da inserire nella casella ''umidità relativa esterna'' "
                         "può variare da 0 a 100");

    e = Parete("M", true, false, true);
    e.DistSonoro = "-3";
    EXPECT_EQ(Errore(e), "È stato inserito un valore errato nella casella ''Disturbo sonoro''");
    e.DistSonoro = "0";
    EXPECT_EQ(Errore(e), "nessun errore");
}

TEST(Validazione, LayerMessagesNameTheLayer) {
    Esercizio e = Parete("MM");
    e.strato(2).Spessore.Testo = " ";
    EXPECT_EQ(Errore(e), "Per lo strato 2 nessun dato inserito nella casella ''Spessore''");

    e = Parete("M");
    e.strato(1).Conduttività.Testo = "x";
    EXPECT_EQ(Errore(e), "Per lo strato 1 è stato inserito un dato alfanumerico nella casella "
                         "''Conduttività termica''");

    e = Parete("MM", true, true);
    e.strato(2).Permeabilità.Testo = "-1";
    EXPECT_EQ(Errore(e), "Per lo strato 2 è stato inserito un valore errato nella casella "
                         "''Permeabilità''");

    e = Parete("M", false, false, true);
    e.strato(1).Densità.Testo = "0";
    EXPECT_EQ(Errore(e), "Per lo strato 1 è stato inserito un valore errato nella casella "
                         "''Densità''");

    e = Parete("MMM");
    e.strato(3).Spessore.Testo = "0";
    EXPECT_EQ(Errore(e), "Per lo strato 3 è stato inserito un dato errato nella casella "
                         "''Spessore''.\r\nNon sono consentiti valori minori o uguali a zero");
}

TEST(Validazione, AbsorptionFactorIsOptionalAndStrictlyBetweenZeroAndOne) {
    Esercizio e = Parete("MAM");
    for (const char* accettato : {"", "-", " - ", "0,9", "0.5"}) {
        e.strato(3).FatAssorbimento.Testo = accettato;
        EXPECT_EQ(Errore(e), "nessun errore") << accettato;
    }
    for (const char* errato : {"0", "1", "1,5", "-0,2"}) {
        e.strato(3).FatAssorbimento.Testo = errato;
        EXPECT_EQ(Errore(e),
                  "Per lo strato 3 è stato inserito un dato errato nella casella" + CodaFattore)
            << errato;
    }
    e.strato(3).FatAssorbimento.Testo = "abc";
    EXPECT_EQ(Errore(e),
              "Per lo strato 3 è stato inserito un dato alfanumerico nella casella" + CodaFattore);
}

TEST(Validazione, PresenceOfEveryBoxIsCheckedBeforeAnyRange) {
    Esercizio e = Parete("MM");
    e.LiminariInterno = "0";
    e.TEsterna = "";
    EXPECT_EQ(Errore(e), "Nessun dato inserito nella casella ''Temperatura esterna''");

    e = Parete("MM");
    e.strato(1).Spessore.Testo = "-2";
    e.strato(2).Conduttività.Testo = "?";
    EXPECT_EQ(Errore(e), "Per lo strato 2 è stato inserito un dato alfanumerico nella casella "
                         "''Conduttività termica''");
}

TEST(Validazione, NormalFormsStayInTheBoxesEvenAfterAFault) {
    Esercizio e = Parete("MM", true, true);
    e.LiminariInterno = " 7 ";
    e.UInterna = "50.5";
    e.strato(1).Conduttività.Testo = "0.5";
    e.strato(2).Spessore.Testo = "1 2";
    e.strato(2).Permeabilità.Testo = "";
    EXPECT_EQ(ControlloCorrettezzaDatiIniziali(e),
              "Per lo strato 2 nessun dato inserito nella casella ''Permeabilità''");
    EXPECT_EQ(e.LiminariInterno, "7");
    EXPECT_EQ(e.UInterna, "50,5");
    EXPECT_EQ(e.strato(1).Conduttività.Testo, "0,5");
    EXPECT_EQ(e.strato(2).Spessore.Testo, "12");
}

TEST(Validazione, HiddenBoxesAreNeitherRewrittenNorReported) {
    // Only the acoustic calculation: no temperatures, coefficients, humidities, conductivity,
    // permeability or absorption factor are shown.
    Esercizio e = Parete("MAM", false, false, true);
    e.LiminariInterno = "0";
    e.TInterna = "x";
    e.UInterna = "1.5";
    e.strato(1).Conduttività.Testo = "";
    e.strato(1).Permeabilità.Testo = "-";
    e.strato(1).FatAssorbimento.Testo = "abc";
    const Esercizio prima = e;
    EXPECT_FALSE(ControlloCorrettezzaDatiIniziali(e).has_value());
    EXPECT_EQ(e, prima);

    // Thermal only: sound level and densities hidden, the cavity has no conductivity box.
    e = Parete("MAM");
    e.DistSonoro = "-5";
    e.strato(2).Conduttività.Testo = "?";
    e.strato(2).Densità.Testo = "";
    EXPECT_FALSE(ControlloCorrettezzaDatiIniziali(e).has_value());
}
