#include "core/window/guida.h"

#include <filesystem>
#include <system_error>

#include "core/model/a_capo.h"

namespace paretix {

std::vector<std::string> PosizioniGuida(const std::string& cartellaProgramma) {
    const std::filesystem::path programma(cartellaProgramma.empty() ? "/" : cartellaProgramma);
    return {(programma / FileGuida).string(),
            (programma.parent_path() / "share" / "doc" / "paretix" / FileGuida)
                .lexically_normal()
                .string()};
}

std::string PercorsoGuida(const std::string& cartellaProgramma) {
    for (const std::string& percorso : PosizioniGuida(cartellaProgramma)) {
        std::error_code errore;
        if (std::filesystem::is_regular_file(std::filesystem::path(percorso), errore)) {
            return percorso;
        }
    }
    return {};
}

void GuidaInLinea(ApertureEsterne& aperture, Dialoghi& dialoghi,
                  const std::string& cartellaProgramma) {
    const std::string percorso = PercorsoGuida(cartellaProgramma);
    if (!percorso.empty()) {
        if (!aperture.ApriFile(percorso)) {
            dialoghi.Messaggio(TitoloGuida, MessaggioGuidaNelProgramma, Icona::Informazione);
            aperture.MostraDocumento(percorso, TitoloGuida);
        }
        return;
    }
    std::string testo = MessaggioGuidaMancante;
    for (const std::string& posizione : PosizioniGuida(cartellaProgramma)) {
        testo += std::string(ACapo) + posizione;
    }
    dialoghi.Messaggio(TitoloGuida, testo, Icona::Esclamazione);
}

} // namespace paretix
