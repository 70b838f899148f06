#include <gtest/gtest.h>

#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/rapporto_verifiche.h"
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

// The wall of parete_verifiche.h with both calculations, zone E, App. B 2021, outside,
// category A. The law's U = 1/(0,13 + 0,5 + 1,25 + 0,04) = 0,521 against 0,28: 7,0 cm more on
// layer 2 (trasmittanza_test); the exercise's U = 168/325 = 0,517.
// Sound reduction: layer 1 (800 kg/m³, heavy, followed by a light layer) acts alone with
// 200 kg/m², layer 2 with 2 kg/m²: 20·lg(f·200) - 47 + 20·lg(f·2) - 47 = 41,92 53,96 66,00
// 78,04 90,08 dB at 125 ... 2000 Hz. Against 36 45 52 55 56 shifted by s the deviations are
// s-5,92, s-8,96, s-14, s-23,04, s-34,08: s = 12 gives 6,08 + 3,04 = 9,12, s = 13 gives
// 11,12, so Rw = 64. C: R - L = 62,92 67,96 74,00 83,04 94,08, XA = 62,92 - 10·lg(1 + 0,3133 +
// 0,0780 + 0,0097 + 0,0009) = 62,92 - 1,47 = 61,45, C = -2,55 -> -3. Ctr: R - L = 55,92 63,96
// 73,00 82,04 96,08, XA = 55,92 - 10·lg(1 + 0,157 + 0,0196 + 0,0014) = 55,92 - 0,71 = 55,21,
// Ctr = -8,79 -> -9. Ms = 202 kg/m², 37,5·lg 202 - 42 = 44,45 -> 44 dB >= 40.
TEST(RapportoVerifiche, SectionAfterTheLastLineOfTheReport) {
    Esercizio e = PareteVerifiche(true);
    Esercizio spenta = e;
    spenta.Verifiche.Attive = false;
    const std::string prima = Rapporto(spenta);
    const std::string testo = Rapporto(e);
    ASSERT_TRUE(testo.starts_with(prima));
    EXPECT_FALSE(prima.ends_with("\r\n\r\n")); // the acoustic section ends without an empty line
    EXPECT_EQ(testo.substr(prima.size()),
              "\r\n"
              "________________________________________\r\n\r\n"
              "VERIFICHE DI LEGGE\r\n\r\n"
              "Trasmittanza termica\r\n"
              "Trasmittanza termica U secondo UNI EN ISO 6946 = 0,521 W/m²K (Rsi = 0,13, Rse = "
              "0,04 m²K/W)\r\n"
              "Trasmittanza termica U dell'esercizio (hi, he) = 0,517 W/m²K\r\n"
              "Limite ≤ 0,280 W/m²K (DM 26/06/2015, App. B, dal 2021, zona E)\r\n"
              "Esito: non verificata\r\n"
              "Spessore aggiuntivo dello strato 2 per rispettare il valore = 7,0 cm\r\n"
              "Nota: I valori di legge comprendono i ponti termici: la trasmittanza calcolata in "
              "una sola dimensione è una verifica preliminare.\r\n"
              "\r\n"
              "Isolamento acustico\r\n"
              "Rw (C; Ctr) secondo UNI EN ISO 717-1, in bande d'ottava, dal potere fonoisolante "
              "calcolato = 64 (-3; -9) dB\r\n"
              "Rw dalla legge empirica 37,5·lg(Ms) - 42 = 44 dB (Ms = 202 kg/m²)\r\n"
              "Requisito: D2m,nT,w ≥ 40 dB (DPCM 5/12/1997, categoria A)\r\n"
              "Esito: verifica indicativa superata\r\n"
              "Nota: Il requisito di legge si misura in opera e comprende le trasmissioni "
              "laterali: l'Rw della sola parete ne è un limite superiore.\r\n"
              "Nota: L'Rw della curva in ottave somma le riduzioni di strati leggeri separati e "
              "può superare di molto quello di una parete reale: la verifica usa la legge "
              "empirica.\r\n"
              "\r\n"
              "Massa superficiale\r\n"
              "Massa superficiale Ms (esclusi gli intonaci) = 202 kg/m²\r\n"
              "\r\n"
              "CARATTERISTICHE DINAMICHE (UNI EN ISO 13786)\r\n"
              "Calore specifico mancante: strati 1, 2\r\n"
              "\r\n"
              "Requisito estivo\r\n"
              "Ms = 202 kg/m²\r\n"
              "Dati mancanti: orientamento, irradianza Im,s\r\n"
              "\r\n");
}

// Thermal only: the acoustic block says what it needs; the thermal section already ends with
// an empty line. Unheated space: the law's U = 1/(0,13 + 1,75 + 0,13) = 0,498, with btr 0,5
// 0,249 <= 0,28. The surface mass needs no acoustic calculation: 202 kg/m².
TEST(RapportoVerifiche, ChecksThatDidNotRunAndAnUnheatedSpace) {
    Esercizio e = PareteVerifiche(false);
    e.Verifiche.Elemento = ElementoParete::NonClimatizzato;
    e.Verifiche.Btr = "0,5";
    Esercizio spenta = e;
    spenta.Verifiche.Attive = false;
    const std::string prima = Rapporto(spenta);
    const std::string testo = Rapporto(e);
    ASSERT_TRUE(testo.starts_with(prima));
    EXPECT_EQ(testo.substr(prima.size()),
              "________________________________________\r\n\r\n"
              "VERIFICHE DI LEGGE\r\n\r\n"
              "Trasmittanza termica\r\n"
              "Trasmittanza termica U secondo UNI EN ISO 6946 = 0,498 W/m²K (Rsi = 0,13, Rse = "
              "0,13 m²K/W)\r\n"
              "Trasmittanza termica U dell'esercizio (hi, he) = 0,517 W/m²K\r\n"
              "U·btr = 0,249 W/m²K (btr = 0,5)\r\n"
              "Limite ≤ 0,280 W/m²K (DM 26/06/2015, App. B, dal 2021, zona E)\r\n"
              "Esito: verificata\r\n"
              "Nota: I valori di legge comprendono i ponti termici: la trasmittanza calcolata in "
              "una sola dimensione è una verifica preliminare.\r\n"
              "\r\n"
              "Isolamento acustico\r\n"
              "Verifica non eseguita: richiede il calcolo acustico\r\n"
              "\r\n"
              "Massa superficiale\r\n"
              "Massa superficiale Ms (esclusi gli intonaci) = 202 kg/m²\r\n"
              "\r\n"
              "CARATTERISTICHE DINAMICHE (UNI EN ISO 13786)\r\n"
              "Calore specifico mancante: strati 1, 2\r\n"
              "\r\n"
              "Requisito estivo\r\n"
              "Ms = 202 kg/m²\r\n"
              "Dati mancanti: orientamento, irradianza Im,s\r\n"
              "\r\n");
}

TEST(RapportoVerifiche, MissingDataAreNamedWithoutAnOutcome) {
    Esercizio e = PareteVerifiche(true);
    e.Verifiche.Zona.reset();
    e.Verifiche.Categoria.reset();
    const std::vector<std::string> righe = prova::Righe(Rapporto(e));
    const auto inizio = std::find(righe.begin(), righe.end(), "VERIFICHE DI LEGGE");
    ASSERT_NE(inizio, righe.end());
    const std::vector<std::string> sezione(inizio, righe.end());
    EXPECT_NE(std::find(sezione.begin(), sezione.end(), "Dati mancanti: zona climatica"),
              sezione.end());
    EXPECT_NE(std::find(sezione.begin(), sezione.end(), "Dati mancanti: categoria dell'edificio"),
              sezione.end());
    for (const std::string& riga : sezione) {
        EXPECT_FALSE(riga.starts_with("Esito:")) << riga;
        EXPECT_FALSE(riga.starts_with("Limite")) << riga;
        EXPECT_FALSE(riga.starts_with("Requisito:")) << riga;
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
    EXPECT_EQ(testo.substr(inizio),
              "CARATTERISTICHE DINAMICHE (UNI EN ISO 13786)\r\n"
              "Trasmittanza termica periodica |Yie| = 0,131 W/m²K\r\n"
              "Fattore di attenuazione f = 0,251\r\n"
              "Sfasamento Δt = 8,4 h\r\n"
              "Capacità termica areica interna κ1 = 49,4 kJ/m²K\r\n"
              "Capacità termica areica esterna κ2 = 11,3 kJ/m²K\r\n"
              "Ammettenza termica interna |Y11| = 3,476 W/m²K\r\n"
              "Ammettenza termica esterna |Y22| = 0,721 W/m²K\r\n"
              "\r\n"
              "Requisito estivo\r\n"
              "Ms = 202 kg/m², |Yie| = 0,131 W/m²K\r\n"
              "Requisito: Ms > 230 kg/m² oppure |Yie| < 0,100 W/m²K (DM 26/06/2015, All. 1, "
              "§3.3)\r\n"
              "Esito: non verificata\r\n"
              "\r\n");
}
