#include "core/materials/carica_materiale.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/model/numeri.h"

namespace paretix {

namespace {

void CaricaValore(Casella& c, const std::string& testo) {
    c.Testo = testo;
    c.Suggerimento = testo;
    const std::string_view netto = TogliSpazi(testo);
    const bool dato = !netto.empty() && netto != "-";
    c.ColoreSfondo = dato ? ColoreGiallo : ColoreFinestra;
    c.Bloccato = dato;
}

} // namespace

void CaricaMateriale(Esercizio& e, int k, const VoceAbaco& voce) {
    Strato& s = e.strato(k);
    s.StileRiempimento = RiempimentoTratteggio;
    s.TipoStrato = std::string(TipoMateriale);
    s.Materiale = voce.Materiale;
    s.ColoreTipo = ColoreGiallo;
    CaricaValore(s.Densità, voce.Densità);
    CaricaValore(s.Conduttività, voce.Conduttività);
    CaricaValore(s.Permeabilità, voce.Permeabilità);
    CaricaValore(s.FatAssorbimento, voce.FatAssorbimento);
    // The specific heat comes with a row that has one; a value the previous material brought
    // goes with it, one the user typed stays.
    if (!TogliSpazi(voce.CaloreSpecifico).empty()) {
        s.CaloreSpecifico = std::string(TogliSpazi(voce.CaloreSpecifico));
        s.CaloreSpecificoDaAbaco = true;
    } else if (s.CaloreSpecificoDaAbaco) {
        s.CaloreSpecifico.clear();
        s.CaloreSpecificoDaAbaco = false;
    }
    // The moisture data come with a row that has them and replace the layer's: a value the row
    // lacks is no longer given, and the tables that stand in place of the row's values (the
    // sorption curve, the liquid diffusivity) go. A row without them leaves the layer's as
    // they are.
    if (voce.Umidità.Vuota()) {
        return;
    }
    const std::array<std::pair<const char*, const std::string*>, 4> valori{{
        {"porosita", &voce.Umidità.Porosità},
        {"w80", &voce.Umidità.W80},
        {"wf", &voce.Umidità.Wf},
        {"coeff-assorbimento", &voce.Umidità.Assorbimento},
    }};
    auto& dati = s.Igrotermici;
    for (const auto& [suffisso, testo] : valori) {
        const std::string_view valore = TogliSpazi(*testo);
        if (valore.empty()) {
            dati.erase(suffisso);
        } else {
            dati[suffisso] = std::string(valore);
        }
    }
    dati.erase("sorbimento");
    dati.erase("diffusivita-liquida");
}

} // namespace paretix
