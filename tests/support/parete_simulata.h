#pragma once
// Plaster 2 cm and brick 25 cm with the keys of a complete two-day simulation under constant
// climates (20 °C and 50 % inside, 0 °C and 80 % outside, from 15 °C and 60 %), read through
// the file's own reader of the additional data. Only the brick stores water.

#include <gtest/gtest.h>

#include <vector>

#include "core/files/dati_aggiuntivi.h"
#include "core/model/esercizio.h"

namespace paretix::test {

inline Esercizio PareteSimulata() {
    Esercizio e;
    e.Strati = std::vector<Strato>(2);
    for (Strato& s : e.Strati) {
        s.Densità.Testo = "1200";
        s.Conduttività.Testo = "0,7";
        s.Permeabilità.Testo = "20";
        s.CaloreSpecifico = "840";
    }
    e.strato(1).Spessore.Testo = "2";
    e.strato(2).Spessore.Testo = "25";
    for (const char* riga :
         {"strato.2.wf=370", "simulazione=1", "simulazione.giorni=2", "simulazione.inizio=15;60",
          "simulazione.esterno=costante:0;80", "simulazione.interno=costante:20;50",
          "strato.2.w80=9,5", "strato.2.porosita=0,41", "strato.2.coeff-assorbimento=0,4"}) {
        EXPECT_TRUE(ApplicaRigaDatiAggiuntivi(e, riga)) << riga;
    }
    return e;
}

} // namespace paretix::test
