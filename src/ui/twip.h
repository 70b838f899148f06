#pragma once
// Positions of the core are in twips; the window draws them at 15 twips to a pixel and lets Qt
// scale further on high-density screens.

#include <QRect>
#include <cmath>

#include "core/window/pannelli.h"

namespace paretix::ui {

inline int Pixel(int twip) {
    return (twip + TwipPerPixel / 2) / TwipPerPixel;
}

inline QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza) {
    return {Pixel(sinistra), Pixel(alto), Pixel(larghezza), Pixel(altezza)};
}

// The same at a given number of pixels per twip (PixelPerTwip of the screen's logical dots per
// inch), for a window laid out in twips whose texts take the screen's fonts: on a dense screen
// the design grows with them. At 96 dots per inch it is the 15 twips to a pixel above.
inline int Pixel(int twip, double pixelPerTwip) {
    return static_cast<int>(std::lround(twip * pixelPerTwip));
}

inline QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza,
                            double pixelPerTwip) {
    return {Pixel(sinistra, pixelPerTwip), Pixel(alto, pixelPerTwip),
            Pixel(larghezza, pixelPerTwip), Pixel(altezza, pixelPerTwip)};
}

} // namespace paretix::ui
