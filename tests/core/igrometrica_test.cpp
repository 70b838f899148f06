#include <gtest/gtest.h>

#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "support/dati_attesi.h"
#include "support/parete_verifiche.h"

using namespace paretix;

namespace {

// Two layers from the inside, hi 8 and he 25 (Rsi 0,125, Rse 0,04):
//   1: 8 cm, λ 0,04 (R 2,0), permeability 160·10⁻¹² so sd = 2·10⁻¹⁰/160·10⁻¹²·0,08 = 0,1 m;
//   2: 5 cm, λ 0,5 (R 0,1), sd typed 10 m (its permeability does not count).
// Rtot = 2,265, U = 0,441501. Every month 0 °C and 80 % outside, 20 °C and 60 % inside.
Esercizio PareteMensile() {
    Esercizio e = prova::PareteVerifiche();
    e.Igrometrico = true;
    e.UInterna = "60";
    e.UEsterna = "80";
    e.LiminariInterno = "8";
    e.LiminariEsterno = "25";
    e.strato(1).Spessore.Testo = "8";
    e.strato(1).Conduttività.Testo = "0,04";
    e.strato(1).Permeabilità.Testo = "160";
    e.strato(2).Spessore.Testo = "5";
    e.strato(2).Conduttività.Testo = "0,5";
    e.strato(2).Sd = "10";
    AggiornaCaselleVisibili(e, false);
    e.Verifiche.ClimaEsterno.fill({"0", "80"});
    e.Verifiche.ClasseUmidità = 0;
    e.Verifiche.ClimaInterno.fill({"20", "60"});
    return e;
}

VerificaIgrometrica Verifica(Esercizio e) {
    const RisultatiCalcolo r = prova::Calcola(e);
    const RisultatiVerifiche v = CalcolaVerifiche(e, r);
    EXPECT_TRUE(v.IgrometricaRichiesta);
    return v.Igrometrica.value_or(VerificaIgrometrica{});
}

} // namespace

// The method reads the layers' resistances and sd, the surface resistances and U of the run
// (the worked results below depend on each of them), the climate and the allowed amount.
TEST(VerificaIgrometrica, TheWallOfTheExerciseAsTheMethodReadsIt) {
    Esercizio e = PareteMensile();
    const RisultatiCalcolo r = prova::Calcola(e);
    const IngressoIgrometrico ingresso = DatiIgrometrici(e, r);
    ASSERT_TRUE(ingresso.Dati) << ingresso.Mancanti.front();
    const DatiIgrometriaMensile& d = *ingresso.Dati;
    ASSERT_EQ(d.Strati.size(), 2u);
    EXPECT_EQ(d.Interno.Classe, 0);
    EXPECT_EQ(d.Esterno[5], (ClimaMese{0, 80}));
    EXPECT_EQ(d.Ammissibile, CondensaAmmissibilePredefinita);
    e.Verifiche.CondensaAmmissibile = "350,5";
    EXPECT_EQ(DatiIgrometrici(e, r).Dati->Ammissibile, 350.5);
}

// Data that lack are named, months by name, and no number is given.
TEST(VerificaIgrometrica, MissingDataAreNamed) {
    Esercizio e = PareteMensile();
    e.Verifiche.ClimaEsterno[0].Umidità = "";
    e.Verifiche.ClimaEsterno[2].Temperatura = "freddo";
    e.Verifiche.ClimaEsterno[3].Umidità = "101";
    e.Verifiche.ClimaInterno[11].Temperatura = "";
    e.Verifiche.CondensaAmmissibile = "0";
    e.strato(2).Sd = "-1";
    VerificaIgrometrica v = Verifica(e);
    EXPECT_FALSE(v.Risultato);
    EXPECT_EQ(v.Mancanti,
              (std::vector<std::string>{
                  "clima esterno (gennaio, marzo, aprile)", "condizioni interne (dicembre)",
                  "quantità ammissibile di condensa (un numero maggiore di 0)",
                  "sd dello strato 2 (un numero non negativo)"}));
    e = PareteMensile();
    e.Verifiche.ClasseUmidità.reset();
    EXPECT_EQ(Verifica(e).Mancanti, (std::vector<std::string>{"classe di umidità interna"}));
}

// Without a climate and an inside class the section stays as it was; with them, the check asks
// for both calculations.
TEST(VerificaIgrometrica, AskedForOnlyByAnExerciseWithItsData) {
    Esercizio e = prova::PareteVerifiche();
    RisultatiCalcolo r = prova::Calcola(e);
    RisultatiVerifiche v = CalcolaVerifiche(e, r);
    EXPECT_FALSE(v.IgrometricaRichiesta);
    EXPECT_FALSE(v.Igrometrica);

    e.Verifiche.ClimaEsterno[6].Temperatura = "25";
    r = prova::Calcola(e);
    v = CalcolaVerifiche(e, r);
    EXPECT_TRUE(v.IgrometricaRichiesta);
    EXPECT_FALSE(v.Igrometrica); // no hygrometric calculation in this exercise
    const std::vector<RigaVerifica> righe = RigheVerifiche(v);
    EXPECT_EQ(righe.back().Esito, "richiede il calcolo termico e il calcolo igrometrico");
}

// Worked by hand: θ1 = 20 − 20·2,125/2,265 = 1,23620 °C, psat = 667,657 Pa; pi = 0,6·2336,95 =
// 1402,17 Pa, pe = 0,8·610,5 = 488,40 Pa. The interface condenses
//   gc = 2·10⁻¹⁰·[(1402,17 − 667,657)/0,1 − (667,657 − 488,40)/10] = 1,465443·10⁻⁶ kg/(m² s),
// 3925,04 g/m² in January, every month: 46214,2 g/m² by December, never dry.
// The retarder goes on the warm face of layer 1 (the inside surface), at the same temperature
// as the inside surface, so it only adds sd x before the interface: the line from (0; pi) to
// (10,1 + x; pe) stays under 667,657 Pa at sd 0,1 + x when
//   (0,1 + x)/(10,1 + x) ≥ (1402,17 − 667,657)/(1402,17 − 488,40) = 0,803826, x ≥ 40,876 m,
// so 40,9 m to 0,1 m (40,8 still condenses all year).
TEST(VerificaIgrometrica, AResidueAndTheRetarderThatPreventsIt) {
    const VerificaIgrometrica v = Verifica(PareteMensile());
    ASSERT_TRUE(v.Risultato);
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    EXPECT_NEAR(r.Mesi[0].FlussoTotale, 3925.04, 0.01);
    EXPECT_NEAR(r.AccumuloMassimo, 46214.2, 0.1);
    EXPECT_EQ(r.Esito, EsitoCondensa::NonVerificata);
    EXPECT_TRUE(v.RimedioCondensa);
    EXPECT_EQ(v.InterfacciaFreno, 0);
    ASSERT_TRUE(v.SdFreno);
    EXPECT_NEAR(*v.SdFreno, 40.9, 1e-9);
    // No mould on this wall (worked below).
    EXPECT_NEAR(r.FRsi, 0.889625, 1e-6);
    ASSERT_TRUE(r.FRsiMax);
    EXPECT_NEAR(*r.FRsiMax, 0.771744, 1e-6);
    EXPECT_TRUE(r.MuffaEvitata);
    EXPECT_FALSE(v.RimedioMuffa);

    // A boundary chosen by the user is kept: a retarder between the two layers sits at the cold
    // interface and cannot help, up to the largest sd tried.
    Esercizio scelta = PareteMensile();
    scelta.Verifiche.InterfacciaFreno = 1;
    const VerificaIgrometrica v1 = Verifica(scelta);
    EXPECT_EQ(v1.InterfacciaFreno, 1);
    EXPECT_FALSE(v1.SdFreno);
}

// Mould, by hand: pi = 1402,17 Pa, psat,min = pi/0,8 = 1752,71 Pa, θsi,min = 15,4349 °C,
// fRsi,max = 15,4349/20 = 0,771744. The exercise's wall: fRsi = 1 − 0,25·0,441501 = 0,889625,
// margin 0,117881. A thin wall: layer 1 10 cm of λ 0,5 (R 0,2), layer 2 1 cm of λ 0,04
// (R 0,25), Rtot 0,615, U 1,62602, fRsi 0,593496: mould. U may be at most
// (1 − 0,771744)/0,25 = 0,913024, Rtot 1,095262, so 0,480262 m²K/W more of the λ 0,04 layer:
// 1,921 cm, 2,0 cm to 0,5 cm.
TEST(VerificaIgrometrica, TheMouldFactorAndTheInsulationThatMeetsIt) {
    Esercizio e = PareteMensile();
    e.strato(1).Spessore.Testo = "10";
    e.strato(1).Conduttività.Testo = "0,5";
    e.strato(2).Spessore.Testo = "1";
    e.strato(2).Conduttività.Testo = "0,04";
    const VerificaIgrometrica v = Verifica(e);
    ASSERT_TRUE(v.Risultato);
    EXPECT_NEAR(v.Risultato->FRsi, 0.593496, 1e-6);
    EXPECT_FALSE(v.Risultato->MuffaEvitata);
    EXPECT_TRUE(v.RimedioMuffa);
    EXPECT_EQ(v.StratoIsolante, 2);
    ASSERT_TRUE(v.SpessoreMuffa);
    EXPECT_NEAR(*v.SpessoreMuffa, 0.02, 1e-12);
}

// The block of the report: conditions, the year's table aligned by characters, the verdicts
// with their criterion and the remedy. In January θsi = 20 − 20·0,125/2,265 = 18,896 °C, pi
// 1402 Pa, fRsi,min 0,772. Without the data the section has no such block.
TEST(VerificaIgrometrica, TheBlockOfTheReport) {
    Esercizio e = PareteMensile();
    std::string testo;
    prova::Calcola(e, &testo);
    const std::size_t inizio = testo.find("VERIFICA IGROMETRICA (UNI EN ISO 13788)\r\n");
    ASSERT_NE(inizio, std::string::npos);
    std::vector<std::string> righe = prova::Righe(testo.substr(inizio));
    ASSERT_GE(righe.size(), 24u);
    righe.resize(24);
    std::string blocco;
    for (const std::string& riga : righe) {
        blocco += riga + "\n";
    }
    test::ExpectComeNelFile("core/igrometrica/blocco.txt", blocco);

    Esercizio senza = PareteMensile();
    senza.Verifiche.ClimaEsterno = {};
    senza.Verifiche.ClasseUmidità.reset();
    std::string altro;
    prova::Calcola(senza, &altro);
    EXPECT_EQ(altro.find("IGROMETRICA"), std::string::npos);
    EXPECT_NE(altro.find("VERIFICHE DI LEGGE"), std::string::npos);
}
