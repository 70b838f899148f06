#pragma once
// A text as the lines that are printed: one printed line per line of the text.

#include <string>
#include <string_view>
#include <vector>

namespace paretix {

// Splits at CR LF, LF or a lone CR. A line end at the very end of the text closes the last
// line and does not start an empty one, so a report ending in CR LF prints no blank tail;
// an empty text has no lines.
std::vector<std::string_view> RigheTesto(std::string_view testo);

// The same text with every line end written as a single LF, the form of the edit boxes.
std::string LineeConLF(std::string_view testo);

} // namespace paretix
