#include "core/window/menu_strato.h"

namespace paretix {

StatoMenuStrato MenuPerStrato(const Esercizio& e, int k) {
    const int n = e.NumeroStrati();
    const auto cavità = [&e, n](int j) { return j >= 1 && j <= n && e.strato(j).CameraAria(); };

    StatoMenuStrato m;
    if (k < 1 || k > n) {
        m.InserisciStrato = m.CameraAria = m.EliminaStrato = false;
        return m;
    }
    m.EliminaStratoCaption = PrefissoEliminaStratoN + std::to_string(k);
    m.InserisciStrato = n < NumeroStratiMax;
    m.CameraAria = k > 1 && k < n && !cavità(k - 1) && !cavità(k) && !cavità(k + 1);
    if (n == 1) {
        m.EliminaStrato = false;
    } else if (k == 1) {
        m.EliminaStrato = !cavità(2);
    } else if (k == n) {
        m.EliminaStrato = !cavità(n - 1);
    } else {
        m.EliminaStrato = !(cavità(k - 1) && cavità(k + 1));
    }
    return m;
}

} // namespace paretix
