#include "core/verifiche/trasmittanza.h"

#include <cmath>

#include "core/model/numeri.h"
#include "core/verifiche/limiti.h"

namespace paretix {

namespace {

// The remedy's thickness step, m, and a margin that keeps a thickness that is a whole number
// of steps, up to the computer's rounding, from taking one step more.
constexpr double PassoSpessore = 0.005;
constexpr double MargineArrotondamento = 1e-9;

constexpr const char* MancaZona = "zona climatica";
constexpr const char* MancaRegime = "regime di verifica";
constexpr const char* MancaBtr =
    "fattore di correzione btr (un numero maggiore di 0 e non oltre 1)";

constexpr const char* EsitoVerificata = "verificata";
constexpr const char* EsitoNonVerificata = "non verificata";
constexpr const char* EsitoRiferimentoRispettato = "riferimento rispettato";
constexpr const char* EsitoRiferimentoNonRispettato = "riferimento non rispettato";

constexpr const char* IsolamentoInternoFonte = ", isolamento dall'interno o in intercapedine +30 %";

constexpr const char* NotaPontiTermici =
    "I valori di legge comprendono i ponti termici: la trasmittanza calcolata in una sola "
    "dimensione è una verifica preliminare.";
constexpr const char* NotaStratoIsolante =
    "Lo strato isolante indicato non è uno strato di materiale della parete: spessore aggiuntivo "
    "non calcolato.";

// The btr as typed: a number in (0, 1].
std::optional<double> LetturaBtr(const std::string& testo) {
    const std::optional<double> btr = ConvertiNumero(testo);
    if (!btr || *btr <= 0 || *btr > 1) {
        return std::nullopt;
    }
    return btr;
}

} // namespace

// The layer to thicken: the one chosen, or the material layer of lowest conductivity (the
// first of equals); 0 when the choice is not a material layer of the wall.
int StratoDaIsolare(const Esercizio& e, const RisultatiCalcolo& r) {
    const int scelto = e.Verifiche.StratoIsolante;
    if (scelto != 0) {
        const bool materiale =
            scelto >= 1 && scelto <= e.NumeroStrati() && e.strato(scelto).ConduttivitàVisibile;
        return materiale ? scelto : 0;
    }
    int migliore = 0;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        if (e.strato(k).ConduttivitàVisibile && (migliore == 0 || r.Ki[k] < r.Ki[migliore])) {
            migliore = k;
        }
    }
    return migliore;
}

std::optional<double> SpessoreAggiuntivo(double U, double Uobiettivo, double lambda) {
    if (U <= Uobiettivo) {
        return std::nullopt;
    }
    const double resistenza = 1 / Uobiettivo - 1 / U;
    const double passi = std::ceil(resistenza * lambda / PassoSpessore - MargineArrotondamento);
    return passi * PassoSpessore;
}

VerificaTrasmittanza VerificaDellaTrasmittanza(const Esercizio& e, const RisultatiCalcolo& r) {
    const DatiVerifiche& d = e.Verifiche;
    VerificaTrasmittanza v;
    v.U = r.H;
    v.UConfrontata = r.H;
    v.Note.emplace_back(NotaPontiTermici);
    if (!d.Elemento) {
        v.Mancanti.emplace_back(MancaElemento);
        return v;
    }
    if (*d.Elemento == ElementoParete::Divisorio) {
        v.Limite = TrasmittanzaLimiteDivisorio();
        v.Fonte = FonteTrasmittanzaDivisorio();
    } else {
        if (!d.Zona) {
            v.Mancanti.emplace_back(MancaZona);
        }
        if (!d.Regime) {
            v.Mancanti.emplace_back(MancaRegime);
        }
        if (*d.Elemento == ElementoParete::NonClimatizzato) {
            v.Btr = LetturaBtr(d.Btr);
            if (!v.Btr) {
                v.Mancanti.emplace_back(MancaBtr);
            }
        }
        if (!v.Mancanti.empty()) {
            return v;
        }
        v.Riferimento = RegimeDiRiferimento(*d.Regime);
        v.Limite = TrasmittanzaDiTabella(*d.Zona, *d.Regime);
        v.Fonte = FonteTrasmittanza(*d.Zona, *d.Regime);
        if (!v.Riferimento && d.IsolamentoInterno.value_or(false)) {
            *v.Limite *= MaggiorazioneIsolamentoInterno();
            v.Fonte += IsolamentoInternoFonte;
        }
        if (v.Btr) {
            v.UConfrontata = v.U * *v.Btr;
        }
    }
    v.Rispettata = v.UConfrontata <= *v.Limite;
    if (v.Riferimento) {
        v.Esito = *v.Rispettata ? EsitoRiferimentoRispettato : EsitoRiferimentoNonRispettato;
    } else {
        v.Esito = *v.Rispettata ? EsitoVerificata : EsitoNonVerificata;
    }
    if (!*v.Rispettata) {
        v.StratoIsolante = StratoDaIsolare(e, r);
        if (v.StratoIsolante == 0) {
            v.Note.emplace_back(NotaStratoIsolante);
        } else {
            // U·btr <= limit is U <= limit / btr.
            v.SpessoreAggiuntivo =
                SpessoreAggiuntivo(v.U, *v.Limite / v.Btr.value_or(1.0), r.Ki[v.StratoIsolante]);
        }
    }
    return v;
}

} // namespace paretix
