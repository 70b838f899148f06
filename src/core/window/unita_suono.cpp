#include "core/window/unita_suono.h"

#include <cmath>

#include "core/calc/acustico.h"

namespace paretix {

std::optional<double> ConvertiDisturboSonoro(double valore, UnitaSuono verso) {
    if (valore == 0.0) {
        return 0.0;
    }
    const double risultato = verso == UnitaSuono::Decibel
                                 ? 10 * std::log10(valore / IntensitàRiferimento)
                                 : std::pow(10.0, valore / 10) * IntensitàRiferimento;
    if (!std::isfinite(risultato)) {
        return std::nullopt;
    }
    return risultato;
}

} // namespace paretix
