#include <gtest/gtest.h>

#include <vector>

#include "cli/in_parallelo.h"

using namespace paretix;

namespace {

// The blocks reach the writer in order, each once, on any number of threads; with none (the
// system gave none) this thread computes them.
TEST(InParallelo, EveryBlockInOrderOnAnyNumberOfThreads) {
    constexpr std::size_t Varianti = 1000;
    for (const unsigned fili : {0u, 1u, 3u}) {
        std::vector<std::size_t> consegnati;
        InParallelo<std::vector<std::size_t>>(
            Varianti, fili,
            [](std::size_t inizio, std::size_t fine, Variante&) {
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
