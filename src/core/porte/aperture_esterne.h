#pragma once
// Opening a document or an address with the desktop's default handler (help file, web page,
// e-mail).

#include <string>

namespace paretix {

class ApertureEsterne {
  public:
    virtual ~ApertureEsterne() = default;
    // An address such as "https://..." or "mailto:..."; false when the desktop has nothing
    // that opens it.
    virtual bool ApriIndirizzo(const std::string& indirizzo) = 0;
    // A file on this machine, by its full path; false as above (no web browser for a page).
    virtual bool ApriFile(const std::string& percorso) = 0;
    // Shows an HTML file of this machine in a window of the program, under the title.
    virtual void MostraDocumento(const std::string& percorso, const std::string& titolo) = 0;
};

} // namespace paretix
