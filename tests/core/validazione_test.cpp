#include <gtest/gtest.h>

#include "core/model/validazione.h"
#include "support/pareti.h"

using namespace paretix;
using prova::Parete;

namespace {

// The check's message alone.
std::optional<std::string> MessaggioControllo(Esercizio& e) {
    NumeriCaselle letti;
    return ControlloCorrettezzaDatiIniziali(e, letti);
}

const std::string CodaFattore =
    "\r\n''Fattore di assorbimento termico delle supefici intorno alla camera d'aria''.\r\n\r\n"
    "Il valore deve essere compreso tra 1 = Corpo nero ideale e 0 = Specchio ideale esclusi\r\n"
    "o può essere omesso inserendo un trattino - o niente";

// A wall material, cavity, material with every box shown.
std::string Errore(void (*guasto)(Esercizio&)) {
    Esercizio e = Parete("MAM", true, true, true);
    guasto(e);
    return MessaggioControllo(e).value_or("nessun errore");
}

} // namespace

TEST(Validazione, EveryFaultHasItsMessageAndOnlyTheFirstIsReported) {
    const std::pair<void (*)(Esercizio&), std::string> casi[] = {
        {[](Esercizio& e) { e.LiminariInterno = "   "; },
         "Nessun dato inserito nella casella ''Valore liminare interno''"},
        {[](Esercizio& e) { e.TEsterna = "abc"; },
         "È stato inserito un dato alfanumerico nella casella ''Temperatura esterna''"},
        {[](Esercizio& e) { e.LiminariEsterno = "0"; },
         "È stato inserito un valore errato nella casella ''Valore liminare esterno''"},
        {[](Esercizio& e) { e.UInterna = "100,1"; },
         "La percentuale da inserire nella casella ''umidità relativa interna'' può variare da 0 "
         "a 100"},
        {[](Esercizio& e) { e.UEsterna = "-1"; },
         "La percentuale da inserire nella casella ''umidità relativa esterna'' può variare da 0 "
         "a 100"},
        {[](Esercizio& e) { e.DistSonoro = "-3"; },
         "È stato inserito un valore errato nella casella ''Disturbo sonoro''"},
        {[](Esercizio& e) { e.strato(2).Spessore.Testo = " "; },
         "Per lo strato 2 nessun dato inserito nella casella ''Spessore''"},
        {[](Esercizio& e) { e.strato(3).Conduttività.Testo = "x"; },
         "Per lo strato 3 è stato inserito un dato alfanumerico nella casella ''Conduttività "
         "termica''"},
        {[](Esercizio& e) { e.strato(1).Densità.Testo = "0"; },
         "Per lo strato 1 è stato inserito un valore errato nella casella ''Densità''"},
        {[](Esercizio& e) { e.strato(2).Permeabilità.Testo = "-1"; },
         "Per lo strato 2 è stato inserito un valore errato nella casella ''Permeabilità''"},
        {[](Esercizio& e) { e.strato(3).Spessore.Testo = "0"; },
         "Per lo strato 3 è stato inserito un dato errato nella casella ''Spessore''.\r\nNon sono "
         "consentiti valori minori o uguali a zero"},
        {[](Esercizio& e) { e.strato(3).FatAssorbimento.Testo = "abc"; },
         "Per lo strato 3 è stato inserito un dato alfanumerico nella casella" + CodaFattore},
        // Presence and form of every box come before any range.
        {[](Esercizio& e) { e.LiminariInterno = "0", e.TEsterna = ""; },
         "Nessun dato inserito nella casella ''Temperatura esterna''"},
        {[](Esercizio& e) { e.strato(1).Spessore.Testo = "-2", e.strato(3).Densità.Testo = "?"; },
         "Per lo strato 3 è stato inserito un dato alfanumerico nella casella ''Densità''"},
        // Of two numbers out of range, the first in the order of the boxes.
        {[](Esercizio& e) { e.strato(1).Densità.Testo = "0", e.UEsterna = "200"; },
         "La percentuale da inserire nella casella ''umidità relativa esterna'' può variare da 0 "
         "a 100"},
        // Bounds that are accepted.
        {[](Esercizio& e) { e.UInterna = "100", e.UEsterna = "0", e.DistSonoro = "0"; },
         "nessun errore"},
    };
    for (const auto& [guasto, messaggio] : casi) {
        EXPECT_EQ(Errore(guasto), messaggio);
    }
}

TEST(Validazione, AbsorptionFactorIsOptionalAndStrictlyBetweenZeroAndOne) {
    Esercizio e = Parete("MAM");
    for (const char* accettato : {"", "-", " - ", "0,9", "0.5"}) {
        e.strato(3).FatAssorbimento.Testo = accettato;
        EXPECT_EQ(MessaggioControllo(e), std::nullopt) << accettato;
    }
    for (const char* errato : {"0", "1", "1,5"}) {
        e.strato(3).FatAssorbimento.Testo = errato;
        EXPECT_EQ(MessaggioControllo(e),
                  "Per lo strato 3 è stato inserito un dato errato nella casella" + CodaFattore)
            << errato;
    }
}

TEST(Validazione, NormalFormsStayInTheBoxesEvenAfterAFault) {
    Esercizio e = Parete("MM", true, true);
    e.LiminariInterno = " 7 ";
    e.UInterna = "50.5";
    e.UEsterna = "\t5";
    e.strato(2).Spessore.Testo = "1 2";
    e.strato(2).Conduttività.Testo = "1.000,5";
    EXPECT_EQ(MessaggioControllo(e),
              "È stato inserito un dato alfanumerico nella casella ''Umidità relativa esterna''");
    EXPECT_EQ(e.LiminariInterno, "7");
    EXPECT_EQ(e.UInterna, "50,5");
    EXPECT_EQ(e.UEsterna, "\t5"); // only blanks vanish
    EXPECT_EQ(e.strato(2).Spessore.Testo, "12");
    EXPECT_EQ(e.strato(2).Conduttività.Testo, "1,000,5"); // no longer a number
}

TEST(Validazione, HiddenBoxesAreNeitherRewrittenNorReported) {
    // Only the acoustic calculation: temperatures, coefficients, humidities, conductivity,
    // permeability and absorption factor are hidden.
    Esercizio e = Parete("MAM", false, false, true);
    e.LiminariInterno = "0";
    e.TInterna = "x";
    e.UInterna = "1.5";
    e.strato(1).Conduttività.Testo = "";
    e.strato(1).Permeabilità.Testo = "-";
    e.strato(1).FatAssorbimento.Testo = "abc";
    const Esercizio prima = e;
    EXPECT_FALSE(MessaggioControllo(e).has_value());
    EXPECT_EQ(e, prima);

    // Thermal only: sound level and densities hidden, and the cavity has no conductivity box.
    e = Parete("MAM");
    e.DistSonoro = "-5";
    e.strato(2).Conduttività.Testo = "?";
    e.strato(1).Densità.Testo = "";
    EXPECT_FALSE(MessaggioControllo(e).has_value());
}

// The calculation takes the numbers the check read, so each must land in its own box's slot, in
// its normal form; a hidden box and an absorption factor not given are left unread.
TEST(Validazione, KeepsTheNumberOfEachBoxItRead) {
    Esercizio e = Parete("MAM", true, true, true);
    e.LiminariInterno = "7,5";
    e.LiminariEsterno = "25";
    e.TInterna = "21";
    e.TEsterna = "-4";
    e.UInterna = "55";
    e.UEsterna = "81";
    e.DistSonoro = "72";
    e.strato(1).Densità.Testo = "1.800"; // normal form: 1,800
    e.strato(1).Spessore.Testo = "12";
    e.strato(1).Conduttività.Testo = "0,9";
    e.strato(1).Permeabilità.Testo = "18";
    e.strato(1).FatAssorbimento.Testo = "0,85";
    e.strato(3).FatAssorbimento.Testo = "-";
    NumeriCaselle letti;
    ASSERT_FALSE(ControlloCorrettezzaDatiIniziali(e, letti).has_value());
    EXPECT_EQ(letti.LiminariInterno, 7.5);
    EXPECT_EQ(letti.LiminariEsterno, 25.0);
    EXPECT_EQ(letti.TInterna, 21.0);
    EXPECT_EQ(letti.TEsterna, -4.0);
    EXPECT_EQ(letti.UInterna, 55.0);
    EXPECT_EQ(letti.UEsterna, 81.0);
    EXPECT_EQ(letti.DistSonoro, 72.0);
    const NumeriCaselle::DiStrato& primo = letti.Strati[1];
    EXPECT_EQ(primo.Densità, 1.8);
    EXPECT_EQ(primo.Spessore, 12.0);
    EXPECT_EQ(primo.Conduttività, 0.9);
    EXPECT_EQ(primo.Permeabilità, 18.0);
    EXPECT_EQ(primo.FatAssorbimento, 0.85);
    EXPECT_EQ(letti.Strati[2].Spessore, 5.0);
    EXPECT_FALSE(letti.Strati[2].Conduttività.has_value()); // a cavity has no conductivity box
    EXPECT_FALSE(letti.Strati[3].FatAssorbimento.has_value());
    EXPECT_FALSE(letti.Strati[4].Spessore.has_value()); // no fourth layer

    e = Parete("MAM"); // thermal only: densities and sound level hidden
    letti = {};
    ASSERT_FALSE(ControlloCorrettezzaDatiIniziali(e, letti).has_value());
    EXPECT_FALSE(letti.DistSonoro.has_value());
    EXPECT_FALSE(letti.Strati[1].Densità.has_value());
    EXPECT_EQ(letti.Strati[1].Conduttività, 0.5);
}
