#pragma once
// The material of the published benchmark of transient heat and moisture transfer: storage as a
// function of the suction pressure read at 293,15 K, liquid conductivity K(w) against the
// suction pressure (turned here into the conductance against φ, Kφ = K·ρw·Rv·T/φ), vapour
// resistance and conductivity growing with the water held.

#include <cmath>

#include "core/simulazione/materiale_igrotermico.h"

namespace paretix::test {

inline MaterialeIgrotermico MaterialeRiferimento() {
    constexpr double c = 1000 * 461.9 * 293.15; // ρw·Rv·T, Pa
    MaterialeIgrotermico m;
    m.CapacitàSecca = 1.824e6;
    m.Acqua = [](double φ) {
        const double p = -c * std::log(φ);
        const double a = std::pow(8e-8 * p, 1.6);
        const double w = 146 / std::pow(1 + a, 0.375);
        // dw/dp = −0,375·w/(1 + a)·1,6·a/p and dp/dφ = −c/φ
        return Sorbimento{w, 0.375 * w / (1 + a) * 1.6 * a / p * c / φ};
    };
    m.Liquido = [](double φ, const Sorbimento& s) {
        const double u = s.w - 73;
        const double K =
            std::exp(-39.2619 + 0.0704 * u - 1.7420e-4 * u * u - 2.7953e-6 * u * u * u -
                     1.1566e-7 * u * u * u * u + 2.5969e-9 * u * u * u * u * u);
        return K * c / φ;
    };
    m.Mu = [](double w) {
        const double s = 1 - w / 146;
        return 200 * (0.503 * s * s + 0.497) / s;
    };
    m.Lambda = [](double w) { return 1.5 + 0.0158 * w; };
    return m;
}

} // namespace paretix::test
