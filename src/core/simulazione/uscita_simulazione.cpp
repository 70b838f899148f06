#include "core/simulazione/uscita_simulazione.h"

#include <nlohmann/json.hpp>

#include "core/model/a_capo.h"
#include "core/model/numeri.h"
#include "core/simulazione/valutazione_simulazione.h"

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
    const auto andamento = ValutaAndamento(r);
    j["andamento"] = andamento ? Json{{"esito", TestoAndamento(andamento->Esito)},
                                      {"variazione_primo_anno", andamento->PrimoAnno},
                                      {"variazione_ultimo_anno", andamento->UltimoAnno}}
                               : Json(nullptr);
    j["classe_muffa"] = r.ClasseMuffa
                            ? Json(TestiSensibilità[static_cast<std::size_t>(*r.ClasseMuffa)])
                            : Json(nullptr);
    Json muffa = Json::array();
    for (const MuffaPunto& p : r.Muffa) {
        muffa.push_back({{"dove", p.Dove == 0 ? Json("interna") : Json(p.Dove)},
                         {"indice_massimo", p.Massimo},
                         {"verificata", p.Massimo < IndiceMuffaAmmesso}});
    }
    j["muffa"] = std::move(muffa);
    Json legno = Json::array();
    for (const LegnoStrato& l : r.Legno) {
        legno.push_back({{"strato", l.Strato},
                         {"umidita_massima", l.UmiditàMassima},
                         {"verificata", l.UmiditàMassima <= UmiditàLegnoAmmessa}});
    }
    j["legno"] = std::move(legno);
    return j;
}

// The JSON object with the member added last, indented by rientro (-1: on one line).
std::string ConMembro(const std::string& oggetto, int giorni, const RisultatoSimulazione& r,
                      int rientro) {
    Json j = Json::parse(oggetto);
    j["simulazione"] = Oggetto(giorni, r);
    return j.dump(rientro, ' ', false, Json::error_handler_t::replace);
}

void Riga(std::string& t, const std::string& riga) {
    t += riga;
    t += ACapo;
}

// The verdicts: the water trend, the mould index at each place, the timber layers.
void Valutazioni(std::string& t, const RisultatoSimulazione& r) {
    if (const auto a = ValutaAndamento(r)) {
        Riga(t, "Andamento del contenuto d'acqua: la parete " + TestoAndamento(a->Esito));
        Riga(t, "  variazione nel primo anno " + Decimali(a->PrimoAnno, 3) +
                    " kg/m², nell'ultimo anno " + Decimali(a->UltimoAnno, 3) + " kg/m²");
        Riga(t, "  (" + CriterioEquilibrio() + ")");
    } else {
        Riga(t, "Andamento del contenuto d'acqua: non determinabile");
        Riga(t, "  (servono almeno due anni simulati)");
    }
    if (r.ClasseMuffa && !r.Muffa.empty()) {
        Riga(t, "Indice di muffa massimo (modello VTT, materiale " +
                    std::string(TestiSensibilità[static_cast<std::size_t>(*r.ClasseMuffa)]) +
                    ", verificato se M < " + FormaGenerale(IndiceMuffaAmmesso) + "):");
        for (const MuffaPunto& p : r.Muffa) {
            Riga(t, "  " + LuogoMuffa(p) + ": " + Decimali(p.Massimo, 2) + ", " +
                        TestoEsito(p.Massimo < IndiceMuffaAmmesso));
        }
    }
    for (const LegnoStrato& l : r.Legno) {
        Riga(t, "Strato " + std::to_string(l.Strato) + " (legno): umidità massima " +
                    Decimali(l.UmiditàMassima, 1) + " % in massa, limite " +
                    FormaGenerale(UmiditàLegnoAmmessa) +
                    " %: " + TestoEsito(l.UmiditàMassima <= UmiditàLegnoAmmessa));
    }
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
    Valutazioni(t, r);
    return t;
}

std::string JsonConSimulazione(const std::string& risultati, int giorni,
                               const RisultatoSimulazione& r) {
    return ConMembro(risultati, giorni, r, 2);
}

std::string JsonRigaConSimulazione(const std::string& riga, int giorni,
                                   const RisultatoSimulazione& r) {
    return ConMembro(riga, giorni, r, -1);
}

} // namespace paretix
