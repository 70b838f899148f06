// The pieces that keep chart labels readable: the four-digit form, the room a text takes,
// crossings of lines and boxes, the tick values and the search for a free place.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/charts/assi.h"
#include "core/charts/posa_etichette.h"
#include "core/charts/testo_grafico.h"

using namespace paretix;

TEST(GraficiEtichette, QuattroCifreSignificative) {
    EXPECT_EQ(FormaGrafico(16.3593304), "16,36");
    EXPECT_EQ(FormaGrafico(4.011809813), "4,012");
    EXPECT_EQ(FormaGrafico(2337.4), "2337");
    EXPECT_EQ(FormaGrafico(-5), "-5");
    EXPECT_EQ(FormaGrafico(0.1 + 0.2), "0,3");
    EXPECT_EQ(FormaGrafico(-0.000125), "-0,000125");
    EXPECT_EQ(FormaGrafico(123456), "1,235E+05");
    EXPECT_EQ(FormaGrafico(-1.5e300), "-1,5E+300");
    EXPECT_EQ(FormaGrafico(-0.0), "0");
}

TEST(GraficiEtichette, IngombroDelTesto) {
    // "2", "0" and " " 100 each, "°" one character of 100, "C" a capital of 115.
    EXPECT_EQ(LarghezzaTesto("20 °C"), 515);
    EXPECT_EQ(LarghezzaTesto("hPa"), 315);
    EXPECT_EQ(LarghezzaTesto("mW"), 300);
    EXPECT_EQ(LarghezzaTesto(""), 0);
    const Rettangolo r = Ingombro(Etichetta{"x", 10, 20, "125", BiancoBGR, true});
    EXPECT_EQ((std::array{r.Sinistra, r.Alto, r.Destra, r.Basso}),
              (std::array<double, 4>{10, 20, 310, 200}));
}

TEST(GraficiEtichette, LineeCheAttraversanoUnRettangolo) {
    const Rettangolo r{100, 100, 200, 150};
    const auto linea = [](double x1, double y1, double x2, double y2) {
        return Linea{"l", x1, y1, x2, y2, BiancoBGR, 1, StileTratto::Continuo, true};
    };
    EXPECT_TRUE(Attraversa(linea(0, 0, 300, 250), r));     // diagonal through the middle
    EXPECT_TRUE(Attraversa(linea(150, 0, 150, 300), r));   // vertical through
    EXPECT_TRUE(Attraversa(linea(120, 120, 130, 130), r)); // wholly inside
    EXPECT_TRUE(Attraversa(linea(0, 150, 100, 150), r));   // touching a corner
    EXPECT_FALSE(Attraversa(linea(0, 99, 300, 99), r));    // just above
    EXPECT_FALSE(Attraversa(linea(0, 0, 300, 90), r));     // passing above
    // A diagonal that passes the corner (200, 100) outside: at x = 200 it is at y = 90.
    EXPECT_FALSE(Attraversa(linea(150, 40, 250, 140), r));
    EXPECT_FALSE(Attraversa(linea(150, std::nan(""), 150, 300), r));
    EXPECT_FALSE(Attraversa(linea(0, 120, std::numeric_limits<double>::infinity(), 120), r));

    EXPECT_TRUE(Sovrapposti(r, Rettangolo{199, 149, 300, 300}));
    EXPECT_FALSE(Sovrapposti(r, Rettangolo{200, 100, 300, 150})); // sharing an edge
}

TEST(GraficiEtichette, ValoriDelleTacche) {
    // 2500 twips allow 8 intervals of 300: 25 °C / 8 = 3,125, the next round step is 5.
    EXPECT_EQ(ValoriTacche(-5, 20, 2500), (std::vector<double>{-5, 0, 5, 10, 15, 20}));
    EXPECT_EQ(ValoriTacche(7, 7, 2500), (std::vector<double>{7}));
    EXPECT_TRUE(ValoriTacche(-1.7e308, 1.7e308, 2500).empty());
    EXPECT_LE(ValoriTacche(-2e300, 1.5e300, 6220).size(), 21u);
}

TEST(GraficiEtichette, PostoLiberoPiuVicino) {
    // A curve along y = 1000 across the surface, an axis along y = 1250, a label already at
    // x 0..515, 700..880.
    Superficie s;
    s.Larghezza = 2000;
    s.Altezza = 1500;
    s.Linee.push_back(
        Linea{"Curva(1)", 0, 1000, 2000, 1000, BiancoBGR, 1, StileTratto::Continuo, true});
    s.Linee.push_back(
        Linea{"Asse", 0, 1250, 2000, 1250, BiancoBGR, 1, StileTratto::Continuo, true});
    s.Etichette.push_back(Etichetta{"presa", 0, 700, "20 °C", BiancoBGR, true});
    PosaEtichette posa(s);

    // Above the level at 1000: 1000 - 20 - 180 = 800 crosses the label taken (700..880); the
    // next place is below, at 1020.
    Etichetta prima{"a", 0, 0, "1", BiancoBGR, true};
    EXPECT_TRUE(posa.PosaSopraLivello(prima, 100, 1000));
    EXPECT_EQ((std::pair{prima.Sinistra, prima.Alto}), (std::pair{100.0, 1020.0}));
    // Below is now taken too (1020..1200). Moving 60 at a time, above and then below: 740,
    // 680, 620 and 560 stay on the label taken, 1080 and 1140 on the first, 1200 on the axis;
    // 1260 is free.
    Etichetta seconda{"b", 0, 0, "2", BiancoBGR, true};
    EXPECT_TRUE(posa.PosaSopraLivello(seconda, 100, 1000));
    EXPECT_EQ(seconda.Alto, 1260);

    // Where there is no room at all the label stays at its first place, inside the surface.
    Superficie stretta;
    stretta.Larghezza = 300;
    stretta.Altezza = 100;
    PosaEtichette nessuno(stretta);
    Etichetta lunga{"c", 0, 0, "troppo lunga", BiancoBGR, true};
    EXPECT_FALSE(nessuno.PosaSopraLivello(lunga, 50, 50));
    EXPECT_EQ((std::pair{lunga.Sinistra, lunga.Alto}), (std::pair{0.0, 0.0}));
}

// The ticks of a value axis, as properties over a table of ranges and heights: never more than
// the axis holds, inside the range, evenly spaced by 1, 2 or 5 times a power of ten, at least
// the minimum distance apart, from the first multiple of the step in the range to the last.

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
