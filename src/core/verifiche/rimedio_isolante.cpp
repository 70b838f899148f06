#include "core/verifiche/rimedio_isolante.h"

#include <cmath>

namespace paretix {

namespace {

// The remedy's thickness step, m, and a margin that keeps a thickness that is a whole number
// of steps, up to the computer's rounding, from taking one step more.
constexpr double PassoSpessore = 0.005;
constexpr double MargineArrotondamento = 1e-9;

} // namespace

int StratoDaIsolare(const Esercizio& e, const RisultatiCalcolo& r) {
    const int scelto = e.Verifiche.StratoIsolante;
    if (scelto != 0) {
        const bool materiale =
            scelto >= 1 && scelto <= e.NumeroStrati() && e.strato(scelto).ConduttivitàVisibile;
        return materiale ? scelto : 0;
    }
    int migliore = 0;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        if (e.strato(k).ConduttivitàVisibile && (migliore == 0 || r.Ki[k] < r.Ki[migliore])) {
            migliore = k;
        }
    }
    return migliore;
}

std::optional<double> SpessoreAggiuntivo(double U, double Uobiettivo, double lambda) {
    if (U <= Uobiettivo) {
        return std::nullopt;
    }
    const double resistenza = 1 / Uobiettivo - 1 / U;
    const double passi = std::ceil(resistenza * lambda / PassoSpessore - MargineArrotondamento);
    return passi * PassoSpessore;
}

} // namespace paretix
