#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "core/calc/calcolo.h"
#include "core/files/chiavi_esercizio.h"
#include "core/files/creazione_file.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/model/numeri.h"
#include "core/variazioni/migliore.h"
#include "core/variazioni/parte_scansione.h"
#include "core/variazioni/variazioni.h"
#include "support/parete_verifiche.h"
#include "support/pareti.h"
#include "trascrizione.h"

using namespace paretix;
using prova::Parete;

namespace {

Variazione Letta(const std::string& testo) {
    Variazione v;
    const auto errore = LeggiVariazione(testo, v);
    EXPECT_EQ(errore, std::nullopt) << testo;
    return v;
}

} // namespace

// A key and its value on a wall given by its layers, tests/data/core-h1/chiavi.txt: refused,
// or the lines of the exercise's file that the value changed, so that each name is seen to
// reach the box a file stores at that place, and only that one.
TEST(ChiaviEsercizio, AKeySetsTheBoxItNames) {
    test::ExpectTrascrizione("core-h1/chiavi.txt", [](const std::string& caso) {
        const std::size_t spazio = caso.find(' '), uguale = caso.find('=');
        Esercizio e = Parete(caso.substr(0, spazio));
        const auto prima = prova::Righe(*ContenutoFileEsercizio(e));
        if (!ApplicaValoreChiave(e, caso.substr(spazio + 1, uguale - spazio - 1),
                                 caso.substr(uguale + 1))) {
            return std::vector<std::string>{"rifiutata"};
        }
        std::vector<std::string> righe;
        const auto dopo = prova::Righe(*ContenutoFileEsercizio(e));
        for (std::size_t i = 0; i < std::max(prima.size(), dopo.size()); ++i) {
            const std::string p = i < prima.size() ? prima[i] : "",
                              d = i < dopo.size() ? dopo[i] : "";
            if (p != d) {
                righe.push_back("riga " + std::to_string(i + 1) + ": " + p + " -> " + d);
            }
        }
        return righe;
    });
    EXPECT_EQ(DividiChiaveNumerica("strato.12.sd")->Numero, 12);
    for (const char* chiave : {"strato.03.spessore", "strato.0.spessore", "strato..spessore",
                               "strato.3.calore-specifico-abaco", "strato.3", "strato.x.sd"}) {
        EXPECT_FALSE(ChiaveNumerica(chiave)) << chiave;
        EXPECT_FALSE(DividiChiaveNumerica(chiave)) << chiave;
    }
}

// Sweeps as typed after --varia, tests/data/core-h1/variazioni.txt: the values, from the
// first to the last by the step, or why the sweep is refused.
TEST(Variazioni, ValuesOfASweepOrWhyItIsRefused) {
    test::ExpectTrascrizione("core-h1/variazioni.txt", [](const std::string& testo) {
        Variazione v;
        if (const auto errore = LeggiVariazione(testo, v)) {
            return std::vector<std::string>{"errore: " + *errore};
        }
        std::string valori = v.Chiave + ", " + std::to_string(v.Valori.size()) + " valori:";
        // All of a short list; of a long one the first three and the last.
        const std::size_t n = v.Valori.size();
        for (std::size_t i = 0; i<n; i = n> 12 && i == 2 ? n - 1 : i + 1) {
            valori += (n > 12 && i == n - 1 ? " … " : " ") + v.Valori[i];
        }
        return std::vector<std::string>{valori};
    });
}

// Sweeps on a wall given by its layers, tests/data/core-h1/varianti.txt: checked against the
// exercise, and for a short sweep each variant in order (the last variation fastest) with the
// lines of its file that differ from the base exercise's, or its message. Every variant is made
// from the base exercise, so that a value never leaks into the next one.
TEST(Variazioni, TheSweepAgainstItsExerciseAndItsVariants) {
    test::ExpectTrascrizione("core-h1/varianti.txt", [](const std::string& caso) {
        std::istringstream parti(caso);
        std::string tipi;
        parti >> tipi;
        std::vector<Variazione> vv;
        for (std::string t; parti >> t;) {
            vv.push_back(Letta(t));
        }
        const Esercizio base = Parete(tipi);
        std::vector<std::string> righe{ControllaVariazioni(vv, base).value_or(
            "controllo superato, varianti: " + std::to_string(NumeroVarianti(vv)))};
        const auto prima = prova::Righe(*ContenutoFileEsercizio(base));
        Variante v;
        for (std::size_t i = 0; NumeroVarianti(vv) <= 8 && i < NumeroVarianti(vv); ++i) {
            CalcolaVariante(base, vv, i, v);
            std::string riga = std::to_string(i) + (v.Valida ? " valida:" : " non valida:") +
                               (v.Errore.empty() ? "" : " " + v.Errore);
            const auto dopo = prova::Righe(*ContenutoFileEsercizio(v.Esercizio));
            for (std::size_t k = 0; v.Valida && k < dopo.size(); ++k) {
                // A line past the end of the base exercise's file is new, so it differs.
                const bool diversa = k >= prima.size() || dopo[k] != prima[k];
                riga += diversa ? " riga " + std::to_string(k + 1) + " " + dopo[k] : "";
            }
            righe.push_back(riga);
        }
        return righe;
    });
}

// The same numbers as the Calculate command on the exercise typed by hand.
TEST(Variazioni, AVariantCalculatesAsTheExerciseTypedByHand) {
    const Esercizio base = Parete("MM");
    const std::vector<Variazione> vv{Letta("strato.1.spessore=10:20:10"), Letta("te=-5:5:5")};
    Variante v;
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

// Conditions of --migliore, tests/data/core-h1/condizioni.txt: the quantity, the comparison
// and the threshold read, or why the condition is refused. With the calculation types of the
// exercise (T thermal, I hygrometric, A acoustic, V checks) and a varied key, the quantity no
// variant of the sweep can compute is a usage error that says what the exercise lacks, not "no
// variant meets the condition".
TEST(Migliore, ConditionsReadAndWhatTheExerciseLacksForThem) {
    test::ExpectTrascrizione("core-h1/condizioni.txt", [](const std::string& riga) {
        std::istringstream parti(riga);
        std::string testo, tipi, variata;
        parti >> testo >> tipi >> variata;
        Condizione c;
        if (const auto errore = LeggiCondizione(testo, c)) {
            return std::vector<std::string>{"errore: " + *errore};
        }
        const char* quantità[] = {"U", "R", "Flusso", "Rw", "Ms", "Yie", "FRsi", "Ma"};
        const char* confronto[] = {"<", "<=", ">", ">="};
        std::ostringstream letta;
        letta << quantità[int(c.Quantità)] << " " << confronto[int(c.Operatore)] << " " << c.Soglia;
        Esercizio e = prova::PareteVerifiche();
        e.Termico = tipi.find('T') != std::string::npos;
        e.Igrometrico = tipi.find('I') != std::string::npos;
        e.Acustico = tipi.find('A') != std::string::npos;
        e.Verifiche.Attive = tipi.find('V') != std::string::npos;
        std::vector<Variazione> variazioni{Letta("strato.1.spessore=10:20:5")};
        if (!variata.empty()) {
            variazioni.push_back(Letta(variata + "=0:1:1"));
        }
        return std::vector<std::string>{
            letta.str(), ControllaCondizione(testo, c, e, variazioni).value_or("calcolabile")};
    });
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
