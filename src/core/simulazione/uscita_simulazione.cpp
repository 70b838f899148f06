#include "core/simulazione/uscita_simulazione.h"

#include <nlohmann/json.hpp>

#include "core/model/a_capo.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

using Json = nlohmann::ordered_json;

Json Oggetto(int giorni, const RisultatoSimulazione& r) {
    Json j;
    j["giorni"] = giorni;
    j["passi"] = r.Passi;
    j["errore_bilancio"] = r.ErroreBilancioUmidità;
    j["errore_bilancio_energia"] = r.ErroreBilancioEnergia;
    Json profili = Json::array();
    for (const Profilo& p : r.Profili) {
        profili.push_back({{"giorno", static_cast<int>(p.t / SecondiGiorno + 0.5)},
                           {"x", p.x},
                           {"T", p.T},
                           {"phi", p.φ},
                           {"w", p.w}});
    }
    j["profili"] = std::move(profili);
    Json strati = Json::array();
    for (std::size_t k = 0; k < r.MediaMensile.size(); ++k) {
        strati.push_back({{"strato", k + 1}, {"w_medio", r.MediaMensile[k]}});
    }
    j["strati"] = std::move(strati);
    j["acqua_totale"] = r.AcquaAnnua;
    return j;
}

void Riga(std::string& t, const std::string& riga) {
    t += riga;
    t += ACapo;
}

} // namespace

std::string TestoSimulazione(int giorni, const RisultatoSimulazione& r) {
    std::string t;
    Riga(t, "");
    Riga(t, TitoloSimulazione);
    Riga(t, "Giorni simulati: " + std::to_string(giorni) +
                ", passi di calcolo: " + std::to_string(r.Passi));
    Riga(t, "Errore di bilancio: umidità " + FormaGenerale(r.ErroreBilancioUmidità) + ", energia " +
                FormaGenerale(r.ErroreBilancioEnergia));
    Riga(t, "Contenuto d'acqua iniziale della parete: " + Decimali(r.AcquaIniziale, 3) + " kg/m²");
    for (std::size_t a = 0; a < r.AcquaAnnua.size(); ++a) {
        Riga(t, "Contenuto d'acqua a fine anno " + std::to_string(a + 1) + ": " +
                    Decimali(r.AcquaAnnua[a], 3) + " kg/m²");
    }
    for (std::size_t k = 0; k < r.MediaMensile.size(); ++k) {
        if (!r.MediaMensile[k].empty()) {
            Riga(t, "Strato " + std::to_string(k + 1) + ": contenuto d'acqua medio a fine " +
                        "dell'ultimo mese " + Decimali(r.MediaMensile[k].back(), 3) + " kg/m³");
        }
    }
    return t;
}

std::string JsonConSimulazione(const std::string& risultati, int giorni,
                               const RisultatoSimulazione& r) {
    Json j = Json::parse(risultati);
    j["simulazione"] = Oggetto(giorni, r);
    return j.dump(2, ' ', false, Json::error_handler_t::replace);
}

} // namespace paretix
