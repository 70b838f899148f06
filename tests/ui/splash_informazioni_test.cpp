// The splash window leads to the main window; the About window's links.

#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <vector>

#include "support/aperture_registrate.h"
#include "support/widget_di_prova.h"
#include "ui/informazioni_qt.h"
#include "ui/presentazione_qt.h"

using namespace paretix;

namespace {

QColor ColoreTesto(QLabel* etichetta) {
    return etichetta->palette().color(QPalette::WindowText);
}

} // namespace

class SplashInformazioniTest : public QObject {
    Q_OBJECT

  private slots:
    void splashShowsTheMainWindowWhenItsTimerFires() {
        QWidget principale;
        int chiamate = 0;
        ui::PresentazioneQt splash([&] {
            ++chiamate;
            principale.show();
        });
        splash.show();
        auto* timer1 = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer1);
        QCOMPARE(timer1->interval(), 6000);
        QVERIFY(timer1->isSingleShot());
        QVERIFY(timer1->isActive());
        QVERIFY(!principale.isVisible());

        timer1->start(1); // the same timer, without waiting six seconds
        QTRY_VERIFY(principale.isVisible());
        QVERIFY(!splash.isVisible());
        QCOMPARE(chiamate, 1);
    }

    void aboutWindowBesideTheMainWindowWithLinks() {
        QWidget principale;
        principale.move(200, 30);
        test::ApertureRegistrate aperture;
        ui::InformazioniQt info(aperture, &principale);
        QCOMPARE(info.windowTitle(), QStringLiteral("Info:"));
        QVERIFY(info.isModal());
        QCOMPARE(info.pos(), QPoint(300, 110));
        info.show();
        auto* label38 = info.findChild<QLabel*>(QStringLiteral("Label38"));
        auto* label40 = info.findChild<QLabel*>(QStringLiteral("Label40"));
        auto* label5 = info.findChild<QLabel*>(QStringLiteral("Label5"));
        QVERIFY(label38 && label40 && label5);
        QVERIFY(label5->text().contains("Paretix LT"));
        const QColor rosso(255, 0, 0);
        const QColor normale = ColoreTesto(label38);
        QVERIFY(normale != rosso);

        test::MuoviSopra(label38);
        QCOMPARE(ColoreTesto(label38), rosso);
        QCOMPARE(ColoreTesto(label40), normale);
        test::MuoviSopra(label40);
        QCOMPARE(ColoreTesto(label38), normale);
        QCOMPARE(ColoreTesto(label40), rosso);
        test::MuoviSopra(label5); // the text, like the window itself, puts both links at rest
        QCOMPARE(ColoreTesto(label40), normale);

        QTest::mouseClick(label38, Qt::LeftButton);
        QTest::mouseClick(label40, Qt::LeftButton);
        QTest::mouseClick(label5, Qt::LeftButton);
        QCOMPARE(aperture.Indirizzi,
                 (std::vector<std::string>{IndirizzoSitoProgramma, IndirizzoPostaAutore}));
        QVERIFY(aperture.File.empty());
    }
};

QTEST_MAIN(SplashInformazioniTest)
#include "splash_informazioni_test.moc"
