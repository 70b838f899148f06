#include "core/window/recupero.h"

#include <chrono>
#include <filesystem>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/window/finestra_principale.h"
#include "core/window/presentazione.h"

namespace paretix {

std::string TestoDataOra(std::time_t istante) {
    std::tm locale{};
    localtime_r(&istante, &locale);
    char testo[32];
    const std::size_t n = std::strftime(testo, sizeof testo, "%d/%m/%Y alle %H:%M", &locale);
    return std::string(testo, n);
}

std::string DomandaRipristino(std::time_t salvato) {
    return PrefissoDomandaRipristino + TestoDataOra(salvato) + SuffissoDomandaRipristino;
}

std::optional<std::time_t> UltimaScrittura(const std::string& percorso) {
    std::error_code errore;
    const auto tempo = std::filesystem::last_write_time(percorso, errore);
    if (errore) {
        return std::nullopt;
    }
    const auto sistema = std::chrono::file_clock::to_sys(tempo);
    return std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sistema));
}

void FinestraPrincipale::ImpostaRecupero(std::string percorso) {
    recupero_ = std::move(percorso);
}

void FinestraPrincipale::OffriRipristino() {
    if (recupero_.empty()) {
        return;
    }
    const std::optional<std::time_t> salvato = UltimaScrittura(recupero_);
    if (!salvato) {
        return;
    }
    if (dialoghi_.DomandaSiNo(NomeProgramma, DomandaRipristino(*salvato), Icona::Domanda) !=
        Risposta::Si) {
        RimuoviRecupero();
        return;
    }
    Esercizio letto = esercizio_;
    if (const auto errore = AperturaFile(recupero_, letto)) {
        NuovoProgettoVuoto();
        dialoghi_.Messaggio(TitoloErroreDiApertura, *errore, Icona::Esclamazione);
        return;
    }
    // The restored exercise belongs to no file: Save asks where, so that no file is replaced
    // by a version the user has not looked at.
    MostraEsercizio(std::move(letto));
    stato_.PercorsoEsercizio.clear();
    stato_.Caption = CaptionSenzaNome;
    cronologia_.Azzera(false);
    stato_.Modificato = Si;
}

void FinestraPrincipale::TimerRecupero_Timer() {
    if (recupero_.empty()) {
        return;
    }
    if (stato_.Modificato != Si) {
        RimuoviRecupero();
        return;
    }
    // A failed write says nothing: the next minute tries again, and the exercise is untouched.
    std::error_code errore;
    std::filesystem::create_directories(std::filesystem::path(recupero_).parent_path(), errore);
    CreazioneFile(esercizio_, recupero_);
}

void FinestraPrincipale::RimuoviRecupero() const {
    if (!recupero_.empty()) {
        std::error_code errore;
        std::filesystem::remove(recupero_, errore);
    }
}

} // namespace paretix
