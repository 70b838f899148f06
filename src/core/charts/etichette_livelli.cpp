#include "core/charts/etichette_livelli.h"

#include <utility>

#include "core/charts/cornici.h"

namespace paretix {

void EtichettaLivelloInterno(Superficie& s, PosaEtichette& posa, std::string_view nome,
                             std::string testo, double y, ColoreBGR colore) {
    Etichetta e{std::string(nome), 0, 0, std::move(testo), colore, true};
    posa.PosaSopraLivello(e, AsseVerticale + RientroEtichetteLivello, y);
    PosizionaEtichetta(s, std::move(e));
}

void EtichettaLivelloEsterno(Superficie& s, PosaEtichette& posa, std::string_view nome,
                             std::string testo, double y, ColoreBGR colore) {
    Etichetta e{std::string(nome), 0, 0, std::move(testo), colore, true};
    posa.PosaSopraLivello(e, s.Larghezza - RientroEtichetteLivello - LarghezzaTesto(e.Testo), y);
    PosizionaEtichetta(s, std::move(e));
}

} // namespace paretix
