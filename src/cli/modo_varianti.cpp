#include "cli/modo_varianti.h"

#include <algorithm>
#include <thread>

#include "cli/aiuto.h"
#include "cli/esercizio_calcolato.h"
#include "cli/in_parallelo.h"
#include "cli/modo_migliore.h"
#include "cli/uscita.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/variazioni/migliore.h"
#include "core/variazioni/parte_scansione.h"

namespace paretix::cli {

namespace {

// The rows of a block and whether one of them had no results.
struct Righe {
    std::string Testo;
    bool ConErrore = false;
};

int TuttiIVarianti(const Richiesta& richiesta, const Esercizio& base, unsigned fili) {
    const DatiScansione& s = *richiesta.Scansione;
    const std::string& file = richiesta.File.front();
    const bool csv = richiesta.Modo == Uscita::Csv;
    const bool simulazione = SimulazioneAttiva(base);
    if (csv && s.Parte.K == 1) {
        const int intestazione =
            ScriviUscita(IntestazioneVariantiCsv(richiesta.Formato, s.Variazioni, simulazione));
        if (intestazione != EsitoRiuscito) {
            return intestazione;
        }
    }
    int stato = EsitoRiuscito;
    const auto [prima, oltre] = VariantiDellaParte(NumeroVarianti(s.Variazioni), s.Parte);
    InParallelo<Righe>(
        oltre - prima, fili,
        [&](std::size_t inizio, std::size_t fine, Variante& v) {
            Righe righe;
            for (std::size_t i = prima + inizio; i < prima + fine; ++i) {
                CalcolaVariante(base, s.Variazioni, i, v, &file);
                righe.ConErrore = righe.ConErrore || !v.Valida;
                if (csv) {
                    righe.Testo += RigaVarianteCsv(richiesta.Formato, file, s.Variazioni, v);
                } else {
                    righe.Testo += RigaVarianteJson(file, s.Variazioni, v);
                    righe.Testo += '\n';
                }
            }
            return righe;
        },
        [&](Righe& righe) {
            if (righe.ConErrore && stato == EsitoRiuscito) {
                stato = EsitoDatiNonValidi;
            }
            const int scrittura = ScriviUscita(righe.Testo);
            if (scrittura != EsitoRiuscito) {
                stato = scrittura;
                return false;
            }
            return true;
        },
        simulazione ? 1 : VariantiPerBlocco);
    return stato;
}

} // namespace

int Varianti(const Richiesta& richiesta) {
    const DatiScansione& s = *richiesta.Scansione;
    Esercizio base;
    if (const auto rifiuto = Apri(richiesta.File.front(), base)) {
        Errore(rifiuto->Errore);
        return rifiuto->Stato;
    }
    auto messaggio = ControllaVariazioni(s.Variazioni, base);
    if (!messaggio && s.Condizione) {
        messaggio = ControllaCondizione(s.TestoCondizione, *s.Condizione, base, s.Variazioni);
    }
    if (messaggio) {
        Errore(*messaggio);
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    const unsigned fili = s.Fili.value_or(std::max(1u, std::thread::hardware_concurrency()));
    if (s.Condizione) {
        return IlMigliore(richiesta, base, fili);
    }
    return TuttiIVarianti(richiesta, base, fili);
}

} // namespace paretix::cli
