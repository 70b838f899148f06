#pragma once
// paretix-report run as a user runs it from a shell: the exit status, standard output and
// standard error of one run. PARETIX_REPORT is the tool's path, given by the test target.

#include <sys/wait.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "support/cartella_temporanea.h"

namespace paretix::test {

struct EsitoComando {
    int Stato = -1;
    std::string Uscita; // standard output
    std::string Errore; // standard error
    friend bool operator==(const EsitoComando&, const EsitoComando&) = default;
    friend std::ostream& operator<<(std::ostream& os, const EsitoComando& e) {
        return os << "stato " << e.Stato << "\nuscita: " << e.Uscita << "\nerrore: " << e.Errore;
    }
};

inline std::string TraApici(const std::string& testo) {
    std::string citato = "'";
    for (const char c : testo) {
        citato += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return citato + "'";
}

// The shell's command line of paretix-report with the arguments.
inline std::string ComandoReport(const std::vector<std::string>& argomenti) {
    std::string comando = TraApici(PARETIX_REPORT);
    for (const std::string& a : argomenti) {
        comando += " " + TraApici(a);
    }
    return comando;
}

// Runs comando under the shell. Its standard output is read back, unless redirezione sends it
// elsewhere (">/dev/full", ">&5"). The shell gives 128 + the signal for a tool that a signal
// ended; -1 is the status of a shell ended so (a tool run with exec).
inline EsitoComando Esegui(const std::string& comando, const std::string& redirezione = "") {
    CartellaTemporanea cartella;
    const std::string uscita = redirezione.empty() ? ">" + TraApici(cartella / "u") : redirezione;
    const int stato =
        std::system((comando + " " + uscita + " 2>" + TraApici(cartella / "e")).c_str());
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiTutto(cartella / "u"),
            LeggiTutto(cartella / "e")};
}

inline EsitoComando Report(const std::vector<std::string>& argomenti,
                           const std::string& redirezione = "") {
    return Esegui(ComandoReport(argomenti), redirezione);
}

} // namespace paretix::test
