#include "ui/abaco_materiali.h"

#include "core/materials/apertura_abaco.h"
#include "ui/elenco_materiali_qt.h"

namespace paretix {

bool ApriAbacoConsultazione(QWidget* parent, const std::string& percorsoAbaco,
                            ElencoMateriali::Caricamento carica, Dialoghi& dialoghi,
                            bool conCaloreSpecifico, PosizioneElenco* posizione) {
    auto abaco = AbacoInConsultazione(percorsoAbaco, std::move(carica), dialoghi);
    if (!abaco) {
        return false;
    }
    abaco->MostraCaloreSpecifico(conCaloreSpecifico);
    ElencoMaterialiQt(*abaco, dialoghi, parent, posizione).exec();
    return abaco->Caricato();
}

void ApriAbacoModifica(QWidget* parent, const std::string& percorsoAbaco, bool scritturaConsentita,
                       Dialoghi& dialoghi, bool conCaloreSpecifico, PosizioneElenco* posizione) {
    auto abaco = AbacoInModifica(percorsoAbaco, scritturaConsentita, dialoghi);
    if (abaco) {
        abaco->MostraCaloreSpecifico(conCaloreSpecifico);
        ElencoMaterialiQt(*abaco, dialoghi, parent, posizione).exec();
    }
}

} // namespace paretix
