#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

#include "core/calc/calcolo.h"
#include "support/pareti.h"

using namespace paretix;

namespace {

bool ContieneNonFinito(std::string testo) {
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return testo.find("inf") != std::string::npos || testo.find("nan") != std::string::npos;
}

} // namespace

// Numbers the validation accepts but the calculation cannot carry: each run stops with the
// message naming the result that left the range, the previous report stays, nothing shows "inf"
// or "nan".
TEST(ValoriFiniti, ExtremeInputsStopTheRunWithTheQuantityNamed) {
    const struct {
        const char* caso;
        std::function<void(Esercizio&)> modifica;
        const char* grandezza;
    } casi[] = {
        {"temperature di 1E308 e -1E308",
         [](Esercizio& e) {
             e.TInterna = "1E308";
             e.TEsterna = "-1E308";
         },
         "il flusso termico"},
        {"spessore 4,9E-324", [](Esercizio& e) { e.strato(1).Spessore.Testo = "4,9E-324"; },
         "la resistenza termica degli strati"},
        {"hi 4,9E-324", [](Esercizio& e) { e.LiminariInterno = "4,9E-324"; }, "la trasmittanza"},
        {"temperatura esterna sotto -265,5 °C", [](Esercizio& e) { e.TEsterna = "-265,6"; },
         "la pressione di saturazione"},
        {"densità 1E308 in 10 m",
         [](Esercizio& e) {
             e.strato(1).Densità.Testo = "1E308";
             e.strato(1).Spessore.Testo = "1000";
         },
         "la massa superficiale"},
    };
    for (const auto& caso : casi) {
        Esercizio e = prova::Parete("M", true, true, true);
        e.UInterna = "50";
        e.UEsterna = "80";
        e.DistSonoro = "70";
        caso.modifica(e);
        RisultatiCalcolo r;
        std::string TestoStampa = "rapporto precedente";
        const EsitoCalcola esito = Command1_Click(e, r, TestoStampa);
        EXPECT_FALSE(esito.DatiValidi) << caso.caso;
        EXPECT_EQ(esito.Messaggio, std::string("Valori fuori campo: ") + caso.grandezza +
                                       " non può essere calcolato: i dati contengono valori "
                                       "troppo grandi o troppo piccoli per il calcolo.")
            << caso.caso;
        EXPECT_EQ(TestoStampa, "rapporto precedente") << caso.caso;
        EXPECT_FALSE(ContieneNonFinito(esito.Messaggio)) << caso.caso;
    }
}

TEST(ValoriFiniti, OrdinaryWallsStillCalculate) {
    for (const char* tipi : {"M", "MAM", "MMMMMMMMMMMMMMM"}) {
        Esercizio e = prova::Parete(tipi, true, true, true);
        e.UInterna = "50";
        e.UEsterna = "80";
        e.DistSonoro = "70";
        RisultatiCalcolo r;
        std::string TestoStampa;
        ASSERT_TRUE(Command1_Click(e, r, TestoStampa).DatiValidi) << tipi;
        EXPECT_FALSE(ContieneNonFinito(TestoStampa)) << tipi;
    }
}
