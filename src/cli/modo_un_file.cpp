#include "cli/modo_un_file.h"

#include "cli/esercizio_calcolato.h"
#include "cli/uscita.h"
#include "core/simulazione/uscita_simulazione.h"
#include "core/verifiche/json_risultati.h"

namespace paretix::cli {

int UnFile(const Richiesta& richiesta) {
    const EsercizioCalcolato esito = Calcola(richiesta.File.front());
    if (esito.Stato != EsitoRiuscito) {
        Errore(esito.Errore);
        return esito.Stato;
    }
    const auto& s = esito.Simulazione;
    if (richiesta.Modo == Uscita::Resoconto) {
        return ScriviUscita(esito.TestoStampa +
                            (s ? TestoSimulazione(s->Giorni, s->Risultato) : ""));
    }
    const std::string json = JsonRisultati(esito.Esercizio, esito.Risultati,
                                           esito.Verifiche.value_or(RisultatiVerifiche{}));
    return ScriviUscita((s ? JsonConSimulazione(json, s->Giorni, s->Risultato) : json) + "\n");
}

} // namespace paretix::cli
