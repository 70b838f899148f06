#pragma once
// Positions of the core are in twips; the window draws them at 15 twips to a pixel and lets Qt
// scale further on high-density screens.

#include <QRect>

#include "core/window/pannelli.h"

namespace paretix::ui {

inline int Pixel(int twip) {
    return (twip + TwipPerPixel / 2) / TwipPerPixel;
}

inline QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza) {
    return {Pixel(sinistra), Pixel(alto), Pixel(larghezza), Pixel(altezza)};
}

} // namespace paretix::ui
