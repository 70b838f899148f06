#include "core/files/chiavi_simulazione.h"

#include <algorithm>
#include <charconv>

namespace paretix {

namespace {

constexpr std::string_view PrefissoStratoSim = "strato.";

template <std::size_t N>
bool Tra(const std::array<std::string_view, N>& elenco, std::string_view v) {
    return std::find(elenco.begin(), elenco.end(), v) != elenco.end();
}

} // namespace

EsitoChiave ApplicaChiaveSimulazione(Esercizio& e, std::string_view chiave,
                                     std::string_view valore) {
    if (Tra(ChiaviSimulazione, chiave)) {
        if (valore.empty() || (chiave == ChiaveSimulazione && valore != "1" && valore != "0")) {
            return EsitoChiave::Rifiutata;
        }
        e.Simulazione[std::string(chiave)] = std::string(valore);
        return EsitoChiave::Accettata;
    }
    if (!chiave.starts_with(PrefissoStratoSim)) {
        return EsitoChiave::NonSimulazione;
    }
    const std::string_view resto = chiave.substr(PrefissoStratoSim.size());
    const std::size_t punto = resto.find('.');
    if (punto == std::string_view::npos || !Tra(SuffissiIgrotermici, resto.substr(punto + 1))) {
        return EsitoChiave::NonSimulazione;
    }
    int k = 0;
    const auto [fine, errore] = std::from_chars(resto.data(), resto.data() + punto, k);
    if (errore != std::errc{} || fine != resto.data() + punto || punto == 0 ||
        resto.front() == '0' || k < 1 || k > e.NumeroStrati() || e.strato(k).CameraAria() ||
        valore.empty()) {
        return EsitoChiave::Rifiutata;
    }
    e.strato(k).Igrotermici[std::string(resto.substr(punto + 1))] = std::string(valore);
    return EsitoChiave::Accettata;
}

bool HaDatiSimulazione(const Esercizio& e) {
    return !e.Simulazione.empty() ||
           std::any_of(e.Strati.begin(), e.Strati.end(),
                       [](const Strato& s) { return !s.Igrotermici.empty(); });
}

void RigheSimulazione(const Esercizio& e, std::vector<std::string>& righe) {
    for (const std::string_view c : ChiaviSimulazione) {
        const auto it = e.Simulazione.find(std::string(c));
        if (it != e.Simulazione.end()) {
            righe.push_back(it->first + "=" + it->second);
        }
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const auto& dati = e.strato(k).Igrotermici;
        for (const std::string_view s : SuffissiIgrotermici) {
            const auto it = dati.find(std::string(s));
            if (it != dati.end()) {
                righe.push_back(std::string(PrefissoStratoSim) + std::to_string(k) + "." +
                                it->first + "=" + it->second);
            }
        }
    }
}

} // namespace paretix
