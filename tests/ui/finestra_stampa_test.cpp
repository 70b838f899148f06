// The print window on screen: modes, what is printed, and the PDF export read back with
// pdftotext.

#include <QProcess>
#include <QStandardPaths>

#include <sys/resource.h>

#include <csignal>

#include "support/cartella_temporanea.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/finestra_stampa_qt.h"
#include "ui/stampante_qt.h"

using namespace paretix;

namespace {

const std::string Rapporto = "DATI:\r\n\r\nNumero strati: 2\r\n\r\nStrato 1\r\nMateriale: Mattone "
                             "forato\r\nDensità = 800 Kg/m³ °C\r\n\r\nRISULTATI:\r\n";

QStringList Parole(const QString& testo) {
    return testo.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
}

// The PDF checks read the file back with pdftotext, which the project's scripts install; a
// machine set up otherwise skips them and says why.
#define RICHIEDE_PDFTOTEXT()                                                                       \
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {                                \
        QSKIP("pdftotext non installato (pacchetto poppler-utils)");                               \
    }

// The text pdftotext reads from the file, with the pages separated by form feeds.
QString TestoDelPdf(const QString& percorso) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, percorso, u"-"_s});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        return u"<pdftotext failed: %1>"_s.arg(pdftotext.errorString());
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class FinestraStampaTest : public QObject {
    Q_OBJECT

    test::StampanteRegistrata stampante;
    DialoghiRegistrati dialoghi;
    ui::StampanteQt stampanteQt;

    static QAction* Azione(QWidget& w, const char* nome) { return test::Trova<QAction>(&w, nome); }
    static QPlainTextEdit* Casella(QWidget& w, const char* nome) {
        return test::Trova<QPlainTextEdit>(&w, nome);
    }
    static QWidget* InPrimoPiano(QWidget& w) {
        return w.findChild<QStackedLayout*>()->currentWidget();
    }

  private slots:
    void init() {
        stampante = test::StampanteRegistrata{};
        dialoghi = DialoghiRegistrati{};
    }

    // The preview, then the edit mode with the text changed, closed and opened again: the
    // report in both boxes, the preview's font, the commands of each mode.
    void opensInPreviewWithTheRightBoxes() {
        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        QString stati;
        const auto stato = [&](const char* caso) {
            const QFont carattere = Casella(form, "Text1")->font();
            stati += u"%1 %2, in primo piano %3, %4 %5 punti, %6 punti\n"_s.arg(
                         QLatin1String(caso), form.windowTitle(), InPrimoPiano(form)->objectName(),
                         carattere.family(), QString::number(carattere.pointSize()),
                         QString::number(Casella(form, "Text2")->font().pointSize())) +
                     test::Fotografia(&form);
        };
        for (const char* volta : {"anteprima:", "riaperta:"}) {
            form.Apri(Rapporto);
            form.show();
            stato(volta);
            QCOMPARE(Casella(form, "Text2")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            Azione(form, "Modifica")->trigger();
            Casella(form, "Text2")->setPlainText(u"tutto cambiato"_s);
            stato("modifica:");
            form.close();
            QVERIFY(!form.isVisible());
        }
        COME_NEL_FILE(u"ui/stampa/anteprima.txt"_s, stati);
    }

    void printsOnlyWhatIsPreviewed() {
        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        form.Apri(Rapporto);
        form.show();
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{1});
        QCOMPARE(test::Q(stampante.Stampati[0]).replace("\r\n", "\n"),
                 test::Q(Rapporto).replace("\r\n", "\n"));

        Azione(form, "Modifica")->trigger(); // printing is off while editing (anteprima.txt)
        QPlainTextEdit* text2 = Casella(form, "Text2");
        text2->moveCursor(QTextCursor::End);
        QTest::keyClicks(text2, u"Firma: Rossi"_s);
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{1});

        Azione(form, "Anteprima")->trigger();
        QCOMPARE(form.windowTitle(), u"  Anteprima stampa"_s);
        QCOMPARE(InPrimoPiano(form), Casella(form, "Text1"));
        QVERIFY(Casella(form, "Text1")->toPlainText().endsWith(u"Firma: Rossi"_s));
        Azione(form, "Stampa")->trigger();
        QCOMPARE(stampante.Stampati.size(), std::size_t{2});
        QCOMPARE(test::Q(stampante.Stampati[1]), text2->toPlainText());
    }

    void pdfExportHoldsThePreviewedReport() {
        RICHIEDE_PDFTOTEXT();
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(u"rapporto"_s);
        dialoghi.FileScelti = {percorso.toStdString()};

        ui::FinestraStampaQt form(stampante, dialoghi, stampanteQt);
        form.Apri(Rapporto);
        Azione(form, "Modifica")->trigger();
        Casella(form, "Text2")->appendPlainText(u"Nota aggiunta a mano"_s);
        Azione(form, "Anteprima")->trigger();
        Azione(form, "EsportaPdf")->trigger();
        QCOMPARE(dialoghi.Mostrati.size(), std::size_t{1}); // only the save dialog

        QVERIFY(test::LeggiTutto(percorso.toStdString() + ".pdf").starts_with("%PDF-"));
        const QString letto = TestoDelPdf(percorso + u".pdf"_s);
        QCOMPARE(Parole(letto), Parole(Casella(form, "Text1")->toPlainText()));
        QVERIFY(letto.contains(u"Densità = 800 Kg/m³ °C"_s));
        QVERIFY(letto.contains(u"Nota aggiunta a mano"_s));
    }

    void longTextContinuesOnFurtherPagesLineByLine() {
        RICHIEDE_PDFTOTEXT();
        // And a line wider than the page, wrapped, not cut off at the margin.
        QString testo, lunga;
        for (int i = 1; i <= 150; ++i) {
            testo += u"Riga %1 del rapporto\r\n"_s.arg(i);
            lunga += i <= 60 ? u"parola%1 "_s.arg(i) : QString();
        }
        testo += lunga + u"\r\nUltima riga\r\n"_s;

        QTemporaryDir cartella;
        const std::string percorso = cartella.filePath(u"lungo.pdf"_s).toStdString();
        QVERIFY(stampanteQt.ScriviPdf(testo.toStdString(), percorso));
        const QString letto = TestoDelPdf(QString::fromStdString(percorso));
        QCOMPARE(Parole(letto), Parole(testo));
        QVERIFY2(letto.count(QLatin1Char('\f')) >= 3, "150 lines need more than two pages");
        QVERIFY(!stampanteQt.ScriviPdf("x", cartella.filePath("manca/x.pdf").toStdString()));

        const QStringList righe = letto.split(QLatin1Char('\n'));
        for (int i : {1, 57, 150}) {
            QVERIFY2(righe.contains(u"Riga %1 del rapporto"_s.arg(i)) ||
                         righe.contains(u"\fRiga %1 del rapporto"_s.arg(i)),
                     qPrintable(u"line %1 is not printed on its own"_s.arg(i)));
        }
    }

    // A failed export never costs the previous PDF. The failure is a file-size limit smaller
    // than any PDF: written straight onto the file, the export would truncate it first.
    void aFailedExportKeepsThePreviousPdf() {
        QTemporaryDir cartella;
        const std::string percorso = cartella.filePath(u"vecchio.pdf"_s).toStdString();
        test::ScriviTutto(percorso, "%PDF- il rapporto di ieri");
        rlimit prima{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &prima) == 0);
        rlimit ridotto = prima;
        ridotto.rlim_cur = 512;
        const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &ridotto) == 0);
        const bool scritto = stampanteQt.ScriviPdf(Rapporto, percorso);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &prima) == 0);
        std::signal(SIGXFSZ, gestore);
        QVERIFY(!scritto);
        QCOMPARE(test::LeggiTutto(percorso), std::string("%PDF- il rapporto di ieri"));
    }
};

QTEST_MAIN(FinestraStampaTest)
#include "finestra_stampa_test.moc"
