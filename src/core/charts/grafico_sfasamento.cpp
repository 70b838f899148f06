#include "core/charts/grafico_sfasamento.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/charts/posa_etichette.h"
#include "core/charts/testo_grafico.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

// The plot area inside the surface. Above it the legend band names the two curves, and under
// the legend the delay's label stands on top of its line; on the right, U·1 K names the top of
// the flux scale; below, the hours. So no label lies on a curve or a grid line.
constexpr double Sinistra = 400;
constexpr double Destra = LarghezzaGraficoSfasamento - 1200;
constexpr double AltoLegenda = 30;
constexpr double Alto = AltoLegenda + 2 * (AltezzaTesto + 2 * DistanzaEtichetta);
constexpr double Basso = AltezzaGraficoSfasamento - 450;
constexpr double Centro = (Alto + Basso) / 2;
constexpr double Ampiezza = (Basso - Alto) / 2;
constexpr double OreGiorno = 24;
// The gap between the two names of the legend.
constexpr double SpazioLegenda = 400;
constexpr const char* UnitàFlusso = " W/m²";

double X(double ore) {
    return Sinistra + (Destra - Sinistra) * ore / OreGiorno;
}

double Y(double frazione) {
    return Centro - Ampiezza * frazione;
}

// The curve ampiezza·cos(2π (t − ritardo)/24 h), ampiezza a fraction of the plot's half height.
void Curva(Superficie& s, const char* famiglia, double ampiezza, double ritardoOre,
           ColoreBGR colore, StileTratto tratto) {
    const auto valore = [&](int i) {
        const double ore = OreGiorno * i / PuntiGraficoSfasamento;
        return ampiezza * std::cos(2 * std::numbers::pi * (ore - ritardoOre) / OreGiorno);
    };
    for (int i = 0; i < PuntiGraficoSfasamento; ++i) {
        const double t0 = OreGiorno * i / PuntiGraficoSfasamento;
        const double t1 = OreGiorno * (i + 1) / PuntiGraficoSfasamento;
        s.Linee.push_back({NomeIndice(famiglia, i), X(t0), Y(valore(i)), X(t1), Y(valore(i + 1)),
                           colore, 2, tratto, true});
    }
}

// A label whose left edge is moved so that the whole text stays between minimo and massimo.
Etichetta Dentro(std::string nome, double sinistra, double alto, std::string testo,
                 ColoreBGR colore, double minimo = 0, double massimo = LarghezzaGraficoSfasamento) {
    const double larghezza = LarghezzaTesto(testo);
    sinistra = std::clamp(sinistra, minimo, std::max(minimo, massimo - larghezza));
    return {std::move(nome), sinistra, alto, std::move(testo), colore, true};
}

} // namespace

Superficie GraficoSfasamento(double U, double Yie, double sfasamentoOre) {
    Superficie s;
    s.Larghezza = LarghezzaGraficoSfasamento;
    s.Altezza = AltezzaGraficoSfasamento;

    // Frame, zero line and the hour grid every 6 h.
    s.Linee.push_back(
        {"LineaZero", Sinistra, Centro, Destra, Centro, BiancoBGR, 1, StileTratto::Continuo, true});
    for (int h = 0; h <= 24; h += 6) {
        s.Linee.push_back({NomeIndice("LineaOra", h), X(h), Alto, X(h), Basso, BiancoBGR, 1,
                           h == 0 || h == 24 ? StileTratto::Continuo : StileTratto::Punteggiato,
                           true});
        const std::string testo = std::to_string(h);
        s.Etichette.push_back(Dentro(NomeIndice("EtichettaOra", h),
                                     X(h) - LarghezzaTesto(testo) / 2, Basso + 60, testo,
                                     BiancoBGR));
    }
    s.Etichette.push_back(
        Dentro("EtichettaUnitaOre", Destra + 150, Basso + 60, EtichettaOre, BiancoBGR));

    // The outside wave at full height, which is also U·1 K on the flux scale: the response's
    // height against it is the decrement factor.
    const double f = U > 0 ? Yie / U : 0;
    Curva(s, "LineaTe", 1, 0, RossoBGR, StileTratto::Continuo);
    Curva(s, "LineaFlusso", f, sfasamentoOre, VerdeBGR, StileTratto::Continuo);

    const Etichetta te =
        Dentro("EtichettaTe", Sinistra, AltoLegenda, EtichettaTemperaturaEsterna, RossoBGR);
    s.Etichette.push_back(Dentro("EtichettaFlusso",
                                 Sinistra + LarghezzaTesto(te.Testo) + SpazioLegenda, AltoLegenda,
                                 EtichettaFlusso, VerdeBGR));
    s.Etichette.push_back(te);
    s.Etichette.push_back(Dentro("EtichettaU", Destra + 2 * DistanzaEtichetta,
                                 Alto - AltezzaTesto / 2, Decimali(U, 3) + UnitàFlusso, RossoBGR));

    // The delay: from the outside peak at 0 h to the inside peak at Δt, its label on top of the
    // line and within the plot's width.
    s.Linee.push_back({"LineaSfasamento", X(sfasamentoOre), Alto, X(sfasamentoOre), Basso, VerdeBGR,
                       1, StileTratto::Punteggiato, true});
    const std::string sfasamento = PrefissoSfasamento + Decimali(sfasamentoOre, 1) + " h";
    s.Etichette.push_back(
        Dentro("EtichettaSfasamento", X(sfasamentoOre) - LarghezzaTesto(sfasamento) / 2,
               Alto - DistanzaEtichetta - AltezzaTesto, sfasamento, VerdeBGR, Sinistra, Destra));
    return s;
}

} // namespace paretix
