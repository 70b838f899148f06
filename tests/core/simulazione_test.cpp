#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/calc/termico.h"
#include "core/simulazione/simulazione.h"
#include "support/materiale_riferimento.h"

using namespace paretix;
using paretix::test::MaterialeRiferimento;

namespace {

constexpr double Giorno = SecondiGiorno;

// The value of a profile at x (m from the inside surface), straight between its points.
double Punto(const Profilo& p, const std::vector<double>& y, double x) {
    for (std::size_t i = 1; i < p.x.size(); ++i) {
        if (p.x[i] >= x) {
            return y[i - 1] + (y[i] - y[i - 1]) * (x - p.x[i - 1]) / (p.x[i] - p.x[i - 1]);
        }
    }
    return y.back();
}

SuperficieParete Imposta(double θ, double φ) {
    SuperficieParete s;
    s.Imposta = true;
    s.Clima = [θ, φ](double) { return Aria{θ, φ, 0, 0}; };
    return s;
}

SuperficieParete Liminare(double h, double θ, double φ) {
    SuperficieParete s;
    s.h = h;
    s.β = 7e-9 * h;
    s.Clima = [θ, φ](double) { return Aria{θ, φ, 0, 0}; };
    return s;
}

MaterialeIgrotermico Asciutto(double ρc, double λ, double μ) {
    MaterialeIgrotermico m;
    m.CapacitàSecca = ρc;
    m.Mu = [μ](double) { return μ; };
    m.Lambda = [λ](double) { return λ; };
    return m;
}

void BilanciChiusi(const RisultatoSimulazione& r) {
    ASSERT_TRUE(r.Riuscita) << r.Messaggio;
    EXPECT_LE(r.ErroreBilancioUmidità, 1e-3);
    EXPECT_LE(r.ErroreBilancioEnergia, 1e-3);
}

} // namespace

// The benchmark of the standard: 30 m of material at 20 °C and 50 %, its face stepped to
// 30 °C and 95 %; the profiles at 7, 30 and 365 days inside the published bands. Depths are
// from the wetted face.
TEST(Simulazione, PublishedBenchmarkLiesInsideItsBands) {
    DatiSimulazione d;
    d.Strati = {{30, MaterialeRiferimento()}};
    d.Interna = Imposta(20, 0.5);
    d.Esterna = Imposta(30, 0.95);
    d.Durata = 365 * Giorno;
    d.Profili = {7 * Giorno, 30 * Giorno, 365 * Giorno};
    d.Maglia = {5e-4, 1.1};
    const RisultatoSimulazione r = Simula(d);
    BilanciChiusi(r);
    ASSERT_EQ(r.Profili.size(), 3u);

    struct Banda {
        std::size_t profilo;
        double profondità;
        bool acqua; // w in kg/m³, else T in °C
        double min, max;
    };
    const Banda bande[] = {
        {0, 0.01, true, 50.2, 54.5}, {1, 0.01, true, 81.0, 85.3}, {2, 0.01, true, 117.5, 121.8},
        {2, 0.03, true, 88.7, 93.0}, {0, 0.5, false, 26.4, 26.9}, {1, 0.5, false, 28.1, 28.6},
        {2, 0.5, false, 29.2, 29.8}, {0, 2, false, 20.6, 21.1},   {1, 2, false, 23.7, 24.3},
        {2, 2, false, 27.8, 28.4},
    };
    for (const Banda& b : bande) {
        const Profilo& p = r.Profili[b.profilo];
        const double v = Punto(p, b.acqua ? p.w : p.T, 30 - b.profondità);
        EXPECT_GE(v, b.min) << "giorno " << p.t / Giorno << ", " << b.profondità << " m";
        EXPECT_LE(v, b.max) << "giorno " << p.t / Giorno << ", " << b.profondità << " m";
    }
}

// A thick slab at 0 °C whose face is held at 10 °C from time 0: T = 10·erfc(x/(2·√(α·t))).
// With λ 1 W/(m K) and ρc 10⁶ J/(m³ K), α = 10⁻⁶ m²/s; after one day 2·√(α·t) = 0,5879 m, so at
// x = 0,2 m T = 10·erfc(0,3402) = 6,304 °C (by hand from the erfc table).
TEST(Simulazione, ConductionIntoAThickSlabFollowsErfc) {
    DatiSimulazione d;
    d.Strati = {{3, Asciutto(1e6, 1, 1e6)}};
    d.Interna = Imposta(10, 0.5);
    d.Esterna = Imposta(0, 0.5);
    d.θIniziale = 0;
    d.Durata = 4 * Giorno;
    d.Profili = {1 * Giorno, 4 * Giorno};
    d.Maglia = {1e-3, 1.1};
    d.PassoMassimo = 300;
    const RisultatoSimulazione r = Simula(d);
    BilanciChiusi(r);
    ASSERT_EQ(r.Profili.size(), 2u);
    EXPECT_NEAR(Punto(r.Profili[0], r.Profili[0].T, 0.2), 6.304, 0.03);
    for (const Profilo& p : r.Profili) {
        const double l = 2 * std::sqrt(1e-6 * p.t);
        for (double x : {0.05, 0.2, 0.5, 1.0}) {
            EXPECT_NEAR(Punto(p, p.T, x), 10 * std::erfc(x / l), 0.03)
                << "giorno " << p.t / Giorno << ", x " << x;
        }
    }
}

// Isothermal liquid diffusion through a slab of thickness L whose faces are stepped from 30 %
// to 90 %: with a linear storage w = 100·φ and a constant diffusivity D the humidity follows
// φ = 0,9 − 0,6·Σ(n odd) 4/(nπ)·sin(nπx/L)·exp(−n²π²·D·t/L²). L 0,1 m, D 10⁻⁸ m²/s: after one
// day the exponent is 0,8527 and the middle stands at 0,9 − 0,6·0,5426 = 0,5744.
TEST(Simulazione, IsothermalDiffusionFollowsTheFourierSeries) {
    DatiUmiditàStrato u;
    u.Densità = 1000;
    u.CaloreSpecifico = 1000;
    u.Lambda = 2;
    u.Mu = 1e6;
    u.Porosità = 0.5;
    u.Sorbimento = {{0, 1}, {0, 100}};
    u.DiffusivitàLiquida = {{0}, {1e-8}};
    MaterialeIgrotermico m;
    std::string messaggio;
    ASSERT_TRUE(CostruisciMateriale(u, m, messaggio)) << messaggio;

    DatiSimulazione d;
    constexpr double L = 0.1, D = 1e-8;
    d.Strati = {{L, m}};
    d.Interna = Imposta(20, 0.9);
    d.Esterna = Imposta(20, 0.9);
    d.φIniziale = 0.3;
    d.Durata = 3 * Giorno;
    d.Profili = {Giorno / 2, Giorno, 3 * Giorno};
    d.Maglia = {5e-4, 1.15};
    d.PassoMassimo = 300;
    const RisultatoSimulazione r = Simula(d);
    BilanciChiusi(r);
    ASSERT_EQ(r.Profili.size(), 3u);
    EXPECT_NEAR(Punto(r.Profili[1], r.Profili[1].φ, L / 2), 0.5744, 2e-3);
    const double π = std::numbers::pi;
    for (const Profilo& p : r.Profili) {
        for (double x : {L / 10, L / 4, L / 2}) {
            double serie = 0;
            for (int n = 1; n < 100; n += 2) {
                serie += 4 / (n * π) * std::sin(n * π * x / L) *
                         std::exp(-n * n * π * π * D * p.t / (L * L));
            }
            EXPECT_NEAR(Punto(p, p.φ, x), 0.9 - 0.6 * serie, 2e-3)
                << "giorno " << p.t / Giorno << ", x " << x;
        }
        for (double T : p.T) {
            EXPECT_NEAR(T, 20, 1e-6);
        }
    }
}

// Long after a start at 10 °C the temperatures under a constant climate are those of the
// steady calculation: straight within each layer between its boundary temperatures. Only the
// vapour crossing the wall (about 5·10⁻⁸ kg/(m² s)) carries its sensible heat down the
// gradient of the insulation, a source of cw·g·dT/dx ≈ 0,035 W/m³ that bows its line by
// S·d²/(8·λ) ≈ 1,1·10⁻³ K in the middle.
TEST(Simulazione, SteadyStateMatchesTheSteadyCalculation) {
    const double spessori[] = {0.25, 0.1}, λ[] = {0.8, 0.04};
    DatiSimulazione d;
    d.Strati = {{spessori[0], Asciutto(1.5e6, λ[0], 10)}, {spessori[1], Asciutto(3e4, λ[1], 1.5)}};
    d.Interna = Liminare(7, 20, 0.5);
    d.Esterna = Liminare(24, 0, 0.8);
    d.θIniziale = 10;
    d.Durata = 150 * Giorno;
    d.Profili = {d.Durata};
    const RisultatoSimulazione r = Simula(d);
    BilanciChiusi(r);
    ASSERT_EQ(r.Profili.size(), 1u);

    RisultatiCalcolo s;
    s.hi = 7;
    s.he = 24;
    s.Ti = 20;
    s.Te = 0;
    for (int k = 1; k <= 2; ++k) {
        s.SpessoreMetri[k] = spessori[k - 1];
        s.Ki[k] = λ[k - 1];
    }
    CalcoloTermicoSenzaRapporto(s, 2);
    const Profilo& p = r.Profili[0];
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        const int k = p.x[i] <= spessori[0] ? 1 : 2;
        const double x0 = k == 1 ? 0 : spessori[0];
        const double atteso = s.T[k - 1] + (s.T[k] - s.T[k - 1]) * (p.x[i] - x0) / spessori[k - 1];
        EXPECT_NEAR(p.T[i], atteso, 2e-3) << "x " << p.x[i];
    }
}

// The liquid diffusivity from the absorption coefficient: Dws(w) = 3,8·(A/wf)²·1000^(w/wf − 1).
// A 0,1 kg/(m² s^0,5), wf 200 kg/m³: at wf 3,8·(0,1/200)² = 3,8·2,5·10⁻⁷ = 9,5·10⁻⁷ m²/s, at
// wf/2 that over √1000 = 31,623, 3,0042·10⁻⁸ m²/s. With dw/dφ 1 the conductance is Dws itself.
TEST(Simulazione, LiquidDiffusivityFromTheAbsorptionCoefficient) {
    DatiUmiditàStrato u;
    u.Porosità = 0.5;
    u.W80 = 50;
    u.Wf = 200;
    u.Assorbimento = 0.1;
    MaterialeIgrotermico m;
    std::string messaggio;
    ASSERT_TRUE(CostruisciMateriale(u, m, messaggio)) << messaggio;
    ASSERT_TRUE(m.Liquido);
    EXPECT_NEAR(m.Liquido(0.9, Sorbimento{200, 1}), 9.5e-7, 1e-12);
    EXPECT_NEAR(m.Liquido(0.9, Sorbimento{100, 1}), 3.0042e-8, 1e-12);
    EXPECT_NEAR(m.Liquido(0.9, Sorbimento{100, 2}), 6.0083e-8, 1e-12);
}
