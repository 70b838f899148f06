#include "core/charts/elementi.h"

#include <algorithm>

namespace paretix {

namespace {

template <class Elemento> auto Cerca(std::vector<Elemento>& v, std::string_view nome) {
    return std::find_if(v.begin(), v.end(), [&](const Elemento& e) { return e.Nome == nome; });
}

template <class Elemento>
const Elemento* Cerca(const std::vector<Elemento>& v, std::string_view nome) {
    auto it = std::find_if(v.begin(), v.end(), [&](const Elemento& e) { return e.Nome == nome; });
    return it == v.end() ? nullptr : &*it;
}

template <class Elemento> void Posiziona(std::vector<Elemento>& v, Elemento e) {
    auto it = Cerca(v, e.Nome);
    if (it == v.end()) {
        v.push_back(std::move(e));
    } else {
        *it = std::move(e);
    }
}

template <class Elemento> void Rimuovi(std::vector<Elemento>& v, std::string_view nome) {
    auto it = Cerca(v, nome);
    if (it != v.end()) {
        v.erase(it);
    }
}

} // namespace

std::string NomeIndice(std::string_view famiglia, int indice) {
    return std::string(famiglia) + "(" + std::to_string(indice) + ")";
}

const Linea* TrovaLinea(const Superficie& s, std::string_view nome) {
    return Cerca(s.Linee, nome);
}

const Etichetta* TrovaEtichetta(const Superficie& s, std::string_view nome) {
    return Cerca(s.Etichette, nome);
}

void PosizionaLinea(Superficie& s, Linea l) {
    Posiziona(s.Linee, std::move(l));
}

void PosizionaEtichetta(Superficie& s, Etichetta e) {
    Posiziona(s.Etichette, std::move(e));
}

void PortaDavanti(Superficie& s, Linea l) {
    Rimuovi(s.Linee, l.Nome);
    s.Linee.push_back(std::move(l));
}

void RimuoviLinea(Superficie& s, std::string_view nome) {
    Rimuovi(s.Linee, nome);
}

void RimuoviEtichetta(Superficie& s, std::string_view nome) {
    Rimuovi(s.Etichette, nome);
}

} // namespace paretix
