// The temperature and vapour charts over a table of walls, each drawn over the charts of the
// one before: the wall section between its faces, one isotherm per inner boundary, every
// profile on one linear scale that takes in zero, the air levels labelled on their own side,
// nothing left of the earlier wall.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/charts/cornici.h"
#include "core/charts/etichette_livelli.h"
#include "core/charts/grafico_temperature.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/profili.h"
#include "core/charts/scala.h"
#include "core/charts/testo_grafico.h"
#include "grafici_aiuto.h"
#include "grafici_leggibili.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

using A = std::array<double, 4>;
using Valori = std::vector<double>; // inside air, boundaries 0 .. N, outside air

// The faces, the isotherms and the borders of the section of surface n share its top and
// bottom; the vertical axis stands left of it.
void ControllaSezione(const Superficie& s, const std::string& n, const std::vector<double>& xs) {
    const double alto = AltoMuro, basso = s.Altezza - MargineBassoMuro;
    const int bordo = n == "1" ? 100 : 200, N = static_cast<int>(xs.size()) - 1;
    EXPECT_EQ(Estremi(LineaDi(s, "L" + n + "(0)")), (A{xs[0], alto, xs[0], basso}));
    EXPECT_EQ(Estremi(LineaDi(s, "L" + n + n + "(0)")), (A{xs.back(), alto, xs.back(), basso}));
    EXPECT_EQ(LineaDi(s, "L" + n + "(0)").Colore, 0x0000FFFFu);
    EXPECT_EQ(Estremi(LineaDi(s, NomeIndice("Line3", bordo))), (A{xs[0], alto, xs.back(), alto}));
    EXPECT_EQ(LineaDi(s, NomeIndice("Line3", bordo)).Tratto, StileTratto::TrattoPunto);
    EXPECT_EQ(Estremi(LineaDi(s, NomeIndice("Line3", bordo + 1))),
              (A{xs[0], basso, xs.back(), basso}));
    for (int i = 1; i < N; ++i) {
        const double x = xs[static_cast<std::size_t>(i)];
        EXPECT_EQ(Estremi(LineaDi(s, NomeIndice("L" + n, i))), (A{x, alto, x, basso}));
    }
    EXPECT_EQ(TrovaLinea(s, NomeIndice("L" + n, std::max(N, 1))), nullptr);
    EXPECT_EQ(Estremi(LineaDi(s, "LineYg" + n)),
              (A{AsseVerticale, s.Altezza - MargineBassoAsse, AsseVerticale, 0}));
}

// The largest value (or zero) lies MargineBanda below the top, the smallest (or zero) as far
// above the bottom; with no span, everything at the bottom of the band.
struct Scala {
    double H, massimo = 0, minimo = 0;
    Scala(double h, std::initializer_list<const Valori*> profili) : H(h) {
        for (const Valori* v : profili) {
            massimo = std::max(massimo, *std::max_element(v->begin(), v->end()));
            minimo = std::min(minimo, *std::min_element(v->begin(), v->end()));
        }
    }
    double y(double v) const {
        return massimo == minimo
                   ? H - MargineBanda
                   : MargineBanda + (massimo - v) * (H - 2 * MargineBanda) / (massimo - minimo);
    }
};

// famiglia(0) the inside air level from x = 0 to the inside face, famiglia(k) the segment
// through layer k, famiglia(N + 1) the outside air level, nothing beyond; the air levels
// labelled, the inside one right of the vertical axis, the outside one at the right edge.
void ControllaProfilo(const Superficie& s, const std::string& famiglia, ColoreBGR colore,
                      const Scala& scala, const Valori& v, const std::vector<double>& xs,
                      const std::string& interna, const std::string& esterna,
                      const std::string& unita = "") {
    SCOPED_TRACE(famiglia);
    const std::size_t N = xs.size() - 1;
    for (std::size_t k = 0; k <= N + 1; ++k) {
        const Linea l = LineaDi(s, NomeIndice(famiglia, static_cast<int>(k)));
        const std::size_t i1 = k == 0 ? 0 : k > N ? N + 2 : k, i2 = k == 0 || k > N ? i1 : k + 1;
        const A atteso{k == 0 ? 0 : xs[k - 1], scala.y(v[i1]), k > N ? FineLivelloEsterno : xs[k],
                       scala.y(v[i2])};
        for (std::size_t c = 0; c < 4; ++c) {
            EXPECT_NEAR(Estremi(l)[c], atteso[c], 1e-9) << k;
        }
        EXPECT_EQ(l.Colore, colore);
    }
    EXPECT_EQ(TrovaLinea(s, NomeIndice(famiglia, static_cast<int>(N + 2))), nullptr);
    for (const auto& [nome, valore, dentro] :
         {std::tuple{interna, v.front(), true}, {esterna, v.back(), false}}) {
        const Rettangolo r = Ingombro(EtichettaDi(s, nome));
        const double y = scala.y(valore);
        EXPECT_EQ(EtichettaDi(s, nome).Testo, FormaGrafico(valore) + unita) << nome;
        EXPECT_EQ(dentro ? r.Sinistra : s.Larghezza - r.Destra,
                  dentro ? AsseVerticale + RientroEtichetteLivello : RientroEtichetteLivello)
            << nome;
        EXPECT_LE(std::max({r.Alto - y, y - r.Basso, 0.0}), 400) << nome;
    }
}

// Three layers of 10, 20 and 30 cm (boundaries at 1500, 2550, 4650, 7800) and a largest
// pressure of 25 hPa, so that p lies at 557.5 + (25 - p)·100. The effective pressure
// overtakes the saturation pressure at 9/11 of layer 2 and falls back under it halfway
// through layer 3.
RisultatiCalcolo Condensa() {
    RisultatiCalcolo r;
    r.Pvsi = 25;
    r.Pvse = 4;
    r.Pvi = 12.5;
    r.Pve = 3;
    r.Pvs = {24, 20, 8, 5};
    r.Pv = {12.5, 11, 10, 3};
    return r;
}

double y(double p) {
    return 557.5 + (25 - p) * 100;
}

Superficie Tratteggiato(const RisultatiCalcolo& r) {
    Superficie g2 = GraficiAzzerati(true).Grafico2;
    DisegnaGraficiUmidità(g2, r, AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    tratteggio(g2, 3);
    return g2;
}

} // namespace

TEST(GraficiProfili, EmptyFramesForEitherHeight) {
    for (const bool igrometrico : {true, false}) {
        const Grafici g = GraficiAzzerati(igrometrico);
        const double H = igrometrico ? AltezzaSuperficieMezza : AltezzaSuperficieIntera;
        EXPECT_EQ(g.Grafico1.Altezza, H);
        ControllaSezione(g.Grafico1, "1", {FacciaInterna, FacciaEsterna});
        EXPECT_EQ(Estremi(LineaDi(g.Grafico1, "LineXg1")),
                  (A{AsseVerticale, H - MargineBanda, LarghezzaSuperficie, H - MargineBanda}));
        EXPECT_TRUE(g.Grafico1.Etichette.empty());
        if (igrometrico) {
            ControllaSezione(g.Grafico2, "2", {FacciaInterna, FacciaEsterna});
            EXPECT_EQ(LineaDi(g.Grafico2, "LineXg2").Y1, AltezzaRiferimentoGrafico2);
            EXPECT_TRUE(g.Grafico2.Etichette.empty());
        }
    }
}

TEST(GraficiProfili, EachWallOverTheChartsOfTheOneBefore) {
    struct Parete {
        const char* nome;
        bool igrometrico;
        std::vector<const char*> spessori;
        Valori T, Pvs, Pv;
    };
    const Parete pareti[] = {
        {"quattro strati sottili",
         true,
         {"1", "1", "1", "1"},
         {20, 19, 15, 10, 5, 1, 0},
         {23, 22, 18, 12, 8, 6.5, 6},
         {12, 12, 10, 8, 6, 5, 5}},
        {"tre strati",
         true,
         {"10", "20", "30"},
         {20, 18, 15, 5, -4, -5},
         {25, 24, 20, 8, 5, 4},
         {12.5, 12.5, 11, 10, 3, 3}},
        {"uno strato", true, {"10"}, {20, 19, 1, 0}, {23, 22, 7, 6}, {12, 12, 5, 5}},
        {"sopra zero",
         true,
         {"2,5", "7,5"},
         {20, 19.5, 15, 10.5, 10},
         {23, 22, 17, 13, 12},
         {14, 14, 12, 10, 10}},
        {"tutto zero", false, {"10"}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    Grafici g = GraficiAzzerati(true);
    for (const Parete& p : pareti) {
        SCOPED_TRACE(p.nome);
        if ((g.Grafico1.Altezza == AltezzaSuperficieMezza) != p.igrometrico) {
            g = GraficiAzzerati(p.igrometrico);
        }
        const Esercizio e = PareteDiSpessori(p.spessori);
        const int N = e.NumeroStrati();
        RisultatiCalcolo r;
        r.Ti = p.T.front();
        r.Te = p.T.back();
        r.Pvsi = p.Pvs.front();
        r.Pvse = p.Pvs.back();
        r.Pvi = p.Pv.front();
        r.Pve = p.Pv.back();
        std::copy(p.T.begin() + 1, p.T.end() - 1, r.T.begin());
        std::copy(p.Pvs.begin() + 1, p.Pvs.end() - 1, r.Pvs.begin());
        std::copy(p.Pv.begin() + 1, p.Pv.end() - 1, r.Pv.begin());
        DisegnaLeIsoterme(g, e);
        const std::vector<double> xs = AscisseConfini(e);
        DisegnaGraficoTemperature(g.Grafico1, r, xs);

        ControllaSezione(g.Grafico1, "1", xs);
        const Scala t(g.Grafico1.Altezza, {&p.T});
        ControllaProfilo(g.Grafico1, "LineaTemperatura", 0x00FFFF00u, t, p.T, xs, "Label1y(1)",
                         "Label1y(2)", " °C");
        EXPECT_EQ(g.Grafico1.Linee.back().Nome, NomeIndice("LineaTemperatura", N + 1))
            << "the profile stands in front of the frame";
        EXPECT_DOUBLE_EQ(LineaDi(g.Grafico1, "LineXg1").Y1, t.y(0));
        // The boundary labels in a row below the section, from the inside face.
        const Etichetta ultima = EtichettaDi(g.Grafico1, "Label9");
        EXPECT_EQ(ultima.Testo, "i" + std::to_string(N));
        EXPECT_GT(ultima.Alto, g.Grafico1.Altezza - MargineBassoMuro);
        for (int i = 0; i < N; ++i) {
            const Etichetta faccia = EtichettaDi(g.Grafico1, NomeIndice("Label8", i));
            EXPECT_EQ((std::pair{faccia.Testo, faccia.Alto}),
                      (std::pair{"i" + std::to_string(i), ultima.Alto}));
            EXPECT_EQ(faccia.Sinistra,
                      xs[static_cast<std::size_t>(i)]); // room enough in each layer
        }
        EXPECT_EQ(TrovaEtichetta(g.Grafico1, NomeIndice("Label8", N)), nullptr);
        ControllaLeggibile(g.Grafico1, "temperature");
        if (p.igrometrico) {
            DisegnaGraficiUmidità(g.Grafico2, r, xs);
            ControllaSezione(g.Grafico2, "2", xs);
            const Scala v(g.Grafico2.Altezza, {&p.Pvs, &p.Pv});
            ControllaProfilo(g.Grafico2, "LineaU1", 0x0000FF00u, v, p.Pvs, xs, "Label2yV(1)",
                             "Label2yV(2)");
            ControllaProfilo(g.Grafico2, "LineaU2", 0x000000FFu, v, p.Pv, xs, "Label2yR(1)",
                             "Label2yR(2)");
            EXPECT_DOUBLE_EQ(LineaDi(g.Grafico2, "LineXg2").Y1, v.y(0));
            ControllaLeggibile(g.Grafico2, "pressioni");
        }
    }
}

TEST(GraficiProfili, LayersTakeTheirShareOfTheSectionReadWithTheDecimalComma) {
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"10", "20", "30"})),
              (std::vector<double>{1500, 2550, 4650, 7800}));
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"2,5", "7,5"})),
              (std::vector<double>{1500, 1500 + 2.5 * 6300 / 10, 7800}));
    // A wall that adds up to no width still gets defined positions: equal shares.
    EXPECT_EQ(AscisseConfini(PareteDiSpessori({"0", "abc", "0"})),
              (std::vector<double>{1500, 3600, 5700, 7800}));
}

TEST(GraficoUmidita, HatchingMarksExactlyWhereTheEffectivePressureIsAbove) {
    Superficie g2 = Tratteggiato(Condensa());
    // Layer 2 beyond 2550 + 2100·9/11 (4268.2), layer 3 before 4650 + 1575 (6225); both
    // layers stroke their common boundary.
    std::vector<double> attese;
    for (double x = 4290; x <= 4650; x += 60) {
        attese.push_back(x);
    }
    for (double x = 4650; x <= 6210; x += 60) {
        attese.push_back(x);
    }
    std::vector<double> ascisse;
    for (const Linea& p : g2.Pennellate) {
        ascisse.push_back(p.X1);
        EXPECT_EQ(p.X2, p.X1);
        EXPECT_EQ(p.Colore, 0x00FF00FFu);
    }
    EXPECT_EQ(ascisse, attese);
    // Each stroke runs from the saturation profile up to the effective one.
    const double t = 1740.0 / 2100;
    EXPECT_NEAR(g2.Pennellate.front().Y1, y(20 + (8 - 20) * t), 1e-9);
    EXPECT_NEAR(g2.Pennellate.front().Y2, y(11 + (10 - 11) * t), 1e-9);

    // Hatching twice paints the same strokes; a redraw of the chart takes them away.
    const std::vector<Linea> prime = g2.Pennellate;
    tratteggio(g2, 3);
    EXPECT_EQ(g2.Pennellate, prime);
    DisegnaGraficiUmidità(g2, Condensa(), AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    EXPECT_TRUE(g2.Pennellate.empty());
}

TEST(GraficoUmidita, NoCondensationNoHatching) {
    RisultatiCalcolo r = Condensa();
    r.Pv[1] = 11;
    r.Pv[2] = 7.9;
    EXPECT_TRUE(Tratteggiato(r).Pennellate.empty());
    // Profiles that touch everywhere never lie above each other.
    r.Pv = r.Pvs;
    EXPECT_TRUE(Tratteggiato(r).Pennellate.empty());
}

TEST(GraficoUmidita, ALevelLabelStandsAboveItsLevelUnlessItWouldCrossAnother) {
    // Each label, one line (180) high, stands 20 above its level where that is free. Above the
    // red outside level y(3) the label would cross the green one at y(4), 100 higher: it goes
    // 20 below its level instead.
    Superficie g2 = GraficiAzzerati(true).Grafico2;
    DisegnaGraficiUmidità(g2, Condensa(), AscisseConfini(PareteDiSpessori({"10", "20", "30"})));
    EXPECT_EQ(EtichettaDi(g2, "Label2yV(1)").Alto, y(25) - 200);
    EXPECT_EQ(EtichettaDi(g2, "Label2yV(2)").Alto, y(4) - 200);
    EXPECT_EQ(EtichettaDi(g2, "Label2yR(1)").Alto, y(12.5) - 200);
    EXPECT_EQ(EtichettaDi(g2, "Label2yR(2)").Alto, y(3) + 20);
}
