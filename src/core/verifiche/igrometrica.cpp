#include "core/verifiche/igrometrica.h"

#include <algorithm>
#include <cmath>

#include "core/calc/igrometrico.h"
#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"
#include "core/model/unita_misura.h"
#include "core/verifiche/rimedio_isolante.h"

namespace paretix {

namespace {

constexpr const char* MancaClimaEsterno = "clima esterno";
constexpr const char* MancaClasse = "classe di umidità interna";
constexpr const char* MancaInterno = "condizioni interne";
constexpr const char* MancaAmmissibile =
    "quantità ammissibile di condensa (un numero maggiore di 0)";
constexpr const char* InizioSdStrato = "sd dello strato ";
constexpr const char* FineSdStrato = " (un numero non negativo)";
constexpr const char* InizioPermeabilitàStrato = "permeabilità dello strato ";

// "clima esterno (gennaio, marzo)".
std::string ConMesi(const char* dato, const std::vector<int>& mesi) {
    std::string testo = dato;
    for (std::size_t i = 0; i < mesi.size(); ++i) {
        testo += (i == 0 ? " (" : ", ") + std::string(NomiMesi[static_cast<std::size_t>(mesi[i])]);
    }
    return testo + ")";
}

bool Supera(const DatiIgrometriaMensile& d) {
    return CalcolaIgrometriaMensile(d).Esito != EsitoCondensa::NonVerificata;
}

// The boundary of the retarder: the one chosen, or the warm face of the layer whose cold face is
// the first interface that condenses in any month (0: the inside surface). A retarder at the
// condensing interface itself would leave it as cold and as open to the inside as before.
int InterfacciaDelFreno(const Esercizio& e, const RisultatoIgrometriaMensile& r) {
    const int scelta = e.Verifiche.InterfacciaFreno;
    if (scelta >= 1 && scelta < e.NumeroStrati()) {
        return scelta;
    }
    for (int j = 1; j < e.NumeroStrati(); ++j) {
        for (const MeseIgrometrico& mese : r.Mesi) {
            if (mese.Flusso[static_cast<std::size_t>(j - 1)] > 0) {
                return j - 1;
            }
        }
    }
    return 0;
}

// The extra thickness of layer k that brings fRsi = 1 - 0,25 U above fRsi,max, to 0,5 cm.
std::optional<double> SpessorePerLaMuffa(const RisultatiCalcolo& r, int k, double fRsiMax) {
    const double Umassimo = (1 - fRsiMax) / 0.25;
    if (Umassimo <= 0) {
        return std::nullopt;
    }
    const double λ = r.Ki[static_cast<std::size_t>(k)];
    std::optional<double> spessore = SpessoreAggiuntivo(r.H, Umassimo, λ);
    // The wall passes only strictly above fRsi,max: one step more when the thickness lands on it.
    if (spessore && 1 / (1 / r.H + *spessore / λ) >= Umassimo) {
        *spessore += PassoSpessoreMuffa;
    }
    return spessore;
}

} // namespace

std::optional<ClimaAnno> LetturaAnnoDigitato(const AnnoDigitato& anno, std::vector<int>& errati) {
    ClimaAnno letto{};
    for (int m = 0; m < MesiAnno; ++m) {
        const MeseDigitato& mese = anno[static_cast<std::size_t>(m)];
        const std::optional<double> θ = ConvertiNumero(mese.Temperatura);
        const std::optional<double> φ = ConvertiNumero(mese.Umidità);
        if (!θ || !φ || !TemperaturaClimaAmmessa(*θ) || !UmiditàClimaAmmessa(*φ)) {
            errati.push_back(m);
            continue;
        }
        letto[static_cast<std::size_t>(m)] = {*θ, *φ};
    }
    return errati.empty() ? std::optional<ClimaAnno>(letto) : std::nullopt;
}

bool ConDatiIgrometrici(const DatiVerifiche& v) {
    return v.ClasseUmidità.has_value() ||
           std::any_of(v.ClimaEsterno.begin(), v.ClimaEsterno.end(),
                       [](const MeseDigitato& m) { return !m.Vuoto(); });
}

std::optional<double> SdStrato(const Esercizio& e, const RisultatiCalcolo& r, int k) {
    const Strato& s = e.strato(k);
    if (!s.Sd.empty()) {
        const std::optional<double> sd = ConvertiNumero(s.Sd);
        return sd && *sd >= 0 ? sd : std::nullopt;
    }
    const auto i = static_cast<std::size_t>(k);
    const double δ = r.PermeabilitàStrato[i] * UnitàPermeabilità;
    if (!(δ > 0)) {
        return std::nullopt;
    }
    return PermeabilitàVaporeAria / δ * r.SpessoreMetri[i];
}

IngressoIgrometrico DatiIgrometrici(const Esercizio& e, const RisultatiCalcolo& r) {
    const DatiVerifiche& v = e.Verifiche;
    IngressoIgrometrico ingresso;
    DatiIgrometriaMensile d;

    std::vector<int> mesiErrati;
    const std::optional<ClimaAnno> esterno = LetturaAnnoDigitato(v.ClimaEsterno, mesiErrati);
    if (esterno) {
        d.Esterno = *esterno;
    } else {
        ingresso.Mancanti.push_back(ConMesi(MancaClimaEsterno, mesiErrati));
    }
    if (!v.ClasseUmidità) {
        ingresso.Mancanti.emplace_back(MancaClasse);
    } else {
        d.Interno.Classe = *v.ClasseUmidità;
        if (d.Interno.Classe == 0) {
            std::vector<int> interniErrati;
            const std::optional<ClimaAnno> interno =
                LetturaAnnoDigitato(v.ClimaInterno, interniErrati);
            if (interno) {
                d.Interno.Anno = *interno;
            } else {
                ingresso.Mancanti.push_back(ConMesi(MancaInterno, interniErrati));
            }
        }
    }
    if (!v.CondensaAmmissibile.empty()) {
        const std::optional<double> ammissibile = ConvertiNumero(v.CondensaAmmissibile);
        if (ammissibile && *ammissibile > 0) {
            d.Ammissibile = *ammissibile;
        } else {
            ingresso.Mancanti.emplace_back(MancaAmmissibile);
        }
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const std::optional<double> sd = SdStrato(e, r, k);
        if (!sd) {
            ingresso.Mancanti.push_back(e.strato(k).Sd.empty()
                                            ? InizioPermeabilitàStrato + std::to_string(k)
                                            : InizioSdStrato + std::to_string(k) + FineSdStrato);
            continue;
        }
        d.Strati.push_back({r.ResistenzaStrato[static_cast<std::size_t>(k)], *sd});
    }
    d.Rsi = r.ResistenzaLiminareInterna;
    d.Rse = 1 / r.he;
    d.U = r.H;
    if (ingresso.Mancanti.empty()) {
        ingresso.Dati = std::move(d);
    }
    return ingresso;
}

std::optional<double> SdFrenoNecessario(const DatiIgrometriaMensile& d, int k) {
    DatiIgrometriaMensile conFreno = d;
    const auto posizione = conFreno.Strati.begin() + k;
    conFreno.Strati.insert(posizione, StratoIgrometrico{0, 0});
    StratoIgrometrico& freno = conFreno.Strati[static_cast<std::size_t>(k)];
    // Whole steps of 0,1 m: the largest that fails and the smallest that passes.
    long fallisce = 0;
    long supera = std::lround(SdMassimoFreno / PassoSdFreno);
    freno.Sd = SdMassimoFreno;
    if (!Supera(conFreno)) {
        return std::nullopt;
    }
    while (supera - fallisce > 1) {
        const long medio = (fallisce + supera) / 2;
        freno.Sd = static_cast<double>(medio) * PassoSdFreno;
        (Supera(conFreno) ? supera : fallisce) = medio;
    }
    return static_cast<double>(supera) * PassoSdFreno;
}

VerificaIgrometrica VerificaDellIgrometria(const Esercizio& e, const RisultatiCalcolo& r) {
    VerificaIgrometrica v;
    IngressoIgrometrico ingresso = DatiIgrometrici(e, r);
    if (!ingresso.Dati) {
        v.Mancanti = std::move(ingresso.Mancanti);
        return v;
    }
    const DatiIgrometriaMensile& d = *ingresso.Dati;
    v.ClasseUmidità = d.Interno.Classe;
    v.Risultato = CalcolaIgrometriaMensile(d);
    const RisultatoIgrometriaMensile& risultato = *v.Risultato;
    if (risultato.Esito == EsitoCondensa::NonVerificata && e.NumeroStrati() > 1) {
        v.RimedioCondensa = true;
        v.InterfacciaFreno = InterfacciaDelFreno(e, risultato);
        v.SdFreno = SdFrenoNecessario(d, v.InterfacciaFreno);
    }
    if (!risultato.MuffaEvitata && risultato.FRsiMax) {
        v.RimedioMuffa = true;
        v.StratoIsolante = StratoDaIsolare(e, r);
        if (v.StratoIsolante != 0) {
            v.SpessoreMuffa = SpessorePerLaMuffa(r, v.StratoIsolante, *risultato.FRsiMax);
        }
    }
    return v;
}

} // namespace paretix
