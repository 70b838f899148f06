// The splash window leads to the main window; the About window's link to the guide.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <vector>

#include "core/window/guida.h"
#include "support/aperture_registrate.h"
#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/aperture_qt.h"
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

    // The one link leads to the guide; no link leads to an address that does not exist.
    void aboutWindowBesideTheMainWindowLinksToTheGuide() {
        QTemporaryDir cartella;
        QFile guida(QDir(cartella.path()).filePath(QStringLiteral("guida.html")));
        QVERIFY(guida.open(QIODevice::WriteOnly));
        guida.close();
        QWidget principale;
        principale.move(200, 30);
        test::ApertureRegistrate aperture;
        DialoghiRegistrati dialoghi;
        ui::InformazioniQt info(aperture, dialoghi, cartella.path().toStdString(), &principale);
        QCOMPARE(info.windowTitle(), QStringLiteral("Info:"));
        QVERIFY(info.isModal());
        QCOMPARE(info.pos(), QPoint(300, 110));
        info.show();
        auto* label38 = info.findChild<QLabel*>(QStringLiteral("Label38"));
        auto* label5 = info.findChild<QLabel*>(QStringLiteral("Label5"));
        QVERIFY(label38 && label5);
        QVERIFY(info.findChild<QLabel*>(QStringLiteral("Label40")) == nullptr);
        QVERIFY(label5->text().contains("Paretix LT"));
        QVERIFY(label38->text().contains(QStringLiteral("Guida")));
        for (const QLabel* etichetta : info.findChildren<QLabel*>()) {
            QVERIFY2(!etichetta->text().contains(QStringLiteral(".example")),
                     qPrintable(etichetta->text()));
            QVERIFY2(!etichetta->text().contains(QStringLiteral("http")),
                     qPrintable(etichetta->text()));
        }
        const QColor rosso(255, 0, 0);
        const QColor normale = ColoreTesto(label38);
        QVERIFY(normale != rosso);

        test::MuoviSopra(label38);
        QCOMPARE(ColoreTesto(label38), rosso);
        test::MuoviSopra(label5); // the text, like the window itself, puts the link at rest
        QCOMPARE(ColoreTesto(label38), normale);

        QTest::mouseClick(label5, Qt::LeftButton);
        QVERIFY(aperture.File.empty());
        QTest::mouseClick(label38, Qt::LeftButton);
        QCOMPARE(aperture.File, std::vector<std::string>{guida.fileName().toStdString()});
        QVERIFY(aperture.Indirizzi.empty());
        QVERIFY(dialoghi.Mostrati.empty());
    }

    // A file path reaches the desktop as a file URL, an address as it is.
    void desktopReceivesAFileUrl() {
        std::vector<QUrl> aperti;
        ui::ApertureQt aperture([&aperti](const QUrl& url) {
            aperti.push_back(url);
            return true;
        });
        aperture.ApriFile("/usr/share/doc/paretix/guida.html");
        aperture.ApriFile("/tmp/una cartella/guida.html");
        aperture.ApriIndirizzo("mailto:qualcuno@esempio.it");
        QCOMPARE(aperti.size(), std::size_t{3});
        QCOMPARE(aperti[0].toString(), QStringLiteral("file:///usr/share/doc/paretix/guida.html"));
        QCOMPARE(aperti[1].toString(QUrl::FullyEncoded),
                 QStringLiteral("file:///tmp/una%20cartella/guida.html"));
        QVERIFY(aperti[1].isLocalFile());
        QCOMPARE(aperti[1].toLocalFile(), QStringLiteral("/tmp/una cartella/guida.html"));
        QCOMPARE(aperti[2].scheme(), QStringLiteral("mailto"));
    }

    // Without a browser the guide opens in the program's own window, and the user is told.
    void withoutABrowserTheGuideOpensInTheProgram() {
        QTemporaryDir cartella;
        QFile guida(cartella.filePath(QString::fromUtf8(FileGuida)));
        QVERIFY(guida.open(QIODevice::WriteOnly));
        guida.write("<html><body><h1>Indice della guida</h1></body></html>");
        guida.close();
        ui::ApertureQt aperture([](const QUrl&) { return false; });
        DialoghiRegistrati dialoghi;
        GuidaInLinea(aperture, dialoghi, cartella.path().toStdString());
        QCOMPARE(dialoghi.Mostrati.size(), std::size_t{1});
        QCOMPARE(dialoghi.Mostrati[0].Testo, std::string(MessaggioGuidaNelProgramma));
        QTextBrowser* finestra = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("FinestraGuida")) {
                finestra = qobject_cast<QTextBrowser*>(w);
            }
        }
        QVERIFY(finestra != nullptr && finestra->isVisible());
        QVERIFY(finestra->toPlainText().contains(QStringLiteral("Indice della guida")));
        QCOMPARE(finestra->windowTitle(), QString::fromUtf8(TitoloGuida));
    }
};

QTEST_MAIN(SplashInformazioniTest)
#include "splash_informazioni_test.moc"
