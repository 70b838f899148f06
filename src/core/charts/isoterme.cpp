#include "core/charts/isoterme.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/charts/cornici.h"
#include "core/charts/posa_etichette.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr double SinistraEtichettaFacciaEsterna = 7680;
constexpr double DistanzaEtichetteIsoterme = 100; // below the lower edge of the section

std::string NomeConfine(int i) {
    return "i" + std::to_string(i);
}

// Thin layers put their boundaries closer than their labels are wide: a label that would touch
// the one before it moves right, and then, from the right edge of the surface back, one that
// would touch the one after it moves left.
void Distanzia(std::vector<Etichetta>& etichette, double larghezza) {
    for (std::size_t i = 1; i < etichette.size(); ++i) {
        const Etichetta& prima = etichette[i - 1];
        etichette[i].Sinistra =
            std::max(etichette[i].Sinistra,
                     prima.Sinistra + LarghezzaTesto(prima.Testo) + DistanzaEtichetta);
    }
    double limite = larghezza;
    for (auto e = etichette.rbegin(); e != etichette.rend(); ++e) {
        e->Sinistra = std::min(e->Sinistra, limite - LarghezzaTesto(e->Testo));
        limite = e->Sinistra - DistanzaEtichetta;
    }
}

} // namespace

std::vector<double> AscisseConfini(const Esercizio& e) {
    const int N = e.NumeroStrati();
    std::vector<double> spessori;
    double S = 0;
    for (int k = 1; k <= N; ++k) {
        spessori.push_back(ConvertiNumeroOZero(e.strato(k).Spessore.Testo));
        S += spessori.back();
    }
    // A wall whose thicknesses do not add up to a positive width (validation never lets one
    // through) is drawn with layers of equal width, so that no position is undefined.
    const bool spessoriUsabili = S > 0 && std::isfinite(S);
    std::vector<double> x{FacciaInterna};
    double parziale = 0;
    for (int i = 1; i < N; ++i) {
        parziale += spessoriUsabili ? spessori[static_cast<std::size_t>(i - 1)] : 1.0;
        const double totale = spessoriUsabili ? S : N;
        x.push_back(FacciaInterna + parziale * (FacciaEsterna - FacciaInterna) / totale);
    }
    x.push_back(FacciaEsterna);
    return x;
}

void DisegnaLeIsoterme(Grafici& g, const Esercizio& e) {
    const std::vector<double> x = AscisseConfini(e);
    const int N = e.NumeroStrati();
    // Isotherms of a wall that had more layers do not belong to this one.
    for (int i = N; i < NumeroStratiMax; ++i) {
        RimuoviLinea(g.Grafico1, NomeIndice("L1", i));
        RimuoviLinea(g.Grafico2, NomeIndice("L2", i));
        RimuoviEtichetta(g.Grafico1, NomeIndice("Label8", i));
    }
    for (int i = 1; i < N; ++i) {
        const double xi = x[static_cast<std::size_t>(i)];
        for (auto [superficie, famiglia] : {std::pair{&g.Grafico1, "L1"}, {&g.Grafico2, "L2"}}) {
            PosizionaLinea(*superficie, Linea{NomeIndice(famiglia, i), xi, AltoMuro, xi,
                                              superficie->Altezza - MargineBassoMuro, GialloBGR, 1,
                                              StileTratto::Continuo, true});
        }
    }
    const double alto = g.Grafico1.Altezza - MargineBassoMuro + DistanzaEtichetteIsoterme;
    std::vector<Etichetta> etichette;
    for (int i = 0; i < N; ++i) {
        etichette.push_back(Etichetta{NomeIndice("Label8", i), x[static_cast<std::size_t>(i)], alto,
                                      NomeConfine(i), GialloBGR, true});
    }
    etichette.push_back(
        Etichetta{"Label9", SinistraEtichettaFacciaEsterna, alto, NomeConfine(N), GialloBGR, true});
    Distanzia(etichette, g.Grafico1.Larghezza);
    for (Etichetta& e : etichette) {
        PosizionaEtichetta(g.Grafico1, std::move(e));
    }
}

} // namespace paretix
