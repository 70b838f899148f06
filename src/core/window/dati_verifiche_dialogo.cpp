#include "core/window/dati_verifiche_dialogo.h"

#include "core/files/clima_incollato.h"
#include "core/model/numeri.h"
#include "core/verifiche/igrometrica.h"

namespace paretix {

namespace {

inline constexpr const char* PrefissoClimaIncompleto =
    "Il clima esterno manca o non è valido (umidità relativa da 0 a 100 %) nei mesi: ";
inline constexpr const char* PrefissoCaloreSpecifico =
    "Il valore nella casella ''c'' dello strato n. ";
inline constexpr const char* SuffissoCaloreSpecifico =
    " deve essere un numero positivo (calore specifico in J/(kg K)).";

// A check box: on is a choice made; off is "no" only when the choice had been made before.
std::optional<bool> SceltaCasella(bool casella, std::optional<bool> prima) {
    if (casella || prima) {
        return casella;
    }
    return std::nullopt;
}

bool BtrValido(const std::string& testo) {
    const auto numero = ConvertiNumero(testo);
    return numero && *numero > 0.0 && *numero <= 1.0;
}

bool CaloreSpecificoValido(const std::string& testo) {
    const auto numero = ConvertiNumero(testo);
    return numero && *numero > 0.0;
}

} // namespace

std::string MessaggioCaloreSpecificoNonValido(int strato) {
    return PrefissoCaloreSpecifico + std::to_string(strato) + SuffissoCaloreSpecifico;
}

DialogoDatiVerifiche::DialogoDatiVerifiche(const Esercizio& e)
    : Zona(e.Verifiche.Zona), Regime(e.Verifiche.Regime), Elemento(e.Verifiche.Elemento),
      Btr(e.Verifiche.Btr), IsolamentoInterno(e.Verifiche.IsolamentoInterno.value_or(false)),
      Esposizione(e.Verifiche.Esposizione),
      Irradianza290(e.Verifiche.Irradianza290.value_or(false)), Categoria(e.Verifiche.Categoria),
      StratoIsolante(e.Verifiche.StratoIsolante), isolamentoInterno_(e.Verifiche.IsolamentoInterno),
      irradianza290_(e.Verifiche.Irradianza290) {
    const DatiVerifiche& v = e.Verifiche;
    Progetto = v.Progetto;
    ClimaEsterno = v.ClimaEsterno;
    ClimaInterno = v.ClimaInterno;
    if (v.ClasseUmidità) {
        CondizioniInterne = *v.ClasseUmidità == 0 ? VoceInternoDigitato : *v.ClasseUmidità;
    }
    CondensaAmmissibile = v.CondensaAmmissibile;
    InterfacciaFreno = v.InterfacciaFreno;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        RigaStratoVerifiche riga;
        riga.Numero = k;
        riga.CameraAria = s.CameraAria();
        riga.Nome = riga.CameraAria ? MaterialeCameraAria : s.Materiale;
        riga.Spessore = s.Spessore.Testo;
        if (!riga.CameraAria) {
            riga.Intonaco = s.Intonaco;
            riga.CaloreSpecifico = s.CaloreSpecifico;
            riga.CaloreSpecificoBloccato = s.CaloreSpecificoDaAbaco;
            riga.Sd = s.Sd;
        }
        Strati.push_back(std::move(riga));
    }
}

std::vector<std::string> DialogoDatiVerifiche::VociStratoIsolante() const {
    std::vector<std::string> voci{VoceStratoIsolanteAutomatico};
    for (const RigaStratoVerifiche& riga : Strati) {
        voci.push_back(std::to_string(riga.Numero) + " - " + riga.Nome);
    }
    return voci;
}

std::optional<std::string> DialogoDatiVerifiche::Controllo() const {
    // Checked even while the box is disabled: a text typed before the element changed is
    // stored all the same.
    if (!Btr.empty() && !BtrValido(Btr)) {
        return MessaggioBtrNonValido;
    }
    for (const RigaStratoVerifiche& riga : Strati) {
        if (!riga.CameraAria && !riga.CaloreSpecifico.empty() &&
            !CaloreSpecificoValido(riga.CaloreSpecifico)) {
            return MessaggioCaloreSpecificoNonValido(riga.Numero);
        }
    }
    return std::nullopt;
}

std::vector<std::string> DialogoDatiVerifiche::VociInterfacciaFreno() const {
    std::vector<std::string> voci{VoceFrenoAutomatico};
    for (std::size_t k = 1; k < Strati.size(); ++k) {
        voci.push_back("tra " + std::to_string(k) + " e " + std::to_string(k + 1));
    }
    return voci;
}

std::optional<std::string> DialogoDatiVerifiche::IncollaClimaEsterno(std::string_view testo) {
    ClimaAnno letto{};
    if (std::optional<std::string> errore = LetturaClimaIncollato(testo, letto)) {
        return errore;
    }
    ImpostaClimaEsterno(letto);
    return std::nullopt;
}

void DialogoDatiVerifiche::ImpostaClimaEsterno(const ClimaAnno& clima) {
    for (std::size_t m = 0; m < clima.size(); ++m) {
        ClimaEsterno[m] = {FormaGenerale(clima[m].Temperatura), FormaGenerale(clima[m].Umidità)};
    }
}

std::optional<std::string> DialogoDatiVerifiche::ClimaEsternoCompleto(ClimaAnno& clima) const {
    std::vector<int> errati;
    const std::optional<ClimaAnno> letto = LetturaAnnoDigitato(ClimaEsterno, errati);
    if (!letto) {
        std::string mesi;
        for (const int m : errati) {
            mesi += (mesi.empty() ? "" : ", ") + std::string(NomiMesi[static_cast<std::size_t>(m)]);
        }
        return std::string(PrefissoClimaIncompleto) + mesi + ".";
    }
    clima = *letto;
    return std::nullopt;
}

bool DialogoDatiVerifiche::Applica(Esercizio& e) const {
    const Esercizio prima = e;
    DatiVerifiche& v = e.Verifiche;
    v.Zona = Zona;
    v.Regime = Regime;
    v.Elemento = Elemento;
    v.Btr = Btr;
    v.IsolamentoInterno = SceltaCasella(IsolamentoInterno, isolamentoInterno_);
    v.Esposizione = Esposizione;
    v.Irradianza290 = SceltaCasella(Irradianza290, irradianza290_);
    v.Categoria = Categoria;
    if (StratoIsolante >= 0 && StratoIsolante <= e.NumeroStrati()) {
        v.StratoIsolante = StratoIsolante;
    }
    v.ClimaEsterno = ClimaEsterno;
    v.ClimaInterno = ClimaInterno;
    if (CondizioniInterne >= 0 && CondizioniInterne <= VoceInternoDigitato) {
        v.ClasseUmidità = CondizioniInterne == 0 ? std::nullopt
                          : CondizioniInterne == VoceInternoDigitato
                              ? std::optional<int>(0)
                              : std::optional<int>(CondizioniInterne);
    }
    v.CondensaAmmissibile = CondensaAmmissibile;
    v.Progetto = Progetto;
    if (InterfacciaFreno >= 0 && InterfacciaFreno < e.NumeroStrati()) {
        v.InterfacciaFreno = InterfacciaFreno;
    }
    for (const RigaStratoVerifiche& riga : Strati) {
        if (riga.Numero < 1 || riga.Numero > e.NumeroStrati()) {
            continue;
        }
        Strato& s = e.strato(riga.Numero);
        if (!s.CameraAria()) {
            s.Intonaco = riga.Intonaco;
            if (!s.CaloreSpecificoDaAbaco) {
                s.CaloreSpecifico = riga.CaloreSpecifico;
            }
            s.Sd = riga.Sd;
        }
    }
    return e != prima;
}

} // namespace paretix
