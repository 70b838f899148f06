#include "core/charts/grafico_temperature.h"

#include "core/charts/profili.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr double SinistraEtichettaEsterna = 8280;

} // namespace

void DisegnaGraficoTemperature(Superficie& g1, const RisultatiCalcolo& r,
                               const std::vector<double>& ascisse) {
    RimuoviProfilo(g1, "LineaTemperatura");
    // Only the two air temperatures and zero set the range: the boundary temperatures lie
    // between them.
    ScalaValori scala(g1.Altezza, r.Ti);
    scala.Includi(r.Te);
    scala.Includi(0);
    SpostaLineaZero(g1, "LineXg1", scala.y(0));
    DisegnaProfilo(g1, "LineaTemperatura", CianoBGR, scala, r.Ti, r.T, r.Te, ascisse);
    PosizionaEtichetta(g1, Etichetta{"Label1y(1)", 0, scala.y(r.Ti) - DistanzaEtichettaValore,
                                     FormaGenerale(r.Ti) + " °C", CianoBGR, true});
    PosizionaEtichetta(g1, Etichetta{"Label1y(2)", SinistraEtichettaEsterna,
                                     scala.y(r.Te) - DistanzaEtichettaValore,
                                     FormaGenerale(r.Te) + " °C", CianoBGR, true});
}

} // namespace paretix
