#include "core/materials/form4.h"

#include "core/materials/modo_abaco.h"

namespace paretix {

bool Form4::Form_Load(Dialoghi& dialoghi) {
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

void Form4::VisualizzaCosaEventualmenteCaricare() {
    const VoceAbaco* voce = abaco_.Voce(riga_);
    label_ = voce == nullptr
                 ? std::array<std::string, 5>{}
                 : std::array<std::string, 5>{voce->Materiale, voce->Densità, voce->Conduttività,
                                              voce->Permeabilità, voce->FatAssorbimento};
}

void Form4::CommandCarica_Click() {
    if (ModoConsulta(abaco_.ModoAbaco())) {
        abaco_.Carica(riga_);
    } else {
        abaco_.Cancella(riga_);
    }
}

} // namespace paretix
