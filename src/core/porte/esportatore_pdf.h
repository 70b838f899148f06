#pragma once
// Writing a text to a PDF file with the page layout of the printed report.

#include <string>

namespace paretix {

class EsportatorePdf {
  public:
    virtual ~EsportatorePdf() = default;
    // Writes the whole text to the file at percorso, replacing it; false when it could not be
    // written.
    virtual bool ScriviPdf(const std::string& testo, const std::string& percorso) = 0;
};

} // namespace paretix
