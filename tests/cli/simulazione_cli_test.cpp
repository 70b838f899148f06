// The transient simulation through paretix-report: the example wall with the simulation keys
// added, beside a weather file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/model/numeri.h"
#include "support/cli_esegui.h"
#include "support/epw_orario_di_prova.h"
#include "support/pareti.h"

using namespace paretix::test;
using paretix::prova::Righe;

namespace {

const std::string Esempio = PARETIX_EXAMPLES "/parete-verifiche.css";

const std::string Chiavi = "simulazione=1\r\nsimulazione.giorni=400\r\n"
                           "simulazione.inizio=20;60\r\nsimulazione.esterno=epw:clima.epw\r\n"
                           "simulazione.interno=en15026-normale\r\nsimulazione.pioggia=1\r\n"
                           "strato.2.porosita=0,41\r\nstrato.2.w80=9,5\r\nstrato.2.wf=370\r\n"
                           "strato.2.coeff-assorbimento=0,4\r\n";

// A folder with the weather file and con.css, the example with the keys inserted at the end of
// its additional data.
class SimulazioneCli : public testing::Test {
  protected:
    void Prepara(const std::string& chiavi, bool conClima = true) {
        if (conClima) {
            ScriviTutto(c / "clima.epw", EpwOrarioDiProva());
        }
        std::string testo = LeggiTutto(Esempio);
        const std::string dopo = "strato.4.calore-specifico=1000\r\n";
        ScriviTutto(c / "con.css", testo.insert(testo.find(dopo) + dopo.size(), chiavi));
    }
    CartellaTemporanea c;
};

// The objects of JSON Lines, one per line ended by LF.
std::vector<nlohmann::json> Oggetti(const std::string& testo) {
    std::vector<nlohmann::json> oggetti;
    for (std::size_t inizio = 0, fine; (fine = testo.find('\n', inizio)) != std::string::npos;
         inizio = fine + 1) {
        oggetti.push_back(nlohmann::json::parse(testo.substr(inizio, fine - inizio)));
    }
    return oggetti;
}

} // namespace

// The report without the keys stays what it was, and the section follows it; the JSON gains
// the simulation's member with a profile at the end of the first year (the default), twelve
// months per layer up to day 400 (13 month ends) and one year's total.
TEST_F(SimulazioneCli, ReportAndJsonGainTheSimulation) {
    Prepara(Chiavi);
    const EsitoComando senza = Report({Esempio});
    const EsitoComando con = Report({c / "con.css"});
    ASSERT_EQ(con.Stato, 0) << con.Errore;
    EXPECT_EQ(con.Uscita.substr(0, senza.Uscita.size()), senza.Uscita);
    EXPECT_NE(
        con.Uscita.find("SIMULAZIONE IGROTERMICA DINAMICA (UNI EN 15026)", senza.Uscita.size()),
        std::string::npos);

    const EsitoComando json = Report({"--json", c / "con.css"});
    ASSERT_EQ(json.Stato, 0) << json.Errore;
    const auto s = nlohmann::json::parse(json.Uscita).at("simulazione");
    EXPECT_EQ(s.at("giorni"), 400);
    EXPECT_LE(s.at("errore_bilancio").get<double>(), 1e-3);
    ASSERT_EQ(s.at("profili").size(), 1u);
    EXPECT_EQ(s.at("profili")[0].at("giorno"), 365);
    EXPECT_EQ(s.at("strati").size(), 4u);
    EXPECT_EQ(s.at("strati")[1].at("w_medio").size(), 13u);
    EXPECT_EQ(s.at("acqua_totale").size(), 1u);
}

// A table gains the two columns only when one of its files simulates; a file without the
// simulation then has them empty. Over one year the change is the final water less the
// initial: only the brick stores water, at 60 % w = wf·(b − 1)·φ/(b − φ) with
// b = 0,8·(370 − 9,5)/(296 − 9,5) = 1,006632, so w = 3,6207 kg/m³ and 0,25 m hold
// 0,90518 kg/m² (by hand).
TEST_F(SimulazioneCli, TableGainsItsColumnsOnlyWithASimulation) {
    std::string unAnno = Chiavi;
    Prepara(unAnno.replace(unAnno.find("giorni=400"), 10, "giorni=365"));
    const EsitoComando solo = Report({"--csv", Esempio});
    const EsitoComando tutte = Report({"--csv", Esempio, c / "con.css"});
    ASSERT_EQ(tutte.Stato, 0) << tutte.Errore;
    const std::vector<std::string> sole = Righe(solo.Uscita), righe = Righe(tutte.Uscita);
    ASSERT_EQ(sole.size(), 2u);
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[0], sole[0] + ";acqua_finale (kg/m²);variazione_ultimo_anno (kg/m²)");
    EXPECT_EQ(righe[1], sole[1] + ";;");
    const std::string& con = righe[2];
    const std::size_t ultimo = con.rfind(';'), penultimo = con.rfind(';', ultimo - 1);
    const double finale =
        paretix::ConvertiNumero(con.substr(penultimo + 1, ultimo - penultimo - 1)).value();
    const double variazione = paretix::ConvertiNumero(con.substr(ultimo + 1)).value();
    EXPECT_NEAR(finale - variazione, 0.90518, 1e-4) << con;
}

TEST_F(SimulazioneCli, MissingDataStopsTheRunNamingTheKey) {
    Prepara(Chiavi, false);
    const EsitoComando u = Report({c / "con.css"});
    EXPECT_EQ(u.Stato, 1);
    EXPECT_NE(u.Errore.find("simulazione.esterno"), std::string::npos) << u.Errore;
    EXPECT_EQ(u.Uscita, "");
}

// A sweep of a simulated exercise: each JSON line carries its variant's simulation, the same
// on two threads as on one, and the table ends with the two columns; many files as JSON Lines
// carry it for the file that simulates only.
TEST_F(SimulazioneCli, SweepsAndJsonLinesCarryTheSimulation) {
    std::string breve = Chiavi;
    Prepara(breve.replace(breve.find("giorni=400"), 10, "giorni=3"));
    const auto sweep = [this](const char* fili) {
        return Report({"--varia", "simulazione.giorni=1:3:1", "--json", "-j", fili, c / "con.css"});
    };
    const EsitoComando j1 = sweep("1"), j2 = sweep("2");
    ASSERT_EQ(j1.Stato, 0) << j1.Errore;
    EXPECT_EQ(j2, j1);
    const std::vector<nlohmann::json> righe = Oggetti(j1.Uscita);
    ASSERT_EQ(righe.size(), 3u);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const auto& riga = righe[i];
        EXPECT_EQ(riga.at("simulazione.giorni"), i + 1);
        EXPECT_EQ(riga.at("simulazione").at("giorni"), i + 1);
        EXPECT_EQ(riga.at("simulazione").at("muffa").size(), 4u) << "inside and 3 interfaces";
    }
    const EsitoComando tabella =
        Report({"--varia", "simulazione.giorni=1:2:1", "--csv", c / "con.css"});
    EXPECT_TRUE(
        Righe(tabella.Uscita)[0].ends_with(";acqua_finale (kg/m²);variazione_ultimo_anno (kg/m²)"))
        << tabella.Uscita;

    const EsitoComando molti = Report({"--json", Esempio, c / "con.css"});
    ASSERT_EQ(molti.Stato, 0) << molti.Errore;
    const std::vector<nlohmann::json> linee = Oggetti(molti.Uscita);
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_FALSE(linee[0].contains("simulazione"));
    EXPECT_EQ(linee[1].at("simulazione").at("giorni"), 3);
}
