// --migliore on a quantity that no variant of the sweep can compute is a usage error that says
// what the exercise lacks, not "no variant meets the condition".

#include <gtest/gtest.h>

#include <string>

#include "core/variazioni/migliore.h"
#include "support/parete_verifiche.h"

using namespace paretix;

namespace {

struct Caso {
    const char* Condizione;
    bool Termico, Igrometrico, Acustico, Verifiche;
    const char* Variata; // a varied key besides the thickness, or ""
    std::string Manca;   // empty: some variant may compute it
};

TEST(MiglioreCondizione, WhatTheExerciseLacksForTheQuantity) {
    const std::string servono = "l'esercizio non calcola ";
    const Caso casi[] = {
        {"U<=0,3", true, false, false, false, "", ""},
        {"R>=3", false, false, true, false, "", servono + "R: servono il calcolo termico"},
        {"Rw>=50", true, false, false, true, "",
         servono + "Rw: servono il calcolo acustico (con le densità)"},
        {"Ms>=0", true, false, false, false, "",
         servono + "Ms: servono il calcolo acustico (con le densità) e le verifiche di legge"},
        {"Ms>=0", true, false, true, false, "verifiche", ""},
        {"Yie<0,1", true, false, true, true, "", ""},
        {"Ma>=0", true, false, false, true, "",
         servono + "Ma: servono il calcolo igrometrico e il clima esterno o la classe di "
                   "umidità interna"},
        {"fRsi>0,7", false, false, true, false, "",
         servono + "fRsi: servono il calcolo termico, il calcolo igrometrico, le verifiche di "
                   "legge e il clima esterno o la classe di umidità interna"},
        {"Ma>=0", true, true, false, true, "classe-umidita", ""},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(std::string(caso.Condizione) + " " + caso.Variata);
        Esercizio e = prova::PareteVerifiche();
        e.Termico = caso.Termico;
        e.Igrometrico = caso.Igrometrico;
        e.Acustico = caso.Acustico;
        e.Verifiche.Attive = caso.Verifiche;
        std::vector<Variazione> variazioni(1);
        ASSERT_EQ(LeggiVariazione("strato.1.spessore=10:20:5", variazioni[0]), std::nullopt);
        if (*caso.Variata != '\0') {
            variazioni.emplace_back();
            ASSERT_EQ(LeggiVariazione(std::string(caso.Variata) + "=0:1:1", variazioni[1]),
                      std::nullopt);
        }
        Condizione c;
        ASSERT_EQ(LeggiCondizione(caso.Condizione, c), std::nullopt);
        const auto messaggio = ControllaCondizione(caso.Condizione, c, e, variazioni);
        if (caso.Manca.empty()) {
            EXPECT_EQ(messaggio, std::nullopt);
        } else {
            EXPECT_EQ(messaggio, "--migliore " + std::string(caso.Condizione) + ": " + caso.Manca);
        }
    }
}

} // namespace
