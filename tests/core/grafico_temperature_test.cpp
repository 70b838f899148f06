#include <gtest/gtest.h>

#include "core/charts/cornici.h"
#include "core/charts/grafico_temperature.h"
#include "core/charts/isoterme.h"
#include "core/charts/testo_grafico.h"
#include "grafici_aiuto.h"

using namespace paretix;
using namespace paretix::prova;

using A = std::array<double, 4>;

namespace {

Superficie Disegnato(bool igrometrico, double Ti, double Te, std::vector<double> confini,
                     std::initializer_list<const char*> spessori) {
    RisultatiCalcolo r;
    r.Ti = Ti;
    r.Te = Te;
    std::copy(confini.begin(), confini.end(), r.T.begin());
    Superficie g1 = GraficiAzzerati(igrometrico).Grafico1;
    DisegnaGraficoTemperature(g1, r, AscisseConfini(PareteDiSpessori(spessori)));
    return g1;
}

} // namespace

TEST(GraficoTemperature, ProfileThroughTheWallOnTheWorkedScale) {
    // h = 2500 over 25 degrees: 100 twips per degree, y(20) = 557.5.
    const Superficie g1 = Disegnato(true, 20, -5, {18, 15, 5, -4}, {"10", "20", "30"});
    EXPECT_EQ(Estremi(LineaDi(g1, "LineXg1")), (A{0, 2557.5, 8895, 2557.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(0)")), (A{0, 557.5, 1500, 557.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(1)")), (A{1500, 757.5, 2550, 1057.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(2)")), (A{2550, 1057.5, 4650, 2057.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(3)")), (A{4650, 2057.5, 7800, 2957.5}));
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(4)")), (A{7800, 3057.5, 9800, 3057.5}));
    EXPECT_EQ(LineaDi(g1, "LineaTemperatura(2)").Colore, 0x00FFFF00u);
    // The profile stands in front of the frame.
    EXPECT_EQ(g1.Linee.back().Nome, "LineaTemperatura(4)");

    const Etichetta interna = EtichettaDi(g1, "Label1y(1)");
    const Etichetta esterna = EtichettaDi(g1, "Label1y(2)");
    // Each one line (180) high and 20 above its level, y(20) = 557.5 and y(-5) = 3057.5: the
    // inside one 40 right of the vertical axis, the outside one ending 40 before the edge.
    EXPECT_EQ((std::tuple{interna.Testo, interna.Sinistra, interna.Alto}),
              (std::tuple{"20 °C", 540.0, 357.5}));
    EXPECT_EQ((std::tuple{esterna.Testo, Ingombro(esterna).Destra, esterna.Alto}),
              (std::tuple{"-5 °C", 8855.0, 2857.5}));
}

TEST(GraficoTemperature, ZeroBelongsToTheRange) {
    // Both temperatures above zero: zero at the bottom of the band, 20 at its top.
    const Superficie caldo = Disegnato(true, 20, 10, {19.5, 10.5}, {"10"});
    EXPECT_EQ(LineaDi(caldo, "LineXg1").Y1, 3615 - 557.5);
    EXPECT_EQ(LineaDi(caldo, "LineaTemperatura(0)").Y1, 557.5);
    EXPECT_EQ(LineaDi(caldo, "LineaTemperatura(2)").Y1, 557.5 + 10 * 2500.0 / 20);

    // Nothing but zero, on the whole panel: everything on the bottom of the band.
    const Superficie nullo = Disegnato(false, 0, 0, {0, 0}, {"10"});
    for (const char* nome :
         {"LineXg1", "LineaTemperatura(0)", "LineaTemperatura(1)", "LineaTemperatura(2)"}) {
        const Linea l = LineaDi(nullo, nome);
        EXPECT_EQ(l.Y1, 7335 - 557.5) << nome;
        EXPECT_EQ(l.Y2, 7335 - 557.5) << nome;
    }
}

TEST(GraficoTemperature, RedrawLeavesExactlyTheSegmentsOfTheNewWall) {
    Superficie g1 = Disegnato(true, 20, 0, {19, 15, 10, 5, 1}, {"1", "1", "1", "1"});
    RisultatiCalcolo r;
    r.Ti = 20;
    r.T[0] = 19;
    r.T[1] = 1;
    DisegnaGraficoTemperature(g1, r, AscisseConfini(PareteDiSpessori({"10"})));
    EXPECT_EQ(std::count_if(g1.Linee.begin(), g1.Linee.end(),
                            [](const Linea& l) { return l.Nome.starts_with("LineaTemp"); }),
              3);
    EXPECT_EQ(Estremi(LineaDi(g1, "LineaTemperatura(1)")), (A{1500, 682.5, 7800, 2932.5}));
    EXPECT_EQ(LineaDi(g1, "LineaTemperatura(2)").X1, 7800);
}
