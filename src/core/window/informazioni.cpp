#include "core/window/informazioni.h"

namespace paretix {

Punto Form8::Posizione(Punto principale) {
    return {principale.X + SpostamentoInformazioniX, principale.Y + SpostamentoInformazioniY};
}

void Form8::Label38_MouseMove() {
    colore38_ = ColoreCollegamentoAttivo;
    colore40_ = ColoreCollegamentoNormale;
}

void Form8::Label40_MouseMove() {
    colore38_ = ColoreCollegamentoNormale;
    colore40_ = ColoreCollegamentoAttivo;
}

void Form8::Form_MouseMove() {
    colore38_ = ColoreCollegamentoNormale;
    colore40_ = ColoreCollegamentoNormale;
}

void Form8::PaginaHTML() {
    aperture_.ApriIndirizzo(IndirizzoSitoProgramma);
}

void Form8::IndirizzoPosta() {
    aperture_.ApriIndirizzo(IndirizzoPostaAutore);
}

} // namespace paretix
