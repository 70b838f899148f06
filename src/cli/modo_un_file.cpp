#include "cli/modo_un_file.h"

#include "cli/esercizio_calcolato.h"
#include "cli/uscita.h"
#include "core/verifiche/json_risultati.h"

namespace paretix::cli {

int UnFile(const Richiesta& richiesta) {
    const EsercizioCalcolato esito = Calcola(richiesta.File.front());
    if (esito.Stato != EsitoRiuscito) {
        Errore(esito.Errore);
        return esito.Stato;
    }
    if (richiesta.Modo == Uscita::Resoconto) {
        return ScriviUscita(esito.TestoStampa);
    }
    return ScriviUscita(JsonRisultati(esito.Esercizio, esito.Risultati,
                                      esito.Verifiche.value_or(RisultatiVerifiche{})) +
                        "\n");
}

} // namespace paretix::cli
