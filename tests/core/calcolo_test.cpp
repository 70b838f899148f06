#include <gtest/gtest.h>

#include "core/calc/calcolo.h"
#include "core/model/numeri.h"
#include "support/dati_attesi.h"
#include "support/pareti.h"

using namespace paretix;
using prova::Parete;
using prova::RigaCheInizia;
using prova::Righe;
using test::ExpectComeNelFile;

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

// The report from the first line equal to inizio, for conta lines.
std::vector<std::string> Blocco(const std::string& testo, const std::string& inizio, int conta) {
    const auto righe = Righe(testo);
    const auto primo = std::find(righe.begin(), righe.end(), inizio);
    return {primo, std::min(primo + conta, righe.end())};
}

// Material with factor 0,9, cavity, material with factor 0,8, material with factor " - ",
// cavity, material without factor; Ti 20, Te -5; all three calculations.
Esercizio DueCamere() {
    Esercizio e = Parete("MAMMAM", true, true, true);
    e.TEsterna = "-5";
    e.strato(1).FatAssorbimento.Testo = "0,9";
    e.strato(3).FatAssorbimento.Testo = "0,8";
    e.strato(4).FatAssorbimento.Testo = " - ";
    return e;
}

} // namespace

TEST(Calcolo, ReportOfOneMaterialLayer) {
    // 1/7 + 0,2 + 1/24 = 323/840: H = 840/323, flux 16800/323, surfaces 4060/323 and 700/323.
    ExpectComeNelFile("core/rapporto-uno-strato.txt", Rapporto(Parete("M")));
}

TEST(Calcolo, OnlyAcousticLeavesOutThermalAndHygrometricData) {
    Esercizio e = Parete("M", false, false, true);
    e.TInterna = "x"; // hidden, and read as 0 by the run
    e.DistSonoro = "0.01";
    e.UnitaDistSonoro = UnitaSuono::Watt;
    EXPECT_TRUE(Rapporto(e).starts_with(
        "DATI:\r\n\r\nNumero strati: 1\r\n\r\nDisturbo sonoro = 0,01 in Wat (W)\r\n\r\n"
        "Strato 1\r\nMateriale: Nessun specifico materiale selezionato\r\nSpessore Si = 0,1 m\r\n"
        "Densità = 500 Kg/m³ °C\r\n\r\n\r\nRISULTATI:\r\n"
        "________________________________________\r\n\r\nCALCOLO ACUSTICO\r\n"));
}

TEST(Calcolo, LayerBlocksOfTheDataPart) {
    const std::string testo = Rapporto(DueCamere());
    EXPECT_EQ(Blocco(testo, "Strato 1", 8),
              (std::vector<std::string>{
                  "Strato 1", "Materiale: Nessun specifico materiale selezionato",
                  "Spessore Si = 0,1 m", "Densità = 500 Kg/m³ °C", "Conduttività Ki = 0,5 W/m °C",
                  "Permeabilità = 10 * 10¯ ' ²(kg/smPa)",
                  "Fattore di assorbimento o di emessività superfice materiale = 0,9", ""}));
    EXPECT_EQ(Blocco(testo, "Strato 2", 4),
              (std::vector<std::string>{"Strato 2", "Intercapedine d'aria ", "Spessore Si = 0,05 m",
                                        ""}));
    EXPECT_EQ(Blocco(testo, "Strato 4", 7).back(), ""); // " - ": no factor line
}

TEST(Calcolo, AirCavityBlocksOfTheSecondRun) {
    const Esercizio e = DueCamere();
    RisultatiCalcolo primo;
    std::string testo;
    Calcolo(e, 1, 2, primo, testo);
    EXPECT_EQ(RigaCheInizia(testo, "Seconda"), "Seconda ipotesi temperatura media 7,5 °C");

    EsitoCalcola esito;
    testo = Rapporto(e, &esito);
    EXPECT_EQ(esito.NumeroCamereAria, 2);
    EXPECT_EQ(testo, Rapporto(e)); // nothing else carries over between commands
    const auto camere = Blocco(testo, "CALCOLO TERMICO", 14);
    ASSERT_EQ(camere.size(), 14u);
    EXPECT_EQ(std::vector(camere.begin() + 2, camere.begin() + 6),
              (std::vector<std::string>{
                  "Strato 2",
                  "Fattore medio di assorbimento o di emessività = 0,73469387755102", // 36/49
                  "Prima ipotesi temperatura media 7,5 °C",
                  "Seconda ipotesi temperatura media " +
                      FormaGenerale((primo.T[1] + primo.T[2]) / 2) + " °C"}));
    EXPECT_NE(camere[5], "Seconda ipotesi temperatura media 7,5 °C");
    EXPECT_EQ(camere[6], "Conduttività equivalenti intercapedine d'aria");
    EXPECT_TRUE(camere[7].starts_with("Ki = 0,2") && camere[7].ends_with(" W/m °C"));
    EXPECT_EQ(std::vector(camere.begin() + 8, camere.end() - 1),
              (std::vector<std::string>{"", "Strato 5",
                                        "Resistenza alla conducibilità termica dello strato d'aria "
                                        "riferito alla tabella UNI EN ISO 6946",
                                        "0,16 m²°C/W", " "}));
    EXPECT_TRUE(camere[13].starts_with("Sommatoria resistenze termiche unitarie = "));
}

TEST(Calcolo, InvalidExerciseLeavesTheReportAlone) {
    Esercizio e = Parete("MM");
    e.strato(2).Conduttività.Testo = "0";
    RisultatiCalcolo r;
    std::string testo = "rapporto precedente";
    const EsitoCalcola esito = Command1_Click(e, r, testo);
    EXPECT_FALSE(esito.DatiValidi);
    EXPECT_EQ(esito.Messaggio, "Per lo strato 2 è stato inserito un valore errato nella casella "
                               "''Conduttività termica''");
    EXPECT_EQ(testo, "rapporto precedente");
}

TEST(Calcolo, TwelveLayersAlignEveryBoundaryLabel) {
    const std::string testo = Rapporto(Parete("MMMMMMMMMMMM", true, true));
    for (const std::string nome : {"T", "Pvs", "Pv"}) {
        EXPECT_NE(RigaCheInizia(testo, nome + "9   = "), "") << nome;
        EXPECT_NE(RigaCheInizia(testo, nome + "10 = "), "") << nome;
        EXPECT_NE(RigaCheInizia(testo, nome + "12 = "), "") << nome;
    }
}
