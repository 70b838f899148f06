// "Annulla" and "Ripeti": the steps of the history (cronologia.h) made by the window's edits,
// and the window shown again as a step left it.

#include "core/window/finestra_principale.h"
#include "core/window/passi.h"

namespace paretix {

namespace {

std::string CaptionPasso(const char* azione, const std::string& nome) {
    return nome.empty() ? std::string(azione) : azione + (" " + nome);
}

} // namespace

FinestraPrincipale::Passo::Passo(FinestraPrincipale& finestra, std::string nome,
                                 std::optional<CasellaDigitata> casella)
    : finestra_(finestra), esterno_(!finestra.passoInCorso_), nome_(std::move(nome)),
      casella_(std::move(casella)) {
    if (!esterno_) {
        return;
    }
    finestra_.passoInCorso_ = true;
    prima_ = finestra_.esercizio_;
    // Anything but more typing in the same box completes the value being typed.
    if (!casella_ || !finestra_.cronologia_.Aperta(*casella_)) {
        finestra_.cronologia_.Conferma();
    }
}

FinestraPrincipale::Passo::~Passo() {
    if (!esterno_) {
        return;
    }
    finestra_.passoInCorso_ = false;
    if (finestra_.esercizio_ != prima_) {
        finestra_.cronologia_.Registra(nome_, prima_, finestra_.esercizio_, casella_);
    }
}

void FinestraPrincipale::Annulla_Click() {
    if (const std::optional<Esercizio> e = cronologia_.Annulla()) {
        Ripristina(*e);
    }
}

void FinestraPrincipale::Ripeti_Click() {
    if (const std::optional<Esercizio> e = cronologia_.Ripeti()) {
        Ripristina(*e);
    }
}

void FinestraPrincipale::ConfermaCasella() {
    cronologia_.Conferma();
}

std::string FinestraPrincipale::CaptionAnnulla() const {
    return CaptionPasso(::paretix::CaptionAnnulla, cronologia_.NomeAnnulla());
}

std::string FinestraPrincipale::CaptionRipeti() const {
    return CaptionPasso(::paretix::CaptionRipeti, cronologia_.NomeRipeti());
}

void FinestraPrincipale::Ripristina(const Esercizio& e) {
    Esercizio senzaAppunti = e;
    senzaAppunti.Appunti = esercizio_.Appunti;
    if (senzaAppunti == esercizio_) {
        // Notes are no input of the calculation: the results stay, as when they are typed.
        esercizio_.Appunti = e.Appunti;
    } else {
        MostraEsercizio(e);
    }
    stato_.Modificato = cronologia_.Modificato() ? Si : No;
}

} // namespace paretix
