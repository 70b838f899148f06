#pragma once
// A year of climate pasted from a spreadsheet into the 12-row climate table.
//
// The text is cut into rows at CR LF, LF or a lone CR; blank rows are skipped. The columns are
// separated by tabs when the text holds a tab anywhere (what a spreadsheet copies), otherwise
// by semicolons (a CSV file of the Italian kind). A comma never separates columns: it is a
// decimal sign. Blanks around a cell are dropped, and so are empty cells at the end of a row
// (empty columns copied with the table).
//
// Each row holds θe (°C) and φe (%), or three cells with the month first: the month is then
// skipped when it is a name (any cell holding a letter: "gennaio", "Gen", "January") and must
// be the row's own when it is a number, so that a shifted table or a third column of figures
// is not taken for a climate. A first row without any digit is a heading and is skipped.
// Exactly 12 rows must remain, January first.
//
// A number is an optional sign, digits and at most one decimal sign, comma or point, with
// digits on either side of it ("-0,3", "12.5", "7,", ",5"); no digit grouping and no
// exponent, so "1.000,5" is refused and "1.000" reads as one. φe may be followed by "%" and
// must be from 0 to 100.

#include <optional>
#include <string>
#include <string_view>

#include "core/model/clima.h"

namespace paretix {

// Reads the pasted text into clima. Nothing when it was accepted; otherwise the reason, in
// Italian, naming the row of the pasted text (from 1), and clima is left as it was.
std::optional<std::string> LetturaClimaIncollato(std::string_view testo, ClimaAnno& clima);

} // namespace paretix
