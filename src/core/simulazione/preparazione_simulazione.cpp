#include "core/simulazione/preparazione_simulazione.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/calc/conduttivita_equivalente.h"
#include "core/files/clima_epw.h"
#include "core/files/epw_orario.h"
#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"
#include "core/model/unita_misura.h"
#include "core/simulazione/clima_simulazione.h"
#include "core/verifiche/igrometria_mensile.h"

namespace paretix {

namespace {

constexpr double AssorbimentoPredefinito = 0.4;
constexpr double GiorniMassimi = 36500; // a century
constexpr double GiorniAnno = 365;
// The vapour transfer coefficient of a surface from its heat transfer coefficient, s/m.
constexpr double RapportoLewis = 7e-9;

// Why a preparation stopped: the message is built once, where the fault is found.
struct Errore {
    std::string Messaggio;
};

std::string Chiave(std::string_view c) {
    return std::string(c);
}

const std::string* Valore(const Esercizio& e, std::string_view chiave) {
    const auto it = e.Simulazione.find(std::string(chiave));
    return it == e.Simulazione.end() ? nullptr : &it->second;
}

double Numero(const std::string& testo, const std::string& chiave) {
    const auto v = ConvertiNumero(testo);
    if (!v) {
        throw Errore{chiave + ": \"" + testo + "\" non è un numero"};
    }
    return *v;
}

std::vector<std::string> Parti(const std::string& testo, char separatore) {
    std::vector<std::string> p;
    std::stringstream s(testo);
    std::string parte;
    while (std::getline(s, parte, separatore)) {
        p.push_back(parte);
    }
    if (!testo.empty() && testo.back() == separatore) {
        p.emplace_back();
    }
    return p;
}

// "θ;φ": °C and % (0 excluded, 100 included); φ returned 0..1.
std::pair<double, double> Stato(const std::string& testo, const std::string& chiave) {
    const auto p = Parti(testo, ';');
    if (p.size() != 2) {
        throw Errore{"Il valore di " + chiave + " deve essere temperatura;umidità"};
    }
    const double θ = Numero(p[0], chiave), φ = Numero(p[1], chiave);
    if (!TemperaturaClimaAmmessa(θ)) {
        throw Errore{"Il valore di " + chiave + " è fuori campo (temperatura tra " +
                     FormaGenerale(TemperaturaClimaMinima) + " e " +
                     FormaGenerale(TemperaturaClimaMassima) + " °C)"};
    }
    if (φ <= 0 || φ > UmiditàClimaMassima) {
        throw Errore{"Il valore di " + chiave + " è fuori campo (umidità tra 0 e 100 %)"};
    }
    return {θ, φ / 100};
}

TabellaMateriale Tabella(const std::string& testo, const std::string& chiave, double scalaX) {
    TabellaMateriale t;
    for (const std::string& riga : Parti(testo, ';')) {
        const auto c = Parti(riga, ':');
        if (c.size() != 2) {
            throw Errore{"Il valore di " + chiave + " deve essere una tabella a:b;a:b;…"};
        }
        const double x = Numero(c[0], chiave) * scalaX, y = Numero(c[1], chiave);
        if (!t.X.empty() && x <= t.X.back()) {
            throw Errore{"La prima colonna di " + chiave + " deve essere crescente"};
        }
        if (y < 0) {
            throw Errore{"I valori di " + chiave + " non possono essere negativi"};
        }
        t.X.push_back(x);
        t.Y.push_back(y);
    }
    return t;
}

double Azimut(const Esercizio& e) {
    if (!e.Verifiche.Esposizione) {
        throw Errore{"Con un file climatico esterno serve l'orientamento della parete"};
    }
    return 45.0 * static_cast<double>(*e.Verifiche.Esposizione);
}

struct Climi {
    std::optional<ClimaOrario> Epw;
    std::optional<std::pair<double, double>> Costante;
};

Climi LeggiClima(const Esercizio& e, std::string_view chiave, const std::string& cartella,
                 const LetturaTesto& leggi) {
    const std::string* v = Valore(e, chiave);
    if (v == nullptr) {
        throw Errore{"Manca il valore di " + Chiave(chiave)};
    }
    Climi c;
    if (v->starts_with("costante:")) {
        c.Costante = Stato(v->substr(9), Chiave(chiave));
    } else if (v->starts_with("epw:") && v->size() > 4) {
        const std::filesystem::path percorso =
            std::filesystem::path(cartella) / std::filesystem::path(v->substr(4));
        const auto testo = leggi(percorso.string());
        if (!testo) {
            throw Errore{"Il file climatico di " + Chiave(chiave) +
                         " non si può leggere: " + percorso.string()};
        }
        ClimaOrario clima;
        if (const auto motivo = LetturaEpwOraria(*testo, clima)) {
            throw Errore{"Il file climatico di " + Chiave(chiave) + " non è valido. " + *motivo};
        }
        c.Epw = std::move(clima);
    }
    return c;
}

SuperficieParete Bordo(const Esercizio& e, std::string_view chiave, const std::string& h) {
    SuperficieParete s;
    if (const std::string* v = Valore(e, chiave)) {
        if (*v != "imposta") {
            throw Errore{"Il valore di " + Chiave(chiave) + " può essere solo imposta"};
        }
        s.Imposta = true;
        return s;
    }
    s.h = Numero(h, "il coefficiente liminare");
    if (s.h <= 0) {
        throw Errore{"Il coefficiente liminare deve essere positivo per " + Chiave(chiave)};
    }
    s.β = RapportoLewis * s.h;
    return s;
}

double NumeroStrato(const std::map<std::string, std::string>& dati, const char* suffisso,
                    const std::string& prefisso) {
    const auto it = dati.find(suffisso);
    return it == dati.end() ? NAN : Numero(it->second, prefisso + suffisso);
}

TabellaMateriale TabellaStrato(const std::map<std::string, std::string>& dati, const char* suffisso,
                               const std::string& prefisso, double scala) {
    const auto it = dati.find(suffisso);
    return it == dati.end() ? TabellaMateriale{} : Tabella(it->second, prefisso + suffisso, scala);
}

StratoSimulazione StratoDi(const Esercizio& e, int k) {
    const Strato& s = e.strato(k);
    const std::string nome = "Strato " + std::to_string(k) + ", ";
    const std::string prefisso = "strato." + std::to_string(k) + ".";
    StratoSimulazione r;
    r.Spessore = Numero(s.Spessore.Testo, nome + "spessore") / 100;
    if (!(r.Spessore > 0)) {
        throw Errore{nome + "lo spessore deve essere positivo"};
    }
    if (s.CameraAria()) {
        RisultatiCalcolo calcolo;
        calcolo.Ti = ConvertiNumeroOZero(e.TInterna);
        calcolo.Te = ConvertiNumeroOZero(e.TEsterna);
        calcolo.SpessoreMetri[static_cast<std::size_t>(k)] = r.Spessore;
        double λ = 0;
        if (!CameraAriaDaTabella(e, k)) {
            CalcoloConduttivitàEquivalente(e, k, 1, calcolo);
            λ = calcolo.Ki[static_cast<std::size_t>(k)];
        }
        r.Materiale = MaterialeAria(λ > 0 ? λ : r.Spessore / ResistenzaAriaFerma(r.Spessore));
        return r;
    }
    DatiUmiditàStrato d;
    d.Densità = Numero(s.Densità.Testo, nome + "densità");
    d.Lambda = Numero(s.Conduttività.Testo, nome + "conduttività");
    if (s.CaloreSpecifico.empty()) {
        throw Errore{nome + "manca " + prefisso + "calore-specifico"};
    }
    d.CaloreSpecifico = Numero(s.CaloreSpecifico, prefisso + "calore-specifico");
    if (!s.Sd.empty()) {
        d.Mu = Numero(s.Sd, prefisso + "sd") / r.Spessore;
    } else {
        const double δ = Numero(s.Permeabilità.Testo, nome + "permeabilità") * UnitàPermeabilità;
        d.Mu = δ > 0 ? PermeabilitàVaporeAria / δ : 0;
    }
    if (!(d.Densità > 0) || !(d.Lambda > 0) || !(d.CaloreSpecifico > 0) || !(d.Mu > 0)) {
        throw Errore{nome + "densità, conduttività, calore specifico e permeabilità (o sd) "
                            "devono essere positivi"};
    }
    const auto& dati = s.Igrotermici;
    d.Porosità = NumeroStrato(dati, "porosita", prefisso);
    d.W80 = NumeroStrato(dati, "w80", prefisso);
    d.Wf = NumeroStrato(dati, "wf", prefisso);
    d.Assorbimento = NumeroStrato(dati, "coeff-assorbimento", prefisso);
    d.Sorbimento = TabellaStrato(dati, "sorbimento", prefisso, 0.01);
    d.DiffusivitàLiquida = TabellaStrato(dati, "diffusivita-liquida", prefisso, 1);
    d.MuUmido = TabellaStrato(dati, "mu-umido", prefisso, 1);
    d.ConduttivitàUmida = TabellaStrato(dati, "conduttivita-umida", prefisso, 1);
    std::string motivo;
    if (!CostruisciMateriale(d, r.Materiale, motivo)) {
        throw Errore{nome + prefisso + motivo};
    }
    return r;
}

// The dry density of a layer marked as timber, 0 for any other.
double DensitàLegno(const Esercizio& e, int k) {
    const auto& dati = e.strato(k).Igrotermici;
    const auto it = dati.find("legno");
    if (it == dati.end() || it->second == "0") {
        return 0;
    }
    if (it->second != "1") {
        throw Errore{"Strato " + std::to_string(k) + ", strato." + std::to_string(k) +
                     ".legno deve essere 1 o 0"};
    }
    return ConvertiNumeroOZero(e.strato(k).Densità.Testo);
}

void Prepara(const Esercizio& e, const std::string& cartella, const LetturaTesto& leggi,
             SimulazionePreparata& p) {
    DatiSimulazione& d = p.Dati;
    const std::string* giorni = Valore(e, "simulazione.giorni");
    if (giorni == nullptr) {
        throw Errore{"Manca il valore di simulazione.giorni"};
    }
    const double g = Numero(*giorni, "simulazione.giorni");
    if (g < 1 || g > GiorniMassimi || g != std::floor(g)) {
        throw Errore{"simulazione.giorni deve essere un numero intero di giorni da 1 a 36500"};
    }
    p.Giorni = static_cast<int>(g);
    d.Durata = g * SecondiGiorno;
    const std::string* inizio = Valore(e, "simulazione.inizio");
    if (inizio == nullptr) {
        throw Errore{"Manca il valore di simulazione.inizio"};
    }
    std::tie(d.θIniziale, d.φIniziale) = Stato(*inizio, "simulazione.inizio");
    if (const std::string* profili = Valore(e, "simulazione.profili")) {
        for (const std::string& t : Parti(*profili, ';')) {
            const double giorno = Numero(t, "simulazione.profili");
            if (giorno < 1 || giorno > g || giorno != std::floor(giorno)) {
                throw Errore{"simulazione.profili: ogni giorno deve essere intero, da 1 a " +
                             *giorni};
            }
            d.Profili.push_back(giorno * SecondiGiorno);
        }
    } else {
        for (double anno = GiorniAnno; anno <= g; anno += GiorniAnno) {
            d.Profili.push_back(anno * SecondiGiorno);
        }
    }

    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        d.Strati.push_back(StratoDi(e, k));
        d.DensitàLegno.push_back(DensitàLegno(e, k));
    }
    const std::string* muffa = Valore(e, "simulazione.muffa-sensibilita");
    d.Muffa = muffa != nullptr ? LeggiSensibilità(*muffa) : SensibilitàMuffa::Sensibile;
    if (!d.Muffa) {
        throw Errore{"simulazione.muffa-sensibilita deve essere molto-sensibile, sensibile, "
                     "media o resistente"};
    }

    d.Esterna = Bordo(e, "simulazione.superficie-esterna", e.LiminariEsterno);
    d.Interna = Bordo(e, "simulazione.superficie-interna", e.LiminariInterno);
    const Climi esterno = LeggiClima(e, "simulazione.esterno", cartella, leggi);
    if (esterno.Costante) {
        d.Esterna.Clima = ClimaCostante(esterno.Costante->first, esterno.Costante->second);
    } else if (esterno.Epw) {
        Esposizione esp{Azimut(e), 0};
        double assorbimento = AssorbimentoPredefinito;
        if (const std::string* a = Valore(e, "simulazione.assorbimento-solare")) {
            assorbimento = Numero(*a, "simulazione.assorbimento-solare");
        }
        if (const std::string* r = Valore(e, "simulazione.pioggia")) {
            esp.FattorePioggia = Numero(*r, "simulazione.pioggia");
        }
        if (assorbimento < 0 || assorbimento > 1 || esp.FattorePioggia < 0) {
            throw Errore{"simulazione.assorbimento-solare va da 0 a 1, simulazione.pioggia "
                         "non può essere negativo"};
        }
        d.Esterna.Assorbimento = assorbimento;
        d.Esterna.Clima = ClimaDaEpw(*esterno.Epw, esp);
    } else {
        throw Errore{"Il valore di simulazione.esterno deve essere costante:θ;φ o epw:FILE"};
    }

    const std::string* interno = Valore(e, "simulazione.interno");
    if (interno != nullptr && (*interno == "en15026-normale" || *interno == "en15026-alto")) {
        const bool alto = *interno == "en15026-alto";
        if (esterno.Epw) {
            d.Interna.Clima = ClimaInternoDaEpw(*esterno.Epw, alto);
        } else {
            const Aria a = InternoDaEsterno(esterno.Costante->first, alto);
            d.Interna.Clima = ClimaCostante(a.θ, a.φ);
        }
        return;
    }
    const Climi c = LeggiClima(e, "simulazione.interno", cartella, leggi);
    if (c.Costante) {
        d.Interna.Clima = ClimaCostante(c.Costante->first, c.Costante->second);
    } else if (c.Epw) {
        d.Interna.Clima = ClimaDaEpw(*c.Epw, {0, 0});
    } else {
        throw Errore{"Il valore di simulazione.interno deve essere costante:θ;φ, epw:FILE, "
                     "en15026-normale o en15026-alto"};
    }
}

} // namespace

bool SimulazioneAttiva(const Esercizio& e) {
    const std::string* v = Valore(e, "simulazione");
    return v != nullptr && *v == "1";
}

bool PreparaSimulazione(const Esercizio& e, const std::string& cartella, const LetturaTesto& leggi,
                        SimulazionePreparata& p, std::string& errore) {
    p = SimulazionePreparata{};
    try {
        Prepara(e, cartella, leggi, p);
    } catch (const Errore& f) {
        errore = f.Messaggio;
        return false;
    }
    return true;
}

std::optional<std::string> LeggiFileTesto(const std::string& percorso) {
    std::error_code errore;
    const auto dimensione = std::filesystem::file_size(percorso, errore);
    if (errore || dimensione > DimensioneMassimaEpw) {
        return std::nullopt;
    }
    std::ifstream f(percorso, std::ios::binary);
    if (!f) {
        return std::nullopt;
    }
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) {
        return std::nullopt;
    }
    return s.str();
}

} // namespace paretix
