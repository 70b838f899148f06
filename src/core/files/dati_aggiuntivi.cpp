#include "core/files/dati_aggiuntivi.h"

#include <array>
#include <charconv>

#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"
#include "core/files/chiavi_simulazione.h"

namespace paretix {

namespace {

constexpr char SeparatoreMese = ';';

// The file values of each choice, in the order of the enumeration.
constexpr std::array<std::string_view, 6> ValoriZona{"A", "B", "C", "D", "E", "F"};
constexpr std::array<std::string_view, 4> ValoriRegime{
    "riqualificazione-2015", "riqualificazione-2021", "riferimento-2015", "riferimento-2021"};
constexpr std::array<std::string_view, 3> ValoriElemento{"esterno", "non-climatizzato",
                                                         "divisorio"};
constexpr std::array<std::string_view, 8> ValoriOrientamento{"N", "NE", "E", "SE",
                                                             "S", "SO", "O", "NO"};
constexpr std::array<std::string_view, 7> ValoriCategoria{"A", "B", "C", "D", "E", "F", "G"};

// The keys whose value is a text kept as typed, in the order the writer puts them.
struct ChiaveTesto {
    std::string_view Chiave;
    std::string DatiVerifiche::*Campo;
};
constexpr std::array<ChiaveTesto, 12> ChiaviPontiEFacciata{{
    {"ponte.frazione", &DatiVerifiche::PonteFrazione},
    {"fissaggi.conduttivita", &DatiVerifiche::FissaggiConduttività},
    {"fissaggi.diametro", &DatiVerifiche::FissaggiDiametro},
    {"fissaggi.numero", &DatiVerifiche::FissaggiNumero},
    {"fissaggi.incasso", &DatiVerifiche::FissaggiIncasso},
    {"facciata.superficie", &DatiVerifiche::FacciataSuperficie},
    {"facciata.volume", &DatiVerifiche::FacciataVolume},
    {"facciata.finestra.superficie", &DatiVerifiche::FinestraSuperficie},
    {"facciata.finestra.rw", &DatiVerifiche::FinestraRw},
    {"facciata.forma", &DatiVerifiche::FacciataForma},
    {"facciata.k", &DatiVerifiche::FacciataK},
    {"facciata.rw-parete", &DatiVerifiche::FacciataRwParete},
}};

template <typename Enum, std::size_t N>
std::string_view ValoreDi(const std::array<std::string_view, N>& valori, Enum scelta) {
    return valori[static_cast<std::size_t>(scelta)];
}

template <typename Enum, std::size_t N>
bool LeggiScelta(const std::array<std::string_view, N>& valori, std::string_view testo,
                 std::optional<Enum>& campo) {
    for (std::size_t i = 0; i < N; ++i) {
        if (valori[i] == testo) {
            campo = static_cast<Enum>(i);
            return true;
        }
    }
    return false;
}

std::string_view ValoreSiNo(bool valore) {
    return valore ? "1" : "0";
}

std::optional<bool> LeggiSiNo(std::string_view testo) {
    if (testo == "1") {
        return true;
    }
    if (testo == "0") {
        return false;
    }
    return std::nullopt;
}

// A layer number: decimal digits without a leading zero, from 1 to the layer count, so that
// one layer has one key only.
std::optional<int> NumeroStrato(const Esercizio& e, std::string_view testo) {
    int numero = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), numero);
    if (errore != std::errc{} || fine != testo.data() + testo.size() || testo.empty() ||
        testo.front() == '0' || numero < 1 || numero > e.NumeroStrati()) {
        return std::nullopt;
    }
    return numero;
}

// A month number 1..12 without a leading zero.
std::optional<int> NumeroMese(std::string_view testo) {
    int numero = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), numero);
    if (errore != std::errc{} || fine != testo.data() + testo.size() || testo.empty() ||
        testo.front() == '0' || numero < 1 || numero > MesiAnno) {
        return std::nullopt;
    }
    return numero;
}

// A part of a month as typed: any text (the check counts a text that is not a number as
// missing), but a number only within the climate's range.
bool ParteMeseAmmessa(std::string_view testo, bool (*ammessa)(double)) {
    const auto numero = ConvertiNumero(testo);
    return !numero || ammessa(*numero);
}

// "clima.M" or "interno.M": the month's "temperature;humidity" as typed, either part may be
// empty but not both.
bool ApplicaMese(AnnoDigitato& anno, std::string_view mese, std::string_view valore) {
    const auto m = NumeroMese(mese);
    const std::size_t separatore = valore.find(SeparatoreMese);
    if (!m || separatore == std::string_view::npos ||
        valore.find(SeparatoreMese, separatore + 1) != std::string_view::npos) {
        return false;
    }
    MeseDigitato letto{std::string(valore.substr(0, separatore)),
                       std::string(valore.substr(separatore + 1))};
    if (letto.Vuoto() || !ParteMeseAmmessa(letto.Temperatura, TemperaturaClimaAmmessa) ||
        !ParteMeseAmmessa(letto.Umidità, UmiditàClimaAmmessa)) {
        return false;
    }
    anno[static_cast<std::size_t>(*m - 1)] = std::move(letto);
    return true;
}

void RigheAnno(std::vector<std::string>& righe, std::string_view prefisso,
               const AnnoDigitato& anno) {
    for (int m = 1; m <= MesiAnno; ++m) {
        const MeseDigitato& mese = anno[static_cast<std::size_t>(m - 1)];
        if (!mese.Vuoto()) {
            righe.push_back(std::string(prefisso) + std::to_string(m) + "=" + mese.Temperatura +
                            SeparatoreMese + mese.Umidità);
        }
    }
}

// Keys are ASCII lower-case letters, digits, "-" and ".".
bool ChiaveBenFormata(std::string_view chiave) {
    if (chiave.empty()) {
        return false;
    }
    for (const char c : chiave) {
        const bool ammesso =
            (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!ammesso) {
            return false;
        }
    }
    return true;
}

std::string Riga(std::string_view chiave, std::string_view valore) {
    std::string riga(chiave);
    riga.push_back('=');
    riga.append(valore);
    return riga;
}

std::string ChiaveStrato(int k, std::string_view suffisso) {
    return std::string(PrefissoStrato) + std::to_string(k) + "." + std::string(suffisso);
}

// A key of the form "strato.K.suffix" with a known suffix: K's text and the suffix.
struct ChiaveDiStrato {
    std::string_view Numero;
    std::string_view Suffisso;
};

std::optional<ChiaveDiStrato> DividiChiaveStrato(std::string_view chiave) {
    if (!chiave.starts_with(PrefissoStrato)) {
        return std::nullopt;
    }
    const std::string_view resto = chiave.substr(PrefissoStrato.size());
    const std::size_t punto = resto.find('.');
    if (punto == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view suffisso = resto.substr(punto + 1);
    if (suffisso != SuffissoIntonaco && suffisso != SuffissoCaloreSpecifico &&
        suffisso != SuffissoCaloreSpecificoDaAbaco && suffisso != SuffissoSd &&
        suffisso != SuffissoPonteConduttività) {
        return std::nullopt;
    }
    return ChiaveDiStrato{resto.substr(0, punto), suffisso};
}

bool ApplicaStrato(Esercizio& e, const ChiaveDiStrato& chiave, std::string_view valore) {
    const auto k = NumeroStrato(e, chiave.Numero);
    if (!k || e.strato(*k).CameraAria()) {
        return false;
    }
    Strato& s = e.strato(*k);
    if (chiave.Suffisso == SuffissoIntonaco) {
        const auto intonaco = LeggiSiNo(valore);
        if (!intonaco) {
            return false;
        }
        s.Intonaco = *intonaco;
        return true;
    }
    if (chiave.Suffisso == SuffissoCaloreSpecificoDaAbaco) {
        const auto daAbaco = LeggiSiNo(valore);
        if (!daAbaco) {
            return false;
        }
        s.CaloreSpecificoDaAbaco = *daAbaco;
        return true;
    }
    if (chiave.Suffisso == SuffissoSd) {
        s.Sd = std::string(valore);
        return true;
    }
    if (chiave.Suffisso == SuffissoPonteConduttività) {
        s.PonteConduttività = std::string(valore);
        return true;
    }
    s.CaloreSpecifico = std::string(valore);
    return true;
}

// The project data of the report's heading, one block of keys in the order they are written.
struct CampoProgetto {
    std::string_view Chiave;
    std::string DatiProgetto::*Campo;
};
constexpr std::array<CampoProgetto, 4> CampiProgetto{{
    {ChiaveProgettoTitolo, &DatiProgetto::Titolo},
    {ChiaveProgettoCommittente, &DatiProgetto::Committente},
    {ChiaveProgettoIndirizzo, &DatiProgetto::Indirizzo},
    {ChiaveProgettoTecnico, &DatiProgetto::Tecnico},
}};

bool ApplicaProgetto(DatiProgetto& p, std::string_view chiave, std::string_view valore) {
    for (const CampoProgetto& c : CampiProgetto) {
        if (c.Chiave == chiave) {
            p.*c.Campo = std::string(valore);
            return true;
        }
    }
    return false;
}

void RigheProgetto(std::vector<std::string>& righe, const DatiProgetto& p) {
    for (const CampoProgetto& c : CampiProgetto) {
        if (!(p.*c.Campo).empty()) {
            righe.push_back(Riga(c.Chiave, p.*c.Campo));
        }
    }
}

bool ApplicaChiaveNota(DatiVerifiche& v, const Esercizio& e, std::string_view chiave,
                       std::string_view valore, bool& nota) {
    nota = true;
    if (chiave == ChiaveVerifiche) {
        const auto attive = LeggiSiNo(valore);
        v.Attive = attive.value_or(false);
        return attive.has_value();
    }
    if (chiave == ChiaveZona) {
        return LeggiScelta(ValoriZona, valore, v.Zona);
    }
    if (chiave == ChiaveRegime) {
        return LeggiScelta(ValoriRegime, valore, v.Regime);
    }
    if (chiave == ChiaveElemento) {
        return LeggiScelta(ValoriElemento, valore, v.Elemento);
    }
    if (chiave == ChiaveBtr) {
        v.Btr = std::string(valore);
        return true;
    }
    if (chiave == ChiaveIsolamentoInterno) {
        v.IsolamentoInterno = LeggiSiNo(valore);
        return v.IsolamentoInterno.has_value();
    }
    if (chiave == ChiaveOrientamento) {
        return LeggiScelta(ValoriOrientamento, valore, v.Esposizione);
    }
    if (chiave == ChiaveIrradianza) {
        v.Irradianza290 = LeggiSiNo(valore);
        return v.Irradianza290.has_value();
    }
    if (chiave == ChiaveCategoria) {
        return LeggiScelta(ValoriCategoria, valore, v.Categoria);
    }
    if (chiave == ChiaveStratoIsolante) {
        const auto k = NumeroStrato(e, valore);
        v.StratoIsolante = k.value_or(0);
        return k.has_value();
    }
    if (chiave == ChiaveClasseUmidità) {
        if (valore.size() != 1 || valore[0] < '0' || valore[0] > '5') {
            return false;
        }
        v.ClasseUmidità = valore[0] - '0';
        return true;
    }
    if (chiave == ChiaveCondensaAmmissibile) {
        v.CondensaAmmissibile = std::string(valore);
        return true;
    }
    if (chiave == ChiaveInterfacciaFreno) {
        // A boundary between two layers: 1 .. layers - 1.
        const auto k = NumeroStrato(e, valore);
        v.InterfacciaFreno = k.value_or(0);
        return k.has_value() && *k < e.NumeroStrati();
    }
    for (const ChiaveTesto& testo : ChiaviPontiEFacciata) {
        if (chiave == testo.Chiave) {
            v.*testo.Campo = std::string(valore);
            return true;
        }
    }
    if (ApplicaProgetto(v.Progetto, chiave, valore)) {
        return true;
    }
    if (chiave.starts_with(PrefissoClima)) {
        return ApplicaMese(v.ClimaEsterno, chiave.substr(PrefissoClima.size()), valore);
    }
    if (chiave.starts_with(PrefissoInterno)) {
        return ApplicaMese(v.ClimaInterno, chiave.substr(PrefissoInterno.size()), valore);
    }
    nota = false;
    return true;
}

} // namespace

bool ChiavePontiEFacciata(std::string_view chiave) {
    for (const ChiaveTesto& testo : ChiaviPontiEFacciata) {
        if (testo.Chiave == chiave) {
            return true;
        }
    }
    return false;
}

bool HaDatiAggiuntivi(const Esercizio& e) {
    if (e.Verifiche != DatiVerifiche{}) {
        return true;
    }
    for (const Strato& s : e.Strati) {
        if (s.Intonaco || !s.CaloreSpecifico.empty() || s.CaloreSpecificoDaAbaco || !s.Sd.empty() ||
            !s.PonteConduttività.empty()) {
            return true;
        }
    }
    return HaDatiSimulazione(e);
}

std::vector<std::string> RigheDatiAggiuntivi(const Esercizio& e) {
    const DatiVerifiche& v = e.Verifiche;
    std::vector<std::string> righe;
    righe.push_back(Riga(ChiaveVerifiche, ValoreSiNo(v.Attive)));
    if (v.Zona) {
        righe.push_back(Riga(ChiaveZona, ValoreDi(ValoriZona, *v.Zona)));
    }
    if (v.Regime) {
        righe.push_back(Riga(ChiaveRegime, ValoreDi(ValoriRegime, *v.Regime)));
    }
    if (v.Elemento) {
        righe.push_back(Riga(ChiaveElemento, ValoreDi(ValoriElemento, *v.Elemento)));
    }
    if (!v.Btr.empty()) {
        righe.push_back(Riga(ChiaveBtr, v.Btr));
    }
    if (v.IsolamentoInterno) {
        righe.push_back(Riga(ChiaveIsolamentoInterno, ValoreSiNo(*v.IsolamentoInterno)));
    }
    if (v.Esposizione) {
        righe.push_back(Riga(ChiaveOrientamento, ValoreDi(ValoriOrientamento, *v.Esposizione)));
    }
    if (v.Irradianza290) {
        righe.push_back(Riga(ChiaveIrradianza, ValoreSiNo(*v.Irradianza290)));
    }
    if (v.Categoria) {
        righe.push_back(Riga(ChiaveCategoria, ValoreDi(ValoriCategoria, *v.Categoria)));
    }
    if (v.StratoIsolante != 0) {
        righe.push_back(Riga(ChiaveStratoIsolante, std::to_string(v.StratoIsolante)));
    }
    RigheAnno(righe, PrefissoClima, v.ClimaEsterno);
    if (v.ClasseUmidità) {
        righe.push_back(Riga(ChiaveClasseUmidità, std::to_string(*v.ClasseUmidità)));
    }
    RigheAnno(righe, PrefissoInterno, v.ClimaInterno);
    if (!v.CondensaAmmissibile.empty()) {
        righe.push_back(Riga(ChiaveCondensaAmmissibile, v.CondensaAmmissibile));
    }
    if (v.InterfacciaFreno != 0) {
        righe.push_back(Riga(ChiaveInterfacciaFreno, std::to_string(v.InterfacciaFreno)));
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        if (s.Intonaco) {
            righe.push_back(Riga(ChiaveStrato(k, SuffissoIntonaco), ValoreSiNo(true)));
        }
        if (!s.CaloreSpecifico.empty()) {
            righe.push_back(Riga(ChiaveStrato(k, SuffissoCaloreSpecifico), s.CaloreSpecifico));
        }
        if (s.CaloreSpecificoDaAbaco) {
            righe.push_back(
                Riga(ChiaveStrato(k, SuffissoCaloreSpecificoDaAbaco), ValoreSiNo(true)));
        }
        if (!s.Sd.empty()) {
            righe.push_back(Riga(ChiaveStrato(k, SuffissoSd), s.Sd));
        }
    }
    for (const ChiaveTesto& testo : ChiaviPontiEFacciata) {
        if (!(v.*testo.Campo).empty()) {
            righe.push_back(Riga(testo.Chiave, v.*testo.Campo));
        }
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const std::string& ponte = e.strato(k).PonteConduttività;
        if (!ponte.empty()) {
            righe.push_back(Riga(ChiaveStrato(k, SuffissoPonteConduttività), ponte));
        }
    }
    RigheSimulazione(e, righe);
    RigheProgetto(righe, v.Progetto);
    for (const auto& [chiave, valore] : v.AltreChiavi) {
        righe.push_back(Riga(chiave, valore));
    }
    return righe;
}

std::optional<std::string> ApplicaRigaDatiAggiuntivi(Esercizio& e, std::string_view riga) {
    const std::size_t uguale = riga.find('=');
    if (uguale == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view chiave = riga.substr(0, uguale);
    const std::string_view valore = riga.substr(uguale + 1);
    if (!ChiaveBenFormata(chiave)) {
        return std::nullopt;
    }
    switch (ApplicaChiaveSimulazione(e, chiave, valore)) {
    case EsitoChiave::Accettata:
        return std::string(chiave);
    case EsitoChiave::Rifiutata:
        return std::nullopt;
    case EsitoChiave::NonSimulazione:
        break;
    }
    bool nota = false;
    if (!ApplicaChiaveNota(e.Verifiche, e, chiave, valore, nota)) {
        return std::nullopt;
    }
    if (!nota) {
        if (const auto diStrato = DividiChiaveStrato(chiave)) {
            if (valore.empty() || !ApplicaStrato(e, *diStrato, valore)) {
                return std::nullopt;
            }
        } else {
            e.Verifiche.AltreChiavi.emplace_back(chiave, valore);
        }
    } else if (valore.empty()) {
        return std::nullopt;
    }
    return std::string(chiave);
}

} // namespace paretix
