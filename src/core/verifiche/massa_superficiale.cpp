#include "core/verifiche/massa_superficiale.h"

#include "core/model/numeri.h"

namespace paretix {

double MassaSuperficialeDiLegge(const Esercizio& e, const RisultatiCalcolo& r) {
    double massa = 0;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        if (s.CameraAria() || s.Intonaco) {
            continue;
        }
        massa += ConvertiNumeroOZero(s.Densità.Testo) * r.SpessoreMetri[k];
    }
    return massa;
}

} // namespace paretix
