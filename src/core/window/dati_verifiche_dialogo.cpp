#include "core/window/dati_verifiche_dialogo.h"

#include "core/files/clima_incollato.h"
#include "core/model/limiti_clima.h"
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

bool NumeroPositivo(const std::string& testo) {
    const auto numero = ConvertiNumero(testo);
    return numero && *numero > 0.0;
}

// The first month of anno typed as a number outside the climate's range, as the message
// "Clima esterno, gennaio: temperatura "80" fuori campo (attesa da -70 a 70 °C)."; a text that
// is not a number is kept as typed, the check counts it as missing.
std::optional<std::string> MeseFuoriCampo(const AnnoDigitato& anno, const char* nome) {
    for (std::size_t m = 0; m < anno.size(); ++m) {
        const std::string inizio = std::string(nome) + ", " + NomiMesi[m] + ": ";
        const auto θ = ConvertiNumero(anno[m].Temperatura);
        if (θ && !TemperaturaClimaAmmessa(*θ)) {
            return inizio + TemperaturaFuoriCampo(anno[m].Temperatura) + ".";
        }
        const auto φ = ConvertiNumero(anno[m].Umidità);
        if (φ && !UmiditàClimaAmmessa(*φ)) {
            return inizio + UmiditàFuoriCampo(anno[m].Umidità) + ".";
        }
    }
    return std::nullopt;
}

inline constexpr const char* PrefissoPonte = "Il valore nella casella ''λ ponte'' dello strato n. ";
inline constexpr const char* SuffissoPonte =
    " deve essere un numero positivo (conduttività del materiale di ponte in W/(m K)).";

} // namespace

std::string MessaggioCaloreSpecificoNonValido(int strato) {
    return PrefissoCaloreSpecifico + std::to_string(strato) + SuffissoCaloreSpecifico;
}

std::string MessaggioPonteNonValido(int strato) {
    return PrefissoPonte + std::to_string(strato) + SuffissoPonte;
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
    for (std::size_t i = 0; i < CampiPontiEFacciata.size(); ++i) {
        PontiEFacciata[i] = v.*CampiPontiEFacciata[i].Campo;
    }
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
            riga.PonteConduttività = s.PonteConduttività;
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

bool DialogoDatiVerifiche::PonteDaAbaco(std::size_t riga, const VoceAbaco& voce) {
    const std::string λ(TogliSpazi(voce.Conduttività));
    if (riga >= Strati.size() || Strati[riga].CameraAria || !NumeroPositivo(λ)) {
        return false;
    }
    Strati[riga].PonteConduttività = λ;
    return true;
}

std::optional<std::string> DialogoDatiVerifiche::Controllo() const {
    // Checked even while the box is disabled: a text typed before the element changed is
    // stored all the same.
    if (!Btr.empty() && !BtrValido(Btr)) {
        return MessaggioBtrNonValido;
    }
    for (const RigaStratoVerifiche& riga : Strati) {
        if (!riga.CameraAria && !riga.CaloreSpecifico.empty() &&
            !NumeroPositivo(riga.CaloreSpecifico)) {
            return MessaggioCaloreSpecificoNonValido(riga.Numero);
        }
        if (!riga.CameraAria && !riga.PonteConduttività.empty() &&
            !NumeroPositivo(riga.PonteConduttività)) {
            return MessaggioPonteNonValido(riga.Numero);
        }
    }
    const std::string& frazione = PontiEFacciata[CampoPonteFrazione];
    const std::optional<double> percento = ConvertiNumero(frazione);
    if (!frazione.empty() && (!percento || *percento < 0 || *percento > 100)) {
        return MessaggioFrazioneNonValida;
    }
    const std::optional<double> facciata = ConvertiNumero(PontiEFacciata[CampoFacciataSuperficie]);
    const std::optional<double> finestra = ConvertiNumero(PontiEFacciata[CampoFinestraSuperficie]);
    if (facciata && finestra && *finestra >= *facciata) {
        return MessaggioFinestraTroppoGrande;
    }
    if (auto fuori = MeseFuoriCampo(ClimaEsterno, "Clima esterno")) {
        return fuori;
    }
    return MeseFuoriCampo(ClimaInterno, "Condizioni interne");
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
    for (std::size_t i = 0; i < CampiPontiEFacciata.size(); ++i) {
        v.*CampiPontiEFacciata[i].Campo = PontiEFacciata[i];
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
            s.PonteConduttività = riga.PonteConduttività;
        }
    }
    return e != prima;
}

} // namespace paretix
