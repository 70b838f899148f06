#include "cli/modo_molti_file.h"

#include <algorithm>

#include "cli/esercizio_calcolato.h"
#include "cli/uscita.h"
#include "core/verifiche/csv_risultati.h"
#include "core/verifiche/json_risultati.h"

namespace paretix::cli {

int MoltiFile(const Richiesta& richiesta) {
    std::string uscita;
    if (richiesta.Modo == Uscita::Csv) {
        uscita = IntestazioneCsv(richiesta.Formato);
    }
    int peggiore = EsitoRiuscito;
    for (const std::string& file : richiesta.File) {
        const EsercizioCalcolato esito = Calcola(file);
        peggiore = std::max(peggiore, esito.Stato);
        if (richiesta.Modo == Uscita::Csv) {
            uscita += esito.Stato == EsitoRiuscito
                          ? RigaCsv(richiesta.Formato, file, esito.Esercizio, esito.Risultati,
                                    esito.Verifiche)
                          : RigaCsvErrore(richiesta.Formato, file, esito.Errore);
        } else {
            uscita += esito.Stato == EsitoRiuscito
                          ? JsonRigaRisultati(file, esito.Esercizio, esito.Risultati,
                                              esito.Verifiche.value_or(RisultatiVerifiche{}))
                          : JsonRigaErrore(file, esito.Errore, esito.Stato);
            uscita += '\n';
        }
    }
    const int scrittura = ScriviUscita(uscita);
    return scrittura != EsitoRiuscito ? scrittura : peggiore;
}

} // namespace paretix::cli
