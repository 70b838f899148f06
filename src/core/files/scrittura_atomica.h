#pragma once
// Replacing a file's whole content so that a failure never leaves it damaged: the bytes go to
// a new file in the same folder, which then takes the old one's place by a rename.

#include <string>
#include <string_view>

namespace paretix {

// Writes contenuto as the whole content of the file percorso and returns whether it did. On
// failure (folder missing or not writable, disk full, an existing file that may not be
// written) the previous file, if any, is untouched and no temporary file remains. An existing
// file keeps its permissions; a symbolic link keeps pointing to the file it names, whose
// content is replaced.
bool ScritturaAtomica(const std::string& percorso, std::string_view contenuto);

} // namespace paretix
