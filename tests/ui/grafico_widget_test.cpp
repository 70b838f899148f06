// The chart widget paints the core's element list: colours at known places of a rendering.

#include <QImage>
#include <QtTest>

#include <functional>

#include "core/charts/cornici.h"
#include "core/charts/grafico_energia.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "ui/grafico_widget.h"

using namespace paretix;

namespace {

// Three layers of 10, 20 and 30 cm; effective pressure above saturation from 9/11 of layer 2
// to half of layer 3; 1 hPa is 100 twips, p at 557.5 + (25 - p)·100.
Superficie GraficoVaporeConCondensa() {
    Esercizio e;
    e.Strati.assign(3, Strato{});
    e.strato(1).Spessore.Testo = "10";
    e.strato(2).Spessore.Testo = "20";
    e.strato(3).Spessore.Testo = "30";
    RisultatiCalcolo r;
    r.Pvsi = 25;
    r.Pvse = 4;
    r.Pvi = 12.5;
    r.Pve = 3;
    const double pvs[] = {24, 20, 8, 5};
    const double pv[] = {12.5, 11, 10, 3};
    for (std::size_t i = 0; i < 4; ++i) {
        r.Pvs[i] = pvs[i];
        r.Pv[i] = pv[i];
    }
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, e);
    DisegnaGraficiUmidità(g.Grafico2, r, AscisseConfini(e));
    tratteggio(g.Grafico2, 3);
    return g.Grafico2;
}

double yVapore(double p) {
    return 557.5 + (25 - p) * 100;
}

QImage Disegna(const Superficie& s, QSize dimensione) {
    GraficoWidget w;
    w.ImpostaSuperficie(s);
    w.resize(dimensione);
    QImage immagine(dimensione, QImage::Format_RGB32);
    w.render(&immagine);
    return immagine;
}

// Whether a pixel of that colour lies within one pixel of the point given in twips, for a
// rendering at scala pixels per twip.
bool ColoreVicino(const QImage& img, double xTwips, double yTwips, double scala, QColor c) {
    const int x = static_cast<int>(xTwips * scala);
    const int y = static_cast<int>(yTwips * scala);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (img.valid(x + dx, y + dy) && img.pixelColor(x + dx, y + dy) == c) {
                return true;
            }
        }
    }
    return false;
}

bool NeroIntorno(const QImage& img, double xTwips, double yTwips, double scala) {
    const int x = static_cast<int>(xTwips * scala);
    const int y = static_cast<int>(yTwips * scala);
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (img.pixelColor(x + dx, y + dy) != QColor(Qt::black)) {
                return false;
            }
        }
    }
    return true;
}

const QColor Magenta(255, 0, 255);
const QColor Giallo(255, 255, 0);
const QColor Verde(0, 255, 0);

} // namespace

class GraficoWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void sizeHintIsTheDesignSizeAt15TwipsPerPixel() {
        GraficoWidget w;
        w.ImpostaSuperficie(GraficiAzzerati(false).Grafico1);
        QCOMPARE(w.sizeHint(), QSize(593, 489));
    }

    void hatchingIsMagentaOnlyInsideTheCondensationZone() {
        const Superficie g2 = GraficoVaporeConCondensa();
        const QImage img = Disegna(g2, QSize(593, 241));
        const double s = 1.0 / 15;
        // Stroke at x = 5010 (layer 3), halfway between the two profiles.
        const double t = (5010 - 4650) / 3150.0;
        const double meta = (yVapore(8 + (5 - 8) * t) + yVapore(10 + (3 - 10) * t)) / 2;
        QVERIFY(ColoreVicino(img, 5010, meta, s, Magenta));
        // Layer 1 has no condensation: black between the profiles.
        const double meta1 = (yVapore(22) + yVapore(11.75)) / 2;
        QVERIFY(NeroIntorno(img, 2025, meta1, s));
        // The yellow faces of the wall section.
        QVERIFY(ColoreVicino(img, 1500, 1500, s, Giallo));
        QVERIFY(ColoreVicino(img, 7800, 1500, s, Giallo));
    }

    void followsTheWidgetSize() {
        const Superficie g2 = GraficoVaporeConCondensa();
        const QImage piccola = Disegna(g2, QSize(593, 241));
        const QImage grande = Disegna(g2, QSize(1186, 482));
        QVERIFY(ColoreVicino(piccola, 1500, 1500, 1.0 / 15, Giallo));
        QVERIFY(ColoreVicino(grande, 1500, 1500, 2.0 / 15, Giallo));
        // Twice as large: the face's pixel column of the small rendering is now empty.
        QVERIFY(NeroIntorno(grande, 750, 1500, 2.0 / 15));
        const double t = (5010 - 4650) / 3150.0;
        const double meta = (yVapore(8 + (5 - 8) * t) + yVapore(10 + (3 - 10) * t)) / 2;
        QVERIFY(ColoreVicino(grande, 5010, meta, 2.0 / 15, Magenta));
    }

    void energyCurveIsGreen() {
        Grafici g = GraficiAzzerati(true);
        const std::function<double(double)> livello = [](double F) { return F / 100; };
        DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(
            g.Grafico3, {1.25, 2.5, 5, 10, 20, 40}, livello);
        const QImage img = Disegna(g.Grafico3, QSize(593, 489));
        // At 3000 Hz: x = 6500, 30 dB of 40 over 6220 twips.
        const double y = 557.5 + (40 - 30.0) * 6220 / 40;
        QVERIFY(ColoreVicino(img, 6505, y, 1.0 / 15, Verde));
        QVERIFY(NeroIntorno(img, 6505, y - 600, 1.0 / 15));
        // The cleared chart has no curve there any more.
        const QImage vuota = Disegna(GraficiAzzerati(true).Grafico3, QSize(593, 489));
        QVERIFY(!ColoreVicino(vuota, 6505, y, 1.0 / 15, Verde));
    }
};

QTEST_MAIN(GraficoWidgetTest)
#include "grafico_widget_test.moc"
