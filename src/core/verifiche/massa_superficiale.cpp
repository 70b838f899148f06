#include "core/verifiche/massa_superficiale.h"

#include "core/model/numeri.h"

namespace paretix {

namespace {

double Massa(const Esercizio& e, const RisultatiCalcolo& r, bool conIntonaci) {
    double massa = 0;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        if (s.CameraAria() || (s.Intonaco && !conIntonaci)) {
            continue;
        }
        massa += ConvertiNumeroOZero(s.Densità.Testo) * r.SpessoreMetri[k];
    }
    return massa;
}

} // namespace

double MassaSuperficialeDiLegge(const Esercizio& e, const RisultatiCalcolo& r) {
    return Massa(e, r, false);
}

double MassaSuperficialeTotale(const Esercizio& e, const RisultatiCalcolo& r) {
    return Massa(e, r, true);
}

} // namespace paretix
