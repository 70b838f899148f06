#pragma once
// A printer and PDF writer for tests: each records what it was given and succeeds unless told
// otherwise.

#include <string>
#include <vector>

#include "core/porte/esportatore_pdf.h"
#include "core/porte/stampante.h"

namespace paretix::test {

class StampanteRegistrata : public Stampante, public EsportatorePdf {
  public:
    bool Installata = true;
    bool StampaRiesce = true;
    bool PdfRiesce = true;
    std::vector<std::string> Stampati;
    std::vector<std::string> TestiPdf;
    std::vector<std::string> PercorsiPdf;

    bool Disponibile() const override { return Installata; }
    bool StampaTesto(const std::string& testo) override {
        Stampati.push_back(testo);
        return StampaRiesce;
    }
    bool ScriviPdf(const std::string& testo, const std::string& percorso) override {
        TestiPdf.push_back(testo);
        PercorsiPdf.push_back(percorso);
        return PdfRiesce;
    }
};

} // namespace paretix::test
