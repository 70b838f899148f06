#pragma once
// An ApertureEsterne for tests: it records the addresses and files it is asked to open, and
// answers as a desktop with a browser unless told otherwise.

#include <string>
#include <vector>

#include "core/porte/aperture_esterne.h"

namespace paretix::test {

class ApertureRegistrate : public ApertureEsterne {
  public:
    std::vector<std::string> Indirizzi;
    std::vector<std::string> File;
    std::vector<std::string> Mostrati; // the documents shown in the program's own window
    bool DesktopApre = true;
    bool ApriIndirizzo(const std::string& indirizzo) override {
        Indirizzi.push_back(indirizzo);
        return DesktopApre;
    }
    bool ApriFile(const std::string& percorso) override {
        File.push_back(percorso);
        return DesktopApre;
    }
    void MostraDocumento(const std::string& percorso, const std::string&) override {
        Mostrati.push_back(percorso);
    }
};

} // namespace paretix::test
