#include "core/charts/grafico_umidita.h"

#include "core/charts/profili.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr double SinistraEtichetteEsterne = 7920;
constexpr double PassoTratteggio = 60;

void Etichetta2y(Superficie& g2, const char* nome, double sinistra, double yLivello, double valore,
                 ColoreBGR colore) {
    PosizionaEtichetta(g2, Etichetta{nome, sinistra, yLivello - DistanzaEtichettaValore,
                                     FormaGenerale(valore), colore, true});
}

// The height of the element at x, on the straight line through its two ends.
double AltezzaIn(const Linea& l, double x) {
    return l.Y1 + (x - l.X1) * (l.Y2 - l.Y1) / (l.X2 - l.X1);
}

} // namespace

void DisegnaGraficiUmidità(Superficie& g2, const RisultatiCalcolo& r,
                           const std::vector<double>& ascisse) {
    const auto N = ascisse.size() - 1;
    RimuoviProfilo(g2, "LineaU1");
    RimuoviProfilo(g2, "LineaU2");
    g2.Pennellate.clear();

    ScalaValori scala(g2.Altezza, r.Pvsi);
    for (std::size_t i = 0; i <= N; ++i) {
        scala.Includi(r.Pvs[i]);
    }
    scala.Includi(r.Pvse);
    scala.Includi(0);
    scala.Includi(r.Pvi);
    for (std::size_t i = 0; i <= N; ++i) {
        scala.Includi(r.Pv[i]);
    }
    scala.Includi(r.Pve);

    SpostaLineaZero(g2, "LineXg2", scala.y(0));
    DisegnaProfilo(g2, "LineaU1", VerdeBGR, scala, r.Pvsi, r.Pvs, r.Pvse, ascisse);
    DisegnaProfilo(g2, "LineaU2", RossoBGR, scala, r.Pvi, r.Pv, r.Pve, ascisse);

    Etichetta2y(g2, "Label2yV(1)", 0, scala.y(r.Pvsi), r.Pvsi, VerdeBGR);
    Etichetta2y(g2, "Label2yV(2)", SinistraEtichetteEsterne, scala.y(r.Pvse), r.Pvse, VerdeBGR);
    Etichetta2y(g2, "Label2yR(1)", 0, scala.y(r.Pvi), r.Pvi, RossoBGR);
    Etichetta2y(g2, "Label2yR(2)", SinistraEtichetteEsterne, scala.y(r.Pve), r.Pve, RossoBGR);
}

void tratteggio(Superficie& g2, int N) {
    g2.Pennellate.clear();
    for (int k = 1; k <= N; ++k) {
        const Linea* saturazione = TrovaLinea(g2, NomeIndice("LineaU1", k));
        const Linea* effettiva = TrovaLinea(g2, NomeIndice("LineaU2", k));
        // A layer without width has no inside to hatch.
        if (saturazione == nullptr || effettiva == nullptr ||
            !(saturazione->X2 > saturazione->X1) || !(effettiva->X2 > effettiva->X1)) {
            continue;
        }
        for (double x = saturazione->X1; x <= saturazione->X2; x += PassoTratteggio) {
            const double ys = AltezzaIn(*saturazione, x);
            const double ye = AltezzaIn(*effettiva, x);
            // y grows downwards: the effective pressure is the higher one.
            if (ye < ys) {
                g2.Pennellate.push_back(
                    Linea{"tratteggio", x, ys, x, ye, MagentaBGR, 1, StileTratto::Continuo, true});
            }
        }
    }
}

} // namespace paretix
