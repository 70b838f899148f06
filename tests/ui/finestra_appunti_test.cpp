// The notes window on screen: what closing it gives back to the main window.

#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "ui/finestra_appunti_qt.h"

using namespace paretix;

class FinestraAppuntiTest : public QObject {
    Q_OBJECT

    static QPlainTextEdit* Text1(QWidget& w) {
        return w.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }

  private slots:
    void showsTheNotesInALargerBox() {
        ui::FinestraAppuntiQt form("riga uno\r\nriga due");
        QCOMPARE(form.windowTitle(), QStringLiteral("   Appunti:"));
        QVERIFY(form.isModal());
        QVERIFY(Text1(form));
        QCOMPARE(Text1(form)->toPlainText(), QStringLiteral("riga uno\nriga due"));
        QCOMPARE(Text1(form)->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(Text1(form)->font().pointSize(), 12);
    }

    // The box turns CR LF into its own line ends; that alone is no change.
    void closingUntouchedLeavesTheNotesUnchanged() {
        ui::FinestraAppuntiQt form("riga uno\r\nriga due");
        form.show();
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Esito().Modificati);
    }

    void typedNotesComeBackTrimmedThroughTheModalWindow() {
        // The modal loop runs until the window is closed: type into it, then close it.
        QTimer::singleShot(0, [] {
            auto* finestra =
                qobject_cast<ui::FinestraAppuntiQt*>(QApplication::activeModalWidget());
            QVERIFY(finestra);
            QPlainTextEdit* casella = Text1(*finestra);
            casella->moveCursor(QTextCursor::End);
            QTest::keyClicks(casella, QStringLiteral(" con cappotto   "));
            finestra->close();
        });
        const EsitoAppunti esito = ui::FinestraAppuntiQt::Modifica("  muro", nullptr);
        QCOMPARE(esito.Testo, std::string("muro con cappotto"));
        QVERIFY(esito.Modificati);
    }
};

QTEST_MAIN(FinestraAppuntiTest)
#include "finestra_appunti_test.moc"
