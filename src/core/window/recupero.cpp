#include "core/window/recupero.h"

#include <chrono>
#include <filesystem>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/files/lettura_file.h"
#include "core/files/scrittura_atomica.h"
#include "core/window/finestra_principale.h"
#include "core/window/percorso_esercizio.h"
#include "core/window/presentazione.h"

namespace paretix {

std::string TestoDataOra(std::time_t istante) {
    std::tm locale{};
    localtime_r(&istante, &locale);
    char testo[32];
    const std::size_t n = std::strftime(testo, sizeof testo, "%d/%m/%Y alle %H:%M", &locale);
    return std::string(testo, n);
}

std::string DomandaRipristino(std::time_t salvato, const std::string& file) {
    const std::string nome = file.empty() ? "" : PrefissoFileRipristino + file + ")";
    return PrefissoDomandaRipristino + TestoDataOra(salvato) + nome + SuffissoDomandaRipristino;
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
    const std::string file =
        LeggiFile(recupero_ + EstensionePercorsoRecupero, LunghezzaMassimaPercorso).value_or("");
    if (dialoghi_.DomandaSiNo(NomeProgramma, DomandaRipristino(*salvato, file), Icona::Domanda) !=
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
    // The restored exercise belongs to the file the question named, still modified: Save
    // writes there. Without one it stays "Senza nome" and Save asks where.
    MostraEsercizio(std::move(letto));
    stato_.PercorsoEsercizio = file;
    stato_.Caption = file.empty() ? std::string(CaptionSenzaNome) : file + SuffissoDopoApertura;
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
    const std::string percorso = recupero_ + EstensionePercorsoRecupero;
    if (stato_.PercorsoEsercizio.empty()) {
        std::filesystem::remove(percorso, errore);
    } else {
        ScritturaAtomica(percorso, stato_.PercorsoEsercizio);
    }
}

void FinestraPrincipale::RimuoviRecupero() const {
    if (!recupero_.empty()) {
        std::error_code errore;
        std::filesystem::remove(recupero_, errore);
        std::filesystem::remove(recupero_ + EstensionePercorsoRecupero, errore);
    }
}

} // namespace paretix
