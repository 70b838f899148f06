#pragma once
// Where the materials browser places its grid, headings, scroll bar, information text, filter
// box and "Chiudi", in twips. At its default size the grid has ten rows; a taller window gets
// more rows and a wider one a wider first column (the names are the long texts).

namespace paretix {

constexpr int RigheGriglia = 10;
constexpr int ColonneGriglia = 5;
// With the specific heat: one column more on the right.
constexpr int ColonneGrigliaConCalore = 6;
// However tall the window, the grid keeps to this many rows.
constexpr int RigheGrigliaMassime = 60;

// A position on a window in twips (15 twips to a pixel at normal scale).
struct RettangoloTwips {
    int Sinistra = 0;
    int Alto = 0;
    int Larghezza = 0;
    int Altezza = 0;
};

// The shape of the browser: its columns, its grid rows and how much wider than its default
// the first column is.
struct FormaElenco {
    int Colonne = ColonneGriglia;
    int Righe = RigheGriglia;
    int Allargamento = 0;
};

// The shape that fills a window of the given inner size in twips: as many rows as its height
// holds (never fewer than ten nor more than RigheGrigliaMassime) and the first column taking
// the width beyond the default.
FormaElenco FormaPerDimensione(int colonne, int larghezza, int altezza);

// The grid cell LabelMat(k), k = 10 * row + column, rows 0.. and columns 1..colonne.
bool IndiceCellaValido(int k, int colonne = ColonneGriglia, int righe = RigheGriglia);
RettangoloTwips PosizioneLabelMat(int k, int allargamento = 0);
// Column heading c above the grid, the information text, the filter's caption and box and
// "Chiudi" under it, the scroll bar beside it, and the size of the window.
RettangoloTwips PosizioneIntestazione(int c, int allargamento = 0);
RettangoloTwips PosizioneInfo(int colonne = ColonneGriglia);
RettangoloTwips PosizioneInfo(const FormaElenco& forma);
RettangoloTwips PosizioneChiudi(int colonne = ColonneGriglia);
RettangoloTwips PosizioneChiudi(const FormaElenco& forma);
RettangoloTwips PosizioneDidascaliaFiltro(const FormaElenco& forma);
RettangoloTwips PosizioneFiltro(const FormaElenco& forma);
RettangoloTwips PosizioneVScroll1(int colonne = ColonneGriglia);
RettangoloTwips PosizioneVScroll1(const FormaElenco& forma);
RettangoloTwips DimensioneElencoMateriali(int colonne = ColonneGriglia);
RettangoloTwips DimensioneElencoMateriali(const FormaElenco& forma);

} // namespace paretix
