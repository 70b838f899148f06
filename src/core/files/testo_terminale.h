#pragma once
// Text that is safe to show on a terminal: an exercise file may hold control characters (in a
// material name or the notes) that a terminal would take as commands.

#include <string>
#include <string_view>

namespace paretix {

// The UTF-8 text with every control character written as an escape: the C0 characters but for
// tab, line feed and carriage return (the report's own line ends) and DEL as "\x1B", the C1
// code points U+0080 to U+009F as "\u0085". Everything else, invalid bytes included, is kept.
std::string TestoPerTerminale(std::string_view testo);

} // namespace paretix
