#include "core/charts/grafico_energia.h"

#include <cmath>

#include "core/calc/risultati.h"
#include "core/charts/assi.h"
#include "core/charts/cornici.h"
#include "core/charts/posa_etichette.h"
#include "core/charts/profili.h"
#include "core/charts/scala.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

namespace {

constexpr double SinistraEtichettaDecibel = 100;
constexpr double AltoEtichettaDecibel = 30;

constexpr int PuntiCurva =
    (FrequenzaFinaleGrafico - FrequenzaInizialeGrafico) / PassoFrequenzaGrafico + 1;

// The abscissae of the curve's points, the same for every wall: a logarithm each, taken once.
const std::array<double, PuntiCurva>& AscisseCurva() {
    static const std::array<double, PuntiCurva> ascisse = [] {
        std::array<double, PuntiCurva> x{};
        for (int i = 0; i < PuntiCurva; ++i) {
            x[static_cast<std::size_t>(i)] =
                AscissaFrequenza(FrequenzaInizialeGrafico + i * PassoFrequenzaGrafico);
        }
        return x;
    }();
    return ascisse;
}

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
    g3.Pennellate.reserve(PuntiCurva - 1);
    const auto& ascisse = AscisseCurva();
    std::array<double, 6> altezzeOttave{};
    double xPrecedente = 0;
    double yPrecedente = 0;
    for (int i = 0; i < PuntiCurva; ++i) {
        const int F = FrequenzaInizialeGrafico + i * PassoFrequenzaGrafico;
        const double x = ascisse[static_cast<std::size_t>(i)];
        const double y = scala.y(livello(F));
        if (i > 0) {
            g3.Pennellate.push_back(Linea{"curva", xPrecedente, yPrecedente, x, y, VerdeBGR, 1,
                                          StileTratto::Continuo, true});
        }
        xPrecedente = x;
        yPrecedente = y;
        const int k = RangoOttava(F);
        if (k == 0) {
            continue;
        }
        altezzeOttave[static_cast<std::size_t>(k - 1)] = y;
        PosizionaLinea(g3, Linea{NomeIndice("L3x", k), AsseVerticale, y, x, y, GialloBGR, 1,
                                 StileTratto::Punteggiato, true});
    }
    PosizionaGrigliaFrequenze(g3, true);
    for (int k = 1; k <= 6; ++k) {
        RimuoviEtichetta(g3, NomeIndice("LabeldB", k));
    }
    PosizionaEtichetta(g3, Etichetta{"LabeldB(0)", SinistraEtichettaDecibel, AltoEtichettaDecibel,
                                     "dB", BiancoBGR, true});

    PosaEtichette posa(g3);
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        Etichetta e{NomeIndice("LabeldB", k),
                    0,
                    0,
                    FormaGrafico(std::floor(EnergiaTrasmessa[i])),
                    GialloBGR,
                    true};
        posa.PosaVicinoAlPunto(e, AscissaFrequenza(FrequenzeOttava[i]), altezzeOttave[i],
                               k == 6 ? Lato::Sinistra : Lato::Destra);
        PosizionaEtichetta(g3, std::move(e));
    }
    DisegnaAsseValori(g3, scala, "", posa);
}

} // namespace paretix
