#include "core/charts/grafici_calcolo.h"

#include "core/calc/acustico.h"
#include "core/charts/grafico_energia.h"
#include "core/charts/grafico_temperature.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"

namespace paretix {

void DisegnaGraficiDelCalcolo(Grafici& g, const Esercizio& e, RisultatiCalcolo& r) {
    const std::vector<double> ascisse = AscisseConfini(e);
    if (e.Termico) {
        DisegnaLeIsoterme(g, e);
        DisegnaGraficoTemperature(g.Grafico1, r, ascisse);
    }
    if (e.Igrometrico) {
        DisegnaGraficiUmidità(g.Grafico2, r, ascisse);
        tratteggio(g.Grafico2, e.NumeroStrati());
    }
    if (e.Acustico) {
        DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(
            g.Grafico3, r.EnergiaTrasmessa,
            [&](double F) { return CalcoloDisturboSonoro2(e, r, F); });
    }
}

} // namespace paretix
