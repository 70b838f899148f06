#include "core/simulazione/simulazione_esercizio.h"

#include <cmath>
#include <filesystem>

#include "core/calc/valori_finiti.h"
#include "core/simulazione/preparazione_simulazione.h"

namespace paretix {

namespace {

bool TuttiFiniti(const std::vector<double>& valori) {
    for (const double v : valori) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool RisultatoSimulazioneFinito(const RisultatoSimulazione& r) {
    for (const Profilo& p : r.Profili) {
        if (!TuttiFiniti(p.x) || !TuttiFiniti(p.T) || !TuttiFiniti(p.φ) || !TuttiFiniti(p.w)) {
            return false;
        }
    }
    for (const std::vector<double>& strato : r.MediaMensile) {
        if (!TuttiFiniti(strato)) {
            return false;
        }
    }
    return TuttiFiniti(r.AcquaAnnua) &&
           TuttiFiniti({r.ErroreBilancioUmidità, r.ErroreBilancioEnergia, r.AcquaIniziale,
                        r.AcquaFinale, r.AcquaAnnoPrima.value_or(0.0)});
}

std::optional<std::string> SimulaEsercizio(const std::string& file, const Esercizio& e,
                                           std::optional<SimulazioneEseguita>& fatta,
                                           bool andamenti) {
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
    p.Dati.Andamenti = andamenti;
    return EsitoSimulazione(p.Giorni, Simula(p.Dati), fatta);
}

std::optional<std::string> EsitoSimulazione(int giorni, RisultatoSimulazione r,
                                            std::optional<SimulazioneEseguita>& fatta) {
    fatta.reset();
    if (!r.Riuscita) {
        return "Simulazione interrotta: " + r.Messaggio;
    }
    if (!RisultatoSimulazioneFinito(r)) {
        return MessaggioFuoriCampo("la simulazione igrotermica dinamica");
    }
    fatta = SimulazioneEseguita{giorni, std::move(r)};
    return std::nullopt;
}

} // namespace paretix
