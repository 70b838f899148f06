#pragma once
// Exercise files and abaco.txt are Windows-1252; the program works in UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace paretix {

// Every byte has a character here: the five bytes without one in Windows-1252
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string Win1252AUtf8(std::string_view testo);

// Nothing when the text holds a character that Windows-1252 cannot store, or is not UTF-8.
std::optional<std::string> Utf8AWin1252(std::string_view testo);

// Whether Utf8AWin1252 can store the text.
bool RappresentabileWin1252(std::string_view testo);

} // namespace paretix
