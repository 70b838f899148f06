#pragma once
// The place a weather file (EPW) is for: its first line reads "LOCATION,city,state,country,
// source,station,latitude,longitude,time zone,elevation".

#include <string>
#include <string_view>

namespace paretix {

// The city of the LOCATION line, blanks at both ends dropped; empty when the text does not
// start with that line or the name is missing.
std::string LocalitaEpw(std::string_view testo);

} // namespace paretix
