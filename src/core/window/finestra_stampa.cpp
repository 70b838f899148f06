#include "core/window/finestra_stampa.h"

#include "core/window/stampa.h"

namespace paretix {

void FinestraStampaQt::Apri(const std::string& rapporto) {
    text1_ = rapporto;
    text2_ = rapporto;
    modifica_ = false;
}

const char* FinestraStampaQt::Didascalia() const {
    return modifica_ ? DidascaliaModificaTestoStampa : DidascaliaAnteprimaStampa;
}

void FinestraStampaQt::Stampa_Click() {
    if (StampaAbilitata()) {
        StampaRapporto(stampante_, dialoghi_, text1_);
    }
}

void FinestraStampaQt::Modifica_Click() {
    if (ModificaAbilitata()) {
        modifica_ = true;
    }
}

void FinestraStampaQt::Anteprima_Click() {
    if (AnteprimaAbilitata()) {
        text1_ = text2_;
        modifica_ = false;
    }
}

void FinestraStampaQt::EsportaPdf_Click() {
    if (EsportaPdfAbilitata()) {
        EsportaPdf(esportatore_, dialoghi_, text1_);
    }
}

} // namespace paretix
