#include "core/simulazione/tridiagonale_blocchi.h"

#include <cmath>

namespace paretix {

namespace {

Blocco Prodotto(const Blocco& a, const Blocco& b) {
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3]};
}

Coppia Prodotto(const Blocco& a, const Coppia& v) {
    return {a[0] * v[0] + a[1] * v[1], a[2] * v[0] + a[3] * v[1]};
}

bool Inversa(const Blocco& a, Blocco& inv) {
    const double det = a[0] * a[3] - a[1] * a[2];
    const double scala = std::abs(a[0] * a[3]) + std::abs(a[1] * a[2]);
    if (!(std::abs(det) > 1e-300) || !(std::abs(det) > 1e-14 * scala)) {
        return false;
    }
    inv = {a[3] / det, -a[1] / det, -a[2] / det, a[0] / det};
    return true;
}

} // namespace

void SistemaBlocchi::Dimensiona(std::size_t n) {
    L.assign(n, Blocco{});
    D.assign(n, Blocco{});
    U.assign(n, Blocco{});
    r.assign(n, Coppia{});
}

bool SistemaBlocchi::Risolvi() {
    const std::size_t n = D.size();
    // Forward: D[i] ← D[i] − L[i]·C[i−1] with C = D⁻¹·U kept in U, r likewise.
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) {
            const Blocco lc = Prodotto(L[i], U[i - 1]);
            const Coppia lr = Prodotto(L[i], r[i - 1]);
            for (std::size_t k = 0; k < 4; ++k) {
                D[i][k] -= lc[k];
            }
            r[i][0] -= lr[0];
            r[i][1] -= lr[1];
        }
        Blocco inv;
        if (!Inversa(D[i], inv)) {
            return false;
        }
        U[i] = Prodotto(inv, U[i]);
        r[i] = Prodotto(inv, r[i]);
    }
    for (std::size_t i = n - 1; i-- > 0;) {
        const Coppia ux = Prodotto(U[i], r[i + 1]);
        r[i][0] -= ux[0];
        r[i][1] -= ux[1];
    }
    return true;
}

} // namespace paretix
