#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "core/calc/calcolo.h"
#include "core/files/chiavi_esercizio.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/model/numeri.h"
#include "core/variazioni/migliore.h"
#include "core/variazioni/parte_scansione.h"
#include "core/variazioni/variazioni.h"
#include "support/parete_verifiche.h"
#include "support/pareti.h"

using namespace paretix;
using prova::Parete;

namespace {

Variazione Letta(const std::string& testo) {
    Variazione v;
    const auto errore = LeggiVariazione(testo, v);
    EXPECT_EQ(errore, std::nullopt) << testo;
    return v;
}

std::string ErroreDi(const std::string& testo) {
    Variazione v;
    return LeggiVariazione(testo, v).value_or("");
}

} // namespace

// Each name reaches the box a file stores at that place, and only that one.
TEST(ChiaviEsercizio, AVersionOneKeySetsItsBoxText) {
    struct Caso {
        const char* Chiave;
        std::string* (*Campo)(Esercizio&);
    };
    const Caso casi[] = {
        {"hi", [](Esercizio& e) { return &e.LiminariInterno; }},
        {"he", [](Esercizio& e) { return &e.LiminariEsterno; }},
        {"ti", [](Esercizio& e) { return &e.TInterna; }},
        {"te", [](Esercizio& e) { return &e.TEsterna; }},
        {"ui", [](Esercizio& e) { return &e.UInterna; }},
        {"ue", [](Esercizio& e) { return &e.UEsterna; }},
        {"disturbo", [](Esercizio& e) { return &e.DistSonoro; }},
        {"strato.2.spessore", [](Esercizio& e) { return &e.strato(2).Spessore.Testo; }},
        {"strato.2.densita", [](Esercizio& e) { return &e.strato(2).Densità.Testo; }},
        {"strato.2.conduttivita", [](Esercizio& e) { return &e.strato(2).Conduttività.Testo; }},
        {"strato.2.permeabilita", [](Esercizio& e) { return &e.strato(2).Permeabilità.Testo; }},
        {"strato.2.fat-assorbimento",
         [](Esercizio& e) { return &e.strato(2).FatAssorbimento.Testo; }},
    };
    for (const Caso& c : casi) {
        const Esercizio prima = Parete("MMM");
        Esercizio e = prima;
        ASSERT_TRUE(ApplicaValoreChiave(e, c.Chiave, "3,25")) << c.Chiave;
        EXPECT_EQ(*c.Campo(e), "3,25") << c.Chiave;
        *c.Campo(e) = *c.Campo(const_cast<Esercizio&>(prima));
        EXPECT_EQ(e, prima) << c.Chiave << " changed another value";
    }
}

// The additional data go through the reader of their section: the same values accepted, the
// same refused.
TEST(ChiaviEsercizio, AdditionalDataMeanWhatTheyMeanInAFile) {
    Esercizio e = Parete("MAM");
    // The humidity classes are 0 (the indoor climate typed) to 5.
    for (const char* classe : {"0", "3", "5"}) {
        EXPECT_TRUE(ApplicaValoreChiave(e, "classe-umidita", classe)) << classe;
        EXPECT_EQ(e.Verifiche.ClasseUmidità, classe[0] - '0');
    }
    EXPECT_FALSE(ApplicaValoreChiave(e, "classe-umidita", "6"));
    EXPECT_TRUE(ApplicaValoreChiave(e, "btr", "0,8"));
    EXPECT_EQ(e.Verifiche.Btr, "0,8");
    EXPECT_TRUE(ApplicaValoreChiave(e, "strato.1.calore-specifico", "1000"));
    EXPECT_EQ(e.strato(1).CaloreSpecifico, "1000");
    EXPECT_FALSE(ApplicaValoreChiave(e, "strato-isolante", "2,5"));
    // An air cavity has no specific heat, nor density or conductivity of its own; its thickness
    // is a value.
    EXPECT_FALSE(ApplicaValoreChiave(e, "strato.2.calore-specifico", "1000"));
    EXPECT_FALSE(ApplicaValoreChiave(e, "strato.2.densita", "1000"));
    EXPECT_TRUE(ApplicaValoreChiave(e, "strato.2.spessore", "3"));
    // Not a layer of the exercise, not one number, not a key.
    EXPECT_FALSE(ApplicaValoreChiave(e, "strato.4.spessore", "3"));
    EXPECT_FALSE(ApplicaValoreChiave(e, "zona", "1"));
    EXPECT_FALSE(ApplicaValoreChiave(e, "clima.1", "1"));
    EXPECT_FALSE(ApplicaValoreChiave(e, "colore", "1"));
    EXPECT_TRUE(e.Verifiche.AltreChiavi.empty());

    EXPECT_EQ(DividiChiaveNumerica("strato.12.sd")->Numero, 12);
    for (const char* chiave : {"strato.03.spessore", "strato.0.spessore", "strato..spessore",
                               "strato.3.calore-specifico-abaco", "strato.3", "strato.x.sd"}) {
        EXPECT_FALSE(ChiaveNumerica(chiave)) << chiave;
        EXPECT_FALSE(DividiChiaveNumerica(chiave)) << chiave;
    }
}

TEST(Variazioni, ValuesFromFirstToLastByTheStep) {
    EXPECT_EQ(Letta("strato.5.spessore=1:3:0,5").Valori,
              (std::vector<std::string>{"1", "1,5", "2", "2,5", "3"}));
    // The decimal point too; 0,1·3 that falls short of 0,3 by rounding still gives the last.
    EXPECT_EQ(Letta("te=-0.3:0.3:0.1").Valori,
              (std::vector<std::string>{"-0,3", "-0,2", "-0,1", "0", "0,1", "0,2", "0,3"}));
    EXPECT_EQ(Letta("te=-1000,3:-999,9:0,1").Valori,
              (std::vector<std::string>{"-1000,3", "-1000,2", "-1000,1", "-1000", "-999,9"}));
    EXPECT_EQ(Letta("strato.1.sd=1E-9:3E-9:1E-9").Valori,
              (std::vector<std::string>{"1E-09", "2E-09", "3E-09"}));
    EXPECT_EQ(Letta("hi=7:7:1").Valori, std::vector<std::string>{"7"});
    // A step that does not reach the last value stops before it.
    EXPECT_EQ(Letta("ui=50:60:4").Valori, (std::vector<std::string>{"50", "54", "58"}));
    // As many values as the limit of variants, and one more is too many.
    EXPECT_EQ(Letta("strato.1.sd=1:1000000:1").Valori.size(), VariantiMassime);
    EXPECT_NE(ErroreDi("strato.1.sd=0:1000000:1").find("troppe varianti (1000001)"),
              std::string::npos);
}

TEST(Variazioni, WrongRangesSayWhy) {
    EXPECT_NE(ErroreDi("strato.1.spessore").find("manca \"=\""), std::string::npos);
    EXPECT_NE(ErroreDi("strato.1.spesso=1:2:1").find("chiave sconosciuta"), std::string::npos);
    EXPECT_NE(ErroreDi("zona=1:2:1").find("chiave sconosciuta"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=1:2").find("CHIAVE=DA:A:PASSO"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=1:2:1:4").find("CHIAVE=DA:A:PASSO"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=uno:2:1").find("devono essere numeri"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=1:2:").find("devono essere numeri"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=1:2:0").find("maggiore di zero"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=1:2:-1").find("maggiore di zero"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=3:2:1").find("supera l'ultimo"), std::string::npos);
    EXPECT_NE(ErroreDi("hi=0:1E9:1").find("troppe varianti"), std::string::npos);
    EXPECT_TRUE(ErroreDi("hi=1:2:0").starts_with("--varia hi=1:2:0: "));
}

TEST(Variazioni, TheSweepAgainstItsExercise) {
    const Esercizio e = Parete("MMM");
    const auto errore = [&e](const std::vector<Variazione>& vv) {
        return ControllaVariazioni(vv, e).value_or("");
    };
    EXPECT_EQ(ControllaVariazioni({Letta("strato.3.spessore=1:2:1"), Letta("hi=1:2:1")}, e),
              std::nullopt);
    EXPECT_NE(errore({Letta("strato.4.spessore=1:2:1")}).find("non ha lo strato 4 (ha 3 strati)"),
              std::string::npos);
    EXPECT_NE(errore({Letta("hi=1:2:1"), Letta("hi=3:4:1")}).find("variata due volte"),
              std::string::npos);
    // Each within the limit, together beyond it.
    EXPECT_NE(
        errore({Letta("hi=1:1000:1"), Letta("he=1:1001:1")}).find("troppe varianti (1001000)"),
        std::string::npos);
    EXPECT_EQ(NumeroVarianti({Letta("hi=1:1000:1"), Letta("he=1:1000:1")}), 1'000'000u);
}

// Cartesian order, the last variation fastest; every variant from the base exercise, so that a
// value never leaks into the next one.
TEST(Variazioni, EachVariantIsItsOwnExercise) {
    const Esercizio base = Parete("MM");
    const std::vector<Variazione> vv{Letta("strato.1.spessore=10:20:10"), Letta("te=-5:5:5")};
    ASSERT_EQ(NumeroVarianti(vv), 6u);
    Variante v;
    std::vector<std::pair<std::string, std::string>> visti;
    for (std::size_t i = 0; i < 6; ++i) {
        CalcolaVariante(base, vv, i, v);
        ASSERT_TRUE(v.Valida) << v.Errore;
        visti.emplace_back(v.Esercizio.strato(1).Spessore.Testo, v.Esercizio.TEsterna);
        EXPECT_EQ(v.Esercizio.strato(2).Spessore.Testo, "10");
    }
    EXPECT_EQ(visti,
              (std::vector<std::pair<std::string, std::string>>{
                  {"10", "-5"}, {"10", "0"}, {"10", "5"}, {"20", "-5"}, {"20", "0"}, {"20", "5"}}));

    // The same numbers as the Calculate command on the exercise typed by hand.
    Esercizio aMano = base;
    aMano.strato(1).Spessore.Testo = "20";
    aMano.TEsterna = "0";
    RisultatiCalcolo r;
    std::string testo;
    ASSERT_TRUE(Command1_Click(aMano, r, testo).DatiValidi);
    CalcolaVariante(base, vv, 4, v);
    EXPECT_EQ(v.Risultati.H, r.H);
    EXPECT_EQ(v.Risultati.FI, r.FI);
    EXPECT_DOUBLE_EQ(SpessoreTotale(v), 0.3);
}

TEST(Variazioni, AnInvalidVariantKeepsItsMessage) {
    const Esercizio base = Parete("MAM");
    Variante v;
    CalcolaVariante(base, {Letta("strato.1.spessore=0:1:1")}, 0, v);
    EXPECT_FALSE(v.Valida);
    EXPECT_TRUE(v.Errore.starts_with("ERRORE: Per lo strato 1")) << v.Errore;
    CalcolaVariante(base, {Letta("strato.1.spessore=0:1:1")}, 1, v);
    EXPECT_TRUE(v.Valida) << v.Errore;
    EXPECT_EQ(v.Errore, "");
    CalcolaVariante(base, {Letta("classe-umidita=5:6:1")}, 1, v);
    EXPECT_FALSE(v.Valida);
    EXPECT_EQ(v.Errore, "classe-umidita=6: valore non accettato");
}

TEST(Variazioni, RowsBeginWithTheVariedValues) {
    const Esercizio base = Parete("MM");
    const std::vector<Variazione> vv{Letta("strato.2.spessore=2,5:5:2,5"), Letta("hi=7:8:1")};
    Variante v;
    CalcolaVariante(base, vv, 1, v);
    ASSERT_TRUE(v.Valida);
    const FormatoCsv formato;
    const std::string intestazione = IntestazioneVariantiCsv(formato, vv);
    EXPECT_EQ(intestazione, "strato.2.spessore;hi;" + IntestazioneCsv(formato));
    const std::string riga = RigaVarianteCsv(formato, "muro.css", vv, v);
    EXPECT_EQ(riga,
              "2,5;8;" + RigaCsv(formato, "muro.css", v.Esercizio, v.Risultati, std::nullopt));
    FormatoCsv punto;
    punto.Separatore = ',';
    punto.VirgolaDecimale = false;
    EXPECT_TRUE(RigaVarianteCsv(punto, "muro.css", vv, v).starts_with("2.5,8,muro.css,"));
    // The comma as separator with the decimal comma: the value is quoted.
    punto.VirgolaDecimale = true;
    EXPECT_TRUE(RigaVarianteCsv(punto, "muro.css", vv, v).starts_with("\"2,5\",8,muro.css,"));

    const auto j = nlohmann::ordered_json::parse(RigaVarianteJson("muro.css", vv, v));
    EXPECT_EQ(j.begin().key(), "strato.2.spessore");
    EXPECT_EQ(j["strato.2.spessore"].get<double>(), 2.5);
    EXPECT_EQ(j["hi"].get<double>(), 8);
    EXPECT_EQ(j["file"], "muro.css");
    EXPECT_EQ(j["risultati"]["termico"]["U"].get<double>(), v.Risultati.H);

    CalcolaVariante(base, {Letta("strato.2.spessore=-1:-1:1")}, 0, v);
    const auto errore = nlohmann::json::parse(
        RigaVarianteJson("muro.css", {Letta("strato.2.spessore=-1:-1:1")}, v));
    EXPECT_EQ(errore["strato.2.spessore"].get<double>(), -1);
    EXPECT_EQ(errore["errore"]["stato"], 1);
    EXPECT_EQ(errore["errore"]["messaggio"], v.Errore);
}

TEST(Migliore, Conditions) {
    Condizione c;
    ASSERT_EQ(LeggiCondizione("U<=0,28", c), std::nullopt);
    EXPECT_EQ(c.Quantità, Grandezza::U);
    EXPECT_EQ(c.Operatore, Confronto::MinoreOUguale);
    EXPECT_EQ(c.Soglia, 0.28);
    ASSERT_EQ(LeggiCondizione("Yie<0.10", c), std::nullopt);
    EXPECT_EQ(c.Quantità, Grandezza::Yie);
    EXPECT_EQ(c.Operatore, Confronto::Minore);
    EXPECT_EQ(c.Soglia, 0.1);
    ASSERT_EQ(LeggiCondizione("Rw>=50", c), std::nullopt);
    EXPECT_EQ(c.Operatore, Confronto::MaggioreOUguale);
    ASSERT_EQ(LeggiCondizione("fRsi>0,7", c), std::nullopt);
    EXPECT_EQ(c.Quantità, Grandezza::FRsi);
    EXPECT_EQ(c.Operatore, Confronto::Maggiore);
    for (const char* sbagliata : {"U", "U=0,28", "u<=0,28", "U<=", "U<=x", "U=<0,28", "<1"}) {
        EXPECT_NE(LeggiCondizione(sbagliata, c), std::nullopt) << sbagliata;
    }
}

TEST(Migliore, TheThinnestVariantThatMeetsTheCondition) {
    const Esercizio base = Parete("MM");
    const std::vector<Variazione> vv{Letta("strato.1.spessore=10:30:10")};
    Condizione c;
    ASSERT_EQ(LeggiCondizione("U<=1,5", c), std::nullopt);
    std::optional<Candidato> migliore;
    Variante v;
    std::vector<double> U;
    for (std::size_t i = 0; i < NumeroVarianti(vv); ++i) {
        CalcolaVariante(base, vv, i, v);
        U.push_back(v.Risultati.H);
        if (Soddisfa(c, v)) {
            TieniMigliore(migliore, {i, SpessoreTotale(v)});
        }
    }
    // U falls as layer 1 thickens: 10 cm fails, 20 and 30 cm pass.
    ASSERT_GT(U[0], 1.5);
    ASSERT_LE(U[1], 1.5);
    ASSERT_TRUE(migliore);
    EXPECT_EQ(migliore->Indice, 1u);

    // A quantity the exercise does not compute never passes; an invalid variant neither.
    ASSERT_EQ(LeggiCondizione("Rw>=0", c), std::nullopt);
    EXPECT_FALSE(Soddisfa(c, v));
    ASSERT_EQ(LeggiCondizione("U>=0", c), std::nullopt);
    CalcolaVariante(base, {Letta("strato.1.spessore=-1:-1:1")}, 0, v);
    EXPECT_FALSE(Soddisfa(c, v));

    // Equal thickness: the first in order.
    EXPECT_TRUE(Precede({3, 0.2}, {5, 0.2}));
    EXPECT_FALSE(Precede({5, 0.2}, {3, 0.2}));
    EXPECT_TRUE(Precede({9, 0.1}, {3, 0.2}));
    std::optional<Candidato> m;
    TieniMigliore(m, {5, 0.2});
    TieniMigliore(m, {3, 0.2});
    TieniMigliore(m, {1, 0.3});
    EXPECT_EQ(m->Indice, 3u);
}

// --migliore on a quantity that no variant of the sweep can compute is a usage error that says
// what the exercise lacks, not "no variant meets the condition".

namespace {

struct Caso {
    const char* Condizione;
    bool Termico, Igrometrico, Acustico, Verifiche;
    const char* Variata; // a varied key besides the thickness, or ""
    std::string Manca;   // empty: some variant may compute it
};

TEST(MiglioreCondizione, WhatTheExerciseLacksForTheQuantity) {
    const std::string servono = "l'esercizio non calcola ";
    const Caso casi[] = {
        {"U<=0,3", true, false, false, false, "", ""},
        {"R>=3", false, false, true, false, "", servono + "R: servono il calcolo termico"},
        {"Rw>=50", true, false, false, true, "",
         servono + "Rw: servono il calcolo acustico (con le densità)"},
        {"Ms>=0", true, false, false, false, "",
         servono + "Ms: servono il calcolo acustico (con le densità) e le verifiche di legge"},
        {"Ms>=0", true, false, true, false, "verifiche", ""},
        {"Yie<0,1", true, false, true, true, "", ""},
        {"Ma>=0", true, false, false, true, "",
         servono + "Ma: servono il calcolo igrometrico e il clima esterno o la classe di "
                   "umidità interna"},
        {"fRsi>0,7", false, false, true, false, "",
         servono + "fRsi: servono il calcolo termico, il calcolo igrometrico, le verifiche di "
                   "legge e il clima esterno o la classe di umidità interna"},
        {"Ma>=0", true, true, false, true, "classe-umidita", ""},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(std::string(caso.Condizione) + " " + caso.Variata);
        Esercizio e = prova::PareteVerifiche();
        e.Termico = caso.Termico;
        e.Igrometrico = caso.Igrometrico;
        e.Acustico = caso.Acustico;
        e.Verifiche.Attive = caso.Verifiche;
        std::vector<Variazione> variazioni{Letta("strato.1.spessore=10:20:5")};
        if (*caso.Variata != '\0') {
            variazioni.push_back(Letta(std::string(caso.Variata) + "=0:1:1"));
        }
        Condizione c;
        ASSERT_EQ(LeggiCondizione(caso.Condizione, c), std::nullopt);
        const auto messaggio = ControllaCondizione(caso.Condizione, c, e, variazioni);
        if (caso.Manca.empty()) {
            EXPECT_EQ(messaggio, std::nullopt);
        } else {
            EXPECT_EQ(messaggio, "--migliore " + std::string(caso.Condizione) + ": " + caso.Manca);
        }
    }
}

} // namespace

// For every count and number of shares: the shares follow one another from 0 to n without a
// gap or an overlap, and no two differ by more than one variant (10 among 3: 3, 3, 4).
TEST(ParteScansione, SharesTileTheVariantsEvenly) {
    EXPECT_EQ(VariantiDellaParte(10, {1, 3}), (std::pair<std::size_t, std::size_t>{0, 3}));
    EXPECT_EQ(VariantiDellaParte(10, {3, 3}), (std::pair<std::size_t, std::size_t>{6, 10}));
    for (std::size_t n : {0u, 1u, 7u, 100u, 1000000u}) {
        for (std::size_t N : {1u, 2u, 3u, 8u, 13u}) {
            std::size_t atteso = 0, minimo = n, massimo = 0;
            for (std::size_t K = 1; K <= N; ++K) {
                const auto [da, a] = VariantiDellaParte(n, {K, N});
                EXPECT_EQ(da, atteso) << n << " " << K << "/" << N;
                minimo = std::min(minimo, a - da);
                massimo = std::max(massimo, a - da);
                atteso = a;
            }
            EXPECT_EQ(atteso, n);
            EXPECT_LE(massimo - minimo, 1u);
        }
    }
}

TEST(ParteScansione, OnlyKOverNWithKFromOneToN) {
    const auto p = LeggiParte("2/5");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->K, 2u);
    EXPECT_EQ(p->N, 5u);
    for (const char* t :
         {"0/3", "4/3", "1/0", "1", "1/", "/3", "a/3", "1/3x", "-1/3", "1/1000001"}) {
        EXPECT_FALSE(LeggiParte(t)) << t;
    }
}
