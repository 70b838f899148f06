#pragma once
// paretix-report --relazione OUT.pdf FILE.css: the technical report of the exercise as a PDF
// file, painted without a display.

#include <string>

namespace paretix {

// The exit status, as for the report: 0 written, 1 invalid data, 2 file refused, 74 not
// written; the fault on standard error.
int ScriviRelazioneDaRiga(const char* programma, const std::string& uscita,
                          const std::string& file);

} // namespace paretix
