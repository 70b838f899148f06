// The charts of the monthly hygrothermal check: the water held through the year with the
// admissible amount, and one month's vapour pressures drawn as the main window's chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/charts/grafici_igrometria_mensile.h"
#include "core/charts/grafico_sfasamento.h"
#include "core/files/apertura_file.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/window/grafici_verifiche.h"
#include "grafici_aiuto.h"
#include "grafici_leggibili.h"

using namespace paretix;
using namespace paretix::prova;

namespace {

// A year whose held water, g/m² at each month's end, is ma (January first).
AccumuloAnno Anno(const std::array<double, MesiAnno>& ma, double ammissibile, int inizio = 0) {
    AccumuloAnno a{ma, 0, 0, ammissibile, inizio};
    for (int m = 0; m < MesiAnno; ++m) {
        const auto i = static_cast<std::size_t>(m);
        if (ma[i] > a.Massimo) {
            a.Massimo = ma[i];
            a.MeseMassimo = m;
        }
    }
    return a;
}

} // namespace

TEST(GraficoAccumulo, TheLineFollowsTheMonthsUnderTheAdmissibleAmount) {
    // Condensing from November to February, drying by April.
    const auto r = Anno({300, 360, 120, 0, 0, 0, 0, 0, 0, 0, 80, 210}, 500, 10);
    const Superficie s = GraficoAccumulo(r);
    ControllaLeggibile(s, "un inverno");
    // Eleven segments, month to month, left to right.
    for (int k = 1; k <= 11; ++k) {
        const Linea l = LineaDi(s, NomeIndice("LineaMa", k));
        EXPECT_LT(l.X1, l.X2);
        if (k > 1) {
            EXPECT_DOUBLE_EQ(l.X1, LineaDi(s, NomeIndice("LineaMa", k - 1)).X2);
        }
    }
    EXPECT_EQ(TrovaLinea(s, "LineaMa(12)"), nullptr);
    // Heights: February's 360 is the highest point, the dry months lie on the zero line, and
    // the admissible 500 lies above every month.
    const double febbraio = LineaDi(s, "LineaMa(1)").Y2;
    const double zero = LineaDi(s, "LineaZero").Y1;
    EXPECT_DOUBLE_EQ(LineaDi(s, "LineaMa(5)").Y1, zero);
    EXPECT_LT(febbraio, LineaDi(s, "LineaMa(1)").Y1);
    const double limite = LineaDi(s, "LineaAmmissibile").Y1;
    EXPECT_LT(limite, febbraio);
    // On a linear scale from 0: 360 is 0,72 of the way from 0 to 500.
    EXPECT_NEAR((zero - febbraio) / (zero - limite), 360.0 / 500.0, 1e-12);
    EXPECT_EQ(EtichettaDi(s, "EtichettaMaMassimo").Testo, "Ma 360 g/m²");
    EXPECT_EQ(EtichettaDi(s, "EtichettaAmmissibile").Testo, "ammissibile 500 g/m²");
    EXPECT_EQ(EtichettaDi(s, "EtichettaUnita").Testo, "g/m²");
    EXPECT_EQ(EtichettaDi(s, "EtichettaMese(1)").Testo, "G");
    EXPECT_EQ(EtichettaDi(s, "EtichettaMese(12)").Testo, "D");
    EXPECT_GE(QuanteTacche(s), 3);
    // The cycle starts in November: its upright stands halfway from October to November.
    const Linea ottobre = LineaDi(s, "LineaMa(10)");
    EXPECT_DOUBLE_EQ(LineaDi(s, "LineaInizioCiclo").X1, (ottobre.X1 + ottobre.X2) / 2);
    ControllaAccanto(s, "EtichettaInizioCiclo", "LineaInizioCiclo");
    ControllaAccanto(s, "EtichettaAmmissibile", "LineaAmmissibile");
}

TEST(GraficoAccumulo, AYearWithoutCondensationAndAwkwardAmountsStayReadable) {
    const Superficie asciutto = GraficoAccumulo(Anno({}, 500));
    ControllaLeggibile(asciutto, "nessuna condensa");
    EXPECT_EQ(TrovaLinea(asciutto, "LineaAmmissibile"), nullptr);
    EXPECT_EQ(TrovaLinea(asciutto, "LineaInizioCiclo"), nullptr);
    EXPECT_EQ(EtichettaDi(asciutto, "EtichettaSenzaCondensa").Testo, EtichettaSenzaCondensa);
    EXPECT_EQ(TrovaEtichetta(asciutto, "EtichettaMaMassimo"), nullptr);

    // A residue far above the limit growing every month, and a tiny amount.
    std::array<double, MesiAnno> crescente{};
    for (int m = 0; m < MesiAnno; ++m) {
        crescente[static_cast<std::size_t>(m)] = 1234.5678 * (m + 1);
    }
    const Superficie residuo = GraficoAccumulo(Anno(crescente, 500));
    ControllaLeggibile(residuo, "residuo");
    EXPECT_EQ(EtichettaDi(residuo, "EtichettaMaMassimo").Testo, "Ma 1,481E+04 g/m²");
    ControllaLeggibile(GraficoAccumulo(Anno({0.0123, 0.004}, 500)), "poca condensa");
}

TEST(GraficoPressioniMese, TheMonthsPressuresInPascalAsTheTableOverTheLayers) {
    Esercizio e = PareteDiSpessori({"10", "30"});
    // Saturation at 20 °C inside, 610,5·exp(17,269·20/257,3) = 2336,9 Pa, and at 0 °C outside.
    const PressioniMese mese{2336.9, 1200, {2100, 1900, 650}, {1200, 1100, 500}, 610.5, 500};
    const Superficie s = GraficoPressioniMese(e, mese);
    ControllaLeggibile(s, "un mese");
    EXPECT_EQ(EtichettaDi(s, "Label2yV(2)").Testo, "610,5");
    EXPECT_EQ(EtichettaDi(s, "Label2yR(1)").Testo, "1200");
    // The inside air at 1200 of 2336,9 Pa holds 51,35 % of the vapour it could.
    EXPECT_EQ(EtichettaDi(s, "EtichettaUi").Testo, "Ui 51,35 %");
    // The axis reads in the unit of the year's table.
    const std::string pressione = ColonneTabellaMensile[4];
    EXPECT_EQ(pressione.substr(pressione.find('(')),
              "(" + EtichettaDi(s, "EtichettaUnita").Testo + ")");
    // The boundary between the layers lies a quarter of the way through the wall, and the
    // vapour line falls through it from 1100 Pa (above the outside's 500 Pa).
    const Linea primo = LineaDi(s, "LineaU2(1)");
    const Linea secondo = LineaDi(s, "LineaU2(2)");
    EXPECT_DOUBLE_EQ(primo.X2, secondo.X1);
    EXPECT_NEAR((primo.X2 - primo.X1) / (secondo.X2 - primo.X1), 0.25, 1e-12);
    EXPECT_LT(primo.Y1, secondo.Y2);
    // The line stays under saturation: nothing hatched.
    EXPECT_TRUE(s.Pennellate.empty());
}

TEST(GraficiDelleVerifiche, TheExampleWithAResidueHasItsYearAndTwelveMonths) {
    Esercizio e;
    ASSERT_EQ(AperturaFile(PARETIX_TEST_DATA "/../../../examples/parete-membrana-fredda.css", e),
              std::nullopt);
    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> v;
    ASSERT_TRUE(CalcolaConVerifiche(e, r, testo, &v).DatiValidi);
    const GraficiVerifiche g = GraficiDelleVerifiche(e, *v);
    const RisultatoIgrometriaMensile& anno = *v->Igrometrica->Risultato;
    ASSERT_TRUE(g.Accumulo.has_value());
    ControllaLeggibile(*g.Accumulo, "esempio");
    ControllaAccanto(*g.Accumulo, "EtichettaAmmissibile", "LineaAmmissibile");
    ControllaAccanto(*g.Accumulo, "EtichettaInizioCiclo", "LineaInizioCiclo");
    const Linea prima = LineaDi(*g.Accumulo, NomeIndice("LineaMa", anno.MeseInizio));
    EXPECT_DOUBLE_EQ(LineaDi(*g.Accumulo, "LineaInizioCiclo").X1, (prima.X1 + prima.X2) / 2);
    EXPECT_FALSE(g.Sfasamento.has_value()); // no specific heats in this example
    ASSERT_EQ(g.PressioniMesi.size(), 12u);
    EXPECT_EQ(g.Mese, anno.MeseAccumuloMassimo);
    EXPECT_EQ(EtichettaDi(*g.Accumulo, "EtichettaMaMassimo").Testo,
              "Ma " + FormaGrafico(anno.AccumuloMassimo) + " g/m²");
    for (int m = 0; m < MesiAnno; ++m) {
        const Superficie& s = g.PressioniMesi[static_cast<std::size_t>(m)];
        ControllaLeggibile(s, NomeIndice("mese", m + 1));
        // In January the vapour line touches saturation behind the membrane, at the boundary
        // between layers 2 and 3; the profiles' second element ends there.
        if (m == 0) {
            EXPECT_NEAR(LineaDi(s, "LineaU2(2)").Y2, LineaDi(s, "LineaU1(2)").Y2, 1e-9);
        }
    }
}

namespace {

// The curve of a family as its points: the start of each segment and the end of the last.
std::vector<std::pair<double, double>> Punti(const Superficie& s, const std::string& famiglia) {
    std::vector<std::pair<double, double>> punti;
    for (const Linea& l : s.Linee) {
        if (l.Nome.starts_with(famiglia + "(")) {
            punti.emplace_back(l.X1, l.Y1);
        }
    }
    return punti;
}

// x of the highest point (the smallest y: y grows downwards) and that point's height above
// the zero line.
std::pair<double, double> Picco(const Superficie& s, const std::string& famiglia) {
    const auto punti = Punti(s, famiglia);
    const auto alto = std::min_element(punti.begin(), punti.end(),
                                       [](auto a, auto b) { return a.second < b.second; });
    return {alto->first, TrovaLinea(s, "LineaZero")->Y1 - alto->second};
}

TEST(GraficoSfasamento, TheResponsePeaksAtTheTimeShiftDampedByTheDecrementFactor) {
    // U 0,5 and Yie 0,1: f = 0,2, so the flux's peak stands at one fifth of the outside wave's
    // (U·1 K on the flux scale); Δt = 6 h puts it a quarter of the way across the 24 h axis.
    const Superficie s = GraficoSfasamento(0.5, 0.1, 6);
    const Linea* zero = TrovaLinea(s, "LineaZero");
    ASSERT_NE(zero, nullptr);
    const double inizio = zero->X1, fine = zero->X2;
    const auto [xFlusso, hFlusso] = Picco(s, "LineaFlusso");
    const auto [xTe, hTe] = Picco(s, "LineaTe");
    EXPECT_NEAR(xFlusso, inizio + (fine - inizio) / 4, 1e-9);
    EXPECT_NEAR(xTe, inizio, 1e-9); // the outside wave peaks at 0 h
    EXPECT_NEAR(hFlusso / hTe, 0.2, 1e-9);
    EXPECT_NEAR(TrovaLinea(s, "LineaSfasamento")->X1, xFlusso, 1e-9);
    EXPECT_EQ(TrovaEtichetta(s, "EtichettaSfasamento")->Testo, "Δt = 6,0 h");
    EXPECT_EQ(TrovaEtichetta(s, "EtichettaU")->Testo, "0,500 W/m²");
    EXPECT_EQ(Punti(s, "LineaFlusso").size(), static_cast<std::size_t>(PuntiGraficoSfasamento));
}

TEST(GraficoSfasamento, EveryLabelStaysInsideWhateverTheShift) {
    // At 0 h and at nearly 24 h the delay's label would run off either edge.
    for (double ore : {0.0, 0.04, 11.5, 23.96}) {
        const Superficie s = GraficoSfasamento(0.3, 0.05, ore);
        prova::ControllaLeggibile(s, std::to_string(ore) + " h");
        ControllaAccanto(s, "EtichettaSfasamento", "LineaSfasamento");
        for (const Linea& l : s.Linee) {
            EXPECT_TRUE(std::isfinite(l.X1 + l.Y1 + l.X2 + l.Y2)) << l.Nome;
        }
    }
    // A shift just under a day peaks just before the end of the axis, the curve wrapping round.
    const Superficie s = GraficoSfasamento(0.3, 0.05, 23.75);
    const Linea* zero = TrovaLinea(s, "LineaZero");
    EXPECT_NEAR(Picco(s, "LineaFlusso").first, zero->X2 - (zero->X2 - zero->X1) / 96, 1e-9);
}

} // namespace
