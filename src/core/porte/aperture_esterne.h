#pragma once
// Opening a document or an address with the desktop's default handler (help file, web page,
// e-mail).

#include <string>

namespace paretix {

class ApertureEsterne {
  public:
    virtual ~ApertureEsterne() = default;
    // An address such as "https://..." or "mailto:...".
    virtual void ApriIndirizzo(const std::string& indirizzo) = 0;
    // A file on this machine, by its full path.
    virtual void ApriFile(const std::string& percorso) = 0;
};

} // namespace paretix
