#include "core/simulazione/materiale_igrotermico.h"

#include <algorithm>
#include <cmath>

namespace paretix {

namespace {

// The liquid diffusivity drawn from the absorption coefficient A: Dws(w) =
// 3,8·(A/wf)²·1000^(w/wf − 1) m²/s.
constexpr double FattoreDiffusività = 3.8;
constexpr double BaseDiffusività = 1000;
constexpr double DensitàAcqua = 1000; // kg/m³, the largest w of a porosity

std::size_t Segmento(const std::vector<double>& x, double v) {
    const auto it = std::upper_bound(x.begin(), x.end(), v);
    const auto k = static_cast<std::size_t>(it - x.begin());
    return std::clamp<std::size_t>(k, 1, x.size() - 1) - 1;
}

bool Dato(double v) {
    return !std::isnan(v);
}

} // namespace

double TabellaMateriale::Valore(double x) const {
    if (X.size() == 1 || x <= X.front()) {
        return Y.front();
    }
    if (x >= X.back()) {
        return Y.back();
    }
    const std::size_t k = Segmento(X, x);
    return Y[k] + (Y[k + 1] - Y[k]) * (x - X[k]) / (X[k + 1] - X[k]);
}

double TabellaMateriale::Pendenza(double x) const {
    if (X.size() == 1 || x < X.front() || x >= X.back()) {
        return 0;
    }
    const std::size_t k = Segmento(X, x);
    return (Y[k + 1] - Y[k]) / (X[k + 1] - X[k]);
}

MaterialeIgrotermico MaterialeAria(double λ) {
    MaterialeIgrotermico m;
    m.Mu = [](double) { return 1.0; };
    m.Lambda = [λ](double) { return λ; };
    return m;
}

bool CostruisciMateriale(const DatiUmiditàStrato& d, MaterialeIgrotermico& m,
                         std::string& messaggio) {
    m = MaterialeIgrotermico{};
    m.CapacitàSecca = d.Densità * d.CaloreSpecifico;
    const double μ = d.Mu, λ = d.Lambda;
    m.Mu = d.MuUmido.X.empty() ? std::function<double(double)>([μ](double) { return μ; })
                               : [t = d.MuUmido](double w) { return t.Valore(w); };
    m.Lambda = d.ConduttivitàUmida.X.empty()
                   ? std::function<double(double)>([λ](double) { return λ; })
                   : [t = d.ConduttivitàUmida](double w) { return t.Valore(w); };

    const bool tabella = !d.Sorbimento.X.empty();
    const bool numeri = Dato(d.W80) || Dato(d.Wf);
    if (!tabella && !numeri) {
        if (Dato(d.Assorbimento) || !d.DiffusivitàLiquida.X.empty()) {
            messaggio =
                "coeff-assorbimento o diffusivita-liquida senza dati di accumulo (w80 e wf o "
                "sorbimento)";
            return false;
        }
        return true;
    }
    if (!Dato(d.Porosità) || d.Porosità <= 0 || d.Porosità > 1) {
        messaggio = "porosita mancante o fuori da 0…1";
        return false;
    }
    const double wMax = DensitàAcqua * d.Porosità;
    double wf = 0;
    if (tabella) {
        TabellaMateriale t = d.Sorbimento;
        if (t.X.front() > 0) {
            t.X.insert(t.X.begin(), 0.0);
            t.Y.insert(t.Y.begin(), 0.0);
        }
        if (*std::max_element(t.Y.begin(), t.Y.end()) > wMax) {
            messaggio = "sorbimento oltre il contenuto massimo 1000·porosita";
            return false;
        }
        wf = t.Y.back();
        m.Acqua = [t](double φ) { return Sorbimento{t.Valore(φ), t.Pendenza(φ)}; };
    } else {
        if (!Dato(d.W80) || !Dato(d.Wf)) {
            messaggio = Dato(d.W80) ? "wf mancante" : "w80 mancante";
            return false;
        }
        wf = d.Wf;
        // w = wf·(b − 1)·φ/(b − φ) passes through w80 at φ = 0,8 when b = 0,8·(wf − w80) /
        // (0,8·wf − w80), which needs 0 < w80 < 0,8·wf.
        if (d.W80 <= 0 || d.W80 >= 0.8 * wf) {
            messaggio = "w80 deve stare tra 0 e 0,8·wf";
            return false;
        }
        if (wf > wMax) {
            messaggio = "wf oltre il contenuto massimo 1000·porosita";
            return false;
        }
        const double b = 0.8 * (wf - d.W80) / (0.8 * wf - d.W80);
        m.Acqua = [wf, b](double φ) {
            const double s = b - φ;
            return Sorbimento{wf * (b - 1) * φ / s, wf * (b - 1) * b / (s * s)};
        };
    }

    if (!d.DiffusivitàLiquida.X.empty()) {
        TabellaMateriale ln = d.DiffusivitàLiquida;
        for (double& y : ln.Y) {
            if (y <= 0) {
                messaggio = "diffusivita-liquida deve essere positiva";
                return false;
            }
            y = std::log(y);
        }
        m.Liquido = [ln](double, const Sorbimento& s) { return std::exp(ln.Valore(s.w)) * s.dw; };
    } else if (Dato(d.Assorbimento)) {
        if (d.Assorbimento <= 0) {
            messaggio = "coeff-assorbimento deve essere positivo";
            return false;
        }
        const double a = FattoreDiffusività * (d.Assorbimento / wf) * (d.Assorbimento / wf);
        const double k = std::log(BaseDiffusività) / wf;
        m.Liquido = [a, k, wf](double, const Sorbimento& s) {
            return a * std::exp(k * (s.w - wf)) * s.dw;
        };
    }
    return true;
}

} // namespace paretix
