#include "core/materials/disposizione_elenco.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace paretix {

namespace {

// Each grid row starts 240 twips below the one above and is 255 high: they overlap by 15.
constexpr int AltoGriglia = 720;
constexpr int PassoRiga = 240;
constexpr int AltezzaCella = 255;
constexpr int LarghezzaPrimaColonna = 5295;
constexpr int LarghezzaColonna = 1695;
constexpr std::array<int, 6> SinistraColonna = {0, 5280, 6960, 8640, 10320, 12000};
constexpr int LarghezzaVScroll = 255;
constexpr int AltezzaInfo = 780;
constexpr int LarghezzaChiudi = 1455;
constexpr int AltezzaChiudi = 375;
constexpr int LarghezzaDidascaliaFiltro = 600;

int FondoGriglia(int righe) {
    return AltoGriglia + (righe - 1) * PassoRiga + AltezzaCella;
}

int AltoInfo(int righe) {
    return FondoGriglia(righe) + 120;
}

int AltoChiudi(int righe) {
    return AltoInfo(righe) + AltezzaInfo + 120;
}

int LarghezzaDiColonna(int c, int allargamento) {
    return c == 1 ? LarghezzaPrimaColonna + allargamento : LarghezzaColonna;
}

int SinistraDi(int c, int allargamento) {
    return SinistraColonna[static_cast<std::size_t>(c - 1)] + (c == 1 ? 0 : allargamento);
}

int FineGriglia(const FormaElenco& f) {
    return SinistraDi(f.Colonne, f.Allargamento) + LarghezzaColonna;
}

int LarghezzaForm(const FormaElenco& f) {
    return FineGriglia(f) + LarghezzaVScroll + 30;
}

FormaElenco Predefinita(int colonne) {
    return {colonne, RigheGriglia, 0};
}

} // namespace

FormaElenco FormaPerDimensione(int colonne, int larghezza, int altezza) {
    const RettangoloTwips base = DimensioneElencoMateriali(colonne);
    const int righe = RigheGriglia + std::max(0, altezza - base.Altezza) / PassoRiga;
    return {colonne, std::min(righe, RigheGrigliaMassime), std::max(0, larghezza - base.Larghezza)};
}

bool IndiceCellaValido(int k, int colonne, int righe) {
    return k >= 1 && k < righe * 10 && k % 10 >= 1 && k % 10 <= colonne;
}

RettangoloTwips PosizioneLabelMat(int k, int allargamento) {
    const int r = k / 10;
    const int c = k % 10;
    return {SinistraDi(c, allargamento), AltoGriglia + PassoRiga * r,
            LarghezzaDiColonna(c, allargamento), AltezzaCella};
}

RettangoloTwips PosizioneIntestazione(int c, int allargamento) {
    return {SinistraDi(c, allargamento), 60, LarghezzaDiColonna(c, allargamento), AltoGriglia - 90};
}

RettangoloTwips PosizioneInfo(const FormaElenco& f) {
    return {60, AltoInfo(f.Righe), FineGriglia(f) + LarghezzaVScroll - 60, AltezzaInfo};
}

RettangoloTwips PosizioneChiudi(const FormaElenco& f) {
    return {(LarghezzaForm(f) - LarghezzaChiudi) / 2, AltoChiudi(f.Righe), LarghezzaChiudi,
            AltezzaChiudi};
}

// The filter stands on the row of "Chiudi", from the left edge to just before the button.
RettangoloTwips PosizioneDidascaliaFiltro(const FormaElenco& f) {
    return {60, AltoChiudi(f.Righe), LarghezzaDidascaliaFiltro, AltezzaChiudi};
}

RettangoloTwips PosizioneFiltro(const FormaElenco& f) {
    const int sinistra = 60 + LarghezzaDidascaliaFiltro + 60;
    return {sinistra, AltoChiudi(f.Righe), PosizioneChiudi(f).Sinistra - 240 - sinistra,
            AltezzaChiudi};
}

RettangoloTwips PosizioneVScroll1(const FormaElenco& f) {
    return {FineGriglia(f) + 15, AltoGriglia, LarghezzaVScroll,
            FondoGriglia(f.Righe) - AltoGriglia};
}

RettangoloTwips DimensioneElencoMateriali(const FormaElenco& f) {
    return {0, 0, LarghezzaForm(f), AltoChiudi(f.Righe) + AltezzaChiudi + 180};
}

RettangoloTwips PosizioneInfo(int colonne) {
    return PosizioneInfo(Predefinita(colonne));
}

RettangoloTwips PosizioneChiudi(int colonne) {
    return PosizioneChiudi(Predefinita(colonne));
}

RettangoloTwips PosizioneVScroll1(int colonne) {
    return PosizioneVScroll1(Predefinita(colonne));
}

RettangoloTwips DimensioneElencoMateriali(int colonne) {
    return DimensioneElencoMateriali(Predefinita(colonne));
}

} // namespace paretix
