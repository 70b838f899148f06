#include "cli/modo_migliore.h"

#include "cli/in_parallelo.h"
#include "cli/uscita.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/variazioni/migliore.h"

namespace paretix::cli {

namespace {

constexpr std::string_view NessunaVariante = "nessuna variante soddisfa la condizione ";

} // namespace

int IlMigliore(const Richiesta& richiesta, const Esercizio& base, unsigned fili) {
    const DatiScansione& s = *richiesta.Scansione;
    std::optional<Candidato> migliore;
    InParallelo<std::optional<Candidato>>(
        NumeroVarianti(s.Variazioni), fili,
        [&](std::size_t inizio, std::size_t fine, Variante& v) {
            std::optional<Candidato> candidato;
            for (std::size_t i = inizio; i < fine; ++i) {
                CalcolaVariante(base, s.Variazioni, i, v);
                if (Soddisfa(*s.Condizione, v)) {
                    TieniMigliore(candidato, {i, SpessoreTotale(v)});
                }
            }
            return candidato;
        },
        [&](std::optional<Candidato>& candidato) {
            if (candidato) {
                TieniMigliore(migliore, *candidato);
            }
            return true;
        });
    if (!migliore) {
        Errore(std::string(NessunaVariante) + s.TestoCondizione);
        return EsitoNessunaVariante;
    }
    // The search judges the steady results only; the simulation runs for the chosen one.
    Variante v;
    const std::string& file = richiesta.File.front();
    CalcolaVariante(base, s.Variazioni, migliore->Indice, v, &file);
    if (richiesta.Modo == Uscita::Csv) {
        return ScriviUscita(
            IntestazioneVariantiCsv(richiesta.Formato, s.Variazioni, SimulazioneAttiva(base)) +
            RigaVarianteCsv(richiesta.Formato, file, s.Variazioni, v));
    }
    return ScriviUscita(RigaVarianteJson(file, s.Variazioni, v) + "\n");
}

} // namespace paretix::cli
