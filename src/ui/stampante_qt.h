#pragma once
// Printing on the default printer and writing PDF files with QPrinter, both with the same page
// layout: one document, each line of the text on its own printed line (a line wider than the
// page continues on the next printed line), further pages as long as text remains.

#include <string>

#include "core/porte/esportatore_pdf.h"
#include "core/porte/stampante.h"

class QPrinter;

namespace paretix::ui {

// Lays the text out on the printer's pages; false when the printer could not be started or a
// page could not be added.
bool ImpaginaTesto(QPrinter& printer, const std::string& testo);

class StampanteQt : public Stampante, public EsportatorePdf {
  public:
    bool Disponibile() const override;
    bool StampaTesto(const std::string& testo) override;
    bool ScriviPdf(const std::string& testo, const std::string& percorso) override;
};

} // namespace paretix::ui
