#include "core/window/avvio.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/files/scrittura_atomica.h"
#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"

namespace paretix {

namespace fs = std::filesystem;

namespace {

bool Assente(const std::string& percorso) {
    std::error_code errore;
    return fs::status(percorso, errore).type() == fs::file_type::not_found;
}

// The user's first start: the shipped database becomes the user's own. A shipped file that
// cannot be read leaves the copy to the usual start-up, which creates the one-title database.
void CopiaAbacoSpedito(const std::string& spedito, const std::string& cartellaUtente) {
    const std::string destinazione = PercorsoAbaco(cartellaUtente);
    if (!Assente(destinazione)) {
        return;
    }
    std::error_code errore;
    fs::create_directories(fs::path(destinazione).parent_path(), errore);
    std::ifstream file(spedito, std::ios::binary);
    std::ostringstream contenuto;
    contenuto << file.rdbuf();
    if (file && contenuto.str().size() <= DimensioneMassimaAbaco) {
        ScritturaAtomica(destinazione, contenuto.str());
    }
}

} // namespace

AmbienteUtente AmbienteDelProcesso() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {xdg ? xdg : "", home ? home : ""};
}

std::string CartellaDatiUtente(const AmbienteUtente& ambiente) {
    if (!ambiente.XdgDataHome.empty() && ambiente.XdgDataHome.front() == '/') {
        return CartellaProgrammaDa(ambiente.XdgDataHome) + "/paretix";
    }
    if (!ambiente.Home.empty()) {
        return CartellaProgrammaDa(ambiente.Home) + "/.local/share/paretix";
    }
    return "";
}

std::string CartellaProgrammaDa(std::string cartella) {
    while (!cartella.empty() && (cartella.back() == '/' || cartella.back() == '\\')) {
        cartella.pop_back();
    }
    return cartella;
}

std::string PercorsoAbacoSpedito(const std::string& CartellaProgramma) {
    return (fs::path(CartellaProgramma).parent_path() / "share" / "paretix" / "abaco.txt").string();
}

EsitoAvvio PreparazioneAvvio(const std::string& cartellaEseguibile,
                             const AmbienteUtente& ambiente) {
    EsitoAvvio avvio;
    avvio.CartellaProgramma = CartellaProgrammaDa(cartellaEseguibile);
    const std::string spedito = PercorsoAbacoSpedito(avvio.CartellaProgramma);
    std::error_code errore;
    const bool installato =
        fs::is_regular_file(spedito, errore) && Assente(PercorsoAbaco(avvio.CartellaProgramma));
    const std::string utente = installato ? CartellaDatiUtente(ambiente) : "";
    if (!utente.empty()) {
        avvio.CartellaUtente = utente;
        CopiaAbacoSpedito(spedito, utente);
    }
    const EsitoPreparazioneAbaco abaco = PreparazioneAbaco(avvio.CartellaDati());
    avvio.ScritturaConsentita = abaco.ScritturaConsentita ? Si : No;
    avvio.AbacoUtilizzabile = abaco.AbacoUtilizzabile;
    return avvio;
}

} // namespace paretix
