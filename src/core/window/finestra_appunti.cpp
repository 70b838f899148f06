#include "core/window/finestra_appunti.h"

#include "core/model/numeri.h"
#include "core/window/righe_testo.h"

namespace paretix {

FinestraAppuntiQt::FinestraAppuntiQt(const std::string& appunti)
    : originale_(LineeConLF(appunti)) {}

EsitoAppunti FinestraAppuntiQt::Form_Unload(const std::string& testoCasella) const {
    EsitoAppunti esito;
    esito.Testo = std::string(TogliSpazi(LineeConLF(testoCasella)));
    esito.Modificati = esito.Testo != originale_;
    return esito;
}

} // namespace paretix
