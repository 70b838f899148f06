#include "core/materials/carica_materiale.h"

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
}

} // namespace paretix
