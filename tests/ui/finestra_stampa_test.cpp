// The print window on screen: modes, what is printed, and the PDF export read back with
// pdftotext.

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStackedLayout>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <vector>

#include "support/dialoghi_registrati.h"
#include "support/stampante_registrata.h"
#include "ui/finestra_stampa_qt.h"
#include "ui/stampante_qt.h"

using namespace paretix;

namespace {

const std::string Rapporto = "DATI:\r\n"
                             "\r\n"
                             "Numero strati: 2\r\n"
                             "\r\n"
                             "Temperatura interna Ti = 20 °C\r\n"
                             "Coefficienti liminari di scambio termico:\r\n"
                             "interno hi = 7 W/m² °C\r\n"
                             "Strato 1\r\n"
                             "Materiale: Mattone forato\r\n"
                             "Densità = 800 Kg/m³ °C\r\n"
                             "\r\n"
                             "RISULTATI:\r\n";

QStringList Parole(const QString& testo) {
    return testo.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The PDF checks read the file back with pdftotext, which the project's scripts install; a
// machine set up otherwise skips them and says why.
#define RICHIEDE_PDFTOTEXT()                                                                       \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {                   \
        QSKIP("pdftotext non installato (pacchetto poppler-utils)");                               \
    }

// The text pdftotext reads from the file, with the pages separated by form feeds.
QString TestoDelPdf(const QString& percorso) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                  percorso, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        return QStringLiteral("<pdftotext failed: %1>").arg(pdftotext.errorString());
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class FinestraStampaTest : public QObject {
    Q_OBJECT

    test::StampanteRegistrata stampante;
    DialoghiRegistrati dialoghi;
    ui::StampanteQt stampanteQt;

    static QAction* Azione(QWidget& w, const char* nome) {
        return w.findChild<QAction*>(QString::fromLatin1(nome));
    }
    static QPlainTextEdit* Casella(QWidget& w, const char* nome) {
        return w.findChild<QPlainTextEdit*>(QString::fromLatin1(nome));
    }
    static QWidget* InPrimoPiano(QWidget& w) {
        return w.findChild<QStackedLayout*>()->currentWidget();
    }

  private slots:
    void init() {
        stampante = test::StampanteRegistrata{};
        dialoghi = DialoghiRegistrati{};
    }

    // The second time after closing the window in edit mode with the text changed.
    void opensInPreviewWithTheRightBoxes() {
        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        for (int volta = 1; volta <= 2; ++volta) {
            form.Apri(Rapporto);
            form.show();
            QPlainTextEdit* text1 = Casella(form, "Text1");
            QPlainTextEdit* text2 = Casella(form, "Text2");
            QVERIFY(text1 && text2);
            QCOMPARE(form.windowTitle(), QStringLiteral("  Anteprima stampa"));
            QCOMPARE(InPrimoPiano(form), text1);
            QVERIFY(text1->isReadOnly());
            QVERIFY(!text2->isReadOnly());
            QCOMPARE(text1->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(text1->font().pointSize(), 6);
            QCOMPARE(text2->font().pointSize(), 12);
            QCOMPARE(text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(text1->toPlainText(), QString::fromStdString(Rapporto).replace("\r\n", "\n"));
            QCOMPARE(text2->toPlainText(), text1->toPlainText());
            QVERIFY(Azione(form, "Stampa")->isEnabled());
            QVERIFY(Azione(form, "Modifica")->isEnabled());
            QVERIFY(!Azione(form, "Anteprima")->isEnabled());
            QVERIFY(Azione(form, "EsportaPdf")->isEnabled());
            QCOMPARE(Azione(form, "EsportaPdf")->text(), QStringLiteral("Esporta PDF..."));

            Azione(form, "Modifica")->trigger();
            text2->setPlainText(QStringLiteral("tutto cambiato"));
            form.close();
            QVERIFY(!form.isVisible());
        }
    }

    void printsOnlyWhatIsPreviewed() {
        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        form.Apri(Rapporto);
        form.show();
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(stampante.Stampati[0]).replace("\r\n", "\n"),
                 QString::fromStdString(Rapporto).replace("\r\n", "\n"));

        Azione(form, "Modifica")->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("  Modifica testo stampa"));
        QCOMPARE(InPrimoPiano(form), Casella(form, "Text2"));
        QVERIFY(!Azione(form, "Stampa")->isEnabled());
        QVERIFY(Azione(form, "Anteprima")->isEnabled());

        QPlainTextEdit* text2 = Casella(form, "Text2");
        text2->moveCursor(QTextCursor::End);
        QTest::keyClicks(text2, QStringLiteral("Firma: Rossi"));
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{1});

        Azione(form, "Anteprima")->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("  Anteprima stampa"));
        QCOMPARE(InPrimoPiano(form), Casella(form, "Text1"));
        QVERIFY(Casella(form, "Text1")->toPlainText().endsWith(QStringLiteral("Firma: Rossi")));
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(stampante.Stampati[1]), text2->toPlainText());
    }

    void pdfExportHoldsThePreviewedReport() {
        RICHIEDE_PDFTOTEXT();
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString percorso = cartella.filePath(QStringLiteral("rapporto"));
        dialoghi.FileScelti = {percorso.toStdString()};

        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        form.Apri(Rapporto);
        Azione(form, "Modifica")->trigger();
        Casella(form, "Text2")->appendPlainText(QStringLiteral("Nota aggiunta a mano"));
        Azione(form, "Anteprima")->trigger();
        Azione(form, "EsportaPdf")->trigger();
        QCOMPARE(dialoghi.Mostrati.size(), std::size_t{1}); // only the save dialog

        QFile pdf(percorso + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        const QString letto = TestoDelPdf(pdf.fileName());
        QCOMPARE(Parole(letto), Parole(Casella(form, "Text1")->toPlainText()));
        QVERIFY(letto.contains(QStringLiteral("Densità = 800 Kg/m³ °C")));
        QVERIFY(letto.contains(QStringLiteral("Nota aggiunta a mano")));
    }

    void longTextContinuesOnFurtherPagesLineByLine() {
        RICHIEDE_PDFTOTEXT();
        QString testo;
        for (int i = 1; i <= 150; ++i) {
            testo += QStringLiteral("Riga %1 del rapporto\r\n").arg(i);
        }
        // A line wider than the page is wrapped, not cut off at the margin.
        QString lunga;
        for (int i = 1; i <= 60; ++i) {
            lunga += QStringLiteral("parola%1 ").arg(i);
        }
        testo += lunga + QStringLiteral("\r\nUltima riga\r\n");

        QTemporaryDir cartella;
        const std::string percorso = cartella.filePath(QStringLiteral("lungo.pdf")).toStdString();
        QVERIFY(stampanteQt.ScriviPdf(testo.toStdString(), percorso));
        const QString letto = TestoDelPdf(QString::fromStdString(percorso));
        QCOMPARE(Parole(letto), Parole(testo));
        QVERIFY2(letto.count(QLatin1Char('\f')) >= 3, "150 lines need more than two pages");
        QVERIFY(!stampanteQt.ScriviPdf("x", cartella.filePath("manca/x.pdf").toStdString()));

        const QStringList righe = letto.split(QLatin1Char('\n'));
        for (int i : {1, 57, 150}) {
            QVERIFY2(righe.contains(QStringLiteral("Riga %1 del rapporto").arg(i)) ||
                         righe.contains(QStringLiteral("\fRiga %1 del rapporto").arg(i)),
                     qPrintable(QStringLiteral("line %1 is not printed on its own").arg(i)));
        }
    }

    // A failed export never costs the previous PDF. The failure is a file-size limit smaller
    // than any PDF: written straight onto the file, the export would truncate it first.
    void aFailedExportKeepsThePreviousPdf() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("vecchio.pdf"));
        const QByteArray vecchio("%PDF- il rapporto di ieri");
        {
            QFile file(percorso);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(vecchio);
        }
        rlimit prima{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &prima) == 0);
        rlimit ridotto = prima;
        ridotto.rlim_cur = 512;
        const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &ridotto) == 0);
        const bool scritto = stampanteQt.ScriviPdf(Rapporto, percorso.toStdString());
        QVERIFY(setrlimit(RLIMIT_FSIZE, &prima) == 0);
        std::signal(SIGXFSZ, gestore);
        QVERIFY(!scritto);
        QFile letto(percorso);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), vecchio);
    }
};

QTEST_MAIN(FinestraStampaTest)
#include "finestra_stampa_test.moc"
