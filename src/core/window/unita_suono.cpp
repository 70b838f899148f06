#include "core/window/unita_suono.h"

#include <cmath>

namespace paretix {

std::optional<double> ConvertiDisturboSonoro(double valore, UnitaSuono verso) {
    if (valore == 0.0) {
        return 0.0;
    }
    const double risultato = verso == UnitaSuono::Decibel ? 10 * std::log10(valore / 1e-12)
                                                          : std::pow(10.0, valore / 10) * 1e-12;
    if (!std::isfinite(risultato)) {
        return std::nullopt;
    }
    return risultato;
}

} // namespace paretix
