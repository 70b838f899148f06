// The notes window on screen; what the main window gets back is in finestre_ausiliarie_test.

#include <QPlainTextEdit>
#include <QtTest>

#include "ui/finestra_appunti_qt.h"

using namespace paretix;

class FinestraAppuntiTest : public QObject {
    Q_OBJECT

    static QPlainTextEdit* Text1(QWidget& w) {
        return w.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }

  private slots:
    // The box turns CR LF into its own line ends; that alone is no change on closing.
    void showsTheNotesInALargerBoxAndClosingUntouchedChangesNothing() {
        ui::FinestraAppuntiQt form("riga uno\r\nriga due");
        QCOMPARE(form.windowTitle(), QStringLiteral("   Appunti:"));
        QVERIFY(form.isModal());
        QVERIFY(Text1(form));
        QCOMPARE(Text1(form)->toPlainText(), QStringLiteral("riga uno\nriga due"));
        QCOMPARE(Text1(form)->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(Text1(form)->font().pointSize(), 12);
        form.show();
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Esito().Modificati);
    }
};

QTEST_MAIN(FinestraAppuntiTest)
#include "finestra_appunti_test.moc"
