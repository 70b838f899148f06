#include "core/simulazione/simulazione.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/simulazione/tridiagonale_blocchi.h"
#include "core/verifiche/igrometria_mensile.h"

namespace paretix {

namespace {

constexpr double CostanteVapore = 461.9; // Rv, J/(kg K)
constexpr double ZeroAssoluto = 273.15;
// Vapour permeability of still air: δa = 26,1·10⁻⁶/(Rv·T) kg/(m s Pa).
constexpr double FattorePermeabilitàAria = 26.1e-6;
// Rain runs off a surface that is saturated: the share absorbed falls from 1 to 0 as the
// surface humidity rises over the last 2 %.
constexpr double FasciaSaturazione = 0.02;
constexpr double UmiditàMinima = 1e-4;
constexpr int IterazioniMassime = 10;
constexpr int IterazioniRapide = 3;  // the next step may be longer
constexpr int IterazioniLente = 6;   // the next step is shorter
constexpr double PassoMinimo = 1e-3; // s
constexpr double PassoIniziale = 1;  // s
constexpr double TolleranzaT = 1e-4;
constexpr double Tolleranzaφ = 1e-6;
constexpr const char* MessaggioInterrotta = "interrotta dall'utente";
constexpr std::array<int, 12> GiorniMese{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Equations and unknowns of a node: 0 moisture / φ, 1 energy / T.
struct Nodo {
    double T = 0, φ = 0;
    double ps = 0, dps = 0; // saturation pressure and its slope
    Sorbimento acqua;
    double δ = 0, K = 0, λ = 0;
    double H = 0, dHdT = 0, dHdφ = 0; // J/m³, energy of the dry material and the water held
};

double Serie(double da, double ka, double db, double kb) {
    if (ka <= 0 || kb <= 0) {
        return 0;
    }
    return 1 / (da / ka + db / kb);
}

class Motore {
  public:
    Motore(const DatiSimulazione& d, const ControlloSimulazione& controllo)
        : d_(d), controllo_(controllo) {
        std::vector<double> spessori;
        for (const StratoSimulazione& s : d.Strati) {
            spessori.push_back(s.Spessore);
        }
        const Maglia m = CostruisciMaglia(spessori, d.Maglia);
        const std::size_t celle = m.Larghezza.size();
        n_ = celle + 2;
        V_.assign(n_, 0);
        x_.assign(n_, 0);
        strato_.assign(n_, 0);
        for (std::size_t i = 0; i < celle; ++i) {
            V_[i + 1] = m.Larghezza[i];
            x_[i + 1] = m.Centro[i];
            strato_[i + 1] = m.Strato[i];
        }
        strato_[n_ - 1] = strato_[n_ - 2];
        for (double s : spessori) {
            x_[n_ - 1] += s;
        }
        nodi_.assign(n_, Nodo{});
        for (Nodo& q : nodi_) {
            q.T = d.θIniziale;
            q.φ = d.φIniziale;
        }
        Proprietà();
        for (std::size_t i = 0; i < n_; ++i) {
            wPrima_.push_back(nodi_[i].acqua.w);
            HPrima_.push_back(nodi_[i].H);
        }
        sistema_.Dimensiona(n_);
        r_.ClasseMuffa = d.Muffa;
        punti_.push_back(0);
        for (std::size_t i = 1; i + 2 < n_; ++i) {
            if (strato_[i] != strato_[i + 1]) {
                punti_.push_back(i);
            }
        }
        if (d.Andamenti) {
            r_.Spessori = spessori;
        }
        for (const std::size_t i : punti_) {
            const int dove = i == 0 ? 0 : strato_[i] + 1;
            if (d.Muffa) {
                r_.Muffa.push_back({dove, 0, {}});
            }
            if (d.Andamenti) {
                r_.Andamenti.push_back({dove, {}, {}});
            }
        }
        if (d.Muffa) {
            muffa_.assign(punti_.size(), IndiceMuffa(*d.Muffa));
        }
        for (std::size_t k = 0; k < d.DensitàLegno.size(); ++k) {
            if (d.DensitàLegno[k] > 0) {
                r_.Legno.push_back({static_cast<int>(k) + 1, 0});
            }
        }
    }

    RisultatoSimulazione Esegui() {
        RisultatoSimulazione& r = r_;
        r.MediaMensile.assign(d_.Strati.size(), {});
        r.AcquaIniziale = Acqua();
        const double acqua0 = r.AcquaIniziale, energia0 = Energia();
        std::vector<double> profili = d_.Profili;
        std::sort(profili.begin(), profili.end());
        std::size_t prossimoProfilo = 0;
        int mese = 0;
        double fineMese = GiorniMese[0] * SecondiGiorno;

        double t = 0, dt = PassoIniziale;
        while (t < d_.Durata - PassoMinimo) {
            const double fineOra = (std::floor(t / SecondiOra + 1e-9) + 1) * SecondiOra;
            const double passo = std::min(dt, fineOra - t);
            const int iterazioni = Passo(t + passo, passo);
            if (iterazioni < 0) {
                Ripristina();
                dt = passo / 3;
                if (dt < PassoMinimo) {
                    r.Messaggio = "la simulazione non converge al giorno " +
                                  std::to_string(static_cast<int>(t / SecondiGiorno) + 1);
                    return r;
                }
                continue;
            }
            t += passo;
            ++r.Passi;
            Accetta(passo);
            if (iterazioni <= IterazioniRapide) {
                dt = std::min(dt * 2, d_.PassoMassimo);
            } else if (iterazioni > IterazioniLente) {
                dt /= 2;
            }
            if (std::abs(t - fineOra) > 1e-6) {
                continue;
            }
            t = fineOra; // no drift from the sum of the steps
            if (controllo_.Interruzione != nullptr && controllo_.Interruzione->load()) {
                RisultatoSimulazione interrotta;
                interrotta.Interrotta = true;
                interrotta.Messaggio = MessaggioInterrotta;
                return interrotta;
            }
            if (controllo_.Avanzamento && std::abs(std::fmod(t, SecondiGiorno)) < 1e-6 &&
                t < d_.Durata - PassoMinimo) {
                controllo_.Avanzamento(t / d_.Durata);
            }
            Sorveglia(t > d_.Durata - 365 * SecondiGiorno + 1e-6);
            if (d_.Andamenti && std::fmod(t, SecondiGiorno) < 1e-6) {
                r.ProfiliGiornalieri.push_back(Istantanea(t));
            }
            if (std::abs(t - (d_.Durata - 365 * SecondiGiorno)) < 1e-6) {
                r.AcquaAnnoPrima = Acqua();
            }
            while (prossimoProfilo < profili.size() && profili[prossimoProfilo] <= t + 1e-6) {
                r.Profili.push_back(Istantanea(t));
                ++prossimoProfilo;
            }
            if (std::abs(t - fineMese) < 1e-6) {
                for (std::size_t k = 0; k < d_.Strati.size(); ++k) {
                    r.MediaMensile[k].push_back(MediaStrato(static_cast<int>(k)));
                }
                for (std::size_t p = 0; p < muffa_.size(); ++p) {
                    r.Muffa[p].FineMese.push_back(muffa_[p].M());
                }
                r.AcquaMensile.push_back(Acqua());
                if (mese % 12 == 11) {
                    r.AcquaAnnua.push_back(Acqua());
                }
                ++mese;
                fineMese += GiorniMese[static_cast<std::size_t>(mese % 12)] * SecondiGiorno;
            }
        }
        r.AcquaFinale = Acqua();
        if (std::abs(d_.Durata - 365 * SecondiGiorno) < 1e-6) {
            r.AcquaAnnoPrima = acqua0;
        }
        r.ErroreBilancioUmidità = Errore(Acqua() - acqua0, acquaEntrata_, acquaScambiata_);
        r.ErroreBilancioEnergia = Errore(Energia() - energia0, energiaEntrata_, energiaScambiata_);
        for (std::size_t p = 0; p < muffa_.size(); ++p) {
            r.Muffa[p].Massimo = muffa_[p].Massimo();
        }
        r.Riuscita = true;
        if (controllo_.Avanzamento) {
            controllo_.Avanzamento(1);
        }
        return r;
    }

  private:
    static double Errore(double variazione, double entrata, double scambiata) {
        const double scala = std::max({std::abs(variazione), scambiata, 1e-300});
        return std::abs(variazione - entrata) / scala;
    }

    void Proprietà() {
        for (std::size_t i = 0; i < n_; ++i) {
            Nodo& q = nodi_[i];
            const MaterialeIgrotermico& m =
                d_.Strati[static_cast<std::size_t>(strato_[i])].Materiale;
            q.ps = PressioneSaturazione(q.T);
            q.dps = (PressioneSaturazione(q.T + 1e-3) - q.ps) / 1e-3;
            q.acqua = m.Acqua ? m.Acqua(q.φ) : Sorbimento{};
            q.K = m.Liquido ? m.Liquido(q.φ, q.acqua) : 0;
            q.δ =
                FattorePermeabilitàAria / (CostanteVapore * (q.T + ZeroAssoluto)) / m.Mu(q.acqua.w);
            q.λ = m.Lambda(q.acqua.w);
            const double capacità = m.CapacitàSecca + CaloreSpecificoAcqua * q.acqua.w;
            q.H = capacità * q.T;
            q.dHdT = capacità;
            q.dHdφ = CaloreSpecificoAcqua * q.acqua.dw * q.T;
        }
    }

    // The flux from node a to node b (water, energy) and its derivatives against the
    // unknowns (φ, T) of a and of b; the conductances are taken as they stand.
    void Faccia(std::size_t a, std::size_t b, Coppia& F, Blocco& Fa, Blocco& Fb) const {
        const Nodo& p = nodi_[a];
        const Nodo& q = nodi_[b];
        const double da = V_[a] / 2, db = V_[b] / 2;
        const double Cδ = Serie(da, p.δ, db, q.δ);
        const double CK = Serie(da, p.K, db, q.K);
        const double Cλ = Serie(da, p.λ, db, q.λ);
        const double gv = -Cδ * (q.φ * q.ps - p.φ * p.ps);
        const double g = gv - CK * (q.φ - p.φ);
        const double Tf = (p.T + q.T) / 2;
        F = {g, -Cλ * (q.T - p.T) + CaloreVaporizzazione * gv + CaloreSpecificoAcqua * Tf * g};
        const double gvφa = Cδ * p.ps, gvTa = Cδ * p.φ * p.dps;
        const double gvφb = -Cδ * q.ps, gvTb = -Cδ * q.φ * q.dps;
        const double gφa = gvφa + CK, gφb = gvφb - CK;
        const double cw = CaloreSpecificoAcqua, hv = CaloreVaporizzazione;
        Fa = {gφa, gvTa, hv * gvφa + cw * Tf * gφa, Cλ + hv * gvTa + cw * (g / 2 + Tf * gvTa)};
        Fb = {gφb, gvTb, hv * gvφb + cw * Tf * gφb, -Cλ + hv * gvTb + cw * (g / 2 + Tf * gvTb)};
    }

    // What enters the wall from the air through a surface node, and its derivatives.
    static void Scambio(const SuperficieParete& s, const Aria& a, const Nodo& q, Coppia& F,
                        Blocco& dF) {
        const double pa = a.φ * PressioneSaturazione(a.θ);
        const double gv = s.β * (pa - q.φ * q.ps);
        const double quota = std::clamp((1 - q.φ) / FasciaSaturazione, 0.0, 1.0);
        const double pioggia = a.Pioggia * quota;
        const double dPioggia = quota < 1 ? -a.Pioggia / FasciaSaturazione : 0;
        const double cw = CaloreSpecificoAcqua, hv = CaloreVaporizzazione;
        const double hs = hv + cw * q.T; // the vapour crossing carries its latent heat
        F = {gv + pioggia,
             s.h * (a.θ - q.T) + s.Assorbimento * a.Irradianza + hs * gv + cw * a.θ * pioggia};
        const double gvφ = -s.β * q.ps, gvT = -s.β * q.φ * q.dps;
        dF = {gvφ + dPioggia, gvT, hs * gvφ + cw * a.θ * dPioggia, -s.h + cw * gv + hs * gvT};
    }

    void Componi(double dt, const Aria& interna, const Aria& esterna) {
        SistemaBlocchi& S = sistema_;
        for (std::size_t i = 0; i < n_; ++i) {
            S.L[i] = S.D[i] = S.U[i] = Blocco{};
            S.r[i] = Coppia{};
            if (V_[i] > 0) {
                const Nodo& q = nodi_[i];
                const double c = V_[i] / dt;
                S.r[i] = {c * (q.acqua.w - wPrima_[i]), c * (q.H - HPrima_[i])};
                S.D[i] = {c * q.acqua.dw, 0, c * q.dHdφ, c * q.dHdT};
            }
        }
        for (std::size_t a = 0; a + 1 < n_; ++a) {
            Coppia F;
            Blocco Fa, Fb;
            Faccia(a, a + 1, F, Fa, Fb);
            for (std::size_t k = 0; k < 4; ++k) {
                S.D[a][k] += Fa[k];
                S.U[a][k] += Fb[k];
                S.L[a + 1][k] -= Fa[k];
                S.D[a + 1][k] -= Fb[k];
            }
            S.r[a][0] += F[0];
            S.r[a][1] += F[1];
            S.r[a + 1][0] -= F[0];
            S.r[a + 1][1] -= F[1];
            if (a == 0) {
                flussoInterno_ = F;
            }
            if (a + 2 == n_) {
                flussoEsterno_ = {-F[0], -F[1]};
            }
        }
        Bordo(0, d_.Interna, interna, flussoInterno_);
        Bordo(n_ - 1, d_.Esterna, esterna, flussoEsterno_);
    }

    // The surface node's own equations; entrata becomes what enters the wall there.
    void Bordo(std::size_t i, const SuperficieParete& s, const Aria& a, Coppia& entrata) {
        SistemaBlocchi& S = sistema_;
        const Nodo& q = nodi_[i];
        if (s.Imposta) {
            S.L[i] = S.U[i] = Blocco{};
            S.D[i] = {1, 0, 0, 1};
            S.r[i] = {q.φ - std::clamp(a.φ, UmiditàMinima, 1.0), q.T - a.θ};
            return;
        }
        Blocco dF;
        Scambio(s, a, q, entrata, dF);
        S.r[i][0] -= entrata[0];
        S.r[i][1] -= entrata[1];
        for (std::size_t k = 0; k < 4; ++k) {
            S.D[i][k] -= dF[k];
        }
    }

    // One implicit step to time t; the number of Newton iterations, or −1 when it failed.
    int Passo(double t, double dt) {
        const Aria interna = d_.Interna.Clima(t);
        const Aria esterna = d_.Esterna.Clima(t);
        salvati_ = nodi_;
        for (int it = 0; it <= IterazioniMassime; ++it) {
            Componi(dt, interna, esterna);
            if (it > 0 && ultimoT_ <= TolleranzaT && ultimoφ_ <= Tolleranzaφ) {
                return it;
            }
            if (!sistema_.Risolvi()) {
                return -1;
            }
            ultimoT_ = ultimoφ_ = 0;
            for (std::size_t i = 0; i < n_; ++i) {
                Nodo& q = nodi_[i];
                const double φ = std::clamp(q.φ - sistema_.r[i][0], UmiditàMinima, 1.0);
                const double T = q.T - sistema_.r[i][1];
                if (!std::isfinite(φ) || !std::isfinite(T)) {
                    return -1;
                }
                ultimoφ_ = std::max(ultimoφ_, std::abs(φ - q.φ));
                ultimoT_ = std::max(ultimoT_, std::abs(T - q.T));
                q.φ = φ;
                q.T = T;
            }
            Proprietà();
        }
        return -1;
    }

    void Ripristina() {
        nodi_ = salvati_;
        Proprietà();
    }

    void Accetta(double dt) {
        for (std::size_t i = 0; i < n_; ++i) {
            wPrima_[i] = nodi_[i].acqua.w;
            HPrima_[i] = nodi_[i].H;
        }
        const double gi = flussoInterno_[0], ge = flussoEsterno_[0];
        const double qi = flussoInterno_[1], qe = flussoEsterno_[1];
        acquaEntrata_ += (gi + ge) * dt;
        acquaScambiata_ += (std::abs(gi) + std::abs(ge)) * dt;
        energiaEntrata_ += (qi + qe) * dt;
        energiaScambiata_ += (std::abs(qi) + std::abs(qe)) * dt;
    }

    double Acqua() const {
        double s = 0;
        for (std::size_t i = 0; i < n_; ++i) {
            s += V_[i] * nodi_[i].acqua.w;
        }
        return s;
    }

    double Energia() const {
        double s = 0;
        for (std::size_t i = 0; i < n_; ++i) {
            s += V_[i] * nodi_[i].H;
        }
        return s;
    }

    double MediaStrato(int k) const {
        double s = 0;
        for (std::size_t i = 1; i + 1 < n_; ++i) {
            if (strato_[i] == k) {
                s += V_[i] * nodi_[i].acqua.w;
            }
        }
        return s / d_.Strati[static_cast<std::size_t>(k)].Spessore;
    }

    // The state at a watched place: the inside surface, or the face between two layers.
    Aria StatoPunto(std::size_t i) const {
        if (i == 0) {
            return {nodi_[0].T, nodi_[0].φ, 0, 0};
        }
        const Nodo& a = nodi_[i];
        const Nodo& b = nodi_[i + 1];
        return StatoFaccia({a.T, a.φ * a.ps, a.λ, a.δ, V_[i]},
                           {b.T, b.φ * b.ps, b.λ, b.δ, V_[i + 1]});
    }

    // An hour has passed: the mould index at its places, the moisture of the timber layers and,
    // in the last year, the state at each place for the charts.
    void Sorveglia(bool ultimoAnno) {
        const bool andamenti = d_.Andamenti && ultimoAnno;
        for (std::size_t p = 0; p < punti_.size() && (andamenti || !muffa_.empty()); ++p) {
            const Aria stato = StatoPunto(punti_[p]);
            if (!muffa_.empty()) {
                muffa_[p].Ora(stato.θ, stato.φ);
            }
            if (andamenti) {
                r_.Andamenti[p].θ.push_back(stato.θ);
                r_.Andamenti[p].φ.push_back(stato.φ);
            }
        }
        for (LegnoStrato& l : r_.Legno) {
            const double ρ = d_.DensitàLegno[static_cast<std::size_t>(l.Strato - 1)];
            for (std::size_t i = 1; i + 1 < n_; ++i) {
                if (strato_[i] == l.Strato - 1) {
                    l.UmiditàMassima = std::max(l.UmiditàMassima, nodi_[i].acqua.w / ρ * 100);
                }
            }
        }
    }

    Profilo Istantanea(double t) const {
        Profilo p;
        p.t = t;
        for (std::size_t i = 0; i < n_; ++i) {
            p.x.push_back(x_[i]);
            p.T.push_back(nodi_[i].T);
            p.φ.push_back(nodi_[i].φ);
            p.w.push_back(nodi_[i].acqua.w);
        }
        return p;
    }

    const DatiSimulazione& d_;
    const ControlloSimulazione& controllo_;
    RisultatoSimulazione r_;
    std::vector<std::size_t> punti_; // 0 the inside surface, i the interface i | i + 1
    std::vector<IndiceMuffa> muffa_;
    std::size_t n_ = 0;
    std::vector<double> V_, x_;
    std::vector<int> strato_;
    std::vector<Nodo> nodi_, salvati_;
    std::vector<double> wPrima_, HPrima_;
    SistemaBlocchi sistema_;
    Coppia flussoInterno_{}, flussoEsterno_{};
    double ultimoT_ = 0, ultimoφ_ = 0;
    double acquaEntrata_ = 0, acquaScambiata_ = 0, energiaEntrata_ = 0, energiaScambiata_ = 0;
};

} // namespace

Aria StatoFaccia(const LatoFaccia& a, const LatoFaccia& b) {
    const double ga = a.λ / a.Larghezza, gb = b.λ / b.Larghezza;
    const double va = a.δ / a.Larghezza, vb = b.δ / b.Larghezza;
    Aria faccia;
    faccia.θ = (ga * a.θ + gb * b.θ) / (ga + gb);
    faccia.φ = (va * a.pv + vb * b.pv) / (va + vb) / PressioneSaturazione(faccia.θ);
    return faccia;
}

RisultatoSimulazione Simula(const DatiSimulazione& d, const ControlloSimulazione& controllo) {
    Motore m(d, controllo);
    return m.Esegui();
}

} // namespace paretix
