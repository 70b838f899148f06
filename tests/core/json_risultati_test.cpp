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

// Without the specific heat of a layer the periodic characteristics are not computed: the
// layer is named, and the summer requirement cannot be judged.
TEST(JsonRisultati, PeriodicCharacteristicsWithoutASpecificHeat) {
    Esercizio e = PareteVerifiche(true);
    e.strato(1).CaloreSpecifico = "1000";
    e.Verifiche.Esposizione = Orientamento::SE;
    e.Verifiche.Irradianza290 = true;
    const json senza = Json(e);
    EXPECT_EQ(senza["verifiche"]["dinamica"]["calore_specifico_mancante"], json::array({2}));
    EXPECT_TRUE(senza["verifiche"]["estiva"]["Yie"].is_null());
    EXPECT_EQ(senza["verifiche"]["estiva"]["esito"], "non determinabile");
}
