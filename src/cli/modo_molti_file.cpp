#include "cli/modo_molti_file.h"

#include <algorithm>

#include "cli/esercizio_calcolato.h"
#include "cli/uscita.h"
#include "core/simulazione/csv_simulazione.h"
#include "core/simulazione/uscita_simulazione.h"
#include "core/verifiche/csv_risultati.h"
#include "core/verifiche/json_risultati.h"

namespace paretix::cli {

int MoltiFile(const Richiesta& richiesta) {
    std::string uscita;
    std::vector<RigaTabella> righe;
    int peggiore = EsitoRiuscito;
    for (const std::string& file : richiesta.File) {
        const EsercizioCalcolato esito = Calcola(file);
        peggiore = std::max(peggiore, esito.Stato);
        if (richiesta.Modo == Uscita::Csv) {
            righe.push_back({esito.Stato == EsitoRiuscito
                                 ? RigaCsv(richiesta.Formato, file, esito.Esercizio,
                                           esito.Risultati, esito.Verifiche)
                                 : RigaCsvErrore(richiesta.Formato, file, esito.Errore),
                             esito.Simulazione});
        } else {
            if (esito.Stato != EsitoRiuscito) {
                uscita += JsonRigaErrore(file, esito.Errore, esito.Stato);
            } else {
                const std::string riga =
                    JsonRigaRisultati(file, esito.Esercizio, esito.Risultati,
                                      esito.Verifiche.value_or(RisultatiVerifiche{}));
                const auto& s = esito.Simulazione;
                uscita += s ? JsonRigaConSimulazione(riga, s->Giorni, s->Risultato) : riga;
            }
            uscita += '\n';
        }
    }
    if (richiesta.Modo == Uscita::Csv) {
        uscita =
            TabellaConSimulazione(richiesta.Formato, IntestazioneCsv(richiesta.Formato), righe);
    }
    const int scrittura = ScriviUscita(uscita);
    return scrittura != EsitoRiuscito ? scrittura : peggiore;
}

} // namespace paretix::cli
