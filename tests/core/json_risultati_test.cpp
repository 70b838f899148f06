#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/json_risultati.h"
#include "support/parete_verifiche.h"

using namespace paretix;
// Ordered, so that the order of the sections is tested too.
using json = nlohmann::ordered_json;
using prova::PareteVerifiche;

namespace {

json Json(Esercizio e) {
    const RisultatiCalcolo r = prova::Calcola(e);
    return json::parse(JsonRisultati(e, r, CalcolaVerifiche(e, r)));
}

// The keys of oggetto in order, each followed by a blank.
std::string Chiavi(const json& oggetto) {
    std::string chiavi;
    for (const auto& [chiave, valore] : oggetto.items()) {
        chiavi += chiave + " ";
    }
    return chiavi;
}

} // namespace

// Only the calculation types that ran, and "verifiche" only with the box on.
TEST(JsonRisultati, SectionsOfTheCalculationsThatRan) {
    struct Caso {
        bool igrometrico, acustico, attive;
        std::string risultati, verifiche;
    };
    const Caso casi[] = {
        {false, false, false, "termico ", ""},
        {true, true, false, "termico igrometrico acustico ", ""},
        {false, false, true, "termico ", "trasmittanza massa_superficiale dinamica estiva "},
        {true, true, true, "termico igrometrico acustico ",
         "trasmittanza acustica massa_superficiale dinamica estiva "},
    };
    for (const Caso& c : casi) {
        Esercizio e = PareteVerifiche(c.acustico);
        e.Igrometrico = c.igrometrico;
        e.Verifiche.Attive = c.attive;
        const json j = Json(e);
        EXPECT_EQ(j.contains("verifiche"), c.attive);
        EXPECT_EQ(Chiavi(j["risultati"]), c.risultati);
        if (c.attive) {
            EXPECT_EQ(Chiavi(j["verifiche"]), c.verifiche);
        }
    }
}

// The wall of parete_verifiche.h, by hand: R layers 0,5 + 1,25 = 1,75, R total 325/168,
// U 168/325, flux 20·168/325; temperatures 20 - 20·U·(1/7), 20 - 20·U·(1/7 + 0,5),
// 20 - 20·U·(1/7 + 1,75). The checks of rapporto_verifiche_test: the law's U
// 1/(0,13 + 1,75 + 0,04), limit 0,28, 7 cm, Rw 64 (-3; -9), empirical 44 against 40, Ms 202.
TEST(JsonRisultati, NumbersInSIUnits) {
    const json j = Json(PareteVerifiche(true));
    const json& t = j["risultati"]["termico"];
    const double U = 168.0 / 325.0;
    EXPECT_NEAR(t["U"].get<double>(), U, 1e-12);
    EXPECT_NEAR(t["R_strati"].get<double>(), 1.75, 1e-12);
    EXPECT_NEAR(t["R_totale"].get<double>(), 325.0 / 168.0, 1e-12);
    EXPECT_NEAR(t["flusso"].get<double>(), 20 * U, 1e-12);
    ASSERT_EQ(t["temperature"].size(), 3u);
    EXPECT_NEAR(t["temperature"][0].get<double>(), 20 - 20 * U / 7, 1e-12);
    EXPECT_NEAR(t["temperature"][1].get<double>(), 20 - 20 * U * (1.0 / 7 + 0.5), 1e-12);
    EXPECT_NEAR(t["temperature"][2].get<double>(), 20 - 20 * U * (1.0 / 7 + 1.75), 1e-12);

    const json& a = j["risultati"]["acustico"];
    EXPECT_EQ(a["frequenze"], json({125, 250, 500, 1000, 2000, 4000}));
    ASSERT_EQ(a["potere_fonoisolante"].size(), 6u);
    EXPECT_NEAR(a["potere_fonoisolante"][2].get<double>(), 66.0, 1e-3); // 53,00 + 13,00

    const json& v = j["verifiche"];
    EXPECT_NEAR(v["trasmittanza"]["U"].get<double>(), 1 / 1.92, 1e-12);
    EXPECT_NEAR(v["trasmittanza"]["U_esercizio"].get<double>(), U, 1e-12);
    EXPECT_NEAR(v["trasmittanza"]["limite"].get<double>(), 0.28, 1e-12);
    EXPECT_EQ(v["trasmittanza"]["fonte"], "DM 26/06/2015, App. B, dal 2021, zona E");
    EXPECT_EQ(v["trasmittanza"]["esito"], "non verificata");
    EXPECT_NEAR(v["trasmittanza"]["spessore_aggiuntivo"].get<double>(), 0.07, 1e-12);
    EXPECT_EQ(v["trasmittanza"]["strato_isolante"], 2);
    EXPECT_EQ(v["acustica"]["Rw"], 64);
    EXPECT_EQ(v["acustica"]["C"], -3);
    EXPECT_EQ(v["acustica"]["Ctr"], -9);
    EXPECT_EQ(v["acustica"]["Rw_empirico"], 44);
    EXPECT_EQ(v["acustica"]["requisito"], 40);
    EXPECT_EQ(v["acustica"]["esito"], "verifica indicativa superata");
    EXPECT_NEAR(v["massa_superficiale"].get<double>(), 202, 1e-9);
}

// Pressures in Pa (the program's hPa times 100), one per boundary, with the condensation
// verdict of the report. 20 °C inside: 5,96912 + 0,49899·20 + 0,007935·400 + 0,000530944·8000
// = 5,96912 + 9,9798 + 3,174 + 4,247552 = 23,370472 hPa = 2337,0472 Pa.
TEST(JsonRisultati, HygrometricResultsPerBoundary) {
    Esercizio e = PareteVerifiche(false);
    e.Igrometrico = true;
    e.UInterna = "60";
    e.UEsterna = "80";
    const json j = Json(e);
    const json& h = j["risultati"]["igrometrico"];
    EXPECT_NEAR(h["pressione_saturazione_interna"].get<double>(), 2337.0472, 1e-9);
    EXPECT_NEAR(h["pressione_vapore_interna"].get<double>(), 0.6 * 2337.0472, 1e-9);
    EXPECT_EQ(h["pressione_vapore"].size(), 3u);
    EXPECT_EQ(h["pressione_saturazione"].size(), 3u);
    ASSERT_EQ(h["condensa"].size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(h["condensa"][i].get<bool>(), h["pressione_saturazione"][i].get<double>() <
                                                    h["pressione_vapore"][i].get<double>());
    }
}

// Missing data: null outcome and limit, the list of what is missing.
TEST(JsonRisultati, MissingDataAreNull) {
    Esercizio e = PareteVerifiche(true);
    e.Verifiche.Zona.reset();
    e.Verifiche.Categoria.reset();
    const json v = Json(e)["verifiche"];
    EXPECT_TRUE(v["trasmittanza"]["limite"].is_null());
    EXPECT_TRUE(v["trasmittanza"]["esito"].is_null());
    EXPECT_EQ(v["trasmittanza"]["mancanti"], json({"zona climatica"}));
    EXPECT_FALSE(v["trasmittanza"].contains("spessore_aggiuntivo"));
    EXPECT_TRUE(v["acustica"]["requisito"].is_null());
    EXPECT_TRUE(v["acustica"]["esito"].is_null());
    EXPECT_EQ(v["acustica"]["Rw"], 64);
}

// The periodic characteristics worked in rapporto_verifiche_test, unrounded: |Yie| 0,13099,
// Δt 8,398 h, κ1 49,389 and κ2 11,306 kJ/m²K; the summer requirement applies and is not met.
TEST(JsonRisultati, PeriodicCharacteristicsInKilojoules) {
    Esercizio e = PareteVerifiche(true);
    e.strato(1).CaloreSpecifico = "1000";
    e.strato(2).CaloreSpecifico = "1450";
    e.Verifiche.Esposizione = Orientamento::SE;
    e.Verifiche.Irradianza290 = true;
    const json j = Json(e);
    const json& d = j["verifiche"]["dinamica"];
    EXPECT_NEAR(d["Yie"].get<double>(), 0.130986, 1e-6);
    EXPECT_NEAR(d["sfasamento_ore"].get<double>(), 8.3982, 1e-4);
    EXPECT_NEAR(d["kappa1"].get<double>(), 49.389, 1e-3);
    EXPECT_NEAR(d["kappa2"].get<double>(), 11.306, 1e-3);
    EXPECT_NEAR(d["Y11"].get<double>(), 3.47582, 1e-5);
    const json& s = j["verifiche"]["estiva"];
    EXPECT_EQ(s["applicabile"], true);
    EXPECT_EQ(s["esito"], "non verificata");
    EXPECT_NEAR(s["Ms"].get<double>(), 202, 1e-9);

    e.strato(2).CaloreSpecifico = "";
    const json senza = Json(e);
    EXPECT_EQ(senza["verifiche"]["dinamica"]["calore_specifico_mancante"], json::array({2}));
    EXPECT_TRUE(senza["verifiche"]["estiva"]["Yie"].is_null());
    EXPECT_EQ(senza["verifiche"]["estiva"]["esito"], "non determinabile");
}
