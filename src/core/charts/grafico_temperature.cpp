#include "core/charts/grafico_temperature.h"

#include "core/charts/assi.h"
#include "core/charts/cornici.h"
#include "core/charts/etichette_livelli.h"
#include "core/charts/profili.h"

namespace paretix {

void DisegnaGraficoTemperature(Superficie& g1, const RisultatiCalcolo& r,
                               const std::vector<double>& ascisse) {
    RimuoviProfilo(g1, "LineaTemperatura");
    RimuoviEtichetta(g1, "Label1y(1)");
    RimuoviEtichetta(g1, "Label1y(2)");
    // Only the two air temperatures and zero set the range: the boundary temperatures lie
    // between them.
    ScalaValori scala(g1.Altezza, r.Ti);
    scala.Includi(r.Te);
    scala.Includi(0);
    SpostaLineaZero(g1, "LineXg1", scala.y(0));
    DisegnaProfilo(g1, "LineaTemperatura", CianoBGR, scala, r.Ti, r.T, r.Te, ascisse);

    PosaEtichette posa(g1);
    EtichettaLivelloInterno(g1, posa, "Label1y(1)", FormaGrafico(r.Ti) + " °C", scala.y(r.Ti),
                            CianoBGR);
    EtichettaLivelloEsterno(g1, posa, "Label1y(2)", FormaGrafico(r.Te) + " °C", scala.y(r.Te),
                            CianoBGR);
    DisegnaAsseValori(g1, scala, "°C", posa);
}

} // namespace paretix
