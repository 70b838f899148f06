#include "core/model/camera_aria.h"

namespace paretix {

namespace {

void Digitata(Casella& c, const std::string& testo, const std::string& suggerimento) {
    c.Testo = testo;
    c.Suggerimento = suggerimento;
    c.ColoreSfondo = ColoreFinestra;
    c.Bloccato = false;
}

} // namespace

void CameraAria1(Esercizio& e, int k) {
    Strato& s = e.strato(k);
    s.StileRiempimento = RiempimentoTrasparente;
    s.TipoStrato = TipoCameraAria;
    s.Materiale = MaterialeCameraAria;
    s.ColoreTipo = ColoreFinestra;
    Digitata(s.Densità, DensitàAria, "");
    Digitata(s.Conduttività, "", "");
    s.ConduttivitàVisibile = false;
    Digitata(s.Permeabilità, PermeabilitàAria, PermeabilitàAria);
    Digitata(s.FatAssorbimento, "", "");
    // Air is neither a plaster nor a mass with a specific heat, nor a membrane, and it stores
    // no moisture.
    s.Intonaco = false;
    s.CaloreSpecifico.clear();
    s.CaloreSpecificoDaAbaco = false;
    s.Sd.clear();
    s.Igrotermici.clear();
    if (e.Termico) {
        if (k > 1) {
            e.strato(k - 1).FatAssorbimentoVisibile = true;
        }
        if (k < e.NumeroStrati()) {
            e.strato(k + 1).FatAssorbimentoVisibile = true;
        }
    }
}

} // namespace paretix
