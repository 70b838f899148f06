#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/grafico_temperature.h"
#include "core/charts/isoterme.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

RisultatiCalcolo Temperature(double Ti, double Te, std::initializer_list<double> confini) {
    RisultatiCalcolo r;
    r.Ti = Ti;
    r.Te = Te;
    std::size_t i = 0;
    for (double t : confini) {
        r.T[i++] = t;
    }
    return r;
}

std::array<double, 4> Estremi(const Linea& l) {
    return {l.X1, l.Y1, l.X2, l.Y2};
}

} // namespace

TEST(GraficoTemperature, ProfileThroughTheWallOnTheWorkedScale) {
    Grafici g = GraficiAzzerati(true);
    const Esercizio e = PareteDiSpessori({"10", "20", "30"});
    DisegnaGraficoTemperature(g.Grafico1, Temperature(20, -5, {18, 15, 5, -4}), AscisseConfini(e));
    const Superficie& g1 = g.Grafico1;
    // h = 2500 over a span of 25 degrees: 100 twips per degree from y(20) = 557.5.
    EXPECT_EQ(Estremi(LineaDi(g1, "LineXg1")), (std::array{0.0, 2557.5, 8895.0, 2557.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(0)")), (std::array{0.0, 557.5, 1500.0, 557.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(1)")),
              (std::array{1500.0, 757.5, 2550.0, 1057.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(2)")),
              (std::array{2550.0, 1057.5, 4650.0, 2057.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(3)")),
              (std::array{4650.0, 2057.5, 7800.0, 2957.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(4)")),
              (std::array{7800.0, 3057.5, 9800.0, 3057.5}));
    EXPECT_EQ(TrovaLinea(g1, "LineaTemperatura(5)"), nullptr);
    EXPECT_EQ(LineaDi(g1, "LineaTemperatura(2)").Colore, 0x00FFFF00u);
    // The profile stands in front of the frame.
    EXPECT_EQ(g1.Linee.back().Nome, "LineaTemperatura(4)");

    const Etichetta interna = EtichettaDi(g1, "Label1y(1)");
    const Etichetta esterna = EtichettaDi(g1, "Label1y(2)");
    EXPECT_EQ(interna.Testo, "20 °C");
    EXPECT_EQ(interna.Sinistra, 0);
    EXPECT_EQ(interna.Alto, 357.5);
    EXPECT_EQ(esterna.Testo, "-5 °C");
    EXPECT_EQ(esterna.Sinistra, 8280);
    EXPECT_EQ(esterna.Alto, 2857.5);
}

TEST(GraficoTemperature, ZeroBelongsToTheRange) {
    Grafici g = GraficiAzzerati(true);
    const std::vector<double> x = AscisseConfini(PareteDiSpessori({"10"}));

    // Both temperatures above zero: zero at the bottom of the band, 20 at the top.
    DisegnaGraficoTemperature(g.Grafico1, Temperature(20, 10, {19.5, 10.5}), x);
    EXPECT_EQ(LineaDi(g.Grafico1, "LineXg1").Y1, 3615 - 557.5);
    EXPECT_EQ(LineaDi(g.Grafico1, "LineaTemperatura(0)").Y1, 557.5);
    EXPECT_EQ(LineaDi(g.Grafico1, "LineaTemperatura(2)").Y1, 557.5 + 10 * 2500.0 / 20);
    EXPECT_EQ(EtichettaDi(g.Grafico1, "Label1y(1)").Testo, "20 °C");

    // Nothing but zero: every element on the bottom of the band, 7335 high surface.
    Grafici alto = GraficiAzzerati(false);
    DisegnaGraficoTemperature(alto.Grafico1, Temperature(0, 0, {0, 0}), x);
    for (const char* nome :
         {"LineXg1", "LineaTemperatura(0)", "LineaTemperatura(1)", "LineaTemperatura(2)"}) {
        const Linea l = LineaDi(alto.Grafico1, nome);
        EXPECT_EQ(l.Y1, 7335 - 557.5) << nome;
        EXPECT_EQ(l.Y2, 7335 - 557.5) << nome;
    }
}

TEST(GraficoTemperature, RedrawLeavesExactlyTheSegmentsOfTheNewWall) {
    Grafici g = GraficiAzzerati(true);
    DisegnaGraficoTemperature(g.Grafico1, Temperature(20, 0, {19, 15, 10, 5, 1}),
                              AscisseConfini(PareteDiSpessori({"1", "1", "1", "1"})));
    DisegnaGraficoTemperature(g.Grafico1, Temperature(20, 0, {19, 1}),
                              AscisseConfini(PareteDiSpessori({"10"})));
    int segmenti = 0;
    for (const Linea& l : g.Grafico1.Linee) {
        segmenti += l.Nome.starts_with("LineaTemperatura(") ? 1 : 0;
    }
    EXPECT_EQ(segmenti, 3);
    EXPECT_EQ(Estremi(LineaDi(g.Grafico1, "LineaTemperatura(1)")),
              (std::array{1500.0, 557.5 + 125, 7800.0, 557.5 + 19 * 125}));
    EXPECT_EQ(LineaDi(g.Grafico1, "LineaTemperatura(2)").X1, 7800);
}
