#include "core/window/operazioni_strati.h"

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/window/finestra_principale.h"
#include "core/window/passi.h"

namespace paretix {

void EventiTraslazione(Esercizio& e, int j, int d) {
    e.strato(j) = e.strato(j + d);
}

void InserisciStratoADestraASinistra(Esercizio& e, int t) {
    e.strato(t) = Strato{};
}

void StratoDaTastiera(Esercizio& e, int k) {
    Strato& s = e.strato(k);
    s.StileRiempimento = RiempimentoTratteggio;
    s.TipoStrato = TipoMateriale;
    s.Materiale = MaterialeDaTastiera;
    s.ColoreTipo = ColoreFinestra;
    s.CaloreSpecificoDaAbaco = false;
    for (Casella* c : {&s.Densità, &s.Conduttività, &s.Permeabilità, &s.FatAssorbimento}) {
        c->Suggerimento.clear();
        c->ColoreSfondo = ColoreFinestra;
        c->Bloccato = false;
    }
}

void FinestraPrincipale::VisualizzaStrati() {
    AggiornaCaselleVisibili(esercizio_, stato_.MantieniInterni);
    VisualizzaSchema(stato_.Schema, esercizio_);
}

void FinestraPrincipale::VisualizzaStratiMantenendoInterni() {
    stato_.MantieniInterni = true;
    VisualizzaStrati();
    stato_.MantieniInterni = false;
}

void FinestraPrincipale::LabelStrato_MouseMove(int k) {
    if (k < 1 || k > esercizio_.NumeroStrati() || k == stato_.UltimoStratoEvidenziato) {
        return;
    }
    stato_.UltimoStratoEvidenziato = k;
    stato_.StratoSelezionato = k;
    stato_.LabelStratoSelezionatoScritta = CaptionStratoSelezionato;
    stato_.LabelStratoSelezionatoNumero = std::to_string(k);
}

void FinestraPrincipale::MuoveSu() {
    stato_.UltimoStratoEvidenziato = 0;
    stato_.StratoSelezionato = 0;
    stato_.LabelStratoSelezionatoScritta.clear();
    stato_.LabelStratoSelezionatoNumero.clear();
}

void FinestraPrincipale::LabelStrato_MouseDown(int k) {
    if (k < 1 || k > esercizio_.NumeroStrati()) {
        return;
    }
    LabelStrato_MouseMove(k);
    stato_.MenuNascosto = MenuPerStrato(esercizio_, k);
}

bool FinestraPrincipale::StratoSelezionatoValido() const {
    return stato_.StratoSelezionato >= 1 && stato_.StratoSelezionato <= esercizio_.NumeroStrati();
}

void FinestraPrincipale::CommandPiù_Click() {
    const Passo passo(*this, PassoAggiuntaStrato);
    Modifica();
    if (esercizio_.NumeroStrati() < NumeroStratiMax) {
        esercizio_.Strati.emplace_back();
    }
    VisualizzaStratiMantenendoInterni();
}

void FinestraPrincipale::CommandMeno_Click() {
    const Passo passo(*this, PassoRimozioneStrato);
    Modifica();
    if (esercizio_.NumeroStrati() >= 2) {
        esercizio_.Strati.pop_back();
        // A wall never ends with an air cavity.
        if (esercizio_.NumeroStrati() >= 2 && esercizio_.Strati.back().CameraAria()) {
            esercizio_.Strati.pop_back();
        }
    }
    VisualizzaStrati();
}

void FinestraPrincipale::EliminaStrato_Click() {
    const int k = stato_.StratoSelezionato;
    if (!StratoSelezionatoValido() || !MenuPerStrato(esercizio_, k).EliminaStrato) {
        return;
    }
    const Passo passo(*this, PassoEliminazioneStrato);
    for (int j = k; j < esercizio_.NumeroStrati(); ++j) {
        EventiTraslazione(esercizio_, j, +1);
    }
    CommandMeno_Click();
}

void FinestraPrincipale::InserisciStrato(bool aDestra) {
    const int k = stato_.StratoSelezionato;
    if (!StratoSelezionatoValido() || !MenuPerStrato(esercizio_, k).InserisciStrato) {
        return;
    }
    const Passo passo(*this, PassoInserimentoStrato);
    CommandPiù_Click();
    for (int j = esercizio_.NumeroStrati(); j >= k + 1; --j) {
        EventiTraslazione(esercizio_, j, -1);
    }
    InserisciStratoADestraASinistra(esercizio_, aDestra ? k + 1 : k);
    // Redrawn after the reset, so that the neighbours of the new layer show the right boxes.
    VisualizzaStrati();
}

void FinestraPrincipale::InserisciStratoADestra_Click() {
    InserisciStrato(true);
}

void FinestraPrincipale::InserisciStratoASinistra_Click() {
    InserisciStrato(false);
}

void FinestraPrincipale::CameraAria_Click() {
    const int k = stato_.StratoSelezionato;
    if (!StratoSelezionatoValido() || !MenuPerStrato(esercizio_, k).CameraAria) {
        return;
    }
    const Passo passo(*this, PassoCameraAria);
    Modifica();
    CameraAria1(esercizio_, k);
}

void FinestraPrincipale::DaTastiera_Click() {
    if (!StratoSelezionatoValido()) {
        return;
    }
    const Passo passo(*this, PassoDaTastiera);
    Modifica();
    StratoDaTastiera(esercizio_, stato_.StratoSelezionato);
    VisualizzaStrati();
}

} // namespace paretix
