#include "core/model/caselle_visibili.h"

namespace paretix {

void AggiornaCaselleVisibili(Esercizio& e, bool mantieniInterni) {
    const int n = e.NumeroStrati();
    for (int k = 1; k <= n; ++k) {
        Strato& s = e.strato(k);
        s.ConduttivitàVisibile = !s.CameraAria();
        if (n <= 2) {
            s.FatAssorbimentoVisibile = false;
        } else if (k == 1) {
            s.FatAssorbimentoVisibile = e.strato(2).CameraAria();
        } else if (k == n) {
            s.FatAssorbimentoVisibile = e.strato(n - 1).CameraAria();
        } else if (!mantieniInterni) {
            s.FatAssorbimentoVisibile =
                e.strato(k - 1).CameraAria() || e.strato(k + 1).CameraAria();
        }
        if (!e.Termico) {
            s.ConduttivitàVisibile = false;
            s.FatAssorbimentoVisibile = false;
        }
    }
}

} // namespace paretix
