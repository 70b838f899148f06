#pragma once
// A table copied to the clipboard as spreadsheets paste it: cells separated by a tab, each row
// ended by a line feed. A tab or a line end inside a cell becomes a space, so that it stays in
// its cell.

#include <string>
#include <vector>

namespace paretix {

inline constexpr const char* CaptionCopiaTabella = "Copia";

std::string TabellaTabulata(const std::vector<std::vector<std::string>>& righe);

} // namespace paretix
