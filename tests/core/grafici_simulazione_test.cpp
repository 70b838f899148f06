// The charts of a transient run: what the engine keeps for them, and the charts drawn from it
// kept readable and true to the values over a table of results.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/charts/grafico_serie.h"
#include "core/charts/scala.h"
#include "core/files/dati_aggiuntivi.h"
#include "core/relazione/relazione_simulazione.h"
#include "core/simulazione/grafici_simulazione.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "grafici_leggibili.h"
#include "support/parete_simulata.h"

namespace paretix {
namespace {

RisultatoSimulazione Esegui(bool andamenti) {
    SimulazionePreparata p;
    std::string errore;
    EXPECT_TRUE(PreparaSimulazione(test::PareteSimulata(), ".", LeggiFileTesto, p, errore))
        << errore;
    p.Dati.Muffa = SensibilitàMuffa::Sensibile;
    p.Dati.Andamenti = andamenti;
    return Simula(p.Dati);
}

// Two days of hours: 48 states at each watched place (the surface and the one interface), a
// profile at the end of each day whose inside surface is the last hour's state, and nothing of
// either when the run is not asked for them; the other results do not depend on it.
TEST(GraficiSimulazione, TheRunKeepsTheHoursAndTheDaysOnlyWhenAsked) {
    const RisultatoSimulazione con = Esegui(true), senza = Esegui(false);
    ASSERT_TRUE(con.Riuscita && senza.Riuscita);
    ASSERT_EQ(con.Andamenti.size(), 2u);
    EXPECT_EQ(con.Andamenti[1].Dove, 1);
    for (const AndamentoPunto& a : con.Andamenti) {
        EXPECT_EQ(a.θ.size(), 48u);
        EXPECT_EQ(a.φ.size(), 48u);
    }
    ASSERT_EQ(con.ProfiliGiornalieri.size(), 2u);
    EXPECT_DOUBLE_EQ(con.ProfiliGiornalieri[1].t, 2 * SecondiGiorno);
    EXPECT_DOUBLE_EQ(con.ProfiliGiornalieri[1].T.front(), con.Andamenti[0].θ.back());
    EXPECT_DOUBLE_EQ(con.ProfiliGiornalieri[1].φ.front(), con.Andamenti[0].φ.back());
    // The interface lies between the neighbouring centres, warmer than outside.
    const double θ = con.Andamenti[1].θ.back();
    EXPECT_GT(θ, 0);
    EXPECT_LT(θ, con.Andamenti[0].θ.back());
    EXPECT_EQ(con.Spessori, (std::vector<double>{0.02, 0.25}));
    EXPECT_TRUE(senza.Andamenti.empty() && senza.ProfiliGiornalieri.empty());
    EXPECT_EQ(con.AcquaFinale, senza.AcquaFinale);
    EXPECT_EQ(con.Muffa[0].Massimo, senza.Muffa[0].Massimo);
}

// Of each group the extremes stay, in their order; a short series is left as it is.
TEST(GraficiSimulazione, AReducedSeriesKeepsItsPeaksInOrder) {
    CurvaGrafico c{"", {}, {}, RossoBGR};
    for (int i = 0; i < 1000; ++i) {
        c.x.push_back(i);
        c.y.push_back(std::sin(i / 7.0) + (i == 613 ? 5 : 0));
    }
    const CurvaGrafico r = RiduciSerie(c, 50);
    EXPECT_EQ(r.x.size(), 100u);
    EXPECT_TRUE(std::is_sorted(r.x.begin(), r.x.end()));
    EXPECT_EQ(*std::max_element(r.y.begin(), r.y.end()), c.y[613]);
    EXPECT_EQ(*std::min_element(r.y.begin(), r.y.end()), *std::min_element(c.y.begin(), c.y.end()));
    EXPECT_EQ(RiduciSerie(c, 500).x, c.x);
}

// A run of ten years that dries, one that wets, one where mould grows past the limit and one
// where nothing changes: every chart stays readable, each curve's points keep the order of
// their values, and the limit's line lies at its value between the curve's.
TEST(GraficiSimulazione, ChartsStayReadableAndTrueToTheirValues) {
    struct Caso {
        const char* nome;
        double acqua0, pendenza, muffa;
    };
    const Caso casi[] = {{"asciuga", 12, -0.08, 0},
                         {"accumula", 3, 0.2, 0.4},
                         {"muffa", 5, 0, 2.7},
                         {"ferma", 4, 0, 0}};
    for (const Caso& c : casi) {
        RisultatoSimulazione r;
        r.AcquaIniziale = c.acqua0;
        r.Muffa = {{0, 0, {}}, {1, 0, {}}, {2, 0, {}}};
        for (int m = 1; m <= 120; ++m) {
            r.AcquaMensile.push_back(c.acqua0 + c.pendenza * m + 0.5 * std::sin(m * 0.52));
            r.Muffa[2].FineMese.push_back(c.muffa * m / 120);
            r.Muffa[0].FineMese.push_back(c.muffa * m / 240);
            r.Muffa[1].FineMese.push_back(0);
        }
        r.Muffa[2].Massimo = c.muffa;
        r.Andamenti = {{0, {}, {}}, {1, {}, {}}};
        for (int h = 0; h < 8760; ++h) {
            r.Andamenti[0].θ.push_back(18 + 2 * std::sin(h / 24.0));
            r.Andamenti[0].φ.push_back(0.55 + 0.1 * std::sin(h / 700.0));
            r.Andamenti[1].θ.push_back(5 + 8 * std::sin(h / 1400.0));
            r.Andamenti[1].φ.push_back(0.7 + 0.3 * std::sin(h / 1400.0));
        }
        Profilo p;
        for (int i = 0; i <= 20; ++i) {
            p.x.push_back(0.27 * i / 20);
            p.T.push_back(20 - i);
            p.φ.push_back(0.5 + 0.02 * i);
            p.w.push_back(i < 2 ? 0 : 9 + i);
        }
        r.ProfiliGiornalieri = {p};
        r.Spessori = {0.02, 0.25};
        const std::vector<std::pair<std::string, Superficie>> grafici{
            {"acqua", GraficoAcquaTotale(r)},
            {"muffa", GraficoMuffa(r)},
            {"θ", GraficoAndamento(r, 1, false)},
            {"φ", GraficoAndamento(r, 1, true)},
            {"profilo w", GraficoProfilo(r, 1, GrandezzaProfilo::Acqua)}};
        for (const auto& [nome, s] : grafici) {
            const std::string caso = std::string(c.nome) + " " + nome;
            prova::ControllaLeggibile(s, caso);
            for (const Linea& l : s.Linee) {
                if (l.Nome.starts_with("Curva")) {
                    EXPECT_GE(std::min(l.Y1, l.Y2), MargineBanda - 1e-9) << caso;
                    EXPECT_LE(std::max(l.Y1, l.Y2), s.Altezza - MargineBanda + 1e-9) << caso;
                    EXPECT_LT(l.X1, l.X2) << caso << " " << l.Nome;
                }
            }
        }
        // The abscissa spans the plot: the first point at its left edge, the last at its right.
        const Linea* ultimo = TrovaLinea(grafici[0].second, "Curva1(120)");
        ASSERT_NE(ultimo, nullptr);
        EXPECT_DOUBLE_EQ(TrovaLinea(grafici[0].second, "Curva1(1)")->X1, 560);
        EXPECT_DOUBLE_EQ(ultimo->X2, LarghezzaGraficoSerie - 300);
        // Water: the first segment rises on the chart exactly when the water rises.
        const Linea* primo = TrovaLinea(grafici[0].second, "Curva1(1)");
        ASSERT_NE(primo, nullptr);
        EXPECT_EQ(primo->Y2<primo->Y1, r.AcquaMensile[0]> c.acqua0) << c.nome;
        // Mould: the surface and the worst interface only (the surface alone when nothing
        // grows); the limit between their ends.
        const Superficie& muffa = grafici[1].second;
        EXPECT_EQ(TrovaLinea(muffa, "Curva3(1)"), nullptr);
        if (c.muffa > 0) {
            const Etichetta* peggiore = TrovaEtichetta(muffa, "EtichettaLegenda(2)");
            const Linea* soglia = TrovaLinea(muffa, "LineaSoglia");
            const Linea* ultima = TrovaLinea(muffa, "Curva2(120)");
            ASSERT_TRUE(peggiore && soglia && ultima) << c.nome;
            EXPECT_EQ(peggiore->Testo, "interfaccia 2|3");
            EXPECT_EQ(ultima->Y2<soglia->Y1, c.muffa> 1) << c.nome;
        }
        // The profile's layer face at 2 cm lies between the points at 1,35 and 2,7 cm.
        const Superficie& profilo = grafici[4].second;
        const Linea* faccia = TrovaLinea(profilo, "LineaConfine(1)");
        const Linea* tratto = TrovaLinea(profilo, "Curva1(2)");
        ASSERT_TRUE(faccia && tratto);
        EXPECT_GT(faccia->X1, tratto->X1);
        EXPECT_LT(faccia->X1, tratto->X2);
    }
}

// The report draws the water and the mould always, the last year and the last day's profiles
// only from a run that kept them.
TEST(GraficiSimulazione, TheReportDrawsWhatTheRunKept) {
    for (const bool andamenti : {false, true}) {
        Relazione documento;
        AggiungiSimulazione(documento, 2, Esegui(andamenti));
        std::vector<std::string> disegni;
        for (const Blocco& b : documento.Blocchi) {
            if (b.Tipo == TipoBlocco::Disegno) {
                disegni.push_back(b.Testo);
                EXPECT_FALSE(b.Disegno.Linee.empty()) << b.Testo;
            }
        }
        ASSERT_EQ(disegni.size(), andamenti ? 7u : 2u);
        if (andamenti) {
            EXPECT_EQ(disegni[2], "Temperatura nell'ultimo anno alla superficie interna e "
                                  "all'interfaccia tra gli strati 1 e 2");
            EXPECT_EQ(disegni[6], "Contenuto d'acqua attraverso la parete alla fine del giorno 2");
        }
    }
}

// Four captions take the legend's two rows, above the plot and off each other.
TEST(GraficiSimulazione, ALongLegendWrapsAboveThePlot) {
    DatiGraficoSerie d;
    for (int k = 1; k <= 4; ++k) {
        d.Curve.push_back({"interfaccia " + std::to_string(k), {0, 1}, {0, 1.0 * k}, RossoBGR});
    }
    const Superficie s = GraficoSerie(d);
    prova::ControllaLeggibile(s, "legenda");
    const double riga1 = TrovaEtichetta(s, "EtichettaLegenda(1)")->Alto;
    const double riga4 = TrovaEtichetta(s, "EtichettaLegenda(4)")->Alto;
    EXPECT_GT(riga4, riga1);
    EXPECT_LT(riga4 + AltezzaTesto, MargineBanda);
}

// A run longer than a year keeps the hours of its last year only, and every day's profile.
TEST(GraficiSimulazione, ALongRunKeepsItsLastYearOfHours) {
    Esercizio e = test::PareteSimulata();
    ASSERT_TRUE(ApplicaRigaDatiAggiuntivi(e, "simulazione.giorni=370"));
    SimulazionePreparata p;
    std::string errore;
    ASSERT_TRUE(PreparaSimulazione(e, ".", LeggiFileTesto, p, errore)) << errore;
    p.Dati.Andamenti = true;
    const RisultatoSimulazione r = Simula(p.Dati);
    ASSERT_TRUE(r.Riuscita);
    EXPECT_EQ(r.Andamenti[0].θ.size(), 8760u);
    EXPECT_EQ(r.ProfiliGiornalieri.size(), 370u);
    EXPECT_EQ(r.AcquaMensile.size(), 12u);
}

// Without the hourly state or a kept day there is nothing to draw.
TEST(GraficiSimulazione, NothingKeptNothingDrawn) {
    const RisultatoSimulazione r;
    EXPECT_TRUE(GraficoAndamento(r, 1, false).Linee.empty());
    EXPECT_TRUE(GraficoProfilo(r, 1, GrandezzaProfilo::Temperatura).Linee.empty());
}

} // namespace
} // namespace paretix
