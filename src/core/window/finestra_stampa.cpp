#include "core/window/finestra_stampa.h"

#include "core/window/stampa.h"

namespace paretix {

void Form7::Apri(const std::string& rapporto) {
    text1_ = rapporto;
    text2_ = rapporto;
    modifica_ = false;
}

const char* Form7::Didascalia() const {
    return modifica_ ? DidascaliaModificaTestoStampa : DidascaliaAnteprimaStampa;
}

void Form7::Stampa_Click() {
    if (StampaAbilitata()) {
        StampaRapporto(stampante_, dialoghi_, text1_);
    }
}

void Form7::Modifica_Click() {
    if (ModificaAbilitata()) {
        modifica_ = true;
    }
}

void Form7::Anteprima_Click() {
    if (AnteprimaAbilitata()) {
        text1_ = text2_;
        modifica_ = false;
    }
}

void Form7::EsportaPdf_Click() {
    if (EsportaPdfAbilitata()) {
        EsportaPdf(esportatore_, dialoghi_, text1_);
    }
}

} // namespace paretix
