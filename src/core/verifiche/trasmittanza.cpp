#include "core/verifiche/trasmittanza.h"

#include <cmath>

#include "core/model/numeri.h"
#include "core/verifiche/limiti.h"
#include "core/verifiche/rimedio_isolante.h"
#include "core/verifiche/trasmittanza_di_legge.h"

namespace paretix {

namespace {

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
constexpr const char* EsitoOltreIlMetodo =
    "non determinabile (R'T/R''T oltre 1,5: serve un calcolo numerico secondo UNI EN ISO 10211)";
constexpr const char* NotaPontiDiStrato =
    "La trasmittanza di legge media i limiti superiore e inferiore della parete con lo strato "
    "interrotto dal ponte (UNI EN ISO 6946); il calcolo dell'esercizio, i grafici e il resto "
    "della relazione considerano gli strati omogenei.";
constexpr const char* NotaFissaggiTrascurati =
    "La correzione per i fissaggi è trascurata: fissaggi di conduttività inferiore a 1 W/(m K) "
    "o correzione inferiore al 3 % di U.";
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

VerificaTrasmittanza VerificaDellaTrasmittanza(const Esercizio& e, const RisultatiCalcolo& r) {
    const DatiVerifiche& d = e.Verifiche;
    VerificaTrasmittanza v;
    TrasmittanzaDiLegge(e, r, v);
    const double Uverifica = v.DeltaUfConta ? v.U + *v.DeltaUf : v.U;
    v.UConfrontata = Uverifica;
    v.Note.emplace_back(NotaPontiTermici);
    if (v.Ponti) {
        v.Note.emplace_back(NotaPontiDiStrato);
    }
    if (v.DeltaUf && !v.DeltaUfConta) {
        v.Note.emplace_back(NotaFissaggiTrascurati);
    }
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
            v.UConfrontata = Uverifica * *v.Btr;
        }
    }
    if (!v.Mancanti.empty()) {
        return v;
    }
    if (v.Ponti && !v.Ponti->EntroIlMetodo()) {
        v.Esito = EsitoOltreIlMetodo;
        return v;
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
            v.SpessoreAggiuntivo = SpessoreAggiuntivo(Uverifica, *v.Limite / v.Btr.value_or(1.0),
                                                      r.Ki[v.StratoIsolante]);
        }
    }
    return v;
}

} // namespace paretix
