// The main window's design drawn on the room it has: the figures are worked by hand in the
// comments from the design sizes (twips) and the scales (pixels per twip).

#include <gtest/gtest.h>

#include "core/window/disposizione.h"

using namespace paretix;

namespace {

constexpr double A100 = 1.0 / 15; // 96 dpi: 15 twips to a pixel

} // namespace

TEST(Disposizione, ThePlatformScaleAndWhatTheTextsNeed) {
    // 96 / 1440 = 1/15; 144 / 1440 = 0.1; 192 / 1440 = 2/15.
    EXPECT_DOUBLE_EQ(PixelPerTwip(96), A100);
    EXPECT_DOUBLE_EQ(PixelPerTwip(144), 0.1);
    EXPECT_DOUBLE_EQ(PixelPerTwip(192), 2.0 / 15);

    // A box 480 twips wide that needs 66 pixels: 66 / 480 = 0.1375; a heading of 1230 twips
    // needing 150: 0.12195...; the larger wins.
    EXPECT_DOUBLE_EQ(ScalaOrizzontaleMinima(A100, {{480, 66}, {1230, 150}}), 0.1375);
    // Texts that fit the design leave the platform's scale: 20 / 480 < 1/15.
    EXPECT_DOUBLE_EQ(ScalaOrizzontaleMinima(A100, {{480, 20}}), A100);
    EXPECT_DOUBLE_EQ(ScalaOrizzontaleMinima(0.1, {}), 0.1);
}

TEST(Disposizione, APanelFillsItsRoomButNeverShrinksBelowTheDesign) {
    // The design panel 9900 × 7800 at 660 × 520 pixels is the design at 100 %.
    Scala s = ScalaPannello(9900, 7800, 660, 520, A100, 0);
    EXPECT_DOUBLE_EQ(s.X, A100);
    EXPECT_DOUBLE_EQ(s.Y, A100);
    EXPECT_DOUBLE_EQ(s.Base, A100);

    // Maximised: 1386 / 9900 = 0.14 beats the texts' 0.1375; 1040 / 7800 = 0.1333...
    s = ScalaPannello(9900, 7800, 1386, 1040, A100, 0.1375);
    EXPECT_DOUBLE_EQ(s.X, 0.14);
    EXPECT_DOUBLE_EQ(s.Y, 2.0 / 15);

    // Less room than the design: the design at the platform's scale; the texts' need holds.
    s = ScalaPannello(9900, 7800, 300, 200, 0.1, 0.1375);
    EXPECT_DOUBLE_EQ(s.X, 0.1375);
    EXPECT_DOUBLE_EQ(s.Y, 0.1);
}

TEST(Disposizione, DrawingsStretchBothWaysAndNeighboursStillTouch) {
    // Layer 1's rectangle (1290, 455, 495, 3615) at 1/15: 86; 30.33 -> 30; right 1785 / 15 =
    // 119, so 33 wide; bottom 4070 / 15 = 271.33 -> 271, so 241 high.
    EXPECT_EQ(Disegno({A100, A100, A100}, 1290, 455, 495, 3615),
              (RettangoloPixel{86, 30, 33, 241}));
    // At 0.14 × 2/15: 180.6 -> 181; 60.67 -> 61; 249.9 -> 250, 69 wide; 542.67 -> 543.
    EXPECT_EQ(Disegno({0.14, 2.0 / 15, A100}, 1290, 455, 495, 3615),
              (RettangoloPixel{181, 61, 69, 482}));

    // The boxes of neighbouring layers touch in the design (480 wide every 480): rounded by
    // their edges they touch at any scale, never overlapping by a rounding.
    for (double x : {A100, 0.1, 0.1375, 0.14, 0.1433, 2.0 / 15}) {
        const Scala s{x, x, A100};
        for (int k = 1; k < 15; ++k) {
            const RettangoloPixel a = Controllo(s, 810 + 480 * k, 4870, 480, 300);
            const RettangoloPixel b = Controllo(s, 810 + 480 * (k + 1), 4870, 480, 300);
            EXPECT_EQ(a.Destra(), b.Sinistra) << x << " " << k;
        }
    }
}

TEST(Disposizione, ControlsKeepTheirHeightAndFollowThePanelWithTheirCentre) {
    // Without stretch a control is its design rectangle: at 0.1, (1290, 4870, 480, 300) is
    // (129, 487, 48, 30).
    EXPECT_EQ(Controllo({0.1, 0.1, 0.1}, 1290, 4870, 480, 300),
              (RettangoloPixel{129, 487, 48, 30}));
    // Stretched 2/15 against a platform scale of 1/15: the centre 4870 + 150 = 5020 moves to
    // 5020 × 2/15 = 669.33; the height stays 300 / 15 = 20, so the top is 659.33 -> 659 and
    // the bottom 679.33 -> 679. Horizontally as a drawing: 1290 × 0.14 = 180.6 -> 181, right
    // 1770 × 0.14 = 247.8 -> 248.
    EXPECT_EQ(Controllo({0.14, 2.0 / 15, A100}, 1290, 4870, 480, 300),
              (RettangoloPixel{181, 659, 67, 20}));

    // Two controls that touch vertically in the design (the boundary names, 240 high every
    // 240) do not overlap when stretched: at 2/15 their centres lie 32 pixels apart, their
    // heights are 16.
    const Scala s{A100, 2.0 / 15, A100};
    const RettangoloPixel t = Controllo(s, 1530, 4090, 480, 240);
    const RettangoloPixel pvs = Controllo(s, 1530, 4330, 480, 240);
    EXPECT_EQ(t.Altezza, 16);
    EXPECT_EQ(pvs.Alto - t.Alto, 32);

    // Inside a control its children take the platform's height: 1/15 vertically, 0.14 across.
    const Scala interna = ScalaInterna({0.14, 2.0 / 15, A100});
    EXPECT_DOUBLE_EQ(interna.X, 0.14);
    EXPECT_DOUBLE_EQ(interna.Y, A100);
    EXPECT_EQ(Controllo(interna, 60, 270, 690, 300), (RettangoloPixel{8, 18, 97, 20}));
}

TEST(Disposizione, ThePanelsTakeTheExtraWidthFirstThenShareIt) {
    // Panels at least 660 × 535, useful up to 1361; the column at least 500 × 400. At 100 %
    // the margins are 90 / 15 = 6 and the gap 120 / 15 = 8: the smallest centre is
    // 6 + 660 + 8 + 500 + 6 = 1180 wide and 6 + 535 + 6 = 547 high.
    const DimensioniPixel pannelli{660, 535};
    const DimensioniPixel colonna{500, 400};
    EXPECT_EQ(MinimoFinestra(A100, pannelli, colonna), (DimensioniPixel{1180, 547}));

    DivisioneFinestra d = DividiFinestra(1180, 547, A100, pannelli, 1361, colonna);
    EXPECT_EQ(d.Pannelli, (RettangoloPixel{6, 6, 660, 535}));
    EXPECT_EQ(d.Colonna, (RettangoloPixel{674, 6, 500, 535}));

    // Less than the minimum gives the minimum.
    EXPECT_EQ(DividiFinestra(800, 400, A100, pannelli, 1361, colonna).Colonna, d.Colonna);

    // 1500 wide: the 320 extra pixels all go to the panels (they could use 701).
    d = DividiFinestra(1500, 700, A100, pannelli, 1361, colonna);
    EXPECT_EQ(d.Pannelli, (RettangoloPixel{6, 6, 980, 688}));
    EXPECT_EQ(d.Colonna, (RettangoloPixel{994, 6, 500, 688}));

    // 1920 × 1040: 740 extra; 701 to the panels, the 39 left in halves 19 and 20: panels
    // 660 + 701 + 19 = 1380, column 520 from 6 + 1380 + 8 = 1394 to 1914 = 1920 - 6.
    d = DividiFinestra(1920, 1040, A100, pannelli, 1361, colonna);
    EXPECT_EQ(d.Pannelli, (RettangoloPixel{6, 6, 1380, 1028}));
    EXPECT_EQ(d.Colonna, (RettangoloPixel{1394, 6, 520, 1028}));

    // At 150 % (0.1 pixels per twip) the margins are 9 and the gap 12.
    EXPECT_EQ(MinimoFinestra(0.1, {990, 800}, {750, 900}), (DimensioniPixel{1770, 918}));
}
