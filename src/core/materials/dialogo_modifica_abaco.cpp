#include "core/materials/dialogo_modifica_abaco.h"

#include <algorithm>

#include "core/files/win1252.h"
#include "core/materials/modo_abaco.h"

namespace paretix {

bool TestoAmmessoModificaAbaco(std::string_view testo) {
    const bool controllo = std::any_of(testo.begin(), testo.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    return !controllo && RappresentabileWin1252(testo);
}

bool CaloreAmmessoModificaAbaco(std::string_view testo) {
    return TestoAmmessoModificaAbaco(testo) && testo.find('=') == std::string_view::npos;
}

void DialogoModificaAbaco::Form_Load() {
    soloTitolo_ = ModoTitoloGruppo(abaco_.ModoAbaco());
    riga_ = abaco_.RigaSelezionata();
    VisualizzaCosaEventualmenteCaricare();
}

const char* DialogoModificaAbaco::Intestazione1() const {
    return soloTitolo_ ? IntestazioneGruppo : IntestazioniCampi[0];
}

int DialogoModificaAbaco::Altezza() const {
    return soloTitolo_ ? AltezzaModificaGruppo : AltezzaModificaMateriale;
}

void DialogoModificaAbaco::VisualizzaCosaEventualmenteCaricare() {
    if (abaco_.ModoAbaco() == ModificaAbacoModifica) {
        caption_ = CaptionModifica;
        const VoceAbaco* voce = abaco_.Voce(riga_);
        text_ = voce == nullptr
                    ? std::array<std::string, 5>{}
                    : std::array<std::string, 5>{voce->Materiale, voce->Densità, voce->Conduttività,
                                                 voce->Permeabilità, voce->FatAssorbimento};
        calore_ = voce == nullptr ? std::string() : voce->CaloreSpecifico;
        umidità_ = voce == nullptr ? UmiditàAbaco{} : voce->Umidità;
    } else {
        caption_ = CaptionInserisci;
        text_.fill(" ");
        calore_.clear();
        umidità_ = {};
    }
}

void DialogoModificaAbaco::CommandSalvaModifiche_Click(const std::array<std::string, 5>& testi,
                                                       const std::optional<std::string>& calore) {
    if (abaco_.ModoAbaco() == ModificaAbacoModifica) {
        abaco_.ModificaVoce(riga_, {testi[0], testi[1], testi[2], testi[3], testi[4],
                                    calore.value_or(calore_), umidità_});
        return;
    }
    // A new row keeps its texts with one space after each until the file is written and read.
    // The hidden boxes of a group title keep the single space they were given, so its data
    // stay blank.
    const auto spazio = [&](std::size_t i) {
        return (soloTitolo_ && i > 0 ? text_[i] : testi[i]) + " ";
    };
    abaco_.Inserisci(riga_, {spazio(0), spazio(1), spazio(2), spazio(3), spazio(4),
                             soloTitolo_ ? std::string() : calore.value_or("")});
}

} // namespace paretix
