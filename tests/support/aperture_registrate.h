#pragma once
// An ApertureEsterne for tests: it records the addresses and files it is asked to open.

#include <string>
#include <vector>

#include "core/porte/aperture_esterne.h"

namespace paretix::test {

class ApertureRegistrate : public ApertureEsterne {
  public:
    std::vector<std::string> Indirizzi;
    std::vector<std::string> File;
    void ApriIndirizzo(const std::string& indirizzo) override { Indirizzi.push_back(indirizzo); }
    void ApriFile(const std::string& percorso) override { File.push_back(percorso); }
};

} // namespace paretix::test
