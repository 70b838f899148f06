#pragma once
// Upper case of a UTF-8 text, for the group titles of the materials database.

#include <string>
#include <string_view>

namespace paretix {

// Every lower-case letter that Windows-1252 can store becomes its capital (ASCII, the accented
// Latin letters, š, œ, ž, ÿ); every other character stays as it is, "ß" included.
std::string Maiuscolo(std::string_view testo);

} // namespace paretix
