#include "core/window/stampa.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace paretix {

void StampaRapporto(Stampante& stampante, Dialoghi& dialoghi, const std::string& testo) {
    if (!stampante.Disponibile()) {
        dialoghi.Messaggio(TitoloStampa, MessaggioNessunaStampante, Icona::Esclamazione);
        return;
    }
    if (!stampante.StampaTesto(testo)) {
        dialoghi.Messaggio(TitoloStampa, MessaggioStampaNonRiuscita, Icona::Critica);
    }
}

std::string PercorsoPdf(const std::string& scelto) {
    const std::string estensione = EstensionePdf;
    if (scelto.size() >= estensione.size()) {
        std::string coda = scelto.substr(scelto.size() - estensione.size());
        std::transform(coda.begin(), coda.end(), coda.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (coda == estensione) {
            return scelto;
        }
    }
    return scelto + estensione;
}

std::string DomandaSostituirePdf(const std::string& percorso) {
    return percorso + "\n" + FileGiàEsistente + "\n\n" + SostituireIlFile;
}

void EsportaPdf(EsportatorePdf& esportatore, Dialoghi& dialoghi, const std::string& testo) {
    const auto scelto = dialoghi.SalvaFile(TitoloEsportaPdf, FiltroPdf, "");
    if (!scelto || scelto->empty()) {
        return;
    }
    const std::string percorso = PercorsoPdf(*scelto);
    std::error_code errore;
    if (std::filesystem::exists(std::filesystem::path(percorso), errore) &&
        dialoghi.DomandaSiNo(TitoloEsportaPdf, DomandaSostituirePdf(percorso),
                             Icona::Esclamazione) != Risposta::Si) {
        return;
    }
    if (!esportatore.ScriviPdf(testo, percorso)) {
        dialoghi.Messaggio(TitoloEsportaPdf, MessaggioPdfNonScritto, Icona::Critica);
    }
}

} // namespace paretix
