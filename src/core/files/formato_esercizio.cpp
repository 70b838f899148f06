#include "core/files/formato_esercizio.h"

namespace paretix {

namespace {

constexpr std::size_t LunghezzaTitolo = 46;

} // namespace

std::string TitoloTipoStrato(int k) {
    std::string titolo = "Tipo di strato " + std::to_string(k) + " ";
    if (titolo.size() < LunghezzaTitolo) {
        titolo.append(LunghezzaTitolo - titolo.size(), '-');
    }
    return titolo;
}

} // namespace paretix
