#pragma once
// Opening documents and addresses with the desktop's default handler.

#include "core/porte/aperture_esterne.h"

namespace paretix::ui {

class ApertureQt : public ApertureEsterne {
  public:
    void ApriIndirizzo(const std::string& indirizzo) override;
    void ApriFile(const std::string& percorso) override;
};

} // namespace paretix::ui
