#include <gtest/gtest.h>

#include <functional>

#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/rapporto_verifiche.h"
#include "support/dati_attesi.h"
#include "support/parete_verifiche.h"

using namespace paretix;
using prova::PareteVerifiche;

namespace {

std::string Rapporto(Esercizio e) {
    std::string testo;
    prova::Calcola(e, &testo);
    return testo;
}

} // namespace

// With the box off the report is the report of the program, whatever the check data say.
TEST(RapportoVerifiche, BoxOffLeavesTheReportAsItWas) {
    for (const bool acustico : {false, true}) {
        Esercizio senza = PareteVerifiche(acustico);
        senza.Verifiche = DatiVerifiche{};
        Esercizio spenta = PareteVerifiche(acustico);
        spenta.Verifiche.Attive = false;
        spenta.strato(1).Intonaco = true;
        const std::string atteso = Rapporto(senza);
        EXPECT_EQ(Rapporto(spenta), atteso);
        EXPECT_EQ(atteso.find("VERIFICHE"), std::string::npos);
        EXPECT_FALSE(CalcolaVerifiche(spenta, prova::Calcola(spenta)).Trasmittanza);
    }
}

// The section follows the last line of the report of the same exercise with the box off.
// "completa": the wall of parete_verifiche.h with both calculations, zone E, App. B 2021,
// outside, category A. The law's U = 1/(0,13 + 0,5 + 1,25 + 0,04) = 0,521 against 0,28: 7,0 cm
// more on layer 2 (trasmittanza_test); the exercise's U = 168/325 = 0,517.
// Sound reduction: layer 1 (800 kg/m³, heavy, followed by a light layer) acts alone with
// 200 kg/m², layer 2 with 2 kg/m²: 20·lg(f·200) - 47 + 20·lg(f·2) - 47 = 41,92 53,96 66,00
// 78,04 90,08 dB at 125 ... 2000 Hz. Against 36 45 52 55 56 shifted by s the deviations are
// s-5,92, s-8,96, s-14, s-23,04, s-34,08: s = 12 gives 6,08 + 3,04 = 9,12, s = 13 gives
// 11,12, so Rw = 64. C: R - L = 62,92 67,96 74,00 83,04 94,08, XA = 62,92 - 10·lg(1 + 0,3133 +
// 0,0780 + 0,0097 + 0,0009) = 62,92 - 1,47 = 61,45, C = -2,55 -> -3. Ctr: R - L = 55,92 63,96
// 73,00 82,04 96,08, XA = 55,92 - 10·lg(1 + 0,157 + 0,0196 + 0,0014) = 55,92 - 0,71 = 55,21,
// Ctr = -8,79 -> -9. Ms = 202 kg/m², 37,5·lg 202 - 42 = 44,45 -> 44 dB >= 40.
// The acoustic section ends without an empty line, so the section starts with one.
// "non_climatizzato": thermal only, the acoustic block says what it needs; the thermal section
// already ends with an empty line. The law's U = 1/(0,13 + 1,75 + 0,13) = 0,498, with btr 0,5
// 0,249 <= 0,28. The surface mass needs no acoustic calculation: 202 kg/m².
TEST(RapportoVerifiche, SectionAfterTheLastLineOfTheReport) {
    const struct {
        const char* nome;
        bool acustico;
        std::function<void(DatiVerifiche&)> dati;
    } casi[] = {
        {"completa", true, [](DatiVerifiche&) {}},
        {"non_climatizzato", false,
         [](DatiVerifiche& d) {
             d.Elemento = ElementoParete::NonClimatizzato;
             d.Btr = "0,5";
         }},
    };
    for (const auto& c : casi) {
        Esercizio e = PareteVerifiche(c.acustico);
        c.dati(e.Verifiche);
        Esercizio spenta = e;
        spenta.Verifiche.Attive = false;
        const std::string prima = Rapporto(spenta);
        const std::string testo = Rapporto(e);
        ASSERT_TRUE(testo.starts_with(prima)) << c.nome;
        test::ExpectComeNelFile(std::string("core/rapporto_verifiche/") + c.nome + ".txt",
                                testo.substr(prima.size()));
    }
}

TEST(RapportoVerifiche, MissingDataAreNamedWithoutAnOutcome) {
    Esercizio e = PareteVerifiche(true);
    e.Verifiche.Zona.reset();
    e.Verifiche.Categoria.reset();
    const std::vector<std::string> righe = prova::Righe(Rapporto(e));
    const auto inizio = std::find(righe.begin(), righe.end(), "VERIFICHE DI LEGGE");
    ASSERT_NE(inizio, righe.end());
    const std::vector<std::string> sezione(inizio, righe.end());
    for (const char* riga :
         {"Dati mancanti: zona climatica", "Dati mancanti: categoria dell'edificio"}) {
        EXPECT_NE(std::find(sezione.begin(), sezione.end(), riga), sezione.end()) << riga;
    }
    for (const std::string& riga : sezione) {
        EXPECT_FALSE(riga.starts_with("Esito:") || riga.starts_with("Limite") ||
                     riga.starts_with("Requisito:"))
            << riga;
    }
}

// A report that did not reach the end: a validation fault leaves the text untouched.
TEST(RapportoVerifiche, AFaultAddsNothing) {
    Esercizio e = PareteVerifiche(true);
    e.strato(1).Spessore.Testo = "dieci";
    RisultatiCalcolo r;
    std::string testo = "precedente";
    EXPECT_FALSE(CalcolaConVerifiche(e, r, testo).DatiValidi);
    EXPECT_EQ(testo, "precedente");
}

// The same wall with its specific heats (1000 and 1450 J/kgK), facing south where Im,s reaches
// 290 W/m². Per layer δ = √(λ·T/(π·ρ·c)): 0,131106 m and 0,137720 m, ξ = 1,906857 and
// 0,363055; Z = Zse·Z2·Z1·Zsi with the law's Rsi = 0,13, Rse = 0,04 gives |Yie| =
// 0,13099 W/m²K, f = 0,13099/0,52083 = 0,25149, Δt = 8,398 h, κ1 = 49,389 and κ2 = 11,306
// kJ/m²K, |Y11| = 3,47582 and |Y22| = 0,72149 W/m²K (with the exercise's 1/7 and 1/24 the same
// chain gives 0,12575, 0,24326, 8,470 h, 47,468, 11,256, 3,34073, 0,72066). Ms = 202 ≤ 230
// and |Yie| ≥ 0,10: not met.
TEST(RapportoVerifiche, PeriodicCharacteristicsAndTheSummerRequirement) {
    Esercizio e = PareteVerifiche(true);
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).CaloreSpecifico = "1450";
    e.Verifiche.Esposizione = Orientamento::S;
    e.Verifiche.Irradianza290 = true;
    const std::string testo = Rapporto(e);
    const auto inizio = testo.find("CARATTERISTICHE DINAMICHE");
    ASSERT_NE(inizio, std::string::npos);
    test::ExpectComeNelFile("core/rapporto_verifiche/estivo.txt", testo.substr(inizio));
}
