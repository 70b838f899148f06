#include "core/verifiche/igrometria_mensile.h"

#include <algorithm>
#include <cmath>

#include "core/calc/igrometrico.h"

namespace paretix {

namespace {

constexpr double PressioneTriplo = 610.5; // Pa, saturation at 0 °C
// Inside vapour-pressure excess of the humidity classes 1..5 for an outside at 0 °C or below,
// Pa (storage, offices, dwellings, high occupancy, pools).
constexpr std::array<double, 6> EccessoClasse{0, 270, 540, 810, 1080, 1350};
constexpr double SecondiGiorno = 86400;
constexpr double GrammiKg = 1000;

// A point of the vapour-pressure diagram: cumulated sd, pressure, and the interface it stands
// for (0 for the two surfaces).
struct Punto {
    double S = 0;
    double P = 0;
    int Interfaccia = 0;
};

double Prodotto(const Punto& o, const Punto& a, const Punto& b) {
    return (a.S - o.S) * (b.P - o.P) - (a.P - o.P) * (b.S - o.S);
}

// The lower convex hull of points ordered by sd, from the first to the last: the tightest
// pressure line that stays under every saturation point.
std::vector<Punto> InvolucroInferiore(const std::vector<Punto>& punti) {
    std::vector<Punto> h;
    for (const Punto& p : punti) {
        while (h.size() >= 2 && Prodotto(h[h.size() - 2], h.back(), p) <= 0) {
            h.pop_back();
        }
        h.push_back(p);
    }
    return h;
}

struct Parete {
    std::vector<double> S;    // cumulated sd at boundaries 0..n, m
    std::vector<double> RCum; // thermal resistance from the inside air to boundaries 0..n
    double RTotale = 0;
    int N = 0;
};

Parete Geometria(const DatiIgrometriaMensile& d) {
    Parete p;
    p.N = static_cast<int>(d.Strati.size());
    double s = 0;
    double r = d.Rsi;
    p.S.push_back(s);
    p.RCum.push_back(r);
    for (const StratoIgrometrico& strato : d.Strati) {
        s += strato.Sd;
        r += strato.Resistenza;
        p.S.push_back(s);
        p.RCum.push_back(r);
    }
    p.RTotale = r + d.Rse;
    return p;
}

double PressioneInterna(const CondizioniInterne& interno, int mese, double Te, double pe,
                        double Ti) {
    if (interno.Classe == 0) {
        return interno.Anno[static_cast<std::size_t>(mese)].Umidità / 100 *
               PressioneSaturazione(Ti);
    }
    const double Δp0 = EccessoClasse[static_cast<std::size_t>(interno.Classe)];
    const double Δp = Te <= 0 ? Δp0 : Te >= 20 ? 0 : Δp0 * (1 - Te / 20);
    return std::min(pe + FattoreSicurezzaUmidità * Δp, PressioneSaturazione(Ti));
}

// The vapour pressure at every boundary, along the line through the touch points.
std::vector<double> PressioniSullaLinea(const Parete& parete, const std::vector<Punto>& contatti) {
    std::vector<double> p;
    p.reserve(parete.S.size());
    std::size_t c = 1;
    for (double s : parete.S) {
        while (c + 1 < contatti.size() && contatti[c].S < s) {
            ++c;
        }
        const Punto& a = contatti[c - 1];
        const Punto& b = contatti[c];
        p.push_back(b.S > a.S ? a.P + (b.P - a.P) * (s - a.S) / (b.S - a.S) : b.P);
    }
    return p;
}

// The condensation rates of one month, kg/(m² s), per interface (index j-1 for interface j),
// from the saturation pressures at the boundaries and the water each interface holds; the
// vapour pressures at the boundaries in *pressioni.
std::vector<double> Tassi(const Parete& parete, const std::vector<double>& psat, double pi,
                          double pe, const std::vector<double>& acqua,
                          std::vector<double>* pressioni) {
    // The surfaces and the interfaces holding water are fixed points of the line; between two
    // fixed points the hull rule finds the others.
    std::vector<Punto> fissi{{0, pi, 0}};
    for (int j = 1; j < parete.N; ++j) {
        if (acqua[static_cast<std::size_t>(j - 1)] > 0) {
            fissi.push_back(
                {parete.S[static_cast<std::size_t>(j)], psat[static_cast<std::size_t>(j)], j});
        }
    }
    fissi.push_back({parete.S.back(), pe, 0});

    std::vector<Punto> contatti{fissi.front()};
    for (std::size_t f = 0; f + 1 < fissi.size(); ++f) {
        std::vector<Punto> tratto{fissi[f]};
        const int da = f == 0 ? 1 : fissi[f].Interfaccia + 1;
        const int a = f + 2 == fissi.size() ? parete.N - 1 : fissi[f + 1].Interfaccia - 1;
        for (int j = da; j <= a; ++j) {
            tratto.push_back(
                {parete.S[static_cast<std::size_t>(j)], psat[static_cast<std::size_t>(j)], j});
        }
        tratto.push_back(fissi[f + 1]);
        const std::vector<Punto> h = InvolucroInferiore(tratto);
        contatti.insert(contatti.end(), h.begin() + 1, h.end());
    }

    if (pressioni != nullptr) {
        *pressioni = PressioniSullaLinea(parete, contatti);
    }
    std::vector<double> g(static_cast<std::size_t>(std::max(parete.N - 1, 0)), 0.0);
    for (std::size_t c = 1; c + 1 < contatti.size(); ++c) {
        const Punto& a = contatti[c - 1];
        const Punto& p = contatti[c];
        const Punto& b = contatti[c + 1];
        g[static_cast<std::size_t>(p.Interfaccia - 1)] =
            PermeabilitàVaporeAria * ((a.P - p.P) / (p.S - a.S) - (p.P - b.P) / (b.S - p.S));
    }
    return g;
}

struct StatoMese {
    double Te, Ti, pe, pi;
    std::vector<double> Psat; // at boundaries 0..n
};

StatoMese Condizioni(const DatiIgrometriaMensile& d, const Parete& parete, int mese) {
    StatoMese s{};
    const ClimaMese& e = d.Esterno[static_cast<std::size_t>(mese)];
    s.Te = e.Temperatura;
    s.Ti =
        d.Interno.Classe == 0 ? d.Interno.Anno[static_cast<std::size_t>(mese)].Temperatura : 20.0;
    s.pe = e.Umidità / 100 * PressioneSaturazione(s.Te);
    s.pi = PressioneInterna(d.Interno, mese, s.Te, s.pe, s.Ti);
    for (double r : parete.RCum) {
        s.Psat.push_back(PressioneSaturazione(s.Ti - (s.Ti - s.Te) * r / parete.RTotale));
    }
    return s;
}

} // namespace

double PressioneSaturazione(double θ) {
    return θ >= 0 ? PressioneTriplo * std::exp(17.269 * θ / (237.3 + θ))
                  : PressioneSaturazioneGhiaccio(θ, PressioneTriplo);
}

double TemperaturaRugiada(double p) {
    const double k = std::log(p / PressioneTriplo);
    return p >= PressioneTriplo ? 237.3 * k / (17.269 - k) : 265.5 * k / (21.875 - k);
}

RisultatoIgrometriaMensile CalcolaIgrometriaMensile(const DatiIgrometriaMensile& d) {
    const Parete parete = Geometria(d);
    const std::size_t interfacce = static_cast<std::size_t>(std::max(parete.N - 1, 0));
    RisultatoIgrometriaMensile r;
    r.Ammissibile = d.Ammissibile;

    std::array<StatoMese, MesiAnno> stati;
    std::array<bool, MesiAnno> condensa{};
    const std::vector<double> asciutta(interfacce, 0.0);
    for (int m = 0; m < MesiAnno; ++m) {
        const auto i = static_cast<std::size_t>(m);
        stati[i] = Condizioni(d, parete, m);
        MeseIgrometrico& mese = r.Mesi[i];
        const std::vector<double> g =
            Tassi(parete, stati[i].Psat, stati[i].pi, stati[i].pe, asciutta, &mese.Pressione);
        condensa[i] = std::any_of(g.begin(), g.end(), [](double x) { return x > 0; });

        mese.Saturazione = stati[i].Psat;
        mese.Pe = stati[i].pe;
        mese.Te = stati[i].Te;
        mese.Ue = d.Esterno[i].Umidità;
        mese.Ti = stati[i].Ti;
        mese.Pi = stati[i].pi;
        mese.Tsi = mese.Ti - (mese.Ti - mese.Te) * d.Rsi / parete.RTotale;
        if (mese.Ti - mese.Te > 0) {
            const double θsiMin = TemperaturaRugiada(mese.Pi / UmiditàMassimaMuffa);
            mese.FRsiMin = (θsiMin - mese.Te) / (mese.Ti - mese.Te);
        }
        mese.Flusso.assign(interfacce, 0.0);
        mese.Accumulo.assign(interfacce, 0.0);
    }

    // Mould: the month that asks most of the inside surface.
    for (int m = 0; m < MesiAnno; ++m) {
        const auto& f = r.Mesi[static_cast<std::size_t>(m)].FRsiMin;
        if (f && (!r.FRsiMax || *f > *r.FRsiMax)) {
            r.FRsiMax = f;
            r.MeseCritico = m;
        }
    }
    r.FRsi = 1 - 0.25 * d.U;
    r.MuffaEvitata = !r.FRsiMax || r.FRsi > *r.FRsiMax;

    if (std::none_of(condensa.begin(), condensa.end(), [](bool c) { return c; })) {
        r.Esito = EsitoCondensa::Assente;
        return r;
    }
    r.MeseInizio = 0;
    for (int m = 0; m < MesiAnno; ++m) {
        if (condensa[static_cast<std::size_t>(m)] &&
            !condensa[static_cast<std::size_t>((m + MesiAnno - 1) % MesiAnno)]) {
            r.MeseInizio = m;
            break;
        }
    }

    std::vector<double> acqua(interfacce, 0.0); // kg/m²
    for (int passo = 0; passo < MesiAnno; ++passo) {
        const auto i = static_cast<std::size_t>((r.MeseInizio + passo) % MesiAnno);
        MeseIgrometrico& mese = r.Mesi[i];
        const std::vector<double> g =
            Tassi(parete, stati[i].Psat, stati[i].pi, stati[i].pe, acqua, &mese.Pressione);
        const double secondi = GiorniMese[i] * SecondiGiorno;
        for (std::size_t j = 0; j < interfacce; ++j) {
            const double quantità = g[j] * secondi;
            acqua[j] = std::max(0.0, acqua[j] + quantità);
            mese.Flusso[j] = quantità * GrammiKg;
            mese.Accumulo[j] = acqua[j] * GrammiKg;
            mese.FlussoTotale += mese.Flusso[j];
            mese.AccumuloTotale += mese.Accumulo[j];
        }
    }
    r.EvaporaTutta = std::all_of(acqua.begin(), acqua.end(), [](double a) { return a == 0; });

    for (int m = 0; m < MesiAnno; ++m) {
        const MeseIgrometrico& mese = r.Mesi[static_cast<std::size_t>(m)];
        if (mese.AccumuloTotale > r.AccumuloMassimo) {
            r.AccumuloMassimo = mese.AccumuloTotale;
            r.MeseAccumuloMassimo = m;
            const auto piena = std::max_element(mese.Accumulo.begin(), mese.Accumulo.end());
            r.InterfacciaAccumuloMassimo = static_cast<int>(piena - mese.Accumulo.begin()) + 1;
        }
    }
    r.Esito = r.AccumuloMassimo <= d.Ammissibile && r.EvaporaTutta ? EsitoCondensa::Ammissibile
                                                                   : EsitoCondensa::NonVerificata;
    return r;
}

} // namespace paretix
