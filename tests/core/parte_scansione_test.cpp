#include <gtest/gtest.h>

#include "core/variazioni/parte_scansione.h"

using namespace paretix;

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
