#include "core/charts/grafico_umidita.h"

#include <string>

#include "core/charts/assi.h"
#include "core/charts/cornici.h"
#include "core/charts/etichette_livelli.h"
#include "core/charts/profili.h"

namespace paretix {

namespace {

constexpr double PassoTratteggio = 60;

// The height of the element at x, on the straight line through its two ends.
double AltezzaIn(const Linea& l, double x) {
    return l.Y1 + (x - l.X1) * (l.Y2 - l.Y1) / (l.X2 - l.X1);
}

} // namespace

void DisegnaGraficiUmidità(Superficie& g2, const RisultatiCalcolo& r,
                           const std::vector<double>& ascisse, std::string_view unita) {
    const auto N = ascisse.size() - 1;
    RimuoviProfilo(g2, "LineaU1");
    RimuoviProfilo(g2, "LineaU2");
    for (const char* nome : {"Label2yV(1)", "Label2yV(2)", "Label2yR(1)", "Label2yR(2)",
                             "LegendaPs", "LegendaPv", "EtichettaUi", "EtichettaUe"}) {
        RimuoviEtichetta(g2, nome);
    }
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

    PosaEtichette posa(g2);
    Etichetta vapore{"LegendaPv", 0, AltoUnita, LegendaVapore, RossoBGR, true};
    vapore.Sinistra = g2.Larghezza - RientroEtichetteLivello - LarghezzaTesto(vapore.Testo);
    Etichetta saturazione{"LegendaPs", 0, AltoUnita, LegendaSaturazione, VerdeBGR, true};
    saturazione.Sinistra =
        vapore.Sinistra - LarghezzaCarattere * 2 - LarghezzaTesto(saturazione.Testo);
    for (const Etichetta* e : {&saturazione, &vapore}) {
        posa.Occupa(*e);
        PosizionaEtichetta(g2, *e);
    }
    EtichettaLivelloInterno(g2, posa, "Label2yV(1)", FormaGrafico(r.Pvsi), scala.y(r.Pvsi),
                            VerdeBGR);
    EtichettaLivelloEsterno(g2, posa, "Label2yV(2)", FormaGrafico(r.Pvse), scala.y(r.Pvse),
                            VerdeBGR);
    EtichettaLivelloInterno(g2, posa, "Label2yR(1)", FormaGrafico(r.Pvi), scala.y(r.Pvi), RossoBGR);
    EtichettaLivelloEsterno(g2, posa, "Label2yR(2)", FormaGrafico(r.Pve), scala.y(r.Pve), RossoBGR);
    const double sezione = g2.Altezza - MargineBassoMuro;
    EtichettaLivelloInterno(g2, posa, "EtichettaUi", "Ui " + FormaGrafico(r.Ui) + " %", sezione,
                            BiancoBGR);
    EtichettaLivelloEsterno(g2, posa, "EtichettaUe", "Ue " + FormaGrafico(r.Ue) + " %", sezione,
                            BiancoBGR);
    DisegnaAsseValori(g2, scala, unita, posa);
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
