#include "core/simulazione/clima_simulazione.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace paretix {

namespace {

constexpr double Grado = std::numbers::pi / 180;
constexpr double Albedo = 0.2;
constexpr double QuotaPioggia = 0.07; // s/m: the rain driven onto the face per m/s of wind
constexpr double OreGiorno = 24;

std::size_t IndiceOra(double t) {
    // The hour holding t, counting from the first hour of the year; t = k·3600 closes hour k.
    const auto k = static_cast<long>(std::ceil(t / SecondiOra - 1e-9)) - 1;
    return static_cast<std::size_t>(std::max(k, 0L) % OreAnno);
}

int GiornoAnno(std::size_t ora) {
    return static_cast<int>(ora / 24) + 1;
}

} // namespace

double IrradianzaVerticale(const ClimaOrario& c, int giorno, const OraEpw& o, double azimut) {
    const double B = 2 * std::numbers::pi * (giorno - 1) / 365;
    // Equation of time (Spencer), minutes.
    const double equazione = 229.18 * (0.000075 + 0.001868 * std::cos(B) - 0.032077 * std::sin(B) -
                                       0.014615 * std::cos(2 * B) - 0.04089 * std::sin(2 * B));
    const double declinazione =
        23.45 * Grado * std::sin(2 * std::numbers::pi * (284 + giorno) / 365);
    const double solare = o.Ora - 0.5 + (c.Longitudine - 15 * c.FusoOrario) / 15 + equazione / 60;
    const double ω = 15 * Grado * (solare - 12);
    const double φ = c.Latitudine * Grado;
    // Surface azimuth from south, west positive.
    const double γ = (azimut - 180) * Grado;
    const double sinδ = std::sin(declinazione), cosδ = std::cos(declinazione);
    const double cosZenit = std::sin(φ) * sinδ + std::cos(φ) * cosδ * std::cos(ω);
    const double cosi = -sinδ * std::cos(φ) * std::cos(γ) +
                        cosδ * std::sin(φ) * std::cos(γ) * std::cos(ω) +
                        cosδ * std::sin(γ) * std::sin(ω);
    const double diretta = cosZenit > 0 ? o.Diretta * std::max(0.0, cosi) : 0;
    return diretta + o.Diffusa / 2 + Albedo * o.Globale / 2;
}

double PioggiaBattente(const OraEpw& o, const Esposizione& e) {
    const double c = std::cos((o.DirezioneVento - e.Azimut) * Grado);
    if (c <= 0 || e.FattorePioggia <= 0) {
        return 0;
    }
    return e.FattorePioggia * QuotaPioggia * o.Vento * c * o.Pioggia / SecondiOra;
}

std::function<Aria(double)> ClimaCostante(double θ, double φ) {
    return [θ, φ](double) { return Aria{θ, φ, 0, 0}; };
}

std::function<Aria(double)> ClimaDaEpw(const ClimaOrario& c, const Esposizione& e) {
    auto ore = std::make_shared<std::vector<Aria>>();
    ore->reserve(c.Ore.size());
    for (std::size_t k = 0; k < c.Ore.size(); ++k) {
        const OraEpw& o = c.Ore[k];
        ore->push_back({o.θ, std::min(o.Umidità, 100.0) / 100,
                        IrradianzaVerticale(c, GiornoAnno(k), o, e.Azimut), PioggiaBattente(o, e)});
    }
    return [ore](double t) { return (*ore)[IndiceOra(t)]; };
}

Aria InternoDaEsterno(double θe, bool alto) {
    const double θi = 20 + 5 * std::clamp((θe - 10) / 10, 0.0, 1.0);
    const double φi = 0.3 + 0.3 * std::clamp((θe + 10) / 30, 0.0, 1.0) + (alto ? 0.1 : 0);
    return {θi, φi, 0, 0};
}

std::function<Aria(double)> ClimaInternoDaEpw(const ClimaOrario& c, bool alto) {
    auto giorni = std::make_shared<std::vector<Aria>>();
    for (std::size_t g = 0; g * 24 < c.Ore.size(); ++g) {
        double somma = 0;
        for (std::size_t h = 0; h < 24; ++h) {
            somma += c.Ore[g * 24 + h].θ;
        }
        giorni->push_back(InternoDaEsterno(somma / OreGiorno, alto));
    }
    return [giorni](double t) { return (*giorni)[IndiceOra(t) / 24]; };
}

} // namespace paretix
