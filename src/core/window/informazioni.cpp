#include "core/window/informazioni.h"

namespace paretix {

Punto InformazioniQt::Posizione(Punto principale) {
    return {principale.X + SpostamentoInformazioniX, principale.Y + SpostamentoInformazioniY};
}

void InformazioniQt::Label38_MouseMove() {
    colore38_ = ColoreCollegamentoAttivo;
    colore40_ = ColoreCollegamentoNormale;
}

void InformazioniQt::Label40_MouseMove() {
    colore38_ = ColoreCollegamentoNormale;
    colore40_ = ColoreCollegamentoAttivo;
}

void InformazioniQt::Form_MouseMove() {
    colore38_ = ColoreCollegamentoNormale;
    colore40_ = ColoreCollegamentoNormale;
}

void InformazioniQt::PaginaHTML() {
    aperture_.ApriIndirizzo(IndirizzoSitoProgramma);
}

void InformazioniQt::IndirizzoPosta() {
    aperture_.ApriIndirizzo(IndirizzoPostaAutore);
}

} // namespace paretix
