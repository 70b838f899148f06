#pragma once
// The drawable elements of a chart surface. Coordinates are twips (1/1440 inch) from the
// top-left corner of the surface, x to the right, y downwards.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/colori.h"

namespace paretix {

// The system's window background colour, white, which the vertical axes use.
constexpr ColoreBGR ColoreSfondoFinestraSistema = BiancoBGR;

enum class StileTratto { Continuo, TrattoPunto, Punteggiato };

// A straight line. Width is in pixels, as the platform's line widths are.
struct Linea {
    std::string Nome; // the element's name, with its index for a family: "L1(2)"
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    ColoreBGR Colore = BiancoBGR;
    int Spessore = 1;
    StileTratto Tratto = StileTratto::Continuo;
    bool Visibile = true;

    bool operator==(const Linea&) const = default;
};

// A text label, placed by its top-left corner.
struct Etichetta {
    std::string Nome;
    double Sinistra = 0, Alto = 0;
    std::string Testo;
    ColoreBGR Colore = BiancoBGR;
    bool Visibile = true;

    bool operator==(const Etichetta&) const = default;
};

// One chart surface: its size, the line and label elements, and the strokes painted onto the
// finished chart (the condensation hatching, the energy curve); each list in painting order.
struct Superficie {
    double Larghezza = 0, Altezza = 0;
    std::vector<Linea> Pennellate;
    std::vector<Linea> Linee;
    std::vector<Etichetta> Etichette;

    bool operator==(const Superficie&) const = default;
};

// The three charts of the main window: temperature (1), vapour pressure (2), transmitted
// sound (3).
struct Grafici {
    Superficie Grafico1, Grafico2, Grafico3;

    bool operator==(const Grafici&) const = default;
};

// "L1" and 3 give "L1(3)".
std::string NomeIndice(std::string_view famiglia, int indice);

// The element of that name, or nullptr.
const Linea* TrovaLinea(const Superficie& s, std::string_view nome);
const Etichetta* TrovaEtichetta(const Superficie& s, std::string_view nome);

// Moves an element to the place of l (same name): it keeps its place in the painting order,
// or joins the end when it did not exist yet.
void PosizionaLinea(Superficie& s, Linea l);
void PosizionaEtichetta(Superficie& s, Etichetta e);

// Places l in front of every other element of the surface.
void PortaDavanti(Superficie& s, Linea l);

// Removes the element of that name, if any.
void RimuoviLinea(Superficie& s, std::string_view nome);
void RimuoviEtichetta(Superficie& s, std::string_view nome);

} // namespace paretix
