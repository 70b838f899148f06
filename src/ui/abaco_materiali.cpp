#include "ui/abaco_materiali.h"

#include "core/materials/apertura_abaco.h"
#include "ui/form3_vista.h"

namespace paretix {

bool ApriAbacoConsultazione(QWidget* parent, const std::string& percorsoAbaco, Esercizio& e,
                            int strato, Dialoghi& dialoghi) {
    auto abaco = AbacoInConsultazione(percorsoAbaco, e, strato, dialoghi);
    if (!abaco) {
        return false;
    }
    Form3Vista(*abaco, dialoghi, parent).exec();
    return abaco->Caricato();
}

void ApriAbacoModifica(QWidget* parent, const std::string& percorsoAbaco, bool scritturaConsentita,
                       Dialoghi& dialoghi) {
    auto abaco = AbacoInModifica(percorsoAbaco, scritturaConsentita, dialoghi);
    if (abaco) {
        Form3Vista(*abaco, dialoghi, parent).exec();
    }
}

} // namespace paretix
