#include "core/window/percorso_esercizio.h"

namespace paretix {

std::string ElaboraStringa(std::string_view percorso) {
    const auto separatore = percorso.find_last_of("/\\");
    const auto inizioNome = separatore == std::string_view::npos ? 0 : separatore + 1;
    const auto punto = percorso.rfind('.');
    if (punto == std::string_view::npos || punto < inizioNome) {
        return std::string(percorso);
    }
    return std::string(percorso.substr(0, punto));
}

std::string ConEstensioneEsercizio(std::string_view nome) {
    std::string nomeFinale(nome);
    if (nome.size() >= 4) {
        std::string coda(nome.substr(nome.size() - 4));
        for (char& c : coda) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        if (coda == EstensioneEsercizio) {
            return nomeFinale;
        }
    }
    return nomeFinale + EstensioneEsercizio;
}

} // namespace paretix
