// The main window at its default size and maximised on a 1920 × 1080 screen, and the report
// window grown, with a wall of fifteen layers of every kind and an eight-digit value in every
// box: nothing overlaps, nothing leaves its parent, no text is wider than its box. CTest runs
// this program at 100 %, 150 % (QT_SCALE_FACTOR) and 200 % (a screen of 192 dots per inch).

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <memory>

#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "support/regole_disposizione.h"
#include "support/stampante_registrata.h"
#include "support/widget_di_prova.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestra_stampa_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

// Eight significant digits with a sign and the decimal comma.
const QString OttoCifre = QStringLiteral("-12345,678");

// A design length in twips at the screen's scale: 1440 twips to the inch.
int AllaScala(const QWidget* w, int twip) {
    return static_cast<int>(std::lround(twip * w->logicalDpiX() / 1440.0));
}

} // namespace

class DisposizioneUiTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;

    template <typename T> T* Trova(const QString& nome) const {
        return test::Trova<T>(finestra_.get(), nome);
    }

    // Fifteen layers: material typed by hand, three air cavities, two materials from the
    // database (read-only, "18,75" among their values), every calculation on.
    void ParetePiena() {
        FinestraPrincipale& m = finestra_->Modello();
        for (int i = 1; i < NumeroStratiMax; ++i) {
            m.CommandPiù_Click();
        }
        for (int k : {3, 7, 11}) {
            m.LabelStrato_MouseMove(k);
            m.CameraAria_Click();
        }
        for (int k : {5, 13}) {
            m.LabelStrato_MouseMove(k);
            m.CaricaMaterialeNelloStratoSelezionato(
                {"Mattone forato", "775,5", "0,36", "18,75", "0,9"});
        }
        m.MuoveSu();
        m.Check1_Click(2, true);
        finestra_->Aggiorna();
        for (QLineEdit* c : finestra_->findChildren<QLineEdit*>()) {
            if (c->isVisible() && !c->isReadOnly()) {
                test::Scrivi(c, OttoCifre);
            }
        }
    }

    void Mostra(int vista) {
        QTest::mouseClick(Trova<QAbstractButton>(QStringLiteral("Option2(%1)").arg(vista)),
                          Qt::LeftButton);
    }

    void VerificaRegole(const QWidget* finestra) {
        const QStringList falli = test::FaltiDisposizione(finestra);
        QVERIFY2(falli.isEmpty(), qPrintable(falli.join(QLatin1Char('\n'))));
    }

    // Opens an example, calculates and brings a chart panel to the front.
    void ApriECalcola(const char* esempio, int vista) {
        dialoghi_.Risposte.push_back(Risposta::No);
        test::ApriNellaFinestra(finestra_->Modello(), dialoghi_,
                                std::string(PARETIX_ESEMPI) + "/" + esempio);
        dialoghi_.Risposte.clear();
        finestra_->Aggiorna();
        QTest::mouseClick(Trova<QAbstractButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(Trova<QAbstractButton>(QStringLiteral("Option2(%1)").arg(vista))->isEnabled());
        Mostra(vista);
    }

    // Both chart panels in front in turn, with their charts drawn.
    void VerificaGrafici() {
        ApriECalcola("parete-intercapedine.css", 1);
        VerificaRegole(finestra_.get());
        ApriECalcola("parete-pesante.css", 2);
        VerificaRegole(finestra_.get());
        Mostra(0);
    }

    QRect Geometria(const QString& nome) const { return Trova<QWidget>(nome)->geometry(); }

  private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    void init() {
        dialoghi_.Mostrati.clear();
        finestra_ = std::make_unique<FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{"/tmp", Si, true});
    }
    void cleanup() { finestra_.reset(); }

    void theDefaultSizeIsTheDesignAndTheSmallest() {
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
        QCOMPARE(finestra_->size(), finestra_->minimumSizeHint());
        // The panels: the design's 9900 twips across; the schema 7800 high above the strip of
        // its scroll bar. At 100 % that is 660 × 520.
        auto* schema = Trova<QScrollArea>(QStringLiteral("PictureSchemaStruttura"));
        QCOMPARE(schema->width(), AllaScala(schema, 9900));
        QCOMPARE(schema->widget()->height(), AllaScala(schema, 7800));
        QCOMPARE(schema->height(), AllaScala(schema, 7800) +
                                       schema->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        // Layer 1's rectangle keeps its design height: from 455 to 455 + 3615 twips.
        const QRect strato = Geometria(QStringLiteral("LabelStrato(1)"));
        QCOMPARE(strato.top(), AllaScala(schema, 455));
        QCOMPARE(strato.bottom() + 1, AllaScala(schema, 455 + 3615));
        // The notes show four lines at least.
        auto* appunti = Trova<QPlainTextEdit>(QStringLiteral("TextAppunti"));
        QVERIFY(appunti->viewport()->height() >= 4 * appunti->fontMetrics().lineSpacing());

        VerificaGrafici();
        ParetePiena();
        VerificaRegole(finestra_.get());
        // Fifteen layers with boxes that hold their values need more than the design's width:
        // the schema scrolls.
        QVERIFY(schema->widget()->width() > schema->viewport()->width());
        QVERIFY(schema->horizontalScrollBar()->isVisible());
        // One notch of the wheel, turned as over a page, moves the schema by one layer.
        const int passo = Geometria(QStringLiteral("TextSpessore(2)")).x() -
                          Geometria(QStringLiteral("TextSpessore(1)")).x();
        QWheelEvent rotella(QPointF(50, 50), schema->viewport()->mapToGlobal(QPointF(50, 50)),
                            QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(schema->viewport(), &rotella);
        QCOMPARE(schema->horizontalScrollBar()->value(), passo);
        VerificaRegole(finestra_.get());
    }

    void maximisedTheSchemaFillsTheScreenWithoutScrolling() {
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
        const QRect prima = Geometria(QStringLiteral("TextSpessore(1)"));
        const QRect hiPrima = Geometria(QStringLiteral("TextLiminariInterno"));
        const QRect hePrima = Geometria(QStringLiteral("TextLiminariEsterno"));
        finestra_->showMaximized();
        QTRY_COMPARE(finestra_->frameGeometry().size(),
                     finestra_->screen()->availableGeometry().size());

        // The panels reach from the left margin to the column; the column to the right margin.
        auto* pannelli = finestra_->findChild<QStackedWidget*>();
        auto* colonna = Trova<QWidget>(QStringLiteral("Command1"))->parentWidget();
        QWidget* centro = finestra_->centralWidget();
        QCOMPARE(pannelli->geometry().left(), centro->width() - 1 - colonna->geometry().right());
        QVERIFY(pannelli->width() > AllaScala(pannelli, 9900) * 3 / 2);
        QVERIFY(colonna->width() >= AllaScala(pannelli, 7500));
        QVERIFY(pannelli->height() >= centro->height() - 2 * pannelli->geometry().top());

        // Wider layers, taller schema; hi and he stay side by side as they were.
        const QRect dopo = Geometria(QStringLiteral("TextSpessore(1)"));
        QVERIFY(dopo.width() > prima.width());
        QVERIFY(dopo.top() > prima.top());
        QCOMPARE(dopo.height(), prima.height());
        QCOMPARE(Geometria(QStringLiteral("TextLiminariInterno")).left(), hiPrima.left());
        QCOMPARE(Geometria(QStringLiteral("TextLiminariEsterno")).left(), hePrima.left());

        VerificaGrafici();
        ParetePiena();
        auto* schema = Trova<QScrollArea>(QStringLiteral("PictureSchemaStruttura"));
        QCOMPARE(schema->widget()->width(), schema->viewport()->width());
        QVERIFY(!schema->horizontalScrollBar()->isVisible());
        VerificaRegole(finestra_.get());

        // Nothing the user does inside moves the division: fewer layers, a calculation.
        const QRect divisione = pannelli->geometry();
        for (int i = 1; i < NumeroStratiMax; ++i) {
            QTest::mouseClick(Trova<QAbstractButton>(QStringLiteral("CommandMeno")),
                              Qt::LeftButton);
        }
        QTest::mouseClick(Trova<QAbstractButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(pannelli->geometry(), divisione);
        // Nor do the captions and commands that come and go with the calculations chosen.
        for (const char* casella : {"Check1(1)", "CheckVerifiche", "Check1(0)"}) {
            QTest::mouseClick(Trova<QAbstractButton>(QString::fromLatin1(casella)), Qt::LeftButton);
            QCOMPARE(pannelli->geometry(), divisione);
        }
    }

    void everySizeBetweenKeepsTheRules_data() {
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("altezza");
        QTest::newRow("un pixel oltre il minimo") << 0 << 0;
        QTest::newRow("1366 × 768 al 100 %") << 1366 << 768;
        QTest::newRow("1600 × 900 al 100 %") << 1600 << 900;
    }
    void everySizeBetweenKeepsTheRules() {
        QFETCH(int, larghezza);
        QFETCH(int, altezza);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
        ParetePiena();
        // Sizes given at 100 % grow with the screen's scale; at least a pixel over the
        // smallest, where rounding is tightest.
        const double scala = finestra_->logicalDpiX() / 96.0;
        const QSize voluta =
            QSize(static_cast<int>(larghezza * scala), static_cast<int>(altezza * scala))
                .expandedTo(finestra_->minimumSizeHint() + QSize(1, 1));
        finestra_->resize(voluta);
        QTRY_COMPARE(finestra_->size(), voluta);
        VerificaRegole(finestra_.get());
    }

    void theChartsGrowWithTheirPanel() {
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
        ApriECalcola("parete-intercapedine.css", 1);
        const QSize prima = finestra_->Grafico(2)->size();
        // At the default size a chart is its design: 8895 × 3615 twips.
        QCOMPARE(prima, QSize(AllaScala(finestra_.get(), 8895), AllaScala(finestra_.get(), 3615)));
        finestra_->showMaximized();
        QTRY_VERIFY(finestra_->Grafico(2)->width() > prima.width());
        QVERIFY(finestra_->Grafico(2)->height() > prima.height());
        // The temperature chart above the vapour chart, sharing the panel's height.
        QVERIFY(finestra_->Grafico(1)->geometry().bottom() < finestra_->Grafico(2)->y());
        VerificaRegole(finestra_.get());
    }

    void theReportWindowGrowsWithItsText() {
        test::StampanteRegistrata stampante;
        ui::FinestraStampaQt rapporto(stampante, dialoghi_, stampante);
        rapporto.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rapporto));
        QWidget* testo = rapporto.findChild<QStackedLayout*>()->currentWidget();
        const QSize prima = testo->size();
        rapporto.resize(rapporto.width() + 300, rapporto.height() + 200);
        QTRY_COMPARE(testo->width(), prima.width() + 300);
        QCOMPARE(testo->height(), prima.height() + 200);
        VerificaRegole(&rapporto);
    }
};

QTEST_MAIN(DisposizioneUiTest)
#include "disposizione_ui_test.moc"
