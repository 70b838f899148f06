#pragma once
// The texts of the chart labels and the room they take on the surface. The window paints a
// label in a font 150 twips high (10 pixels at 100 %) that grows with the smaller of the two
// scale factors of the surface, so in twips a text never takes more than at the design size:
// the room given here is an upper bound of that, character by character.

#include <string>
#include <string_view>

#include "core/charts/elementi.h"

namespace paretix {

// The height of one line of label text, its leading included, and the width of a small letter.
constexpr double AltezzaTesto = 180;
constexpr double LarghezzaCarattere = 100;

// A value as a chart shows it: four significant digits at most, decimal comma, an exponent
// ("1,235E+04") when the value needs more than four digits before the comma; never "-0".
// The report keeps the full form; the chart only has room for this one.
std::string FormaGrafico(double valore);

// The width of a text in twips: 100 per character, 115 for a capital and 150 for "M", "W",
// "m" and "w" (a UTF-8 character such as "°" counts once).
double LarghezzaTesto(std::string_view testo);

// A rectangle of the surface, x to the right and y downwards.
struct Rettangolo {
    double Sinistra = 0, Alto = 0, Destra = 0, Basso = 0;
};

// The room a label takes: from its top-left corner, the width of its text and one line high.
Rettangolo Ingombro(const Etichetta& e);

// Whether two rectangles share more than an edge.
bool Sovrapposti(const Rettangolo& a, const Rettangolo& b);

// Whether r lies within the surface, edges included.
bool DentroSuperficie(const Rettangolo& r, const Superficie& s);

// Whether the segment of l crosses or touches the inside of r. A line with a coordinate that
// is not finite is not painted and crosses nothing.
bool Attraversa(const Linea& l, const Rettangolo& r);

} // namespace paretix
