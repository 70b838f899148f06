#pragma once
// Every text of the program ends its lines with CR LF: the report, the messages, the exercise
// file and the materials database alike.

namespace paretix {

inline constexpr char ACapo[] = "\r\n";

} // namespace paretix
