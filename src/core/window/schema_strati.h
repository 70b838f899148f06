#pragma once
// The geometry of the layer schema, in twips from the top-left corner of the schema panel: one
// rectangle per layer from the inside (left) to the outside (right), the rows of value boxes
// under them, the names of the boundaries between them, and the black frames of the boundary
// conditions, whose outside ones follow the last layer.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/esercizio.h"

namespace paretix {

// Layer rectangles: equal, side by side, overlapping by 15 so that neighbours share a border.
constexpr int LarghezzaStrato = 495;
constexpr int AltezzaStrato = 3615;
constexpr int AltoStrato = 455;
constexpr int SinistraStrato(int k) {
    return 810 + 480 * k;
}

// The rows of boxes under the rectangles, from the top; each box stands under its layer.
enum class RigaSchema {
    TipoStrato = 1,
    Densità,
    Spessore,
    Conduttività,
    Permeabilità,
    FatAssorbimento
};
constexpr int NumeroRighe = 6;
constexpr int AltoRiga(RigaSchema r) {
    return AltoStrato + 300 + AltezzaStrato + 500 * static_cast<int>(r);
}
constexpr int LarghezzaCasella = 480;
constexpr int AltezzaCasella = 300;

// Row headings on the left of the schema, each on one line beside its row of boxes.
constexpr int SinistraIntestazione = 30;
constexpr int LarghezzaIntestazione = 1230;
constexpr int AltezzaIntestazione = AltezzaCasella;
constexpr int AltoIntestazione(RigaSchema r) {
    return AltoRiga(r);
}

// The names of boundary k ("T", "Pvs", "Pv" followed by k) stand in three rows between the
// rectangles and the boxes, centred on the boundary; the inside air's names stand left of
// boundary 0, the outside air's in frames 1 and 2 right of the last boundary.
enum class EtichettaConfine { T, Pvs, Pv };
constexpr int LarghezzaEtichettaConfine = 480;
constexpr int AltezzaEtichettaConfine = 240;
constexpr int SinistraEtichettaConfine(int k) {
    return 1050 + 480 * k;
}
constexpr int AltoEtichettaConfine(EtichettaConfine e) {
    return 4090 + AltezzaEtichettaConfine * static_cast<int>(e);
}
// "T", "Pvs" or "Pv" followed by the boundary number.
std::string CaptionEtichettaConfine(EtichettaConfine e, int k);
constexpr int SinistraEtichetteAriaInterna = 450;
constexpr int LarghezzaEtichetteAriaInterna = 570;

// The two horizontal lines that frame the rows of boundary names; their right ends follow
// the outside frames.
constexpr int SinistraLinee = 450;
constexpr int AltoLinea1 = 4080;
constexpr int AltoLinea2 = 4815;

// The black frames, by their index in the control array FrameNero.
constexpr int CorniceEtichetteTEsterna = 1; // "Te"
constexpr int CorniceEtichettePEsterna = 2; // "Pvse", "Pve"
constexpr int CorniceSimboli = 5;           // the row symbols beside the last layer's boxes
constexpr int CorniceTEsterna = 6;
constexpr int CorniceTInterna = 7;
constexpr int CorniceUEsterna = 8;
constexpr int CorniceUInterna = 9;
constexpr int CorniceSuono = 12;
constexpr std::array<int, 8> IndiciCornici{1, 2, 5, 6, 7, 8, 9, 12};

struct CorniceNera {
    int Sinistra = 0;
    int Alto = 0;
    bool Visibile = false;

    bool operator==(const CorniceNera&) const = default;
};
int LarghezzaCornice(int indice);
int AltezzaCornice(int indice);

// The left of the outside frames (temperature, humidity, sound, symbols) for n layers.
constexpr int SinistraCorniciEsterne(int n) {
    return (n - 1) * 480 + 2000;
}

// The right edge of the schema's outside frames for n layers.
int DestraSchema(int n);

// Inside a frame of a boundary condition: its caption, its box and the two spin buttons
// (or, in the sound frame, the two unit buttons under the box), from the frame's corner.
constexpr int SinistraInterna = 60;
constexpr int AltoCaptionCornice = 30;
constexpr int AltezzaCaptionCornice = 210;
constexpr int AltoCasellaCornice = 270;
constexpr int LarghezzaCaptionCondizione = 990;
constexpr int LarghezzaCasellaCondizione = 690;
constexpr int SinistraSpin = 780;
constexpr int LarghezzaSpin = 255;
constexpr int AltezzaSpin = 150;
constexpr int LarghezzaCaptionSuono = 1080;
constexpr int LarghezzaCasellaSuono = 1050;
constexpr int AltoUnitàSuono = 600;
constexpr int LarghezzaUnitàSuono = 510;
constexpr int AltezzaUnitàSuono = 270;

struct SchemaStrati {
    std::array<CorniceNera, 13> FrameNero{}; // indices of IndiciCornici only
    int FineLinee = 0;                       // x of the right ends of Line1 and Line2
    // Headings and symbols of each row, indexed by RigaSchema (index 0 unused).
    std::array<bool, NumeroRighe + 1> RigaVisibile{};
    // The humidities beside the vapour-pressure chart, with their captions and the spin
    // buttons of the humidity frames.
    bool EtichetteUmiditàVisibili = false;

    bool operator==(const SchemaStrati&) const = default;
};

// The schema as the window first draws it.
SchemaStrati SchemaIniziale();

// Places the outside frames after the last layer and shows the frames, headings and symbols
// of the chosen calculations. The tops of the boundary-condition frames depend on which
// calculations are chosen; a hidden frame keeps its place.
void VisualizzaSchema(SchemaStrati& s, const Esercizio& e);

// Whether layer k's box of row r is shown.
bool CasellaVisibile(const Esercizio& e, int k, RigaSchema r);

// Colours of a layer's rectangle, 0xRRGGBB: white border and light grey fill, or, under the
// mouse, red border and yellow fill.
constexpr unsigned BordoStrato = 0xFFFFFF;
constexpr unsigned RiempimentoStrato = 0xE0E0E0;
constexpr unsigned BordoStratoSelezionato = 0xFF0000;
constexpr unsigned RiempimentoStratoSelezionato = 0xFFFF00;

// A box background as 0xRRGGBB, or nothing for the system window colour of typed values.
std::optional<unsigned> SfondoRGB(std::int32_t colore);

} // namespace paretix
