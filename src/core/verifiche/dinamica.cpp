#include "core/verifiche/dinamica.h"

#include <cmath>
#include <numbers>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

using Complesso = std::complex<double>;

MatriceTrasferimento Prodotto(const MatriceTrasferimento& a, const MatriceTrasferimento& b) {
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3]};
}

MatriceTrasferimento Resistenza(double R) {
    return {1.0, -R, 0.0, 1.0};
}

} // namespace

MatriceTrasferimento MatriceStrato(const StratoPeriodico& s) {
    if (s.SoloResistenza) {
        return Resistenza(*s.SoloResistenza);
    }
    // Periodic penetration depth and the layer's thickness in depths.
    const double δ = std::sqrt(s.Conduttività * PeriodoGiornaliero /
                               (std::numbers::pi * s.Densità * s.CaloreSpecifico));
    const Complesso z = s.Spessore / δ * Complesso(1, 1);
    const Complesso ch = std::cosh(z);
    const Complesso sh = std::sinh(z);
    return {ch, -δ / (2 * s.Conduttività) * Complesso(1, -1) * sh,
            -s.Conduttività / δ * Complesso(1, 1) * sh, ch};
}

CaratteristichePeriodiche
CalcolaCaratteristichePeriodiche(double Rsi, double Rse,
                                 const std::vector<StratoPeriodico>& strati) {
    // Z = Zse · Zn · … · Z1 · Zsi: built from the inside outwards, each new element multiplied
    // on the left.
    MatriceTrasferimento Z = Resistenza(Rsi);
    double resistenzaTotale = Rsi + Rse;
    for (const StratoPeriodico& s : strati) {
        Z = Prodotto(MatriceStrato(s), Z);
        resistenzaTotale += s.SoloResistenza ? *s.SoloResistenza : s.Spessore / s.Conduttività;
    }
    Z = Prodotto(Resistenza(Rse), Z);

    const double fattoreTempo = PeriodoGiornaliero / (2 * std::numbers::pi);
    const Complesso Yie = -1.0 / Z[1];
    CaratteristichePeriodiche c;
    c.U = 1 / resistenzaTotale;
    c.Yie = std::abs(Yie);
    c.FattoreAttenuazione = c.Yie / c.U;
    double ore = -std::arg(Yie) * fattoreTempo / 3600;
    ore = std::fmod(ore, 24.0);
    c.SfasamentoOre = ore < 0 ? ore + 24 : ore;
    c.Kappa1 = fattoreTempo * std::abs((Z[0] - 1.0) / Z[1]);
    c.Kappa2 = fattoreTempo * std::abs((Z[3] - 1.0) / Z[1]);
    c.Y11 = std::abs(-Z[0] / Z[1]);
    c.Y22 = std::abs(-Z[3] / Z[1]);
    return c;
}

StratiDellaParete StratiPeriodici(const Esercizio& e, const RisultatiCalcolo& r) {
    StratiDellaParete p;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        if (s.CameraAria()) {
            p.Strati.push_back({.SoloResistenza = r.ResistenzaStrato[static_cast<std::size_t>(k)]});
            continue;
        }
        const std::optional<double> c = ConvertiNumero(s.CaloreSpecifico);
        if (!c || *c <= 0) {
            p.SenzaCaloreSpecifico.push_back(k);
            continue;
        }
        const auto i = static_cast<std::size_t>(k);
        p.Strati.push_back(
            {r.SpessoreMetri[i], r.Ki[i], ConvertiNumeroOZero(s.Densità.Testo), *c, std::nullopt});
    }
    return p;
}

} // namespace paretix
