#pragma once
// A year of climate from an EnergyPlus weather file (EPW): plain text, eight header lines (the
// first one starting with "LOCATION"), then one line per hour of a whole year (8760 lines, or
// 8784 in a leap year), each of the format's 35 comma-separated fields. The reader takes three
// of them, counted from 1: field 2 the month (1 to 12), field 7 the dry-bulb
// temperature (°C, from -70 to 70 as the format allows) and field 9 the relative humidity (%,
// from 0 to 110 as the format allows; the monthly mean is then held to 100). Numbers are
// written with the decimal point; the format's markers of a missing value (99,9 °C, 999 %)
// fall outside those ranges and refuse the file, since a mean over them would be wrong.
//
// Each month's values are the means of every hour of that month, in whatever order the hours
// come. Line ends may be CR LF, LF or a lone CR, the last line may lack its end, a leading
// UTF-8 byte-order mark is skipped and blank lines among the hours are ignored.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/clima.h"

namespace paretix {

// A year of hours takes about 1,5 MB; a larger file than this is not a weather file.
constexpr std::size_t DimensioneMassimaEpw = 64 * 1024 * 1024;

// Told the fraction of the text read so far, from 0 to 1: 0 at the start, the fraction each
// time one more hundredth of the bytes has been read, and 1 once the reading is over however
// it ends; so at most 101 times whatever the size of the file.
using AvanzamentoLettura = std::function<void(double frazione)>;

// Reads the EPW text into clima. Nothing when the file was accepted; otherwise the reason, in
// Italian, naming the line (from 1) and what it should hold, and clima is left as it was.
std::optional<std::string> LetturaEpw(std::string_view testo, ClimaAnno& clima,
                                      const AvanzamentoLettura& avanzamento = {});

} // namespace paretix
