#include <gtest/gtest.h>

#include <functional>

#include "core/model/numeri.h"
#include "core/verifiche/rimedio_isolante.h"
#include "core/verifiche/trasmittanza.h"
#include "support/parete_verifiche.h"

using namespace paretix;
using prova::PareteVerifiche;
using prova::UPareteVerifiche;

// Worked by hand on the wall of parete_verifiche.h with the law's surfaces: towards the outside
// R = 0,13 + 0,5 + 1,25 + 0,04 = 1,92, U = 0,520833; towards an unheated space or a partition
// R = 0,13 + 1,75 + 0,13 = 2,01, U = 0,497512. The extra thickness is (1/Ulim - 1/U)·λ,
// λ = 0,04 of layer 2 (the least conductive) unless said otherwise, rounded up to 0,5 cm:
//  E, App. B 2021: 0,28; (3,571429 - 1,92)·0,04 = 0,066057 m -> 7,0 cm.
//  Same, insulation inside: 0,28·1,3 = 0,364; (2,747253 - 1,92)·0,04 = 0,033090 -> 3,5 cm.
//  E, App. A 2021: 0,26, a reference value (no +30 %); (3,846154 - 1,92)·0,04 = 0,077046
//  -> 8,0 cm.
//  A, App. B 2015: 0,45; (2,222222 - 1,92)·0,04 = 0,012089 -> 1,5 cm.
//  Unheated space, btr 0,6: U·btr = 0,298507 > 0,28; the wall needs U <= 0,28/0,6 = 0,466667,
//  (2,142857 - 2,01)·0,04 = 0,005314 -> 1,0 cm. With btr 0,5: 0,248756 <= 0,28.
//  Layer 1 chosen (λ 0,5): 1,651429·0,5 = 0,825714 -> 83,0 cm.
//  Partition: 0,498 <= 0,8. F, App. A 2015 0,28: as E, 7,0 cm. C, App. B 2021 0,36:
//  (2,777778 - 1,92)·0,04 = 0,034311 -> 3,5 cm.
TEST(Trasmittanza, LimitSourceOutcomeAndRemedy) {
    using R = RegimeVerifica;
    using Z = ZonaClimatica;
    struct Caso {
        const char* nome;
        std::function<void(DatiVerifiche&)> dati;
        double limite;
        std::string fonte; // after "DM 26/06/2015, "
        const char* esito;
        std::optional<double> spessore; // m
        double confrontata;
    };
    const double U = 1 / 1.92;
    const double Uinterno = 1 / 2.01;
    const std::string E2021 = "App. B, dal 2021, zona E";
    const char* nonRispettato = "riferimento non rispettato";
    const Caso casi[] = {
        {"E B 2021", [](DatiVerifiche&) {}, 0.28, E2021, "non verificata", 0.07, U},
        {"isolamento interno", [](DatiVerifiche& d) { d.IsolamentoInterno = true; }, 0.364,
         E2021 + ", isolamento dall'interno o in intercapedine +30 %", "non verificata", 0.035, U},
        {"riferimento",
         [](DatiVerifiche& d) { d.Regime = R::Riferimento2021, d.IsolamentoInterno = true; }, 0.26,
         "App. A, dal 2019/2021, zona E", nonRispettato, 0.08, U},
        {"A B 2015", [](DatiVerifiche& d) { d.Zona = Z::A, d.Regime = R::Riqualificazione2015; },
         0.45, "App. B, 2015, zona A", "non verificata", 0.015, U},
        {"F A 2015", [](DatiVerifiche& d) { d.Zona = Z::F, d.Regime = R::Riferimento2015; }, 0.28,
         "App. A, 2015, zona F", nonRispettato, 0.07, U},
        {"C B 2021", [](DatiVerifiche& d) { d.Zona = Z::C; }, 0.36, "App. B, dal 2021, zona C",
         "non verificata", 0.035, U},
        {"non climatizzato 0,6",
         [](DatiVerifiche& d) { d.Elemento = ElementoParete::NonClimatizzato, d.Btr = "0,6"; },
         0.28, E2021, "non verificata", 0.01, Uinterno * 0.6},
        {"non climatizzato 0,5",
         [](DatiVerifiche& d) { d.Elemento = ElementoParete::NonClimatizzato, d.Btr = "0,5"; },
         0.28, E2021, "verificata", std::nullopt, Uinterno * 0.5},
        {"strato 1", [](DatiVerifiche& d) { d.StratoIsolante = 1; }, 0.28, E2021, "non verificata",
         0.83, U},
        {"divisorio",
         [](DatiVerifiche& d) {
             d.Elemento = ElementoParete::Divisorio, d.Zona.reset(), d.Regime.reset();
         },
         0.8, "pareti divisorie tra unità immobiliari", "verificata", std::nullopt, Uinterno},
    };
    for (const Caso& c : casi) {
        Esercizio e = PareteVerifiche();
        c.dati(e.Verifiche);
        const RisultatiCalcolo r = prova::Calcola(e);
        const VerificaTrasmittanza v = VerificaDellaTrasmittanza(e, r);
        EXPECT_NEAR(v.UEsercizio, UPareteVerifiche, 1e-12) << c.nome;
        EXPECT_NEAR(v.UConfrontata, c.confrontata, 1e-12) << c.nome;
        ASSERT_TRUE(v.Limite) << c.nome;
        EXPECT_NEAR(*v.Limite, c.limite, 1e-12) << c.nome;
        EXPECT_EQ(v.Fonte, "DM 26/06/2015, " + c.fonte) << c.nome;
        EXPECT_EQ(v.Esito, c.esito) << c.nome;
        EXPECT_TRUE(v.Mancanti.empty()) << c.nome;
        // The note on thermal bridges is always given.
        ASSERT_EQ(v.Note.size(), 1u) << c.nome;
        EXPECT_NE(v.Note[0].find("ponti termici"), std::string::npos) << c.nome;
        ASSERT_EQ(v.SpessoreAggiuntivo.has_value(), c.spessore.has_value()) << c.nome;
        if (c.spessore) {
            EXPECT_NEAR(*v.SpessoreAggiuntivo, *c.spessore, 1e-12) << c.nome;
        }
    }
}

// C, App. B 2021, 0,36: (2,777778 - 1,92)·0,04 = 0,034311 m -> 3,5 cm. The remedy, added
// to the layer, meets the limit, and 0,5 cm less does not.
TEST(Trasmittanza, TheRemedyIsTheSmallestStepThatMeetsTheLimit) {
    Esercizio e = PareteVerifiche();
    e.Verifiche.Zona = ZonaClimatica::C; // 3,5 cm in the table above
    for (const auto& [centimetri, rispettata] : {std::pair{"8,5", true}, std::pair{"8", false}}) {
        Esercizio piùSpesso = e;
        piùSpesso.strato(2).Spessore.Testo = centimetri;
        const VerificaTrasmittanza dopo =
            VerificaDellaTrasmittanza(piùSpesso, prova::Calcola(piùSpesso));
        EXPECT_EQ(dopo.Rispettata, rispettata) << centimetri << " " << dopo.U;
    }
}

// U 0,5 to 0,25 needs ΔR = 4 - 2 = 2 m²K/W, with λ 0,0025 exactly 0,5 cm: one step, not two.
// A wall that already meets the value needs nothing.
TEST(Trasmittanza, ExtraThicknessRoundsUpToHalfCentimetres) {
    EXPECT_NEAR(SpessoreAggiuntivo(0.5, 0.25, 0.0025).value(), 0.005, 1e-15);
    EXPECT_NEAR(SpessoreAggiuntivo(0.5, 0.25, 0.0026).value(), 0.01, 1e-15); // 0,52 cm
    EXPECT_NEAR(SpessoreAggiuntivo(1.0, 0.5, 0.04).value(), 0.04, 1e-15);    // exactly 4 cm
    EXPECT_EQ(SpessoreAggiuntivo(0.25, 0.25, 0.04), std::nullopt);
    EXPECT_EQ(SpessoreAggiuntivo(0.2, 0.25, 0.04), std::nullopt);
}

TEST(Trasmittanza, MissingDataGiveNoOutcome) {
    struct Caso {
        std::function<void(DatiVerifiche&)> dati;
        std::vector<std::string> mancanti;
    };
    const std::string btr = "fattore di correzione btr (un numero maggiore di 0 e non oltre 1)";
    const auto nonClimatizzato = [](const char* btr) {
        return
            [btr](DatiVerifiche& d) { d.Elemento = ElementoParete::NonClimatizzato, d.Btr = btr; };
    };
    const Caso casi[] = {
        {[](DatiVerifiche& d) { d.Elemento.reset(); }, {"tipo di elemento"}},
        {[](DatiVerifiche& d) { d.Zona.reset(); }, {"zona climatica"}},
        {[](DatiVerifiche& d) { d.Zona.reset(), d.Regime.reset(); },
         {"zona climatica", "regime di verifica"}},
        {nonClimatizzato(""), {btr}},
        {nonClimatizzato("0"), {btr}},
        {nonClimatizzato("1,2"), {btr}},
        {nonClimatizzato("0.5"), {btr}},
        {[&](DatiVerifiche& d) { nonClimatizzato("mezzo")(d), d.Regime.reset(); },
         {"regime di verifica", btr}},
    };
    for (const Caso& c : casi) {
        Esercizio e = PareteVerifiche();
        c.dati(e.Verifiche);
        const VerificaTrasmittanza v = VerificaDellaTrasmittanza(e, prova::Calcola(e));
        EXPECT_EQ(v.Mancanti, c.mancanti);
        EXPECT_EQ(v.Limite, std::nullopt);
        EXPECT_EQ(v.Rispettata, std::nullopt);
        EXPECT_EQ(v.Esito, "");
        EXPECT_EQ(v.SpessoreAggiuntivo, std::nullopt);
        EXPECT_NEAR(v.UEsercizio, UPareteVerifiche, 1e-12);
    }
}

// A btr of exactly 1 is a wall towards outside air: 0,498 > 0,28.
TEST(Trasmittanza, BtrOfOneIsAccepted) {
    Esercizio e = PareteVerifiche();
    e.Verifiche.Elemento = ElementoParete::NonClimatizzato;
    e.Verifiche.Btr = "1";
    const VerificaTrasmittanza v = VerificaDellaTrasmittanza(e, prova::Calcola(e));
    EXPECT_EQ(v.Btr, 1.0);
    EXPECT_EQ(v.Esito, "non verificata");
}

// The layer to thicken must be a material layer of the wall: an air cavity or a number past the
// last layer gives the outcome without a remedy, and says why.
TEST(Trasmittanza, ARemedyOnlyForAMaterialLayer) {
    Esercizio e = prova::Parete("MAM");
    e.strato(1).Spessore.Testo = "25";
    e.strato(3).Spessore.Testo = "5";
    e.strato(3).Conduttività.Testo = "0,04";
    e.Verifiche = PareteVerifiche().Verifiche;
    for (const int scelto : {2, 4, -1}) {
        e.Verifiche.StratoIsolante = scelto;
        const VerificaTrasmittanza v = VerificaDellaTrasmittanza(e, prova::Calcola(e));
        EXPECT_EQ(v.Esito, "non verificata") << scelto;
        EXPECT_EQ(v.SpessoreAggiuntivo, std::nullopt) << scelto;
        ASSERT_EQ(v.Note.size(), 2u) << scelto;
        EXPECT_TRUE(v.Note[1].starts_with("Lo strato isolante indicato")) << v.Note[1];
    }
    e.Verifiche.StratoIsolante = 0; // the least conductive: layer 3, not the cavity
    const VerificaTrasmittanza v = VerificaDellaTrasmittanza(e, prova::Calcola(e));
    EXPECT_EQ(v.StratoIsolante, 3);
    EXPECT_TRUE(v.SpessoreAggiuntivo);
    // A thin first layer, the least conductive, with the wall still above the limit.
    e.strato(1).Spessore.Testo = "1";
    for (const char* λ : {"0,03", "0,04"}) { // the least conductive, or the first of equals
        e.strato(1).Conduttività.Testo = λ;
        EXPECT_EQ(VerificaDellaTrasmittanza(e, prova::Calcola(e)).StratoIsolante, 1) << λ;
    }
}
