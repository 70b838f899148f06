#include "core/verifiche/trasmittanza_di_legge.h"

#include <cmath>
#include <numbers>
#include <string>

#include "core/model/numeri.h"
#include "core/verifiche/rimedio_isolante.h"

namespace paretix {

namespace {

constexpr double PerCento = 100;
constexpr double MillimetriInMetro = 1000;
constexpr double CentimetriInMetro = 100;
// The exercise's surfaces count as the standard's when they agree to this, m² K/W.
constexpr double ToleranzaSuperfici = 1e-9;

constexpr const char* ErrataFrazione =
    "percentuale dell'area occupata dai ponti termici (un numero da 0 a 100)";
constexpr const char* MancaStratoPonte = "conduttività del materiale di ponte di almeno uno strato";
constexpr const char* InizioPonteStrato = "conduttività del materiale di ponte dello strato ";
constexpr const char* FinePonteNumero = " (un numero maggiore di 0)";
constexpr const char* FinePonteCavità = " (uno strato di materiale, non un'intercapedine d'aria)";
constexpr const char* ErrataConduttivitàFissaggi =
    "conduttività dei fissaggi (un numero maggiore di 0)";
constexpr const char* ErratoDiametroFissaggi =
    "diametro dei fissaggi in mm (un numero maggiore di 0)";
constexpr const char* ErratoNumeroFissaggi = "numero di fissaggi per m² (un numero maggiore di 0)";
constexpr const char* ErratoIncassoFissaggi =
    "lunghezza dei fissaggi nell'isolante in cm (un numero maggiore di 0 e non oltre lo "
    "spessore dell'isolante)";
constexpr const char* ErratoStratoIsolante = "strato isolante (uno strato di materiale)";

std::optional<double> Positivo(const std::string& testo) {
    const std::optional<double> valore = ConvertiNumero(testo);
    if (!valore || *valore <= 0) {
        return std::nullopt;
    }
    return valore;
}

// The layers' resistances with their bridges; nothing when the wall is homogeneous, an empty
// list with the faults in mancanti when the bridging data are wrong.
std::optional<std::vector<StratoConPonte>>
StratiConPonte(const Esercizio& e, const RisultatiCalcolo& r, std::vector<std::string>& mancanti) {
    std::vector<StratoConPonte> strati;
    bool ponte = false;
    const std::size_t primo = mancanti.size();
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        StratoConPonte strato{r.ResistenzaStrato[k], std::nullopt};
        if (!s.PonteConduttività.empty()) {
            ponte = true;
            const std::optional<double> λ = Positivo(s.PonteConduttività);
            if (s.CameraAria() || !λ) {
                mancanti.push_back(InizioPonteStrato + std::to_string(k) +
                                   (s.CameraAria() ? FinePonteCavità : FinePonteNumero));
            } else {
                strato.ResistenzaPonte = r.SpessoreMetri[k] / *λ;
            }
        }
        strati.push_back(strato);
    }
    if (!ponte && e.Verifiche.PonteFrazione.empty()) {
        return std::nullopt;
    }
    if (!ponte) {
        mancanti.emplace_back(MancaStratoPonte);
    }
    return mancanti.size() == primo ? strati : std::vector<StratoConPonte>{};
}

std::optional<double> FrazionePonte(const std::string& testo) {
    const std::optional<double> percento = ConvertiNumero(testo);
    if (!percento || *percento < 0 || *percento > PerCento) {
        return std::nullopt;
    }
    return *percento / PerCento;
}

bool ConFissaggi(const DatiVerifiche& d) {
    return !d.FissaggiConduttività.empty() || !d.FissaggiDiametro.empty() ||
           !d.FissaggiNumero.empty() || !d.FissaggiIncasso.empty();
}

// The fasteners as the correction reads them; nothing, with the faults in mancanti, when their
// data are wrong.
std::optional<Fissaggi> LetturaFissaggi(const Esercizio& e, const RisultatiCalcolo& r, double RTh,
                                        std::vector<std::string>& mancanti) {
    const DatiVerifiche& d = e.Verifiche;
    const std::size_t primo = mancanti.size();
    const std::optional<double> λ = Positivo(d.FissaggiConduttività);
    const std::optional<double> diametro = Positivo(d.FissaggiDiametro);
    const std::optional<double> numero = Positivo(d.FissaggiNumero);
    const int isolante = StratoDaIsolare(e, r);
    if (!λ) {
        mancanti.emplace_back(ErrataConduttivitàFissaggi);
    }
    if (!diametro) {
        mancanti.emplace_back(ErratoDiametroFissaggi);
    }
    if (!numero) {
        mancanti.emplace_back(ErratoNumeroFissaggi);
    }
    if (isolante == 0) {
        mancanti.emplace_back(ErratoStratoIsolante);
        return std::nullopt;
    }
    Fissaggi f;
    f.SpessoreIsolante = r.SpessoreMetri[isolante];
    f.ResistenzaIsolante = r.ResistenzaStrato[isolante];
    f.ResistenzaTotale = RTh;
    if (!d.FissaggiIncasso.empty()) {
        const std::optional<double> incasso = Positivo(d.FissaggiIncasso);
        if (!incasso || *incasso / CentimetriInMetro > f.SpessoreIsolante) {
            mancanti.emplace_back(ErratoIncassoFissaggi);
        } else {
            f.Incasso = *incasso / CentimetriInMetro;
        }
    }
    if (mancanti.size() != primo) {
        return std::nullopt;
    }
    const double raggio = *diametro / MillimetriInMetro / 2;
    f.Conduttività = *λ;
    f.Sezione = std::numbers::pi * raggio * raggio;
    f.Numero = *numero;
    return f;
}

} // namespace

ResistenzeLiminari ResistenzeLiminariDiLegge(const DatiVerifiche& d) {
    const bool esterno = !d.Elemento || *d.Elemento == ElementoParete::Esterno;
    return esterno ? ResistenzeLiminariEsterno() : ResistenzeLiminariInterno();
}

void TrasmittanzaDiLegge(const Esercizio& e, const RisultatiCalcolo& r, VerificaTrasmittanza& v) {
    const DatiVerifiche& d = e.Verifiche;
    v.Superfici = ResistenzeLiminariDiLegge(d);
    v.UEsercizio = r.H;
    v.SuperficiDiverse = std::abs(1 / r.hi - v.Superfici.Rsi) > ToleranzaSuperfici ||
                         std::abs(1 / r.he - v.Superfici.Rse) > ToleranzaSuperfici;
    const double RTh = v.Superfici.Rsi + r.SommatoriaResistenze + v.Superfici.Rse;
    v.U = 1 / RTh;

    const std::optional<std::vector<StratoConPonte>> strati = StratiConPonte(e, r, v.Mancanti);
    if (strati) {
        const std::optional<double> fb = FrazionePonte(d.PonteFrazione);
        if (!fb) {
            v.Mancanti.emplace_back(ErrataFrazione);
        } else if (!strati->empty()) {
            v.Ponti = LimitiDellaResistenza(v.Superfici, *fb, *strati);
            v.U = 1 / v.Ponti->Media;
        }
    }
    if (ConFissaggi(d)) {
        if (const std::optional<Fissaggi> f = LetturaFissaggi(e, r, RTh, v.Mancanti)) {
            v.DeltaUf = CorrezioneFissaggi(*f);
            v.DeltaUfConta = CorrezioneConta(*f, *v.DeltaUf, v.U);
        }
    }
}

} // namespace paretix
