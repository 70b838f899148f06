#pragma once
// How the main window's design in twips is drawn on the room the window has.
//
// At its smallest the window is the design at the platform's scale (15 twips to a pixel at
// 100 %, fewer on a screen of more dots per inch). When it grows, the panels take the extra
// width first, until the wall schema shows all its layers with boxes wide enough for their
// values; what is left beyond that is shared evenly with the column of commands, which never
// gets narrower than its design. Inside a panel the design is stretched: drawings (the layer
// rectangles, the chart surfaces) in both directions; controls in width, while each keeps the
// height of its design at the platform's scale, its vertical centre moving with the panel.

#include <vector>

namespace paretix {

struct RettangoloPixel {
    int Sinistra = 0;
    int Alto = 0;
    int Larghezza = 0;
    int Altezza = 0;

    int Destra() const { return Sinistra + Larghezza; }
    int Basso() const { return Alto + Altezza; }
    bool operator==(const RettangoloPixel&) const = default;
};

struct DimensioniPixel {
    int Larghezza = 0;
    int Altezza = 0;

    bool operator==(const DimensioniPixel&) const = default;
};

// Pixels per twip of a panel: X and Y for positions and widths, Base (the platform's scale)
// for the heights of controls.
struct Scala {
    double X = 0;
    double Y = 0;
    double Base = 0;
};

// Every box that takes a number is wide enough for eight significant digits with a sign and
// the decimal comma.
inline constexpr const char* ValoreCampione = "-12345,678";

// Pixels per twip at the platform's scale on a screen of puntiPerPollice logical dots per inch
// (96 at 100 %).
double PixelPerTwip(double puntiPerPollice);

// A control of the design larghezzaTwip wide that needs pixelNecessari pixels for its text.
struct Fabbisogno {
    int LarghezzaTwip = 0;
    int PixelNecessari = 0;
};

// The smallest horizontal scale at which every control has the width it needs, never below
// the platform's scale.
double ScalaOrizzontaleMinima(double base, const std::vector<Fabbisogno>& fabbisogni);

// The scale of a panel designed larghezzaTwip × altezzaTwip shown on larghezzaPixel ×
// altezzaPixel: it fills the room, never below the platform's scale, and never narrower than
// minimaX.
Scala ScalaPannello(int larghezzaTwip, int altezzaTwip, int larghezzaPixel, int altezzaPixel,
                    double base, double minimaX);

// Where a design rectangle lands. Both edges are rounded, so that rectangles that touch in the
// design touch on the screen and never overlap.
RettangoloPixel Disegno(const Scala& s, int sinistra, int alto, int larghezza, int altezza);
RettangoloPixel Controllo(const Scala& s, int sinistra, int alto, int larghezza, int altezza);

// The scale for the children of a control placed with Controllo: the same width, the height
// of the platform's scale.
Scala ScalaInterna(const Scala& s);

// The main window's centre: the stacked panels on the left, the column of commands on the
// right, with the design's margins and gap between them.
struct DivisioneFinestra {
    RettangoloPixel Pannelli;
    RettangoloPixel Colonna;
};

// Design sizes in twips of the centre's parts.
constexpr int MargineFinestra = 90;
constexpr int SpazioColonna = 120;
constexpr int LarghezzaColonna = 7500;

// The centre of larghezza × altezza pixels. pannelliMinimi is the panels' smallest size at the
// platform's scale, pannelliNaturali the width at which the schema needs no more, colonnaMinima
// the column's smallest size; a room below the minimum gives the minimum.
DivisioneFinestra DividiFinestra(int larghezza, int altezza, double base,
                                 DimensioniPixel pannelliMinimi, int pannelliNaturali,
                                 DimensioniPixel colonnaMinima);

// The centre's smallest size: the panels' smallest beside the column's smallest.
DimensioniPixel MinimoFinestra(double base, DimensioniPixel pannelliMinimi,
                               DimensioniPixel colonnaMinima);

} // namespace paretix
