#include "core/window/avvio.h"

#include "core/materials/preparazione_abaco.h"

namespace paretix {

std::string CartellaProgrammaDa(std::string cartella) {
    while (!cartella.empty() && (cartella.back() == '/' || cartella.back() == '\\')) {
        cartella.pop_back();
    }
    return cartella;
}

EsitoAvvio PreparazioneAvvio(const std::string& cartellaEseguibile) {
    EsitoAvvio avvio;
    avvio.CartellaProgramma = CartellaProgrammaDa(cartellaEseguibile);
    const EsitoPreparazioneAbaco abaco = PreparazioneAbaco(avvio.CartellaProgramma);
    avvio.ScritturaConsentita = abaco.ScritturaConsentita ? Si : No;
    avvio.AbacoUtilizzabile = abaco.AbacoUtilizzabile;
    return avvio;
}

} // namespace paretix
