#include "core/simulazione/muffa_vtt.h"

#include <algorithm>
#include <cmath>

namespace paretix {

namespace {

// One sensitivity class: k1 below and from M = 1, A, B and C of Mmax, RHmin (%).
struct Classe {
    double k1Iniziale, k1Seguente, A, B, C, RHmin;
};

// Ojanen et al. 2010, the table of the sensitivity classes.
constexpr std::array<Classe, 4> Classi{{
    {1, 2, 1, 7, 2, 80},           // molto sensibile: pine sapwood
    {0.578, 0.386, 0.3, 6, 1, 80}, // sensibile: glued boards, paper-faced boards, spruce
    {0.072, 0.097, 0, 5, 1.5, 85}, // media: concrete, aerated concrete, glass wool
    {0.033, 0.014, 0, 3, 1, 85},   // resistente: glass, metal, polished PUR
}};

const Classe& Di(SensibilitàMuffa classe) {
    return Classi[static_cast<std::size_t>(classe)];
}

// The published critical-humidity curve holds up to 20 °C.
constexpr double LimiteCurva = 20;
constexpr double TemperaturaMassima = 50; // °C, the model's range of growth
constexpr double GiorniSettimana = 7;
constexpr double OreGiorno = 24;
constexpr double OreRegressioneRapida = 6;
constexpr double OreSenzaRegressione = 24;
constexpr double RegressioneRapida = 0.00133; // per hour
constexpr double RegressioneLenta = 0.000667; // per hour

} // namespace

std::optional<SensibilitàMuffa> LeggiSensibilità(std::string_view testo) {
    for (std::size_t i = 0; i < TestiSensibilità.size(); ++i) {
        if (TestiSensibilità[i] == testo) {
            return static_cast<SensibilitàMuffa>(i);
        }
    }
    return std::nullopt;
}

double UmiditàCritica(SensibilitàMuffa classe, double θ) {
    const double minima = Di(classe).RHmin;
    if (θ > LimiteCurva) {
        return minima;
    }
    return std::max(minima, -0.00267 * θ * θ * θ + 0.160 * θ * θ - 3.13 * θ + 100);
}

double IndiceMassimo(SensibilitàMuffa classe, double θ, double RH) {
    const Classe& c = Di(classe);
    const double critica = UmiditàCritica(classe, θ);
    const double r = (critica - RH) / (critica - 100);
    return c.A + c.B * r - c.C * r * r;
}

void IndiceMuffa::Ora(double θ, double φ) {
    const double RH = std::min(φ, 1.0) * 100;
    if (θ > 0 && θ < TemperaturaMassima && RH >= UmiditàCritica(classe_, θ)) {
        const Classe& c = Di(classe_);
        const double k1 = M_ < 1 ? c.k1Iniziale : c.k1Seguente;
        const double k2 = std::max(1 - std::exp(2.3 * (M_ - IndiceMassimo(classe_, θ, RH))), 0.0);
        const double giorni =
            GiorniSettimana * std::exp(-0.68 * std::log(θ) - 13.9 * std::log(RH) + 66.02);
        M_ += k1 * k2 / giorni / OreGiorno;
        oreSfavorevoli_ = 0;
    } else {
        oreSfavorevoli_ += 1;
        const double calo = oreSfavorevoli_ <= OreRegressioneRapida  ? RegressioneRapida
                            : oreSfavorevoli_ <= OreSenzaRegressione ? 0
                                                                     : RegressioneLenta;
        M_ = std::max(0.0, M_ - CoefficienteRegressione * calo);
    }
    massimo_ = std::max(massimo_, M_);
}

} // namespace paretix
