#include <gtest/gtest.h>

#include <cmath>

#include "core/files/chiavi_simulazione.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/simulazione/clima_simulazione.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "support/epw_orario_di_prova.h"
#include "support/parete_simulata.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

Esercizio Parete() {
    return test::PareteSimulata();
}

std::optional<std::string> NessunFile(const std::string&) {
    return std::nullopt;
}

} // namespace

TEST(ChiaviSimulazione, BlockIsWrittenInItsOrderAndBadValuesRefuseTheLine) {
    Esercizio e = Parete();
    EXPECT_TRUE(HaDatiAggiuntivi(e));
    const std::vector<std::string> righe = RigheDatiAggiuntivi(e);
    std::string blocco;
    for (auto riga = righe.end() - 9; riga != righe.end(); ++riga) {
        blocco += *riga + "\n";
    }
    test::ExpectComeNelFile("core-h2/chiavi-simulazione.txt", blocco);
    e.strato(1).TipoStrato = TipoCameraAria;
    for (const char* riga : {"simulazione=2", "simulazione.giorni=", "strato.3.w80=1",
                             "strato.1.w80=1", "strato.02.w80=1"}) {
        EXPECT_FALSE(ApplicaRigaDatiAggiuntivi(e, riga)) << riga;
    }
}

// Each fault stops the preparation with a message naming its key (and layer). The table's input
// is "key=value", or "senza key" for the key removed.
TEST(PreparazioneSimulazione, MissingOrContradictoryDataNameTheKey) {
    test::ExpectTabella("core-h2/preparazione-errata.txt", [](const std::string& caso) {
        Esercizio e = Parete();
        const bool senza = caso.starts_with("senza ");
        const std::string chiave = senza ? caso.substr(6) : caso.substr(0, caso.find('='));
        const std::string valore = senza ? "" : caso.substr(caso.find('=') + 1);
        auto& dati =
            chiave.starts_with("strato.") ? e.strato(chiave[7] - '0').Igrotermici : e.Simulazione;
        const std::string nome = chiave.starts_with("strato.") ? chiave.substr(9) : chiave;
        senza ? void(dati.erase(nome)) : void(dati[nome] = valore);
        if (chiave == "strato.1.calore-specifico") {
            e.strato(1).CaloreSpecifico.clear();
        }
        SimulazionePreparata p;
        std::string errore;
        EXPECT_FALSE(PreparaSimulazione(e, "/cartella", NessunFile, p, errore)) << caso;
        return errore;
    });
}

// The boxes as the simulation reads them, by hand: 25 cm = 0,25 m; permeability 20·10⁻¹²
// against still air's 2·10⁻¹⁰ gives μ 10; ρc = 1200·840 = 1,008·10⁶; the storage curve passes
// through w80 at 80 % and reaches wf at saturation; the plaster without moisture data stores
// none. Two days of a constant climate then run with closed balances.
TEST(PreparazioneSimulazione, CompleteExerciseRuns) {
    SimulazionePreparata p;
    std::string errore;
    // The ends of the ranges of a state are accepted: −70 and 70 °C, 100 %.
    Esercizio estremi = Parete();
    estremi.Simulazione["simulazione.inizio"] = "-70;100";
    estremi.Simulazione["simulazione.esterno"] = "costante:70;100";
    EXPECT_TRUE(PreparaSimulazione(estremi, "/cartella", NessunFile, p, errore)) << errore;
    ASSERT_TRUE(PreparaSimulazione(Parete(), "/cartella", NessunFile, p, errore)) << errore;
    EXPECT_EQ(p.Giorni, 2);
    ASSERT_EQ(p.Dati.Strati.size(), 2u);
    const MaterialeIgrotermico& mattone = p.Dati.Strati[1].Materiale;
    EXPECT_DOUBLE_EQ(p.Dati.Strati[1].Spessore, 0.25);
    EXPECT_NEAR(mattone.Mu(0), 10, 1e-12);
    EXPECT_DOUBLE_EQ(mattone.CapacitàSecca, 1.008e6);
    EXPECT_NEAR(mattone.Acqua(0.8).w, 9.5, 1e-9);
    EXPECT_NEAR(mattone.Acqua(1).w, 370, 1e-9);
    EXPECT_FALSE(p.Dati.Strati[0].Materiale.Acqua);
    EXPECT_DOUBLE_EQ(p.Dati.Esterna.β, 7e-9 * 24);
    const RisultatoSimulazione r = Simula(p.Dati);
    ASSERT_TRUE(r.Riuscita) << r.Messaggio;
    EXPECT_LE(r.ErroreBilancioUmidità, 1e-3);
    EXPECT_LE(r.ErroreBilancioEnergia, 1e-3);
}

// A weather file outside: the wall faces its orientation, east 90° from north, with the sun
// and rain of that face (at midday of day 172 its sun differs from the south face's).
TEST(PreparazioneSimulazione, AWeatherFileOutsideFacesTheWallsOrientation) {
    const std::string epw = test::EpwOrarioDiProva();
    Esercizio e = Parete();
    for (const char* riga : {"simulazione.esterno=epw:clima.epw", "orientamento=E"}) {
        ASSERT_TRUE(ApplicaRigaDatiAggiuntivi(e, riga)) << riga;
    }
    SimulazionePreparata p;
    std::string errore;
    const auto leggi = [&](const std::string&) { return std::optional<std::string>(epw); };
    ASSERT_TRUE(PreparaSimulazione(e, "/cartella", leggi, p, errore)) << errore;
    ClimaOrario clima;
    ASSERT_EQ(LetturaEpwOraria(epw, clima), std::nullopt);
    const double mezzogiorno = (171 * 24 + 12) * SecondiOra;
    const double est = ClimaDaEpw(clima, {90, 0})(mezzogiorno).Irradianza;
    EXPECT_EQ(p.Dati.Esterna.Clima(mezzogiorno).Irradianza, est);
    EXPECT_NE(ClimaDaEpw(clima, {180, 0})(mezzogiorno).Irradianza, est);
}

// By hand: at θe 15 °C the inside is 20 + 5·0,5 = 22,5 °C and 30 + 30·25/30 = 55 %, 65 % for
// a high load; below −10 °C and 10 °C the lower ends, above 20 °C the upper ones.
TEST(ClimaSimulazione, InsideClimateFollowsTheOutsideDailyMean) {
    const struct {
        double θe, θi, φi;
    } righe[] = {{15, 22.5, 0.55}, {-20, 20, 0.3}, {5, 20, 0.45}, {30, 25, 0.6}};
    for (const auto& r : righe) {
        EXPECT_NEAR(InternoDaEsterno(r.θe, false).θ, r.θi, 1e-12) << r.θe;
        EXPECT_NEAR(InternoDaEsterno(r.θe, false).φ, r.φi, 1e-12) << r.θe;
        EXPECT_NEAR(InternoDaEsterno(r.θe, true).φ, r.φi + 0.1, 1e-12) << r.θe;
    }
}

// 21 March (day 80) at 45° N on the time zone's meridian, the hour ending 13:00: the sun stands
// near the equator's plane a few degrees past noon, so on a south face cos i ≈ sin 45° ·
// cos 5,6° = 0,704; a north face sees no direct sun. Rain 2 mm/h with a 5 m/s wind straight
// onto the face: 0,07·5·2/3600 = 1,944·10⁻⁴ kg/(m² s).
TEST(ClimaSimulazione, SunAndDrivingRainOnAVerticalFace) {
    ClimaOrario c;
    ASSERT_FALSE(LetturaEpwOraria(test::EpwOrarioDiProva(45, 15, 1), c));
    ASSERT_EQ(c.Ore.size(), 8760u);
    OraEpw o;
    o.Ora = 13;
    o.Diretta = 1000;
    EXPECT_NEAR(IrradianzaVerticale(c, 80, o, 180), 704, 8);
    EXPECT_NEAR(IrradianzaVerticale(c, 80, o, 0), 0, 1e-9);
    o.Diffusa = 100;
    o.Globale = 400;
    EXPECT_NEAR(IrradianzaVerticale(c, 80, o, 0), 50 + 40, 1e-9);
    o.Pioggia = 2;
    o.Vento = 5;
    o.DirezioneVento = 180;
    EXPECT_NEAR(PioggiaBattente(o, {180, 1}), 1.944e-4, 1e-7);
    EXPECT_EQ(PioggiaBattente(o, {0, 1}), 0);
    EXPECT_EQ(PioggiaBattente(o, {180, 0}), 0);
}

TEST(ClimaSimulazione, BrokenWeatherFileNamesTheLine) {
    std::string testo = test::EpwOrarioDiProva();
    ClimaOrario c;
    EXPECT_EQ(LetturaEpwOraria(testo.substr(0, testo.size() / 2), c).value_or("").substr(0, 8),
              "Il file ");
    const std::size_t riga10 = [&] {
        std::size_t p = 0;
        for (int k = 0; k < 9; ++k) {
            p = testo.find('\n', p) + 1;
        }
        return p;
    }();
    // The month of line 10 above its range, below it, not a number.
    for (const char* mese : {",13", ",0", ",x"}) {
        std::string rotto = testo;
        rotto.replace(rotto.find(',', riga10), 2, mese);
        EXPECT_EQ(LetturaEpwOraria(rotto, c), "Riga 10: valore non valido nel campo mese") << mese;
    }
}
