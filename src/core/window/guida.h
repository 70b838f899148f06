#pragma once
// The on-line help: the file "ITAHelp.chm" in the program's folder, opened with the desktop's
// default handler. When it is missing the command does nothing and says nothing.

#include <string>

#include "core/porte/aperture_esterne.h"

namespace paretix {

inline constexpr const char* FileGuida = "ITAHelp.chm";

// The help file's full path for a program folder given without trailing separator.
std::string PercorsoGuida(const std::string& cartellaProgramma);

void GuidaInLinea(ApertureEsterne& aperture, const std::string& cartellaProgramma);

} // namespace paretix
