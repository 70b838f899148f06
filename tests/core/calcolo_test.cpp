#include <gtest/gtest.h>

#include "core/calc/calcolo.h"
#include "core/model/numeri.h"
#include "parete_prova.h"

using namespace paretix;
using prova::Parete;
using prova::RigaCheInizia;
using prova::Righe;

namespace {

std::string Rapporto(Esercizio e, EsitoCalcola* esito = nullptr) {
    RisultatiCalcolo r;
    std::string testo;
    const EsitoCalcola fatto = Command1_Click(e, r, testo);
    if (esito) {
        *esito = fatto;
    }
    return testo;
}

// The lines of the report from the first line equal to inizio to the next empty line.
std::vector<std::string> Blocco(const std::string& testo, const std::string& inizio) {
    const auto righe = Righe(testo);
    std::vector<std::string> blocco;
    bool dentro = false;
    for (const std::string& riga : righe) {
        dentro = dentro || riga == inizio;
        if (dentro) {
            blocco.push_back(riga);
            if (riga.empty()) {
                break;
            }
        }
    }
    return blocco;
}

// Material, cavity with factors on both faces, material, material without factor, cavity,
// material: Ti 20, Te -5, all three calculations.
Esercizio DueCamere() {
    Esercizio e = Parete("MAMMAM", true, true, true);
    e.TEsterna = "-5";
    e.UInterna = "80";
    e.UEsterna = "90";
    e.DistSonoro = "60";
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = "0,8";
    e.strato(4).FatAssorbimento.Testo = " - ";
    return e;
}

} // namespace

TEST(Calcolo, ReportOfOneMaterialLayer) {
    // 1/7 + 0,2 + 1/24 = 323/840: H = 840/323, flux 16800/323, surfaces 4060/323 and 700/323.
    const std::vector<std::string> attese = {
        "DATI:",
        "",
        "Numero strati: 1",
        "",
        "Temperatura interna Ti = 20 °C",
        "Temperatura esterna Te = 0 °C",
        "",
        "Coefficienti liminari di scambio termico:",
        "interno hi = 7 W/m² °C",
        "esterno he = 24 W/m² °C",
        "",
        "Strato 1",
        "Materiale: Nessun specifico materiale selezionato",
        "Spessore Si = 0,1 m",
        "Conduttività Ki = 0,5 W/m °C",
        "",
        "",
        "RISULTATI:",
        "________________________________________",
        "",
        "CALCOLO TERMICO",
        "",
        "Sommatoria resistenze termiche unitarie = 0,2 (m² °C / W)",
        "",
        "Conduttanza termica unitaria Hc = 5 W/m² °C",
        "",
        "Trasmittanza termica unitaria H = 2,60061919504644 W/m² °C",
        "",
        "Flusso termico Ø = 52,0123839009288",
        "",
        "Variazione della temperatura nel passaggio da uno strato all'altro (ovvero nelle varie "
        "isoterme):",
        "T0   = 12,5696594427245 °C",
        "T1   = 2,1671826625387 °C",
        "",
    };
    EXPECT_EQ(Righe(Rapporto(Parete("M"))), attese);
}

TEST(Calcolo, OnlyAcousticLeavesOutThermalAndHygrometricData) {
    Esercizio e = Parete("M", false, false, true);
    e.TInterna = "x"; // hidden, never reported
    e.DistSonoro = "0.01";
    e.UnitaDistSonoro = UnitaSuono::Watt;
    const auto righe = Righe(Rapporto(e));
    const std::vector<std::string> inizio = {"DATI:",
                                             "",
                                             "Numero strati: 1",
                                             "",
                                             "Disturbo sonoro = 0,01 in Wat (W)",
                                             "",
                                             "Strato 1",
                                             "Materiale: Nessun specifico materiale selezionato",
                                             "Spessore Si = 0,1 m",
                                             "Densità = 500 Kg/m³ °C",
                                             "",
                                             "",
                                             "RISULTATI:",
                                             "________________________________________",
                                             "",
                                             "CALCOLO ACUSTICO"};
    ASSERT_GT(righe.size(), inizio.size());
    EXPECT_EQ(std::vector(righe.begin(), righe.begin() + inizio.size()), inizio);
}

TEST(Calcolo, LayerBlocksOfTheDataPart) {
    const std::string testo = Rapporto(DueCamere());
    EXPECT_EQ(Blocco(testo, "Strato 1"),
              (std::vector<std::string>{
                  "Strato 1", "Materiale: Nessun specifico materiale selezionato",
                  "Spessore Si = 0,1 m", "Densità = 500 Kg/m³ °C", "Conduttività Ki = 0,5 W/m °C",
                  "Permeabilità = 10 * 10¯ ' ²(kg/smPa)",
                  "Fattore di assorbimento o di emessività superfice materiale = 0,9", ""}));
    EXPECT_EQ(Blocco(testo, "Strato 2"),
              (std::vector<std::string>{"Strato 2", "Intercapedine d'aria ", "Spessore Si = 0,05 m",
                                        ""}));
    // A dash with blanks is a factor not given: no line.
    EXPECT_EQ(Blocco(testo, "Strato 4").size(), 7u);
}

TEST(Calcolo, AirCavityBlocksAfterTwoRuns) {
    Esercizio e = DueCamere();
    RisultatiCalcolo primo;
    std::string testo;
    Calcolo(e, 1, 2, primo, testo);
    EXPECT_EQ(RigaCheInizia(testo, "Seconda ipotesi"), "Seconda ipotesi temperatura media 7,5 °C");

    const std::string rapporto = Rapporto(e);
    const auto righe = Righe(rapporto);
    const auto termico = std::find(righe.begin(), righe.end(), "CALCOLO TERMICO");
    ASSERT_NE(termico, righe.end());
    const std::vector<std::string> camere(termico + 2, termico + 15);
    const std::vector<std::string> attese = {
        "Strato 2",
        "Fattore medio di assorbimento o di emessività = 0,73469387755102", // 36/49
        "Prima ipotesi temperatura media 7,5 °C",
        "Seconda ipotesi temperatura media " + FormaGenerale((primo.T[1] + primo.T[2]) / 2) + " °C",
        "Conduttività equivalenti intercapedine d'aria",
        camere[5], // Ki, checked below
        "",
        "Strato 5",
        "Resistenza alla conducibilità termica dello strato d'aria riferito alla tabella UNI EN "
        "ISO 6946",
        "0,16 m²°C/W",
        " ",
        camere[11],
        "",
    };
    EXPECT_EQ(camere, attese);
    EXPECT_NE(primo.T[1] + primo.T[2], 15); // the faces are not at the mean air temperature
    EXPECT_TRUE(camere[5].starts_with("Ki = 0,2") && camere[5].ends_with(" W/m °C"));
    EXPECT_TRUE(camere[11].starts_with("Sommatoria resistenze termiche unitarie = "));
}

TEST(Calcolo, EveryRunRebuildsTheSameReport) {
    Esercizio e = DueCamere();
    RisultatiCalcolo r;
    std::string primo;
    std::string secondo;
    Command1_Click(e, r, primo);
    Command1_Click(e, r, secondo);
    EXPECT_EQ(primo, secondo);
    EXPECT_EQ(RigaCheInizia(primo, "Energia"), "Energia trasmessa");
}

TEST(Calcolo, InvalidExerciseLeavesTheReportAlone) {
    Esercizio e = Parete("MM");
    e.strato(2).Conduttività.Testo = "0";
    e.LiminariInterno = " 8 ";
    RisultatiCalcolo r;
    std::string testo = "rapporto precedente";
    const EsitoCalcola esito = Command1_Click(e, r, testo);
    EXPECT_FALSE(esito.DatiValidi);
    EXPECT_EQ(esito.Messaggio, "Per lo strato 2 è stato inserito un valore errato nella casella "
                               "''Conduttività termica''");
    EXPECT_EQ(testo, "rapporto precedente");
    EXPECT_EQ(e.LiminariInterno, "8");
}

TEST(Calcolo, OnlyExactlyACountsAsAnAirCavity) {
    EsitoCalcola esito;
    Rapporto(DueCamere(), &esito);
    EXPECT_TRUE(esito.DatiValidi);
    EXPECT_EQ(esito.NumeroCamereAria, 2);

    Esercizio e = Parete("MMM");
    e.strato(2).TipoStrato = " A";
    const std::string testo = Rapporto(e, &esito);
    EXPECT_EQ(esito.NumeroCamereAria, 0);
    // Not a cavity for the data part, whose block is that of a material.
    EXPECT_EQ(Blocco(testo, "Strato 2")[1], "Materiale: Nessun specifico materiale selezionato");
}

TEST(Calcolo, TwelveLayersAlignEveryBoundaryLabel) {
    Esercizio e = Parete("MMMMMMMMMMMM", true, true);
    const std::string testo = Rapporto(e);
    for (const char* nome : {"T", "Pvs", "Pv"}) {
        const std::string n(nome);
        EXPECT_NE(RigaCheInizia(testo, n + "9   = "), "") << nome;
        EXPECT_NE(RigaCheInizia(testo, n + "10 = "), "") << nome;
        EXPECT_NE(RigaCheInizia(testo, n + "12 = "), "") << nome;
    }
}

TEST(Calcolo, SaturatedInsideAirCondensesOnTheInsideSurfaceOnly) {
    Esercizio e = Parete("MM", true, true);
    e.strato(1).Permeabilità.Testo = "0,01"; // a vapour barrier
    e.UInterna = "100";
    e.UEsterna = "50";
    const auto verdetto = Blocco(Rapporto(e), "Per l 'isoterma");
    EXPECT_EQ(verdetto, (std::vector<std::string>{"Per l 'isoterma", "0 vi è condensa", ""}));
}
