#include "core/relazione/sezione_parete.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/charts/testo_grafico.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr double Margine = 240;
constexpr double PassoTratteggio = 240;
constexpr ColoreBGR ColoreBordo = BiancoBGR;
constexpr ColoreBGR ColoreTratteggio = AzzurroChiaroBGR;

// A layer's thickness as the run reads it; a text that is not a number, or a negative one,
// takes the least width.
double Spessore(const Strato& s) {
    return std::max(0.0, ConvertiNumeroOZero(s.Spessore.Testo));
}

void Tratteggia(Superficie& sup, int k, double x0, double x1, double y0, double y1) {
    // Lines at 45°: from (c, y1) to (c + h, y0), cut to the rectangle's width.
    const double h = y1 - y0;
    int i = 0;
    for (double c = x0 - h + PassoTratteggio; c < x1; c += PassoTratteggio) {
        const double da = std::max(0.0, (x0 - c) / h);
        const double a = std::min(1.0, (x1 - c) / h);
        if (da >= a) {
            continue;
        }
        Linea l;
        l.Nome = NomeIndice("Tratteggio(" + std::to_string(k) + ")", ++i);
        l.X1 = c + h * da;
        l.Y1 = y1 - h * da;
        l.X2 = c + h * a;
        l.Y2 = y1 - h * a;
        l.Colore = ColoreTratteggio;
        sup.Linee.push_back(std::move(l));
    }
}

void Scritta(Superficie& sup, std::string nome, std::string testo, double x, double y) {
    Etichetta e;
    e.Nome = std::move(nome);
    e.Testo = std::move(testo);
    e.Sinistra = x;
    e.Alto = y;
    e.Colore = BiancoBGR;
    sup.Etichette.push_back(std::move(e));
}

} // namespace

Superficie SezioneParete(const Esercizio& e) {
    Superficie sup;
    sup.Larghezza = LarghezzaSezione;
    sup.Altezza = AltezzaSezione;
    const int n = e.NumeroStrati();
    double totale = 0;
    for (const Strato& s : e.Strati) {
        totale += Spessore(s);
    }
    const double utile = LarghezzaSezione - 2 * Margine;
    const double libera = utile - n * LarghezzaMinimaStrato;
    const double alto = Margine + AltezzaTesto;
    const double basso = AltezzaSezione - Margine - AltezzaTesto;
    Scritta(sup, "Interno", "interno", Margine, Margine / 2);
    Scritta(sup, "Esterno", "esterno", LarghezzaSezione - Margine - LarghezzaTesto("esterno"),
            Margine / 2);
    double x = Margine;
    for (int k = 1; k <= n; ++k) {
        const Strato& s = e.strato(k);
        const double quota = totale > 0 ? Spessore(s) / totale : 1.0 / n;
        const double destra = x + LarghezzaMinimaStrato + libera * quota;
        const std::array<std::array<double, 4>, 4> lati{{{x, alto, destra, alto},
                                                         {destra, alto, destra, basso},
                                                         {destra, basso, x, basso},
                                                         {x, basso, x, alto}}};
        int i = 0;
        for (const auto& [x1, y1, x2, y2] : lati) {
            Linea l;
            l.Nome = NomeIndice("Bordo(" + std::to_string(k) + ")", ++i);
            l.X1 = x1;
            l.Y1 = y1;
            l.X2 = x2;
            l.Y2 = y2;
            l.Colore = ColoreBordo;
            sup.Linee.push_back(std::move(l));
        }
        if (!s.CameraAria()) {
            Tratteggia(sup, k, x, destra, alto, basso);
        }
        const std::string numero = std::to_string(k);
        Scritta(sup, NomeIndice("Numero", k), numero, (x + destra - LarghezzaTesto(numero)) / 2,
                basso + Margine / 4);
        x = destra;
    }
    return sup;
}

} // namespace paretix
