#include "core/simulazione/simulazione_esercizio.h"

#include <filesystem>

#include "core/simulazione/preparazione_simulazione.h"

namespace paretix {

std::optional<std::string> SimulaEsercizio(const std::string& file, const Esercizio& e,
                                           std::optional<SimulazioneEseguita>& fatta) {
    fatta.reset();
    if (!SimulazioneAttiva(e)) {
        return std::nullopt;
    }
    SimulazionePreparata p;
    std::string errore;
    const std::string cartella = std::filesystem::path(file).parent_path().string();
    if (!PreparaSimulazione(e, cartella, LeggiFileTesto, p, errore)) {
        return "Simulazione non eseguita: " + errore;
    }
    SimulazioneEseguita s{p.Giorni, Simula(p.Dati)};
    if (!s.Risultato.Riuscita) {
        return "Simulazione interrotta: " + s.Risultato.Messaggio;
    }
    fatta = std::move(s);
    return std::nullopt;
}

} // namespace paretix
