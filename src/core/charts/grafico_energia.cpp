#include "core/charts/grafico_energia.h"

#include <cmath>

#include "core/calc/risultati.h"
#include "core/charts/cornici.h"
#include "core/charts/profili.h"
#include "core/charts/scala.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr double SinistraEtichetteLivello = 120;
// The first level label stands higher above its leader line than the others.
constexpr double DistanzaPrimaEtichettaLivello = 100;
constexpr double DistanzaEtichetteLivello = 60;
constexpr double SinistraEtichettaDecibel = 100;
constexpr double AltoEtichettaDecibel = 30;

// The rank 1..6 of an octave frequency, 0 for the others.
int RangoOttava(int F) {
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        if (FrequenzeOttava[i] == F) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

} // namespace

void DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(
    Superficie& g3, const std::array<double, 6>& EnergiaTrasmessa,
    const LivelloAllaFrequenza& livello) {
    ScalaValori scala(g3.Altezza, EnergiaTrasmessa[0]);
    for (std::size_t i = 1; i < EnergiaTrasmessa.size(); ++i) {
        scala.Includi(EnergiaTrasmessa[i]);
    }
    scala.Includi(0);
    SpostaLineaZero(g3, "LineXg3", scala.y(0));

    g3.Pennellate.clear();
    for (int F = FrequenzaInizialeGrafico; F <= FrequenzaFinaleGrafico;
         F += PassoFrequenzaGrafico) {
        const double x = AscissaFrequenza(F);
        const double y = scala.y(livello(F));
        g3.Pennellate.push_back(Linea{"curva", x, y, x + LunghezzaPennellataEnergia, y, VerdeBGR, 1,
                                      StileTratto::Continuo, true});
        const int k = RangoOttava(F);
        if (k == 0) {
            continue;
        }
        PosizionaLinea(g3, Linea{NomeIndice("L3x", k), AsseVerticale, y, x, y, GialloBGR, 1,
                                 StileTratto::Punteggiato, true});
        const double distanza = k == 1 ? DistanzaPrimaEtichettaLivello : DistanzaEtichetteLivello;
        const double decibel = std::floor(EnergiaTrasmessa[static_cast<std::size_t>(k - 1)]);
        PosizionaEtichetta(g3, Etichetta{NomeIndice("LabeldB", k), SinistraEtichetteLivello,
                                         y - distanza, FormaGenerale(decibel), GialloBGR, true});
    }
    PosizionaGrigliaFrequenze(g3, true);
    PosizionaEtichetta(g3, Etichetta{"LabeldB(0)", SinistraEtichettaDecibel, AltoEtichettaDecibel,
                                     "dB", BiancoBGR, true});
}

} // namespace paretix
