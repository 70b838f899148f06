#include "core/charts/posa_etichette.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace paretix {

namespace {

struct Posto {
    double Sinistra, Alto;
};

} // namespace

PosaEtichette::PosaEtichette(const Superficie& s) : superficie_(s) {
    for (const Linea& l : s.Linee) {
        if (l.Visibile) {
            linee_.push_back(l);
        }
    }
    for (const Etichetta& e : s.Etichette) {
        if (e.Visibile) {
            occupati_.push_back(Ingombro(e));
        }
    }
}

bool PosaEtichette::Libero(const Rettangolo& r) const {
    return DentroSuperficie(r, superficie_) &&
           std::none_of(occupati_.begin(), occupati_.end(),
                        [&](const Rettangolo& o) { return Sovrapposti(o, r); }) &&
           std::none_of(linee_.begin(), linee_.end(),
                        [&](const Linea& l) { return Attraversa(l, r); }) &&
           std::none_of(superficie_.Pennellate.begin(), superficie_.Pennellate.end(),
                        [&](const Linea& l) { return Attraversa(l, r); });
}

void PosaEtichette::Occupa(const Etichetta& e) {
    occupati_.push_back(Ingombro(e));
}

namespace {

// Tries the places that posti gives for the distances 0, PassoPosto, 2·PassoPosto ... up to
// the surface's height; the first free one wins, otherwise the first place, moved inside.
template <typename Posti>
bool Prova(PosaEtichette& posa, const Superficie& s, Etichetta& e, const Posti& posti) {
    const double larghezza = LarghezzaTesto(e.Testo);
    for (double d = 0; d <= s.Altezza + PassoPosto; d += PassoPosto) {
        for (const Posto& p : posti(d)) {
            const Rettangolo r{p.Sinistra, p.Alto, p.Sinistra + larghezza, p.Alto + AltezzaTesto};
            if (posa.Libero(r)) {
                e.Sinistra = p.Sinistra;
                e.Alto = p.Alto;
                posa.Occupa(e);
                return true;
            }
        }
    }
    const Posto primo = posti(0).front();
    e.Sinistra = std::clamp(primo.Sinistra, 0.0, std::max(0.0, s.Larghezza - larghezza));
    e.Alto = std::clamp(primo.Alto, 0.0, std::max(0.0, s.Altezza - AltezzaTesto));
    posa.Occupa(e);
    return false;
}

} // namespace

bool PosaEtichette::PosaSopraLivello(Etichetta& e, double sinistra, double y) {
    return Prova(*this, superficie_, e, [&](double d) {
        return std::array<Posto, 2>{Posto{sinistra, y - DistanzaEtichetta - AltezzaTesto - d},
                                    Posto{sinistra, y + DistanzaEtichetta + d}};
    });
}

bool PosaEtichette::PosaLungoLivello(Etichetta& e, double da, double a, double y) {
    return Prova(*this, superficie_, e, [&](double d) {
        std::vector<Posto> posti;
        for (double sinistra = a; sinistra >= da; sinistra -= PassoPosto) {
            posti.push_back({sinistra, y - DistanzaEtichetta - AltezzaTesto - d});
            posti.push_back({sinistra, y + DistanzaEtichetta + d});
        }
        if (posti.empty()) {
            posti.push_back({a, y - DistanzaEtichetta - AltezzaTesto - d});
        }
        return posti;
    });
}

bool PosaEtichette::PosaVicinoAlPunto(Etichetta& e, double x, double y, Lato lato) {
    const double destra = x + 2 * DistanzaEtichetta;
    const double sinistra = x - 2 * DistanzaEtichetta - LarghezzaTesto(e.Testo);
    const double primo = lato == Lato::Destra ? destra : sinistra;
    const double secondo = lato == Lato::Destra ? sinistra : destra;
    return Prova(*this, superficie_, e, [&](double d) {
        const double sopra = y - DistanzaEtichetta - AltezzaTesto - d;
        const double sotto = y + DistanzaEtichetta + d;
        return std::array<Posto, 4>{Posto{primo, sopra}, Posto{secondo, sopra}, Posto{primo, sotto},
                                    Posto{secondo, sotto}};
    });
}

} // namespace paretix
