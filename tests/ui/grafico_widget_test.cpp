// The chart widget paints the core's element list: colours at known places of a rendering.

#include <QFontMetricsF>
#include <QImage>
#include <QtTest>

#include <cmath>

#include <cmath>

#include "core/charts/cornici.h"
#include "core/charts/grafico_energia.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/testo_grafico.h"
#include "ui/grafico_widget.h"

using namespace paretix;
using paretix::ui::GraficoWidget;

namespace {

// Three layers of 10, 20 and 30 cm; 1 hPa is 100 twips, p at 557.5 + (25 - p)·100. The
// effective pressure lies above saturation from 9/11 of layer 2 to half of layer 3.
Superficie GraficoVaporeConCondensa() {
    Esercizio e;
    e.Strati.assign(3, Strato{});
    e.strato(1).Spessore.Testo = "10";
    e.strato(2).Spessore.Testo = "20";
    e.strato(3).Spessore.Testo = "30";
    RisultatiCalcolo r;
    r.Pvsi = 25;
    r.Pvse = 4;
    r.Pvi = r.Pv[0] = 12.5;
    r.Pve = r.Pv[3] = 3;
    r.Pv[1] = 11;
    r.Pv[2] = 10;
    r.Pvs[0] = 24;
    r.Pvs[1] = 20;
    r.Pvs[2] = 8;
    r.Pvs[3] = 5;
    Superficie g2 = GraficiAzzerati(true).Grafico2;
    DisegnaGraficiUmidità(g2, r, AscisseConfini(e));
    tratteggio(g2, 3);
    return g2;
}

double yVapore(double p) {
    return 557.5 + (25 - p) * 100;
}

// Inside the condensation zone: x = 5010 in layer 3, halfway between the two profiles.
constexpr double XCondensa = 5010;
const double YCondensa = [] {
    const double t = (XCondensa - 4650) / 3150;
    return (yVapore(8 + (5 - 8) * t) + yVapore(10 + (3 - 10) * t)) / 2;
}();

QImage Disegna(const Superficie& s, double pixelPerTwip) {
    GraficoWidget w;
    w.ImpostaSuperficie(s);
    w.resize(static_cast<int>(s.Larghezza * pixelPerTwip),
             static_cast<int>(s.Altezza * pixelPerTwip));
    QImage immagine(w.size(), QImage::Format_RGB32);
    w.render(&immagine);
    return immagine;
}

// The colours within one pixel of a point given in twips.
QList<QColor> Intorno(const QImage& img, double x, double y, double pixelPerTwip) {
    QList<QColor> colori;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            colori.append(img.pixelColor(static_cast<int>(x * pixelPerTwip) + dx,
                                         static_cast<int>(y * pixelPerTwip) + dy));
        }
    }
    return colori;
}

bool Nero(const QList<QColor>& colori) {
    return std::all_of(colori.begin(), colori.end(),
                       [](const QColor& c) { return c == QColor(Qt::black); });
}

const QColor Magenta(255, 0, 255);
const QColor Giallo(255, 255, 0);
const QColor Verde(0, 255, 0);

} // namespace

class GraficoWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    // At the widget's own size and at twice that, the elements stand at their scaled places.
    void hatchingIsMagentaOnlyInsideTheCondensationZone() {
        const Superficie g2 = GraficoVaporeConCondensa();
        GraficoWidget w;
        w.ImpostaSuperficie(g2);
        QCOMPARE(w.sizeHint(), QSize(593, 241));
        for (const double scala : {1.0 / 15, 2.0 / 15}) {
            const QImage img = Disegna(g2, scala);
            QVERIFY(Intorno(img, XCondensa, YCondensa, scala).contains(Magenta));
            // Layer 1 has no condensation: black between its profiles.
            QVERIFY(Nero(Intorno(img, 2025, (yVapore(22) + yVapore(11.75)) / 2, scala)));
            // The yellow faces of the wall section (0x0000FFFF is yellow, not cyan).
            QVERIFY(Intorno(img, 1500, 1500, scala).contains(Giallo));
            QVERIFY(Intorno(img, 7800, 1500, scala).contains(Giallo));
            // Left of the inside face the chart is empty.
            QVERIFY(Nero(Intorno(img, 750, 1500, scala)));
        }
    }

    void energyCurveIsGreenAndGoesWithTheClearing() {
        Superficie g3 = GraficiAzzerati(true).Grafico3;
        DisegnaGraficoEnergiaTrasmessaInbBPerLeVarieFrequenzeHz(g3, {1.25, 2.5, 5, 10, 20, 40},
                                                                [](double F) { return F / 100; });
        // At 3000 Hz: x = 750 + 1550·log2(3000 / 125) = 7856,7, 30 dB of 40 over 6220 twips.
        const double x = 750 + 1550 * std::log2(24.0);
        const double y = 557.5 + (40 - 30.0) * 6220 / 40;
        QVERIFY(Intorno(Disegna(g3, 1.0 / 15), x, y, 1.0 / 15).contains(Verde));
        QVERIFY(Nero(Intorno(Disegna(g3, 1.0 / 15), x, y - 600, 1.0 / 15)));
        const QImage vuota = Disegna(GraficiAzzerati(true).Grafico3, 1.0 / 15);
        QVERIFY(Nero(Intorno(vuota, x, y, 1.0 / 15)));
    }

    // The core places labels by the room it reckons a text takes; the widget's font, at its
    // design size (10 pixels, 15 twips each), never takes more.
    void labelsTakeNoMoreRoomThanTheCoreReckons() {
        GraficoWidget w;
        QFont carattere = w.font();
        carattere.setPixelSize(10);
        const QFontMetricsF misure(carattere);
        QVERIFY(misure.height() * 15 <= AltezzaTesto);
        for (const char* testo : {"-12,35 °C", "20 °C", "2337", "-0,0001235", "1,235E+05", "hPa",
                                  "°C", "dB", "Hz", "4000", "i15", "-60"}) {
            const QString t = QString::fromUtf8(testo);
            QVERIFY2(misure.horizontalAdvance(t) * 15 <= LarghezzaTesto(testo), testo);
        }
    }
};

QTEST_MAIN(GraficoWidgetTest)
#include "grafico_widget_test.moc"
