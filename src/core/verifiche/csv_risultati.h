#pragma once
// The results of many exercises as one table, one row per file, for a spreadsheet: by default
// what an Italian spreadsheet opens (";" between fields, decimal comma), or "," and the decimal
// point. A cell the file's calculations or checks do not give stays empty. Lines end with
// CR LF; a field holding the separator, a quote or a line break is quoted.

#include <optional>
#include <string>
#include <vector>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

struct FormatoCsv {
    char Separatore = ';';
    bool VirgolaDecimale = true;
};

// A number as the table writes it: the general form, with the decimal point when asked.
std::string NumeroCsv(const FormatoCsv& formato, double valore);

// Cells put before the usual columns of a row or of the header, each followed by the
// separator.
std::string CelleIniziali(const FormatoCsv& formato, const std::vector<std::string>& celle);

// The header row, each column with its unit.
std::string IntestazioneCsv(const FormatoCsv& formato);

// The row of a valid run; verifiche when the checks are on.
std::string RigaCsv(const FormatoCsv& formato, const std::string& file, const Esercizio& e,
                    const RisultatiCalcolo& r, const std::optional<RisultatiVerifiche>& verifiche);

// The row of a file that gave no results: its name and the message in the last column.
std::string RigaCsvErrore(const FormatoCsv& formato, const std::string& file,
                          const std::string& messaggio);

} // namespace paretix
