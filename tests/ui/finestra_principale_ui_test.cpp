// The main window as a user meets it: typing, pressing buttons, the layer menu, the charts that
// "Calcola" draws, and "Annulla" / "Ripeti" on Ctrl+Z / Ctrl+Shift+Z with the focus in a box.
// The chart widget paints the core's element list: colours at known places of a rendering.

#include "core/charts/cornici.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/testo_grafico.h"
#include "core/model/validazione.h"
#include "core/window/didascalie.h"
#include "support/ui_prova.h"
#include "ui/comandi_cronologia.h"
#include "ui/dialoghi_qt.h"
#include "ui/grafico_widget.h"

using namespace paretix;
using namespace paretix::ui;
using test::Q;

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
    r.Pvi = 12.5;
    r.Pve = 3;
    r.Pv = {12.5, 11, 10, 3};
    r.Pvs = {24, 20, 8, 5};
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
    return colori.count(QColor(Qt::black)) == colori.size();
}

} // namespace

class FinestraPrincipaleUiTest : public QObject, test::ConFinestra {
    Q_OBJECT

    ComandiCronologia* cronologia_ = nullptr;

    QString Rapporto() const { return W<QPlainTextEdit>(u"Text2"_s)->toPlainText(); }
    QAction* Voce(const QString& nome) const { return W<QAction>(nome); }

    QMenu* MenuSuStrato(int k) const {
        QWidget* area = W(u"LabelStrato(%1)"_s.arg(k));
        test::MuoviSopra(area, {5, 5});
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(5, 5));
        return finestra_->MenuNascosto();
    }
    void Scegli(int k, const QString& voce) const {
        QMenu* menu = MenuSuStrato(k);
        QTRY_VERIFY(menu->isVisible());
        Voce(voce)->trigger();
        menu->close();
    }

    void ScriviParete() const {
        Scrivi(u"TextSpessore(1)"_s, u"30"_s);
        Scrivi(u"TextConduttività(1)"_s, u"0,25"_s);
        Scrivi(u"TextPermeabilità(1)"_s, u"25"_s);
        Scrivi(u"TextTInterna"_s, u"20"_s);
        Scrivi(u"TextUInterna"_s, u"65"_s);
    }

  private slots:
    void init() {
        QVERIFY(Mostra());
        cronologia_ = new ComandiCronologia(*finestra_);
    }
    void cleanup() { finestra_.reset(); }

    void startsAsANewExerciseWithItsMenus() {
        QCOMPARE(finestra_->windowTitle(), u"Senza nome - Paretix LT"_s);
        QStringList menu;
        for (QAction* a : finestra_->menuBar()->actions()) {
            menu << a->text();
            for (QAction* v : a->menu()->actions()) {
                menu << (v->isSeparator() ? u"-"_s
                                          : v->text() + u' ' +
                                                v->shortcut().toString(QKeySequence::PortableText));
            }
        }
        // The desktop's usual keys beside the captions.
        QCOMPARE(menu, (QStringList{"&File", "&Nuovo Ctrl+N", "&Apri... Ctrl+O", "&Salva Ctrl+S",
                                    "Sal&va con nome... Ctrl+Shift+S", "-", "Anteprima &di stampa ",
                                    "S&tampa... Ctrl+P", "Esporta relazione PDF... ", "-",
                                    "&Esci Ctrl+Q", "&Modifica", "Annulla Ctrl+Z",
                                    "Ripeti Ctrl+Shift+Z", "-", "&Abaco materiali ", "&?",
                                    "&Guida in linea F1", "&Informazioni su Paretex LT "}));
        QVERIFY(!cronologia_->Annulla()->isEnabled() && !cronologia_->Ripeti()->isEnabled());
        QVERIFY(!finestra_->Azione(Comando::Stampa)->isEnabled() &&
                !finestra_->Azione(Comando::AnteprimaDiStampa)->isEnabled());
        QVERIFY(finestra_->Azione(Comando::AbacoMateriali)->isEnabled());
        QCOMPARE(W<QLabel>(u"LabelNumeroStratiMax"_s)->text(), u"Numero strati max 15"_s);
        QCOMPARE(Casella(u"TextLiminariInterno"_s)->text(), u"7"_s);
        QCOMPARE(W<QPushButton>(u"Command3"_s)->text(),
                 QString(14, u' ') + "Stampa" + QString(14, u' ') + "( modifica e anteprima )");
        QVERIFY(!W<QPushButton>(u"Command3"_s)->isEnabled());
        QVERIFY(finestra_->width() <= 1280 && finestra_->height() <= 800);
    }

    void typingAndCalcolaShowTheReport() {
        ScriviParete();
        Premi(u"Command1"_s);
        QVERIFY(dialoghi_.Mostrati.empty());
        QVERIFY(Rapporto().startsWith(u"DATI:\n\nNumero strati: 1\n"_s));
        QVERIFY(W<QPushButton>(u"Command3"_s)->isEnabled());
        QVERIFY(finestra_->Azione(Comando::Stampa)->isEnabled());
        QVERIFY(W<QRadioButton>(u"Option2(1)"_s)->isEnabled());

        // An edit throws the results away.
        QTest::keyClicks(Casella(u"TextSpessore(1)"_s), u"5"_s);
        QVERIFY(Rapporto().isEmpty());
        QVERIFY(!W<QPushButton>(u"Command3"_s)->isEnabled());
        QVERIFY(!W<QRadioButton>(u"Option2(1)"_s)->isEnabled());
    }

    void spinButtonsStepAndRecalculate() {
        ScriviParete();
        Premi(u"CommandSuUi"_s);
        QCOMPARE(Casella(u"TextUInterna"_s)->text(), u"66"_s);
        QCOMPARE(W<QLabel>(u"LabelUi"_s)->text(), u"66"_s);
        Scrivi(u"TextUEsterna"_s, u"80"_s);
        Premi(u"CommandSuUe"_s);
        QCOMPARE(Casella(u"TextUEsterna"_s)->text(), u"81"_s);
        Premi(u"CommandGiuTi"_s);
        QCOMPARE(Casella(u"TextTInterna"_s)->text(), u"19"_s);
        QVERIFY(Rapporto().contains(u"Ti = 19 °C"_s)); // and calculate again
    }

    void checkBoxesAreCoupledAndChangeTheSchema() {
        auto* termico = W<QCheckBox>(u"Check1(0)"_s);
        auto* igrometrico = W<QCheckBox>(u"Check1(1)"_s);
        QTest::mouseClick(termico, Qt::LeftButton);
        QVERIFY(!igrometrico->isChecked());
        QVERIFY(!W(u"FrameLiminariInEst"_s)->isVisible());
        QVERIFY(!Casella(u"TextConduttività(1)"_s)->isVisible());
        QVERIFY(!W<QPushButton>(u"Command1"_s)->isEnabled());

        QTest::mouseClick(igrometrico, Qt::LeftButton);
        QVERIFY(termico->isChecked());
        QVERIFY(W<QPushButton>(u"Command1"_s)->isEnabled());

        Premi(u"Check1(2)"_s);
        QVERIFY(Casella(u"TextDensità(1)"_s)->isVisible());
        QVERIFY(W(u"FrameNero(12)"_s)->isVisible());
        QCOMPARE(W(u"FrameNero(12)"_s)->y(), 2880 / 15);
    }

    // The view selector brings a chart panel to the front and locks the check boxes; the
    // chart shows its colour after "Calcola" only, and loses it at the next edit.
    void chartsAreDrawnByCalcolaAndGoAtTheNextEdit_data() {
        QTest::addColumn<int>("grafico");
        QTest::newRow("condensa tratteggiata in magenta") << 2;
        QTest::newRow("curva acustica verde") << 3;
    }
    void chartsAreDrawnByCalcolaAndGoAtTheNextEdit() {
        QFETCH(int, grafico);
        QVERIFY(ApriEsempio(grafico == 2 ? "parete-intercapedine.css" : "parete-pesante.css"));
        const QColor colore = grafico == 2 ? QColor(255, 0, 255) : QColor(0, 255, 0);
        auto punti = [&] {
            return test::PuntiDelColore(finestra_->Grafico(grafico)->grab().toImage(), colore);
        };
        QCOMPARE(punti(), 0);
        Premi(u"Command1"_s);
        QVERIFY(dialoghi_.Mostrati.empty());
        Premi(u"Option2(%1)"_s.arg(grafico - 1));
        auto* pannelli = finestra_->findChild<QStackedWidget*>();
        QVERIFY(pannelli->currentWidget()->isAncestorOf(finestra_->Grafico(grafico)));
        QVERIFY(finestra_->Grafico(grafico)->isVisible());
        QVERIFY(!W<QCheckBox>(u"Check1(0)"_s)->isEnabled());
        QVERIFY(punti() > 0);
        Premi(u"Option2(0)"_s);
        QCOMPARE(pannelli->currentWidget()->objectName(), u"PictureSchemaStruttura"_s);
        QVERIFY(W<QCheckBox>(u"Check1(0)"_s)->isEnabled());
        QTest::keyClick(Casella(u"TextSpessore(1)"_s), Qt::Key_End);
        QTest::keyClicks(Casella(u"TextSpessore(1)"_s), u"1"_s);
        QCOMPARE(punti(), 0);
    }

    void unitSwitchConvertsOrReportsTheFault() {
        Premi(u"Check1(2)"_s);
        Scrivi(u"TextDistSonoro"_s, u"60"_s);
        Premi(u"Option1(1)"_s);
        QCOMPARE(Casella(u"TextDistSonoro"_s)->text(), u"1E-06"_s);
        Premi(u"Option1(0)"_s);
        QCOMPARE(Casella(u"TextDistSonoro"_s)->text(), u"60"_s);

        Scrivi(u"TextDistSonoro"_s, u"forte"_s);
        Premi(u"Option1(1)"_s);
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Q(dialoghi_.Mostrati[0].Testo), Q(Frase2(NomeDistSonoro)));
        QVERIFY(W<QRadioButton>(u"Option1(0)"_s)->isChecked());
        QCOMPARE(Casella(u"TextDistSonoro"_s)->text(), u"forte"_s);
    }

    // The layer menu offers what keeps the wall sound; a layer's rectangle names its
    // material; Tab walks every shown box of every layer in order, then the conditions.
    void layerMenuTheLayersMaterialAndTheTabOrder() {
        QCOMPARE(W(u"LabelStrato(1)"_s)->toolTip(), QString::fromUtf8(MaterialeDaTastiera));
        QMenu* menu = MenuSuStrato(1);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(Voce(u"EliminaStrato"_s)->text(), u"Elimina strato n. 1"_s);
        QCOMPARE(W<QLabel>(u"LabelStratoSelezionatoNumero"_s)->text(), u"1"_s);
        QVERIFY(!Voce(u"EliminaStrato"_s)->isEnabled());
        QVERIFY(!Voce(u"CameraAria"_s)->isEnabled());
        QVERIFY(Voce(u"DaAbaco"_s)->isEnabled());
        Voce(u"InserisciStratoADestra"_s)->trigger();
        menu->close();
        QCOMPARE(Casella(u"TextNumeroStrati"_s)->text(), u"2"_s);
        Scegli(2, u"InserisciStratoASinistra"_s);
        QCOMPARE(Casella(u"TextNumeroStrati"_s)->text(), u"3"_s);
        QVERIFY(Casella(u"TextSpessore(3)"_s)->isVisible());

        MenuSuStrato(2);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(Voce(u"CameraAria"_s)->isEnabled());
        Voce(u"CameraAria"_s)->trigger();
        menu->close();
        QCOMPARE(W(u"LabelStrato(2)"_s)->toolTip(), QString::fromUtf8(MaterialeCameraAria));
        QVERIFY(!Casella(u"TextConduttività(2)"_s)->isVisible());

        QStringList attese;
        for (int k = 1; k <= 3; ++k) {
            for (const char* nome : {"TextDensità", "TextSpessore", "TextConduttività",
                                     "TextPermeabilità", "TextFatAssorbimento"}) {
                QLineEdit* c = Casella(u"%1(%2)"_s.arg(QString::fromUtf8(nome)).arg(k));
                if (c->isVisible()) {
                    attese << c->objectName();
                }
            }
        }
        attese << u"TextTInterna"_s;
        QStringList percorse;
        for (QWidget* w = Casella(attese.front()); percorse.size() < attese.size();
             w = w->nextInFocusChain()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0) {
                percorse << w->objectName();
            }
        }
        QCOMPARE(percorse, attese);

        MenuSuStrato(3);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!Voce(u"EliminaStrato"_s)->isEnabled());
        menu->close();
        Premi(u"CommandMeno"_s);
        QCOMPARE(Casella(u"TextNumeroStrati"_s)->text(), u"1"_s);
    }

    void theLayerUnderTheMouseTurnsYellow() {
        Premi(u"CommandPiù"_s);
        QWidget* area = W(u"LabelStrato(2)"_s);
        QWidget* schema = W(u"PictureSchemaStruttura"_s);
        auto gialli = [&] {
            return test::PuntiDelColore(schema->grab(area->geometry()).toImage(), Qt::yellow);
        };
        QCOMPARE(gialli(), 0);
        test::MuoviSopra(area);
        QVERIFY(gialli() > 100);
        QCOMPARE(W<QLabel>(u"LabelStratoSelezionatoScritta"_s)->text(), u"Strato n."_s);
        test::MuoviSopra(schema, {5, 5});
        QCOMPARE(gialli(), 0);
        QVERIFY(W<QLabel>(u"LabelStratoSelezionatoScritta"_s)->text().isEmpty());
    }

    void boxesRefuseWhatTheFileCannotStore() {
        QLineEdit* spessore = Casella(u"TextSpessore(1)"_s);
        test::Digita(spessore, u"1\u03a92"_s);
        QCOMPARE(spessore->text(), u"12"_s);
        auto* appunti = W<QPlainTextEdit>(u"TextAppunti"_s);
        test::Digita(appunti, u"muro \u2192 nord €"_s);
        QCOMPARE(Q(Modello().esercizio().Appunti), u"muro  nord €"_s);

        QApplication::clipboard()->setText(u"\U0001F600"_s);
        appunti->paste();
        spessore->paste();
        QCOMPARE(Q(Modello().esercizio().Appunti), u"muro  nord €"_s);
        QCOMPARE(Q(Modello().esercizio().strato(1).Spessore.Testo), u"12"_s);
    }

    void toolTipsFollowTheBoxesEvery100Ms() {
        Scrivi(u"TextSpessore(1)"_s, u"12,3456789"_s);
        QTRY_COMPARE(Casella(u"TextSpessore(1)"_s)->toolTip(), u"12,3456789"_s);
    }

    // The print button's hook is in finestre_ausiliarie_test, which opens the print window.
    void theClosingHookMayKeepTheWindowOpen() {
        bool chiedi = false;
        finestra_->ImpostaChiusura([&chiedi] { return !(chiedi = true); });
        finestra_->Azione(Comando::Esci)->trigger();
        QVERIFY(chiedi && finestra_->isVisible());
        finestra_->ImpostaChiusura({});
        finestra_->Azione(Comando::Esci)->trigger();
        QVERIFY(!finestra_->isVisible());
    }

    void messageBoxesHaveTitleIconAndYesAsDefault() {
        QCOMPARE(FiltroQt("File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|"),
                 u"File esercizio (*.css);;Tutti i files (*)"_s);
        QString visto;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            visto = u"%1 %2 %3"_s.arg(box->windowTitle())
                        .arg(box->icon())
                        .arg(box->defaultButton() == box->button(QMessageBox::Yes));
            box->button(QMessageBox::No)->click();
        });
        DialoghiQt veri;
        QVERIFY(veri.DomandaSiNoAnnulla("Paretix LT", "Salvare?", Icona::Esclamazione) ==
                Risposta::No);
        QCOMPARE(visto, u"Paretix LT %1 1"_s.arg(QMessageBox::Warning));
    }

    // The menu entry undoes a layer insert and names it; the keys undo the program's step
    // even while a box is being typed in, and the box does not undo by itself.
    void undoAndRedoFromTheMenuAndTheKeys() {
        Premi(u"CommandPiù"_s);
        QCOMPARE(cronologia_->Annulla()->text(), u"Annulla aggiunta strato"_s);
        cronologia_->Annulla()->trigger();
        QCOMPARE(Casella(u"TextNumeroStrati"_s)->text(), u"1"_s);
        QVERIFY(!cronologia_->Annulla()->isEnabled() && cronologia_->Ripeti()->isEnabled());
        cronologia_->Ripeti()->trigger();
        QCOMPARE(Casella(u"TextNumeroStrati"_s)->text(), u"2"_s);
        cronologia_->Annulla()->trigger();

        QLineEdit* spessore = Casella(u"TextSpessore(1)"_s);
        spessore->setFocus();
        QTest::keyClicks(spessore, u"30"_s);
        QTest::keyClick(spessore, Qt::Key_Return); // the value is complete
        QTest::keyClicks(spessore, u"5"_s);
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spessore->text(), u"30"_s);
        QCOMPARE(Q(Modello().esercizio().strato(1).Spessore.Testo), u"30"_s);
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spessore->text(), QString());
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(spessore->text(), u"30"_s);
    }

    // At the widget's own size and at twice that, the elements stand at their scaled places.
    void hatchingIsMagentaOnlyInsideTheCondensationZone() {
        const Superficie g2 = GraficoVaporeConCondensa();
        GraficoWidget w;
        w.ImpostaSuperficie(g2);
        QCOMPARE(w.sizeHint(), QSize(593, 241));
        for (const double scala : {1.0 / 15, 2.0 / 15}) {
            const QImage img = Disegna(g2, scala);
            QVERIFY(Intorno(img, XCondensa, YCondensa, scala).contains(QColor(255, 0, 255)));
            // Layer 1 has no condensation: black between its profiles.
            QVERIFY(Nero(Intorno(img, 2025, (yVapore(22) + yVapore(11.75)) / 2, scala)));
            // The yellow faces of the wall section (0x0000FFFF is yellow, not cyan).
            QVERIFY(Intorno(img, 1500, 1500, scala).contains(QColor(Qt::yellow)));
            QVERIFY(Intorno(img, 7800, 1500, scala).contains(QColor(Qt::yellow)));
            // Left of the inside face the chart is empty.
            QVERIFY(Nero(Intorno(img, 750, 1500, scala)));
        }
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

QTEST_MAIN(FinestraPrincipaleUiTest)
#include "finestra_principale_ui_test.moc"
