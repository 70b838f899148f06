#include "core/verifiche/facciata.h"

#include <cmath>

#include "core/model/numeri.h"

namespace paretix {

namespace {

// The reference reverberation time of a dwelling's room, s.
constexpr double T0 = 0.5;
// K for heavy flanking walls rigidly joined, the usual case (one source only, to be confirmed).
constexpr double LateraliPredefinito = 2;

constexpr const char* ErrataSuperficie =
    "superficie della facciata in m² (un numero maggiore di 0)";
constexpr const char* ErratoVolume = "volume dell'ambiente in m³ (un numero maggiore di 0)";
constexpr const char* ErrataFinestra =
    "superficie della finestra in m² (un numero maggiore di 0 e minore di quella della facciata)";
constexpr const char* ErratoRwFinestra = "Rw della finestra in dB (un numero)";
constexpr const char* ErrataForma = "termine di forma ΔLfs in dB (un numero)";
constexpr const char* ErratoK = "termine K delle trasmissioni laterali (0 o 2 dB)";
constexpr const char* ErratoRwParete = "Rw certificato della parete in dB (un numero)";
constexpr const char* MancaRwParete =
    "Rw certificato della parete (la legge empirica non vale sotto 150 kg/m²)";

std::optional<double> Positivo(const std::string& testo) {
    const std::optional<double> valore = ConvertiNumero(testo);
    return valore && *valore > 0 ? valore : std::nullopt;
}

// A number, or the value given for an empty text; nothing for a text that is not a number.
std::optional<double> NumeroOppure(const std::string& testo, double predefinito) {
    return testo.empty() ? std::optional<double>(predefinito) : ConvertiNumero(testo);
}

} // namespace

IsolamentoFacciata CalcolaIsolamentoFacciata(const Facciata& f) {
    double somma = 0;
    for (const ElementoFacciata& el : f.Elementi) {
        somma += el.Superficie / f.Superficie * std::pow(10.0, -el.Rw / 10);
    }
    IsolamentoFacciata i;
    i.RPrimoW = -10 * std::log10(somma) - f.Laterali;
    i.D2mnTw = i.RPrimoW + f.Forma + 10 * std::log10(f.Volume / (6 * T0 * f.Superficie));
    return i;
}

bool ConDatiFacciata(const DatiVerifiche& d) {
    return !d.FacciataSuperficie.empty() || !d.FacciataVolume.empty() ||
           !d.FinestraSuperficie.empty() || !d.FinestraRw.empty() || !d.FacciataForma.empty() ||
           !d.FacciataK.empty() || !d.FacciataRwParete.empty();
}

std::optional<Facciata> LetturaFacciata(const DatiVerifiche& d, std::optional<int> rwParete,
                                        std::vector<std::string>& mancanti) {
    const std::size_t primo = mancanti.size();
    const std::optional<double> S = Positivo(d.FacciataSuperficie);
    const std::optional<double> V = Positivo(d.FacciataVolume);
    const std::optional<double> finestra = Positivo(d.FinestraSuperficie);
    const std::optional<double> rwFinestra = ConvertiNumero(d.FinestraRw);
    const std::optional<double> forma = NumeroOppure(d.FacciataForma, 0);
    const std::optional<double> K = NumeroOppure(d.FacciataK, LateraliPredefinito);
    const std::optional<double> rw = NumeroOppure(d.FacciataRwParete, rwParete.value_or(0));
    if (!S) {
        mancanti.emplace_back(ErrataSuperficie);
    }
    if (!V) {
        mancanti.emplace_back(ErratoVolume);
    }
    if (!finestra || (S && *finestra >= *S)) {
        mancanti.emplace_back(ErrataFinestra);
    }
    if (!rwFinestra) {
        mancanti.emplace_back(ErratoRwFinestra);
    }
    if (!forma) {
        mancanti.emplace_back(ErrataForma);
    }
    if (!K || (*K != 0 && *K != LateraliPredefinito)) {
        mancanti.emplace_back(ErratoK);
    }
    if (!rw) {
        mancanti.emplace_back(ErratoRwParete);
    } else if (d.FacciataRwParete.empty() && !rwParete) {
        mancanti.emplace_back(MancaRwParete);
    }
    if (mancanti.size() != primo) {
        return std::nullopt;
    }
    Facciata f;
    f.Superficie = *S;
    f.Volume = *V;
    f.Elementi = {{*S - *finestra, *rw}, {*finestra, *rwFinestra}};
    f.Forma = *forma;
    f.Laterali = *K;
    return f;
}

} // namespace paretix
