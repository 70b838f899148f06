#include "core/verifiche/ponti_termici.h"

namespace paretix {

namespace {

// UNI EN ISO 6946, Table 1: horizontal heat flow.
constexpr double RsiOrizzontale = 0.13;
constexpr double RseOrizzontale = 0.04;

// The upper and lower limits stay apart by at most this ratio.
constexpr double RapportoLimitiMassimo = 1.5;

// Annex F: the coefficient of a fastener through the whole layer; below this conductivity the
// fasteners need no correction; and the share of U under which it is left out (one source only,
// to be confirmed).
constexpr double AlfaFissaggio = 0.8;
constexpr double ConduttivitàFissaggioMinima = 1.0;
constexpr double QuotaCorrezioneMinima = 0.03;

} // namespace

ResistenzeLiminari ResistenzeLiminariEsterno() {
    return {RsiOrizzontale, RseOrizzontale};
}

ResistenzeLiminari ResistenzeLiminariInterno() {
    return {RsiOrizzontale, RsiOrizzontale};
}

bool LimitiResistenza::EntroIlMetodo() const {
    return Superiore <= RapportoLimitiMassimo * Inferiore;
}

LimitiResistenza LimitiDellaResistenza(const ResistenzeLiminari& rs, double fb,
                                       const std::vector<StratoConPonte>& strati) {
    const double fa = 1 - fb;
    double totaleA = rs.Rsi + rs.Rse;
    double totaleB = totaleA;
    double inferiore = totaleA;
    for (const StratoConPonte& s : strati) {
        const double rb = s.ResistenzaPonte.value_or(s.Resistenza);
        totaleA += s.Resistenza;
        totaleB += rb;
        inferiore += s.ResistenzaPonte ? 1 / (fa / s.Resistenza + fb / rb) : s.Resistenza;
    }
    LimitiResistenza l;
    l.Superiore = 1 / (fa / totaleA + fb / totaleB);
    l.Inferiore = inferiore;
    l.Media = (l.Superiore + l.Inferiore) / 2;
    l.ErroreRelativo = (l.Superiore - l.Inferiore) / (2 * l.Media);
    return l;
}

double CorrezioneFissaggi(const Fissaggi& f) {
    const double alfa = f.Incasso ? AlfaFissaggio * *f.Incasso / f.SpessoreIsolante : AlfaFissaggio;
    const double rapporto = f.ResistenzaIsolante / f.ResistenzaTotale;
    return alfa * f.Conduttività * f.Sezione * f.Numero / f.SpessoreIsolante *
           (rapporto * rapporto);
}

bool CorrezioneConta(const Fissaggi& f, double deltaUf, double U) {
    return f.Conduttività >= ConduttivitàFissaggioMinima && deltaUf >= QuotaCorrezioneMinima * U;
}

} // namespace paretix
