// paretix-report FILE.css: opens the exercise as the Open command does, presses "Calcola" and
// writes the report on standard output, without a window. With --json it writes the results
// and the compliance checks as one JSON object instead, with --csv a table; with --varia it
// calculates every combination of some varied values of one exercise; with --relazione it
// writes the technical report as a PDF file.

#include <csignal>
#include <string>
#include <string_view>
#include <vector>

#include "cli/aiuto.h"
#include "cli/modo_molti_file.h"
#include "cli/modo_un_file.h"
#include "cli/modo_varianti.h"
#include "cli/opzioni.h"
#include "cli/relazione_cli.h"
#include "cli/uscita.h"

int main(int argc, char** argv) {
    using namespace paretix::cli;
    // A reader that stops early (paretix-report FILE | head) is a failed write, reported with
    // its exit status, not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    std::string messaggio;
    const std::optional<Richiesta> richiesta = LeggiRichiesta(argomenti, messaggio);
    if (!richiesta) {
        if (!messaggio.empty()) {
            Errore(messaggio);
        }
        Scrivi(stderr, Uso);
        return EsitoUsoErrato;
    }
    if (richiesta->Aiuto) {
        return ScriviUscita(std::string(Aiuto));
    }
    if (richiesta->Relazione) {
        return paretix::ScriviRelazioneDaRiga(argv[0], *richiesta->Relazione,
                                              richiesta->File.front());
    }
    if (richiesta->Scansione) {
        return Varianti(*richiesta);
    }
    if (richiesta->Modo == Uscita::Csv || richiesta->File.size() > 1) {
        return MoltiFile(*richiesta);
    }
    return UnFile(*richiesta);
}
