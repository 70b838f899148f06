#pragma once
// The technical report laid out on A4 pages with QPainter on a QPdfWriter: vector charts
// painted by the window's own code, selectable text in embedded fonts, "Pagina N di M" at the
// foot of every page. Needs a QGuiApplication (the offscreen platform will do).

#include <QByteArray>

#include "core/relazione/esporta_relazione.h"

namespace paretix::disegno {

// The PDF file's bytes; empty when the document could not be painted.
QByteArray PdfDellaRelazione(const Relazione& relazione);

class ScrittoreRelazionePdf : public ScrittoreRelazione {
  public:
    // Written to a temporary file beside the target and renamed over it, so that a failed
    // write leaves the previous file as it was.
    bool ScriviRelazione(const Relazione& relazione, const std::string& percorso) override;
};

} // namespace paretix::disegno
