#include "core/materials/dialogo_materiale.h"

#include "core/materials/modo_abaco.h"

namespace paretix {

bool DialogoMateriale::Form_Load(Dialoghi& dialoghi) {
    const bool consulta = ModoConsulta(abaco_.ModoAbaco());
    caption_ = consulta ? CaptionCaricare : CaptionCancellare;
    riga_ = abaco_.RigaSelezionata();
    VisualizzaCosaEventualmenteCaricare();
    const VoceAbaco* voce = abaco_.Voce(riga_);
    if (consulta && (voce == nullptr || voce->TitoloGruppo())) {
        dialoghi.Messaggio(TitoloAbaco, MessaggioNessunMateriale, Icona::Critica);
        return false;
    }
    return true;
}

void DialogoMateriale::VisualizzaCosaEventualmenteCaricare() {
    const VoceAbaco* voce = abaco_.Voce(riga_);
    label_ = voce == nullptr
                 ? std::array<std::string, 5>{}
                 : std::array<std::string, 5>{voce->Materiale, voce->Densità, voce->Conduttività,
                                              voce->Permeabilità, voce->FatAssorbimento};
    calore_ = voce == nullptr ? std::string() : voce->CaloreSpecifico;
}

void DialogoMateriale::CommandCarica_Click() {
    if (ModoConsulta(abaco_.ModoAbaco())) {
        abaco_.Carica(riga_);
    } else {
        abaco_.Cancella(riga_);
    }
}

} // namespace paretix
