#include "core/window/informazioni.h"

#include "core/window/guida.h"

namespace paretix {

Punto InformazioniQt::Posizione(Punto principale) {
    return {principale.X + SpostamentoInformazioniX, principale.Y + SpostamentoInformazioniY};
}

void InformazioniQt::Label38_Click() {
    GuidaInLinea(aperture_, dialoghi_, cartella_);
}

} // namespace paretix
