#pragma once
// The command line of paretix-report: the options, each a row of one table, and the files.
// Outside a sweep the options come before the files and --json or --csv only first; with
// --varia the options and the one file come in any order.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/variazioni/migliore.h"
#include "core/variazioni/parte_scansione.h"
#include "core/variazioni/variazioni.h"
#include "core/verifiche/csv_risultati.h"

namespace paretix::cli {

// What standard output gets.
enum class Uscita { Resoconto, Json, Csv };

// A sweep: the varied values, the processors (all when not given), the condition of the best
// variant.
struct DatiScansione {
    std::vector<Variazione> Variazioni;
    std::optional<unsigned> Fili;
    std::optional<paretix::Condizione> Condizione;
    std::string TestoCondizione;
    ParteScansione Parte; // --parte K/N: the K-th of N equal shares of the variants
};

struct Richiesta {
    bool Aiuto = false;
    Uscita Modo = Uscita::Resoconto;
    FormatoCsv Formato;
    std::vector<std::string> File;
    std::optional<DatiScansione> Scansione;
    std::optional<std::string> Relazione; // --relazione OUT.pdf: the technical report's file
};

// The most threads -j accepts.
constexpr unsigned MassimoFili = 1024;

// The request of the arguments after the program name; nothing when the command line is not
// one the help describes, with messaggio saying what is wrong when it is more than the usage
// line.
std::optional<Richiesta> LeggiRichiesta(const std::vector<std::string_view>& argomenti,
                                        std::string& messaggio);

} // namespace paretix::cli
