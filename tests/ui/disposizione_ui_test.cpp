// The main window at its default size and maximised on a 1920 × 1080 screen, and the report
// window grown, with a wall of fifteen layers of every kind and an eight-digit value in every
// box: nothing overlaps, nothing leaves its parent, no text is wider than its box. Every dialog
// gets at least the room its layout needs, and no caption is cut: each dialog is opened with
// the program's own texts and checked against its layout's minimum size and the width its
// labels' texts take in their font. CTest runs this program at 100 %, 150 % (QT_SCALE_FACTOR)
// and 200 % (a screen of 192 dots per inch).

#include <cmath>

#include "core/files/apertura_file.h"
#include "core/materials/abaco_file.h"
#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/modo_abaco.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/window/grafici_verifiche.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/parete_di_prova.h"
#include "support/regole_disposizione.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/dati_verifiche_qt.h"
#include "ui/dialogo_materiale_qt.h"
#include "ui/dialogo_modifica_abaco_qt.h"
#include "ui/elenco_materiali_qt.h"
#include "ui/finestra_appunti_qt.h"
#include "ui/finestra_stampa_qt.h"
#include "ui/informazioni_qt.h"
#include "ui/verifiche_qt.h"
#include <optional>

using namespace paretix;
using namespace paretix::ui;

namespace {

// A design length in twips at the screen's scale: 1440 twips to the inch.
int AllaScala(const QWidget* w, int twip) {
    return static_cast<int>(std::lround(twip * w->logicalDpiX() / 1440.0));
}

// What is wrong with the dialog as shown: smaller than its layout's minimum, a child outside
// it, or a label whose text needs more room than the label has. (The rules of the main window
// do not hold here: the cells of the materials grid share their borders.)
QStringList Difetti(QWidget* dialogo) {
    QStringList difetti;
    const QString nome = dialogo->objectName();
    const QSize minimo = dialogo->minimumSizeHint();
    if (minimo.isValid() &&
        (dialogo->width() < minimo.width() || dialogo->height() < minimo.height())) {
        difetti << u"%1 sotto il minimo"_s.arg(nome);
    }
    for (QWidget* figlio : dialogo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (figlio->isVisible() && !figlio->isWindow() &&
            !dialogo->rect().contains(figlio->geometry())) {
            difetti << u"%1: %2 fuori dalla finestra"_s.arg(nome, figlio->objectName());
        }
    }
    for (QLabel* e : dialogo->findChildren<QLabel*>()) {
        const QRect spazio = e->contentsRect();
        const bool aCapo = e->wordWrap() || Qt::mightBeRichText(e->text());
        const bool entra = aCapo ? e->heightForWidth(spazio.width()) <= spazio.height() &&
                                       (e->wordWrap() || e->sizeHint().width() <= e->width())
                                 : e->fontMetrics().horizontalAdvance(e->text()) <= spazio.width();
        if (e->isVisible() && !e->text().isEmpty() && !entra) {
            difetti << u"%1: %2 \"%3\" tagliato"_s.arg(nome, e->objectName(), e->text());
        }
    }
    return difetti;
}

#define VERIFICA_DIALOGO(dialogo)                                                                  \
    do {                                                                                           \
        (dialogo)->show();                                                                         \
        QVERIFY(QTest::qWaitForWindowExposed(dialogo));                                            \
        NESSUN_DIFETTO(Difetti(dialogo));                                                          \
    } while (false)

} // namespace

class DisposizioneUiTest : public QObject, test::ConFinestra {
    Q_OBJECT

    // The largest wall (fifteen layers, two air cavities, every calculation on), two materials
    // from the database (read-only, "18,75" among their values), and eight significant digits
    // with a sign and the decimal comma in every box that takes them.
    void ParetePiena() {
        FinestraPrincipale& m = Modello();
        PareteCompleta(m);
        for (int k : {5, 13}) {
            m.LabelStrato_MouseMove(k);
            m.CaricaMaterialeNelloStratoSelezionato(
                {"Mattone forato", "775,5", "0,36", "18,75", "0,9"});
        }
        m.MuoveSu();
        finestra_->Aggiorna();
        for (QLineEdit* c : finestra_->findChildren<QLineEdit*>()) {
            if (c->isVisible() && !c->isReadOnly()) {
                test::Scrivi(c, u"-12345,678"_s);
            }
        }
    }

    // Both chart panels in front in turn, with their charts drawn, then the schema again.
    void VerificaGrafici() {
        ApriECalcola("parete-intercapedine.css", 1);
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
        ApriECalcola("parete-pesante.css", 2);
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
        Premi(u"Option2(0)"_s);
    }
    void ApriECalcola(const char* esempio, int vista) {
        QVERIFY(ApriEsempio(esempio));
        Premi(u"Command1"_s);
        QVERIFY(W(u"Option2(%1)"_s.arg(vista))->isEnabled());
        Premi(u"Option2(%1)"_s.arg(vista));
    }

    QRect Geometria(const QString& nome) const { return W(nome)->geometry(); }

    // The shipped database, whose names are the longest texts the browser and its dialogs show.
    const Abaco abaco_ = Prosegui(PARETIX_ESEMPI "/../data/abaco.txt").value().Voci;

  private slots:
    void initTestCase() { QApplication::setFont(QFont(u"DejaVu Sans"_s, 9)); }
    void init() { QVERIFY(Mostra()); }
    void cleanup() { finestra_.reset(); }

    void theDefaultSizeIsTheDesignAndTheSmallest() {
        QCOMPARE(finestra_->size(), finestra_->minimumSizeHint());
        // The panels: the design's 9900 twips across; the schema 7800 high above the strip of
        // its scroll bar. At 100 % that is 660 × 520.
        auto* schema = W<QScrollArea>(u"PictureSchemaStruttura"_s);
        QCOMPARE(schema->width(), AllaScala(schema, 9900));
        QCOMPARE(schema->widget()->height(), AllaScala(schema, 7800));
        QCOMPARE(schema->height(), AllaScala(schema, 7800) +
                                       schema->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        // Layer 1's rectangle keeps its design height: from 455 to 455 + 3615 twips.
        const QRect strato = Geometria(u"LabelStrato(1)"_s);
        QCOMPARE(strato.top(), AllaScala(schema, 455));
        QCOMPARE(strato.bottom() + 1, AllaScala(schema, 455 + 3615));
        // The notes show four lines at least.
        auto* appunti = W<QPlainTextEdit>(u"TextAppunti"_s);
        QVERIFY(appunti->viewport()->height() >= 4 * appunti->fontMetrics().lineSpacing());

        VerificaGrafici();
        ParetePiena();
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
        // Fifteen layers with boxes that hold their values need more than the design's width:
        // the schema scrolls.
        QVERIFY(schema->widget()->width() > schema->viewport()->width());
        QVERIFY(schema->horizontalScrollBar()->isVisible());
        // One notch of the wheel, turned as over a page, moves the schema by one layer.
        const int passo = Geometria(u"TextSpessore(2)"_s).x() - Geometria(u"TextSpessore(1)"_s).x();
        QWheelEvent rotella(QPointF(50, 50), schema->viewport()->mapToGlobal(QPointF(50, 50)),
                            QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(schema->viewport(), &rotella);
        QCOMPARE(schema->horizontalScrollBar()->value(), passo);
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
    }

    void maximisedTheSchemaFillsTheScreenWithoutScrolling() {
        const QRect prima = Geometria(u"TextSpessore(1)"_s);
        const int hi = Geometria(u"TextLiminariInterno"_s).left();
        const int he = Geometria(u"TextLiminariEsterno"_s).left();
        finestra_->showMaximized();
        QTRY_COMPARE(finestra_->frameGeometry().size(),
                     finestra_->screen()->availableGeometry().size());

        // The panels reach from the left margin to the column; the column to the right margin.
        auto* pannelli = finestra_->findChild<QStackedWidget*>();
        QWidget* colonna = W(u"Command1"_s)->parentWidget();
        QWidget* centro = finestra_->centralWidget();
        QCOMPARE(pannelli->geometry().left(), centro->width() - 1 - colonna->geometry().right());
        QVERIFY(pannelli->width() > AllaScala(pannelli, 9900) * 3 / 2);
        QVERIFY(colonna->width() >= AllaScala(pannelli, 7500));
        QVERIFY(pannelli->height() >= centro->height() - 2 * pannelli->geometry().top());

        // Wider layers, taller schema; hi and he stay side by side as they were.
        const QRect dopo = Geometria(u"TextSpessore(1)"_s);
        QVERIFY(dopo.width() > prima.width() && dopo.top() > prima.top());
        QCOMPARE(dopo.height(), prima.height());
        QCOMPARE(Geometria(u"TextLiminariInterno"_s).left(), hi);
        QCOMPARE(Geometria(u"TextLiminariEsterno"_s).left(), he);

        VerificaGrafici();
        ParetePiena();
        auto* schema = W<QScrollArea>(u"PictureSchemaStruttura"_s);
        QCOMPARE(schema->widget()->width(), schema->viewport()->width());
        QVERIFY(!schema->horizontalScrollBar()->isVisible());
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));

        // Nothing the user does inside moves the division: fewer layers, a calculation, nor
        // the captions and commands that come and go with the calculations chosen.
        const QRect divisione = pannelli->geometry();
        for (int i = 1; i < NumeroStratiMax; ++i) {
            Premi(u"CommandMeno"_s);
        }
        for (const QString& pulsante :
             {u"Command1"_s, u"Check1(1)"_s, u"CheckVerifiche"_s, u"Check1(0)"_s}) {
            Premi(pulsante);
            QVERIFY2(pannelli->geometry() == divisione, qPrintable(pulsante));
        }
    }

    void everySizeBetweenKeepsTheRules_data() {
        QTest::addColumn<QSize>("dimensione");
        QTest::newRow("un pixel oltre il minimo") << QSize(0, 0);
        QTest::newRow("1366 × 768 al 100 %") << QSize(1366, 768);
        QTest::newRow("1600 × 900 al 100 %") << QSize(1600, 900);
    }
    void everySizeBetweenKeepsTheRules() {
        QFETCH(QSize, dimensione);
        ParetePiena();
        // Sizes given at 100 % grow with the screen's scale; at least a pixel over the
        // smallest, where rounding is tightest.
        const double scala = finestra_->logicalDpiX() / 96.0;
        const QSize voluta = QSize(static_cast<int>(dimensione.width() * scala),
                                   static_cast<int>(dimensione.height() * scala))
                                 .expandedTo(finestra_->minimumSizeHint() + QSize(1, 1));
        finestra_->resize(voluta);
        QTRY_COMPARE(finestra_->size(), voluta);
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
    }

    void theChartsGrowWithTheirPanel() {
        ApriECalcola("parete-intercapedine.css", 1);
        const QSize prima = finestra_->Grafico(2)->size();
        // At the default size a chart is its design: 8895 × 3615 twips.
        QCOMPARE(prima, QSize(AllaScala(finestra_.get(), 8895), AllaScala(finestra_.get(), 3615)));
        finestra_->showMaximized();
        QTRY_VERIFY(finestra_->Grafico(2)->width() > prima.width());
        QVERIFY(finestra_->Grafico(2)->height() > prima.height());
        // The temperature chart above the vapour chart, sharing the panel's height.
        QVERIFY(finestra_->Grafico(1)->geometry().bottom() < finestra_->Grafico(2)->y());
        NESSUN_DIFETTO(test::FaltiDisposizione(finestra_.get()));
    }

    void theReportWindowGrowsWithItsText() {
        test::StampanteRegistrata stampante;
        ui::FinestraStampaQt rapporto(stampante, dialoghi_, stampante);
        rapporto.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rapporto));
        QWidget* testo = rapporto.findChild<QStackedLayout*>()->currentWidget();
        const QSize prima = testo->size();
        rapporto.resize(rapporto.size() + QSize(300, 200));
        QTRY_COMPARE(testo->size(), prima + QSize(300, 200));
        NESSUN_DIFETTO(test::FaltiDisposizione(&rapporto));
    }

    void materialDialogsFitTheirBoxesAndButtons() {
        QVERIFY(abaco_.size() > 20);
        const auto lungo = std::ranges::max_element(
            abaco_, {}, [](const VoceAbaco& v) { return v.Materiale.size(); });
        const int riga = static_cast<int>(lungo - abaco_.begin());
        for (const bool conCalore : {false, true}) {
            ElencoMateriali elenco = ElencoMateriali::Consulta(abaco_, [](const VoceAbaco&) {});
            elenco.MostraCaloreSpecifico(conCalore);
            elenco.VScroll1_Change(riga);
            elenco.LabelMat_Click(10 * (riga - elenco.VScroll1Valore()) + 1);
            QCOMPARE(elenco.RigaSelezionata(), riga);
            DialogoMateriale carica(elenco);
            QVERIFY(carica.Form_Load(dialoghi_));
            DialogoMaterialeQt form4(carica);
            VERIFICA_DIALOGO(&form4);
        }
        // The material edit dialog and the group title dialog, from the edit menu's modes.
        // Before, the boxes of a material were squeezed into the 2220 twips of the design.
        for (const char* modo : {ModificaAbacoModifica, ModificaAbacoGruppoSopra}) {
            ElencoMateriali elenco = ElencoMateriali::Modifica(abaco_, nullptr);
            elenco.MostraCaloreSpecifico(true);
            elenco.LabelMat_Click(11);
            for (const VoceMenuAbaco& voce : MenuNascosto) {
                if (voce.Modo != nullptr && std::string(voce.Modo) == modo) {
                    elenco.MenuNascosto_Click(voce);
                }
            }
            QCOMPARE(elenco.ModoAbaco(), std::string(modo));
            DialogoModificaAbaco modifica(elenco);
            modifica.Form_Load();
            DialogoModificaAbacoQt form5(modifica);
            VERIFICA_DIALOGO(&form5);
        }
    }

    void browserAtItsDefaultSizeShowsTheShippedNamesWhole() {
        for (const bool conCalore : {false, true}) {
            ElencoMateriali elenco = ElencoMateriali::Modifica(abaco_, nullptr);
            elenco.MostraCaloreSpecifico(conCalore);
            ElencoMaterialiQt form3(elenco, dialoghi_);
            form3.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form3));
            for (int inizio = 0; inizio <= elenco.VScroll1Max(); inizio += RigheGriglia) {
                elenco.VScroll1_Change(inizio);
                form3.resize(form3.size()); // the same size: the cells show the new rows
                NESSUN_DIFETTO(Difetti(&form3));
            }
        }
    }

    void printNotesAndAboutWindows() {
        test::StampanteRegistrata stampante;
        ui::FinestraStampaQt form7(stampante, dialoghi_, stampante);
        form7.Apri("DATI:\r\nRISULTATI:\r\n");
        VERIFICA_DIALOGO(&form7);
        ui::FinestraAppuntiQt form6("parete nord");
        VERIFICA_DIALOGO(&form6);
        test::ApertureRegistrate aperture;
        ui::InformazioniQt form8(aperture, dialoghi_, "/nessuna", nullptr);
        VERIFICA_DIALOGO(&form8);
    }

    // The compliance data dialog and the "Verifiche" window of an exercise with every check,
    // the monthly one included, at their own size and at 1920 × 1080: no caption cut, nothing
    // overlapping or outside its parent.
    void checksDialogAndWindowAtTheirSizeAndFullScreen() {
        Esercizio e;
        QCOMPARE(AperturaFile(PARETIX_ESEMPI "/parete-membrana-fredda.css", e), std::nullopt);
        test::CartellaTemporanea cartella;
        DialogoDatiVerifiche dati(e);
        FontiClima fonti(cartella / "clima.txt", dialoghi_);
        ui::DatiVerificheQt form(
            dati, [](const DialogoDatiVerifiche&) { return true; }, fonti);
        RisultatiCalcolo r;
        std::string testo;
        std::optional<RisultatiVerifiche> v;
        QVERIFY(CalcolaConVerifiche(e, r, testo, &v).DatiValidi && v);
        ui::VerificheQt verifiche;
        verifiche.Mostra(RigheVerifiche(*v), NoteVerifiche(*v), GraficiDelleVerifiche(e, *v));
        for (QWidget* finestra : std::initializer_list<QWidget*>{&form, &verifiche}) {
            VERIFICA_DIALOGO(finestra);
            NESSUN_DIFETTO(test::FaltiDisposizione(finestra));
            finestra->resize(1920, 1080);
            QTest::qWait(0);
            NESSUN_DIFETTO(test::FaltiDisposizione(finestra));
        }
    }

    // The check itself finds a label cut short and a dialog under its minimum.
    void theCheckFindsACutLabelAndASqueezedDialog() {
        QDialog prova;
        prova.setObjectName(u"Prova"_s);
        auto* etichetta = new QLabel(u"Spessore Strato ( cm ) molto lungo"_s, &prova);
        etichetta->setObjectName(u"Lunga"_s);
        (new QVBoxLayout(&prova))->addWidget(etichetta);
        prova.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prova));
        QVERIFY(Difetti(&prova).isEmpty());
        prova.setMinimumSize(1, 1);
        etichetta->setMinimumWidth(0);
        prova.setFixedSize(40, 20);
        const QString difetti = Difetti(&prova).join(u' ');
        QVERIFY(difetti.contains(u"sotto il minimo"_s) && difetti.contains(u"Lunga"_s));
    }
};

QTEST_MAIN(DisposizioneUiTest)
#include "disposizione_ui_test.moc"
