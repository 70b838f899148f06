// The main window's design drawn on the room it has. The figures of
// tests/data/core-h1/disposizione.txt are worked by hand in its comments from the design sizes
// (twips) and the scales (pixels per twip, written as fractions where they are ones).

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "core/window/disposizione.h"
#include "trascrizione.h"

using namespace paretix;

namespace {

constexpr double A100 = 1.0 / 15; // 96 dpi: 15 twips to a pixel

std::string Di(const RettangoloPixel& r) {
    return std::to_string(r.Sinistra) + " " + std::to_string(r.Alto) + " " +
           std::to_string(r.Larghezza) + " " + std::to_string(r.Altezza);
}

// "function arguments": the arguments are numbers or fractions, a scale three of them.
TEST(Disposizione, TheLayoutFunctionsOnWorkedCases) {
    test::ExpectTrascrizione("core-h1/disposizione.txt", [](const std::string& caso) {
        std::istringstream parti(caso);
        std::string funzione;
        parti >> funzione;
        std::vector<double> v;
        for (std::string t; parti >> t;) {
            const std::size_t barra = t.find('/');
            v.push_back(barra == std::string::npos
                            ? std::stod(t)
                            : std::stod(t.substr(0, barra)) / std::stod(t.substr(barra + 1)));
        }
        const auto n = [&v](std::size_t i) { return static_cast<int>(v[i]); };
        const Scala s{v.size() > 2 ? v[0] : 0, v.size() > 2 ? v[1] : 0, v.size() > 2 ? v[2] : 0};
        std::ostringstream r;
        r << std::setprecision(12);
        if (funzione == "PixelPerTwip") {
            r << PixelPerTwip(v[0]);
        } else if (funzione == "ScalaOrizzontaleMinima") {
            std::vector<Fabbisogno> f;
            for (std::size_t i = 1; i + 1 < v.size(); i += 2) {
                f.push_back({n(i), n(i + 1)});
            }
            r << ScalaOrizzontaleMinima(v[0], f);
        } else if (funzione == "ScalaPannello" || funzione == "ScalaInterna") {
            const Scala p = funzione == "ScalaInterna"
                                ? ScalaInterna(s)
                                : ScalaPannello(n(0), n(1), n(2), n(3), v[4], v[5]);
            r << p.X << " " << p.Y << " " << p.Base;
        } else if (funzione == "Disegno" || funzione == "Controllo") {
            r << Di((funzione == "Disegno" ? Disegno : Controllo)(s, n(3), n(4), n(5), n(6)));
        } else if (funzione == "MinimoFinestra") {
            const DimensioniPixel d = MinimoFinestra(v[0], {n(1), n(2)}, {n(3), n(4)});
            r << d.Larghezza << " " << d.Altezza;
        } else {
            EXPECT_EQ(funzione, "DividiFinestra");
            const DivisioneFinestra d =
                DividiFinestra(n(0), n(1), v[2], {n(3), n(4)}, n(5), {n(6), n(7)});
            r << "pannelli " << Di(d.Pannelli) << ", colonna " << Di(d.Colonna);
        }
        return std::vector<std::string>{r.str()};
    });
}

// The boxes of neighbouring layers touch in the design (480 wide every 480): rounded by their
// edges they touch at any scale, never overlapping by a rounding.
TEST(Disposizione, NeighboursStillTouchAtAnyScale) {
    for (double x : {A100, 0.1, 0.1375, 0.14, 0.1433, 2.0 / 15}) {
        const Scala s{x, x, A100};
        for (int k = 1; k < 15; ++k) {
            const RettangoloPixel a = Controllo(s, 810 + 480 * k, 4870, 480, 300);
            const RettangoloPixel b = Controllo(s, 810 + 480 * (k + 1), 4870, 480, 300);
            EXPECT_EQ(a.Destra(), b.Sinistra) << x << " " << k;
        }
    }
}

} // namespace
