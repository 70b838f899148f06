#include "core/window/disposizione.h"

#include <algorithm>
#include <cmath>

namespace paretix {

namespace {

constexpr double TwipPerPollice = 1440;

int Arrotonda(double pixel) {
    return static_cast<int>(std::lround(pixel));
}

} // namespace

double PixelPerTwip(double puntiPerPollice) {
    return puntiPerPollice / TwipPerPollice;
}

double ScalaOrizzontaleMinima(double base, const std::vector<Fabbisogno>& fabbisogni) {
    double scala = base;
    for (const Fabbisogno& f : fabbisogni) {
        if (f.LarghezzaTwip > 0) {
            scala = std::max(scala, static_cast<double>(f.PixelNecessari) / f.LarghezzaTwip);
        }
    }
    return scala;
}

Scala ScalaPannello(int larghezzaTwip, int altezzaTwip, int larghezzaPixel, int altezzaPixel,
                    double base, double minimaX) {
    return {std::max({base, minimaX, static_cast<double>(larghezzaPixel) / larghezzaTwip}),
            std::max(base, static_cast<double>(altezzaPixel) / altezzaTwip), base};
}

RettangoloPixel Disegno(const Scala& s, int sinistra, int alto, int larghezza, int altezza) {
    const int x = Arrotonda(s.X * sinistra);
    const int y = Arrotonda(s.Y * alto);
    return {x, y, Arrotonda(s.X * (sinistra + larghezza)) - x,
            Arrotonda(s.Y * (alto + altezza)) - y};
}

RettangoloPixel Controllo(const Scala& s, int sinistra, int alto, int larghezza, int altezza) {
    // The design rectangle at the platform's scale, moved down by what the panel's stretch
    // adds to its centre; without stretch the shift is exactly zero.
    const double spostamento = (s.Y - s.Base) * (alto + altezza / 2.0);
    const int x = Arrotonda(s.X * sinistra);
    const int y = Arrotonda(s.Base * alto + spostamento);
    return {x, y, Arrotonda(s.X * (sinistra + larghezza)) - x,
            Arrotonda(s.Base * (alto + altezza) + spostamento) - y};
}

Scala ScalaInterna(const Scala& s) {
    return {s.X, s.Base, s.Base};
}

DimensioniPixel MinimoFinestra(double base, DimensioniPixel pannelliMinimi,
                               DimensioniPixel colonnaMinima) {
    const int margine = Arrotonda(base * MargineFinestra);
    const int spazio = Arrotonda(base * SpazioColonna);
    return {2 * margine + pannelliMinimi.Larghezza + spazio + colonnaMinima.Larghezza,
            2 * margine + std::max(pannelliMinimi.Altezza, colonnaMinima.Altezza)};
}

DivisioneFinestra DividiFinestra(int larghezza, int altezza, double base,
                                 DimensioniPixel pannelliMinimi, int pannelliNaturali,
                                 DimensioniPixel colonnaMinima) {
    const DimensioniPixel minimo = MinimoFinestra(base, pannelliMinimi, colonnaMinima);
    const int margine = Arrotonda(base * MargineFinestra);
    const int spazio = Arrotonda(base * SpazioColonna);
    const int extra = std::max(larghezza, minimo.Larghezza) - minimo.Larghezza;
    const int alto = std::max(altezza, minimo.Altezza) - 2 * margine;

    // The panels first, up to the width the schema can use; the rest in two halves.
    const int aiPannelli =
        std::min(extra, std::max(0, pannelliNaturali - pannelliMinimi.Larghezza));
    const int resto = extra - aiPannelli;
    const int pannelli = pannelliMinimi.Larghezza + aiPannelli + resto / 2;
    const int colonna = colonnaMinima.Larghezza + (resto - resto / 2);
    return {{margine, margine, pannelli, alto},
            {margine + pannelli + spazio, margine, colonna, alto}};
}

} // namespace paretix
