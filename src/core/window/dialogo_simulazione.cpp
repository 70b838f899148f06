#include "core/window/dialogo_simulazione.h"

#include <cmath>

#include "core/files/chiavi_simulazione.h"
#include "core/model/numeri.h"
#include "core/simulazione/muffa_vtt.h"

namespace paretix {

namespace {

constexpr const char* ChiaveGiorni = "simulazione.giorni";
constexpr const char* ChiaveInizio = "simulazione.inizio";
constexpr const char* ChiaveProfili = "simulazione.profili";
constexpr const char* ChiaveEsterno = "simulazione.esterno";
constexpr const char* ChiaveInterno = "simulazione.interno";
constexpr const char* ChiaveEsternaImposta = "simulazione.superficie-esterna";
constexpr const char* ChiaveInternaImposta = "simulazione.superficie-interna";
constexpr const char* ChiaveAssorbimento = "simulazione.assorbimento-solare";
constexpr const char* ChiavePioggia = "simulazione.pioggia";
constexpr const char* ChiaveSensibilità = "simulazione.muffa-sensibilita";
constexpr std::string_view PrefissoCostante = "costante:";
constexpr std::string_view PrefissoEpw = "epw:";
constexpr const char* ValoreImposta = "imposta";
constexpr std::array<const char*, 2> ValoriAllegatoC{"en15026-normale", "en15026-alto"};
constexpr std::size_t Porosità = 0, W80 = 1, Wf = 2, Assorbimento = 3;
constexpr double GiorniMassimi = 36500;
constexpr double TemperaturaMassima = 70;
constexpr double DensitàAcqua = 1000;
constexpr int IndiceSensibile = 1;

std::string ChiaveStrato(int k, std::string_view suffisso) {
    return "strato." + std::to_string(k) + "." + std::string(suffisso);
}

// "θ;φ" split at its first semicolon; a text without one is all temperature.
std::pair<std::string, std::string> DividiStato(const std::string& testo) {
    const std::size_t p = testo.find(';');
    if (p == std::string::npos) {
        return {testo, ""};
    }
    return {testo.substr(0, p), testo.substr(p + 1)};
}

CampiClima LeggiClima(const std::map<std::string, std::string>& chiavi, const char* chiave) {
    CampiClima c;
    const auto it = chiavi.find(chiave);
    if (it == chiavi.end()) {
        return c;
    }
    const std::string& v = it->second;
    if (v.starts_with(PrefissoCostante)) {
        std::tie(c.θ, c.φ) = DividiStato(v.substr(PrefissoCostante.size()));
    } else if (v.starts_with(PrefissoEpw)) {
        c.Tipo = TipoClima::Epw;
        c.File = v.substr(PrefissoEpw.size());
    } else if (v == ValoriAllegatoC[0]) {
        c.Tipo = TipoClima::AllegatoCNormale;
    } else if (v == ValoriAllegatoC[1]) {
        c.Tipo = TipoClima::AllegatoCAlto;
    }
    return c;
}

std::string ValoreClima(const CampiClima& c) {
    switch (c.Tipo) {
    case TipoClima::Costante:
        return c.θ.empty() && c.φ.empty() ? "" : std::string(PrefissoCostante) + c.θ + ";" + c.φ;
    case TipoClima::Epw:
        return c.File.empty() ? "" : std::string(PrefissoEpw) + c.File;
    case TipoClima::AllegatoCNormale:
        return ValoriAllegatoC[0];
    case TipoClima::AllegatoCAlto:
        return ValoriAllegatoC[1];
    }
    return "";
}

std::string InizioCasella(const char* caption) {
    return std::string("Il valore nella casella ''") + caption + "'' ";
}

bool Intero(const std::string& testo, double minimo, double massimo) {
    const auto v = ConvertiNumero(testo);
    return v && *v >= minimo && *v <= massimo && *v == std::floor(*v);
}

// The message of a wrong temperature and humidity pair, named by where it is typed.
std::optional<std::string> ControlloStato(const std::string& θ, const std::string& φ,
                                          const std::string& dove) {
    const auto t = ConvertiNumero(θ);
    const auto u = ConvertiNumero(φ);
    if (!t || std::abs(*t) > TemperaturaMassima) {
        return dove + ": la temperatura deve essere un numero da -70 a 70 °C.";
    }
    if (!u || *u <= 0 || *u > 100) {
        return dove + ": l'umidità relativa deve essere un numero maggiore di 0 e fino a 100 %.";
    }
    return std::nullopt;
}

std::optional<std::string> ControlloClima(const CampiClima& c, const char* caption) {
    if (c.Tipo == TipoClima::Costante) {
        return ControlloStato(c.θ, c.φ, caption);
    }
    if (c.Tipo == TipoClima::Epw && c.File.empty()) {
        return std::string(caption) + ": scegliere il file EPW.";
    }
    return std::nullopt;
}

std::optional<std::string> ControlloStrato(const RigaStratoSimulazione& s) {
    const std::string strato = "Strato n. " + std::to_string(s.Numero) + ": ";
    std::array<std::optional<double>, 4> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (s.Dati[i].empty()) {
            continue;
        }
        v[i] = ConvertiNumero(s.Dati[i]);
        if (!v[i] || *v[i] <= 0) {
            return strato + "il valore di ''" + ColonneIgrotermiche[i] +
                   "'' deve essere un numero positivo.";
        }
    }
    const bool accumulo = v[W80] || v[Wf] || s.TabellaSorbimento;
    if (!accumulo) {
        return v[Assorbimento] ? std::optional<std::string>(
                                     strato + "il coefficiente A richiede anche w80 e wf.")
                               : std::nullopt;
    }
    if (!v[Porosità] || *v[Porosità] > 1) {
        return strato + "serve la porosità, un numero maggiore di 0 e fino a 1.";
    }
    if (s.TabellaSorbimento && !v[W80] && !v[Wf]) {
        return std::nullopt;
    }
    if (!v[W80] || !v[Wf]) {
        return strato + "w80 e wf vanno dati insieme.";
    }
    if (*v[W80] >= 0.8 * *v[Wf]) {
        return strato + "w80 deve essere minore di 0,8·wf.";
    }
    if (*v[Wf] > DensitàAcqua * *v[Porosità]) {
        return strato + "wf non può superare 1000·porosità (l'acqua che i pori contengono).";
    }
    return std::nullopt;
}

} // namespace

DialogoSimulazione::DialogoSimulazione(const Esercizio& e) {
    const auto& c = e.Simulazione;
    const auto valore = [&c](const char* chiave) {
        const auto it = c.find(chiave);
        return it == c.end() ? std::string() : it->second;
    };
    Giorni = valore(ChiaveGiorni);
    if (const std::string inizio = valore(ChiaveInizio); !inizio.empty()) {
        std::tie(θIniziale, φIniziale) = DividiStato(inizio);
    }
    Esterno = LeggiClima(c, ChiaveEsterno);
    Interno = LeggiClima(c, ChiaveInterno);
    EsternaImposta = valore(ChiaveEsternaImposta) == ValoreImposta;
    InternaImposta = valore(ChiaveInternaImposta) == ValoreImposta;
    Assorbimento = valore(ChiaveAssorbimento);
    Pioggia = valore(ChiavePioggia);
    if (const auto classe = LeggiSensibilità(valore(ChiaveSensibilità))) {
        Sensibilità = static_cast<int>(*classe);
    }
    Profili = valore(ChiaveProfili);
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        RigaStratoSimulazione riga;
        riga.Numero = k;
        riga.CameraAria = s.CameraAria();
        riga.Nome = riga.CameraAria ? MaterialeCameraAria : s.Materiale;
        for (std::size_t i = 0; i < riga.Dati.size(); ++i) {
            const auto it = s.Igrotermici.find(std::string(SuffissiIgrotermici[i]));
            if (it != s.Igrotermici.end()) {
                riga.Dati[i] = it->second;
            }
        }
        const auto legno = s.Igrotermici.find("legno");
        riga.Legno = legno != s.Igrotermici.end() && legno->second == "1";
        riga.TabellaSorbimento = s.Igrotermici.contains("sorbimento");
        Strati.push_back(std::move(riga));
    }
    iniziali_ = Chiavi();
}

std::map<std::string, std::string> DialogoSimulazione::Chiavi() const {
    std::map<std::string, std::string> c;
    const auto metti = [&c](const std::string& chiave, const std::string& valore) {
        if (!valore.empty()) {
            c[chiave] = valore;
        }
    };
    metti(ChiaveGiorni, Giorni);
    metti(ChiaveInizio, θIniziale.empty() && φIniziale.empty() ? "" : θIniziale + ";" + φIniziale);
    metti(ChiaveProfili, Profili);
    metti(ChiaveEsterno, ValoreClima(Esterno));
    metti(ChiaveInterno, ValoreClima(Interno));
    metti(ChiaveEsternaImposta, EsternaImposta ? ValoreImposta : "");
    metti(ChiaveInternaImposta, InternaImposta ? ValoreImposta : "");
    metti(ChiaveAssorbimento, Assorbimento);
    metti(ChiavePioggia, Pioggia);
    if (Sensibilità != IndiceSensibile && Sensibilità >= 0 &&
        Sensibilità < static_cast<int>(TestiSensibilità.size())) {
        metti(ChiaveSensibilità,
              std::string(TestiSensibilità[static_cast<std::size_t>(Sensibilità)]));
    }
    for (const RigaStratoSimulazione& s : Strati) {
        if (s.CameraAria) {
            continue;
        }
        for (std::size_t i = 0; i < s.Dati.size(); ++i) {
            metti(ChiaveStrato(s.Numero, SuffissiIgrotermici[i]), s.Dati[i]);
        }
        metti(ChiaveStrato(s.Numero, "legno"), s.Legno ? "1" : "");
    }
    return c;
}

std::vector<int> DialogoSimulazione::StratiSenzaDati() const {
    std::vector<int> senza;
    for (const RigaStratoSimulazione& s : Strati) {
        if (!s.CameraAria && s.Dati[W80].empty() && s.Dati[Wf].empty() && !s.TabellaSorbimento) {
            senza.push_back(s.Numero);
        }
    }
    return senza;
}

std::optional<std::string> DialogoSimulazione::AvvisoDatiMancanti() const {
    const std::vector<int> senza = StratiSenzaDati();
    if (senza.empty()) {
        return std::nullopt;
    }
    std::string elenco;
    for (const int k : senza) {
        elenco += (elenco.empty() ? "" : ", ") + std::to_string(k);
    }
    return (senza.size() == 1 ? "Lo strato n. " + elenco + " non ha"
                              : "Gli strati n. " + elenco + " non hanno") +
           " i dati di umidità (porosità, w80, wf, A): senza di essi la simulazione lo tratta "
           "come un materiale che non trattiene acqua. Completarli nella tabella.";
}

std::optional<std::string> DialogoSimulazione::Controllo() const {
    if (!Intero(Giorni, 1, GiorniMassimi)) {
        return InizioCasella(CaptionGiorni) +
               "deve essere un numero intero di giorni da 1 a 36500.";
    }
    if (auto errore = ControlloStato(θIniziale, φIniziale, CaptionInizio)) {
        return errore;
    }
    if (Esterno.Tipo != TipoClima::Costante && Esterno.Tipo != TipoClima::Epw) {
        return std::string(CaptionClimaEsterno) + ": può essere solo costante o da file EPW.";
    }
    if (auto errore = ControlloClima(Esterno, CaptionClimaEsterno)) {
        return errore;
    }
    if (auto errore = ControlloClima(Interno, CaptionClimaInterno)) {
        return errore;
    }
    const auto assorbimento = ConvertiNumero(Assorbimento);
    if (!Assorbimento.empty() && (!assorbimento || *assorbimento < 0 || *assorbimento > 1)) {
        return InizioCasella(CaptionAssorbimentoSolare) + "deve essere un numero da 0 a 1.";
    }
    const auto pioggia = ConvertiNumero(Pioggia);
    if (!Pioggia.empty() && (!pioggia || *pioggia < 0)) {
        return InizioCasella(CaptionPioggia) + "deve essere un numero non negativo.";
    }
    if (!Profili.empty()) {
        const double ultimo = ConvertiNumeroOZero(Giorni);
        std::size_t inizio = 0;
        while (inizio <= Profili.size()) {
            const std::size_t fine = std::min(Profili.find(';', inizio), Profili.size());
            if (!Intero(Profili.substr(inizio, fine - inizio), 1, ultimo)) {
                return InizioCasella(CaptionProfili) +
                       "deve elencare giorni interi da 1 alla durata, separati da punto e "
                       "virgola (per esempio 365;730).";
            }
            inizio = fine + 1;
        }
    }
    for (const RigaStratoSimulazione& s : Strati) {
        if (s.CameraAria) {
            continue;
        }
        if (auto errore = ControlloStrato(s)) {
            return errore;
        }
    }
    return std::nullopt;
}

bool DialogoSimulazione::Applica(Esercizio& e) const {
    const Esercizio prima = e;
    const std::map<std::string, std::string> chiavi = Chiavi();
    std::map<std::string, std::string> tutte = iniziali_;
    tutte.insert(chiavi.begin(), chiavi.end());
    for (const auto& [chiave, _] : tutte) {
        const auto nuova = chiavi.find(chiave);
        const auto vecchia = iniziali_.find(chiave);
        const bool presente = nuova != chiavi.end();
        if (presente == (vecchia != iniziali_.end()) &&
            (!presente || nuova->second == vecchia->second)) {
            continue;
        }
        std::map<std::string, std::string>* dove = &e.Simulazione;
        std::string nome = chiave;
        if (chiave.starts_with("strato.")) {
            const std::size_t punto = chiave.find('.', 7);
            const int k = std::stoi(chiave.substr(7, punto - 7));
            if (k < 1 || k > e.NumeroStrati()) {
                continue;
            }
            dove = &e.strato(k).Igrotermici;
            nome = chiave.substr(punto + 1);
        }
        if (presente) {
            (*dove)[nome] = nuova->second;
        } else {
            dove->erase(nome);
        }
    }
    return e != prima;
}

} // namespace paretix
