#include "core/charts/scala.h"

#include <cmath>

namespace paretix {

void ScalaValori::Includi(double valore) {
    if (valore > Vmax) {
        Vmax = valore;
    }
    if (valore < Vmin) {
        Vmin = valore;
    }
}

double ScalaValori::y(double valore) const {
    const double span = std::abs(Vmax - Vmin);
    if (span == 0) {
        return H - MargineBanda;
    }
    const double h = H - MarginiBandaTotali;
    return MargineBanda + (Vmax - valore) * h / span;
}

} // namespace paretix
