// The ticks of a value axis, as properties over a table of ranges and heights: never more than
// the axis holds, inside the range, evenly spaced by 1, 2 or 5 times a power of ten, at least
// the minimum distance apart, from the first multiple of the step in the range to the last.

#include <gtest/gtest.h>

#include <cmath>

#include "core/charts/assi.h"

using namespace paretix;

TEST(ValoriTacche, HoldTheirPropertiesOverATableOfAxes) {
    struct Asse {
        double Minimo, Massimo, Altezza;
    };
    const Asse assi[] = {{-5, 20, 2500},     {0, 2337, 6220}, {0.001, 0.002, 2500},
                         {-12.4, 31.7, 900}, {0, 100, 30000}, {-1, 1, 15000},
                         {3, 1000, 650},     {0, 1e6, 4000},  {-20, -19.5, 1200}};
    for (const Asse& a : assi) {
        SCOPED_TRACE(std::to_string(a.Minimo) + " " + std::to_string(a.Massimo) + " " +
                     std::to_string(a.Altezza));
        const std::vector<double> v = ValoriTacche(a.Minimo, a.Massimo, a.Altezza);
        ASSERT_GE(v.size(), 2u);
        EXPECT_LE(v.size(), static_cast<std::size_t>(TaccheMassime));
        const double passo = v[1] - v[0];
        EXPECT_GE(v.front(), a.Minimo - passo * 1e-9);
        EXPECT_LE(v.back(), a.Massimo + passo * 1e-9);
        const double twipPerUnità = a.Altezza / (a.Massimo - a.Minimo);
        EXPECT_GE(passo * twipPerUnità, DistanzaMinimaTacche * (1 - 1e-9));
        const double mantissa = passo / std::pow(10.0, std::floor(std::log10(passo) + 1e-9));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 ||
                    std::abs(mantissa - 5) < 1e-6)
            << passo;
        for (std::size_t i = 1; i < v.size(); ++i) {
            EXPECT_NEAR(v[i] - v[i - 1], passo, passo * 1e-9) << i;
        }
        // Nothing is left out at either end, unless the axis is full.
        EXPECT_LT(v.front() - passo, a.Minimo);
        if (v.size() < static_cast<std::size_t>(TaccheMassime)) {
            EXPECT_GT(v.back() + passo, a.Massimo);
        }
    }
}
