#include "core/simulazione/maglia.h"

#include <algorithm>

namespace paretix {

Maglia CostruisciMaglia(const std::vector<double>& spessori, const OpzioniMaglia& o) {
    Maglia m;
    double x = 0;
    for (std::size_t k = 0; k < spessori.size(); ++k) {
        const double d = spessori[k];
        // Cells from one face up to the middle, then the same widths mirrored; scaled so that
        // the two halves fill the layer exactly.
        std::vector<double> metà;
        double somma = 0;
        for (double h = std::min(o.PrimaCella, d / 2); 2 * somma < d; h *= o.Crescita) {
            metà.push_back(h);
            somma += h;
        }
        const double scala = d / (2 * somma);
        for (double& h : metà) {
            h *= scala;
        }
        std::vector<double> celle = metà;
        celle.insert(celle.end(), metà.rbegin(), metà.rend());
        for (double h : celle) {
            m.Larghezza.push_back(h);
            m.Centro.push_back(x + h / 2);
            m.Strato.push_back(static_cast<int>(k));
            x += h;
        }
    }
    return m;
}

} // namespace paretix
