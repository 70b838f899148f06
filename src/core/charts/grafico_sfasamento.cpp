#include "core/charts/grafico_sfasamento.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/charts/testo_grafico.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

// The plot area inside the surface: room for the hour labels below and the value labels at
// the sides.
constexpr double Sinistra = 900;
constexpr double Destra = LarghezzaGraficoSfasamento - 900;
constexpr double Alto = 300;
constexpr double Basso = AltezzaGraficoSfasamento - 450;
constexpr double Centro = (Alto + Basso) / 2;
constexpr double Ampiezza = (Basso - Alto) / 2;
constexpr double OreGiorno = 24;
// A label's height in twips at the charts' type size.
constexpr double AltezzaEtichetta = 180;
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

// A label whose left edge is moved so that the whole text stays inside the surface.
Etichetta Dentro(std::string nome, double sinistra, double alto, std::string testo,
                 ColoreBGR colore) {
    const double larghezza = static_cast<double>(testo.size()) * LarghezzaCarattere;
    sinistra = std::clamp(sinistra, 0.0, LarghezzaGraficoSfasamento - larghezza);
    alto = std::clamp(alto, 0.0, AltezzaGraficoSfasamento - AltezzaEtichetta);
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
        s.Etichette.push_back(
            Dentro(NomeIndice("EtichettaOra", h),
                   X(h) - LarghezzaCarattere * static_cast<double>(testo.size()) / 2, Basso + 60,
                   testo, BiancoBGR));
    }
    s.Etichette.push_back(
        Dentro("EtichettaUnitaOre", Destra + 150, Basso + 60, EtichettaOre, BiancoBGR));

    // The outside wave at full height, which is also U·1 K on the flux scale: the response's
    // height against it is the decrement factor.
    const double f = U > 0 ? Yie / U : 0;
    Curva(s, "LineaTe", 1, 0, RossoBGR, StileTratto::Continuo);
    Curva(s, "LineaFlusso", f, sfasamentoOre, VerdeBGR, StileTratto::Continuo);

    s.Etichette.push_back(
        Dentro("EtichettaTe", 60, Alto - AltezzaEtichetta, EtichettaTemperaturaEsterna, RossoBGR));
    s.Etichette.push_back(Dentro("EtichettaFlusso", Destra + 60, Y(f) - AltezzaEtichetta / 2,
                                 EtichettaFlusso, VerdeBGR));
    s.Etichette.push_back(Dentro("EtichettaU", Destra + 60, Alto - AltezzaEtichetta,
                                 Decimali(U, 3) + UnitàFlusso, RossoBGR));

    // The delay: from the outside peak at 0 h to the inside peak at Δt.
    s.Linee.push_back({"LineaSfasamento", X(sfasamentoOre), Alto, X(sfasamentoOre), Basso, VerdeBGR,
                       1, StileTratto::Punteggiato, true});
    const std::string sfasamento = PrefissoSfasamento + Decimali(sfasamentoOre, 1) + " h";
    s.Etichette.push_back(
        Dentro("EtichettaSfasamento", X(sfasamentoOre) + 60, Alto + 30, sfasamento, VerdeBGR));
    return s;
}

} // namespace paretix
