// A sweep over an exercise that runs the transient simulation: every variant runs it with its
// own values, the table gains the simulation's two columns and each JSON line its member.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/model/camera_aria.h"
#include "core/variazioni/variazioni.h"
#include "support/parete_simulata.h"

using namespace paretix;

namespace {

Variazione Letta(const std::string& testo) {
    Variazione v;
    EXPECT_EQ(LeggiVariazione(testo, v), std::nullopt) << testo;
    return v;
}

std::vector<std::string> Celle(const std::string& riga) {
    std::vector<std::string> celle(1);
    for (const char c : riga.substr(0, riga.size() - 2)) {
        if (c == ';') {
            celle.emplace_back();
        } else {
            celle.back().push_back(c);
        }
    }
    return celle;
}

const std::string File = "muro.css";

} // namespace

// The brick starts at 60 %, where w = wf·(b − 1)·φ/(b − φ) with b = 0,8·(370 − 9,5)/(296 − 9,5)
// = 1,006632: w = 3,6207 kg/m³, and its 0,25 m hold 0,9052 kg/m² (by hand). The outside air at
// 80 % wets it, so each longer variant ends with more water.
TEST(VariantiSimulazione, EveryVariantRunsItWithItsOwnValues) {
    const Esercizio base = test::PareteSimulata();
    const std::vector<Variazione> vv{Letta("simulazione.giorni=1:3:1")};
    const std::vector<std::string> intestazione =
        Celle(IntestazioneVariantiCsv(FormatoCsv{}, vv, true));
    ASSERT_GE(intestazione.size(), 3u);
    EXPECT_EQ(intestazione.front(), "simulazione.giorni");
    EXPECT_EQ(intestazione[intestazione.size() - 2], "acqua_finale (kg/m²)");
    EXPECT_EQ(intestazione.back(), "variazione_ultimo_anno (kg/m²)");
    Variante v;
    double prima = 0.9052;
    for (std::size_t i = 0; i < 3; ++i) {
        CalcolaVariante(base, vv, i, v, &File);
        ASSERT_TRUE(v.Valida) << v.Errore;
        ASSERT_TRUE(v.Simulazione.has_value());
        EXPECT_EQ(v.Simulazione->Giorni, static_cast<int>(i + 1));
        const std::vector<std::string> riga = Celle(RigaVarianteCsv(FormatoCsv{}, File, vv, v));
        ASSERT_EQ(riga.size(), intestazione.size()) << i;
        EXPECT_EQ(riga.front(), std::to_string(i + 1));
        std::string acqua = riga[riga.size() - 2];
        acqua.replace(acqua.find(','), 1, ".");
        EXPECT_GT(std::stod(acqua), prima) << i;
        prima = std::stod(acqua);
        EXPECT_EQ(riga.back(), "") << "shorter than a year";
        const auto json = nlohmann::json::parse(RigaVarianteJson(File, vv, v));
        EXPECT_EQ(json.at("simulazione.giorni"), i + 1);
        EXPECT_EQ(json.at("simulazione").at("giorni"), i + 1);
    }
    CalcolaVariante(base, vv, 0, v);
    EXPECT_TRUE(v.Valida);
    EXPECT_FALSE(v.Simulazione.has_value()) << "without the exercise file it does not run";
    EXPECT_FALSE(nlohmann::json::parse(RigaVarianteJson(File, vv, v)).contains("simulazione"));
}

// A value the simulation refuses (a free saturation below w80) leaves the variant without
// results and with the simulation's message; the cells of the simulation stay empty.
TEST(VariantiSimulazione, AVariantWhoseSimulationCannotRunHasItsMessage) {
    const std::vector<Variazione> vv{Letta("strato.2.wf=5:5:1")};
    Variante v;
    CalcolaVariante(test::PareteSimulata(), vv, 0, v, &File);
    EXPECT_FALSE(v.Valida);
    EXPECT_TRUE(v.Errore.starts_with("Simulazione non eseguita: ")) << v.Errore;
    EXPECT_NE(v.Errore.find("Strato 2, strato.2.w80"), std::string::npos) << v.Errore;
    const std::string riga = RigaVarianteCsv(FormatoCsv{}, File, vv, v);
    EXPECT_TRUE(riga.ends_with(";;\r\n")) << riga;
    EXPECT_EQ(nlohmann::json::parse(RigaVarianteJson(File, vv, v)).at("errore").at("stato"), 1);
}

// The simulation's numbers are keys of a sweep; a layer the wall lacks or an air cavity is
// refused as for the other layer keys.
TEST(VariantiSimulazione, ItsNumbersAreKeysOfASweep) {
    Esercizio e = test::PareteSimulata();
    for (const char* chiave :
         {"simulazione.giorni", "simulazione.assorbimento-solare", "simulazione.pioggia",
          "strato.2.porosita", "strato.2.w80", "strato.2.wf", "strato.2.coeff-assorbimento"}) {
        Variazione v;
        EXPECT_EQ(LeggiVariazione(std::string(chiave) + "=1:2:1", v), std::nullopt) << chiave;
        EXPECT_EQ(ControllaVariazioni({v}, e), std::nullopt) << chiave;
    }
    for (const char* testo : {"simulazione.inizio=1:2:1", "strato.2.sorbimento=1:2:1"}) {
        Variazione v;
        EXPECT_NE(LeggiVariazione(testo, v), std::nullopt) << testo;
    }
    EXPECT_NE(ControllaVariazioni({Letta("strato.3.porosita=0,1:0,2:0,1")}, e), std::nullopt);
    CameraAria1(e, 1);
    Variante v;
    CalcolaVariante(e, {Letta("strato.1.w80=1:1:1")}, 0, v, &File);
    EXPECT_EQ(v.Errore, "strato.1.w80=1: valore non accettato");
}
