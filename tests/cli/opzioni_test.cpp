#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/in_parallelo.h"
#include "cli/opzioni.h"

using namespace paretix::cli;

namespace {

constexpr std::string_view Valida = "";   // a request
constexpr std::string_view SoloUso = "-"; // refused with the usage line alone

struct Caso {
    std::vector<std::string_view> Argomenti;
    std::string_view Messaggio; // Valida, SoloUso, or the start of the message
    Uscita Modo = Uscita::Resoconto;
    std::size_t File = 0;
    unsigned Fili = 0; // 0: not given
};

TEST(OpzioniReport, EachCommandLineOfTheHelpAndTheRefusedOnes) {
    const Caso casi[] = {
        {{"f.css"}, Valida, Uscita::Resoconto, 1},
        {{"--json", "a", "b"}, Valida, Uscita::Json, 2},
        {{"--csv", "--sep", ",", "--punto", "a"}, Valida, Uscita::Csv, 1},
        {{"a", "b"}, SoloUso},
        {{}, SoloUso},
        {{"--help", "f"}, SoloUso},
        {{"--sep", ";", "--csv", "f"}, SoloUso},
        {{"--json", "--csv", "f"}, SoloUso},
        {{"--json", "--sep", ",", "f"}, SoloUso},
        {{"--csv", "--punto", "--punto", "f"}, SoloUso},
        {{"--csv", "--sep", "\"", "f"}, SoloUso},
        {{"--csv", "--sep", ",,", "f"}, SoloUso},
        {{"--csv", "--sep"}, SoloUso},
        {{"f", "--json"}, SoloUso},
        {{"--csv", "f", "-x"}, SoloUso},
        {{"--csv", ""}, SoloUso},
        {{"-j", "2", "f"}, SoloUso},
        {{"f", "--varia", "ti=18:20:1", "--csv", "-j4"}, Valida, Uscita::Csv, 1, 4},
        {{"--varia", "ti=18:20:1", "--json", "-j", "2", "f"}, Valida, Uscita::Json, 1, 2},
        {{"--varia", "ti=18:20:1", "--json", "-j", "0", "f"}, "-j: il numero di processori"},
        {{"--varia", "ti=18:20:1", "--json", "-j2", "-j2", "f"}, "-j: il numero di processori"},
        {{"--varia", "ti=18:20:1", "f"}, "--varia: servono un solo file"},
        {{"--varia", "ti=18:20:1", "--json", "f", "g"}, "--varia: servono un solo file"},
        {{"--varia", "ti=18:20:1", "--json", "--punto", "f"}, SoloUso},
        {{"--varia", "ti=18:20:1", "--csv", "--json", "f"}, SoloUso},
        {{"--varia", "ti=1:2:1", "--json", "--migliore", "U<1", "--migliore", "U<1", "f"}, SoloUso},
        {{"--json", "f", "--varia"}, SoloUso},
        {{"--json", "f", "--varia", "ti=20:18:1"}, "--varia"},
    };
    for (const Caso& caso : casi) {
        std::string argomenti;
        for (const std::string_view a : caso.Argomenti) {
            argomenti += " '" + std::string(a) + "'";
        }
        SCOPED_TRACE(argomenti);
        std::string messaggio;
        const auto richiesta = LeggiRichiesta(caso.Argomenti, messaggio);
        ASSERT_EQ(richiesta.has_value(), caso.Messaggio == Valida) << messaggio;
        if (!richiesta) {
            if (caso.Messaggio == SoloUso) {
                EXPECT_EQ(messaggio, "");
            } else {
                EXPECT_TRUE(messaggio.starts_with(caso.Messaggio)) << messaggio;
            }
            continue;
        }
        EXPECT_EQ(richiesta->Modo, caso.Modo);
        EXPECT_EQ(richiesta->File.size(), caso.File);
        EXPECT_EQ(richiesta->Scansione.has_value(), caso.Fili != 0);
        if (richiesta->Scansione) {
            EXPECT_EQ(richiesta->Scansione->Fili.value_or(0), caso.Fili);
        }
    }
}

// The blocks reach the writer in order, each once, on any number of threads; with none (the
// system gave none) this thread computes them.
TEST(InParallelo, EveryBlockInOrderOnAnyNumberOfThreads) {
    constexpr std::size_t Varianti = 1000;
    for (const unsigned fili : {0u, 1u, 3u}) {
        std::vector<std::size_t> consegnati;
        paretix::InParallelo<std::vector<std::size_t>>(
            Varianti, fili,
            [](std::size_t inizio, std::size_t fine, paretix::Variante&) {
                std::vector<std::size_t> indici;
                for (std::size_t i = inizio; i < fine; ++i) {
                    indici.push_back(i);
                }
                return indici;
            },
            [&](std::vector<std::size_t>& indici) {
                consegnati.insert(consegnati.end(), indici.begin(), indici.end());
                return true;
            });
        ASSERT_EQ(consegnati.size(), Varianti) << fili;
        for (std::size_t i = 0; i < Varianti; ++i) {
            ASSERT_EQ(consegnati[i], i) << fili;
        }
    }
}

} // namespace
