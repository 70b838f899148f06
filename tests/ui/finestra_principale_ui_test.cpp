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
    for (int k = 1; k <= 3; ++k) {
        e.strato(k).Spessore.Testo = std::to_string(10 * k);
    }
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
    // The layer menu as it opens on layer k, then closed.
    QString MenuDelloStrato(int k) const {
        QMenu* menu = MenuSuStrato(k);
        const bool aperto = QTest::qWaitFor([menu] { return menu->isVisible(); });
        const QString stato = test::Fotografia(menu) + (aperto ? u""_s : u"non aperto\n"_s);
        menu->close();
        return stato;
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

    // The title, the menus with the desktop's usual keys, and every widget of a new exercise.
    void startsAsANewExerciseWithItsMenus() {
        QString stato = finestra_->windowTitle() + u'\n';
        for (QAction* a : finestra_->menuBar()->actions()) {
            for (QAction* v : a->menu()->actions()) {
                stato +=
                    a->text() + u" | "_s +
                    (v->isSeparator()
                         ? u"-"_s
                         : v->text() + u' ' + v->shortcut().toString(QKeySequence::PortableText)) +
                    u'\n';
            }
        }
        stato += Stato({});
        COME_NEL_FILE(u"ui/principale/nuovo.txt"_s, stato);
        QVERIFY(finestra_->width() <= 1280 && finestra_->height() <= 800);
    }

    // "Calcola" shows the report and enables printing and the views; an edit throws them away.
    // The spin buttons step a value and calculate again.
    void typingCalcolaAndTheSpinButtons() {
        ScriviParete();
        Premi(u"Command1"_s);
        QVERIFY(dialoghi_.Mostrati.empty());
        const QString vista = u"^(Text2|Command3|Option2\\(\\d\\)|Stampa|AnteprimaDiStampa)$"_s;
        QString stato = u"calcolato:\n"_s + Stato(vista);
        QTest::keyClicks(Casella(u"TextSpessore(1)"_s), u"5"_s);
        stato += u"modificato:\n"_s + Stato(vista);
        const QString valori = u"^(Text[TU](Interna|Esterna)|LabelU[ie]|Text2)$"_s;
        Premi(u"CommandSuUi"_s);
        Scrivi(u"TextUEsterna"_s, u"80"_s);
        Premi(u"CommandSuUe"_s);
        Premi(u"CommandGiuTi"_s);
        COME_NEL_FILE(u"ui/principale/calcola.txt"_s, stato + u"passi:\n"_s + Stato(valori));
    }

    // Thermal and hygrometric are coupled; each choice shows the boxes and frames it needs.
    void checkBoxesAreCoupledAndChangeTheSchema() {
        const QString parti = u"^(Check1\\(\\d\\)|Command1|FrameLiminariInEst|Text[^(]+\\(1\\)|"
                              "FrameNero\\(12\\))$"_s;
        Premi(u"Check1(0)"_s);
        QString stato = u"senza termico:\n"_s + Stato(parti);
        Premi(u"Check1(1)"_s);
        stato += u"igrometrico:\n"_s + Stato(parti);
        Premi(u"Check1(2)"_s);
        COME_NEL_FILE(u"ui/principale/calcoli.txt"_s, stato + u"acustico:\n"_s + Stato(parti));
        QCOMPARE(W(u"FrameNero(12)"_s)->y(), 2880 / 15);
    }

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
        QCOMPARE(dialoghi_.Mostrati, (std::vector<DialoghiRegistrati::Voce>{
                                         {TitoloErrore, Frase2(NomeDistSonoro), Icona::Critica}}));
        QVERIFY(W<QRadioButton>(u"Option1(0)"_s)->isChecked());
        QCOMPARE(Casella(u"TextDistSonoro"_s)->text(), u"forte"_s);
    }

    // The layer menu offers what keeps the wall sound (its state on layers 1, 2 and 3 of three,
    // the second turned into an air cavity); a layer's rectangle names its material; Tab walks
    // every shown box of every layer in order, then the conditions.
    void layerMenuTheLayersMaterialAndTheTabOrder() {
        const QString strati =
            u"^(LabelStrato\\(\\d\\)|LabelStratoSelezionatoNumero|TextNumeroStrati)$"_s;
        QString stato = u"uno strato:\n"_s + Stato(strati) + MenuDelloStrato(1);
        Scegli(1, u"InserisciStratoADestra"_s);
        Scegli(2, u"InserisciStratoASinistra"_s);
        stato += u"tre strati:\n"_s + MenuDelloStrato(2);
        Scegli(2, u"CameraAria"_s);
        stato += u"camera d'aria:\n"_s + Stato(strati) + MenuDelloStrato(3);
        COME_NEL_FILE(u"ui/principale/menu-strato.txt"_s, stato);

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

    // At the widget's own size and at twice that, each colour stands at its scaled place (in
    // twips): magenta inside the condensation zone (layer 3, halfway between the profiles),
    // black between the profiles of layer 1, which has no condensation, and left of the inside
    // face, yellow on the faces of the wall (0x0000FFFF is yellow, not cyan).
    void hatchingIsMagentaOnlyInsideTheCondensationZone() {
        const Superficie g2 = GraficoVaporeConCondensa();
        GraficoWidget w;
        w.ImpostaSuperficie(g2);
        QCOMPARE(w.sizeHint(), QSize(593, 241));
        const double t = (5010.0 - 4650) / 3150;
        const struct {
            double x, y;
            QColor colore;
            bool solo; // every pixel around has the colour, not only one
        } punti[] = {
            {5010, (yVapore(8 - 3 * t) + yVapore(10 - 7 * t)) / 2, QColor(255, 0, 255), false},
            {2025, (yVapore(22) + yVapore(11.75)) / 2, Qt::black, true},
            {1500, 1500, Qt::yellow, false},
            {7800, 1500, Qt::yellow, false},
            {750, 1500, Qt::black, true},
        };
        for (const double scala : {1.0 / 15, 2.0 / 15}) {
            w.resize(static_cast<int>(g2.Larghezza * scala), static_cast<int>(g2.Altezza * scala));
            QImage img(w.size(), QImage::Format_RGB32);
            w.render(&img);
            for (const auto& p : punti) {
                int uguali = 0;
                for (int d = 0; d < 9; ++d) {
                    uguali += img.pixelColor(static_cast<int>(p.x * scala) + d % 3 - 1,
                                             static_cast<int>(p.y * scala) + d / 3 - 1) == p.colore;
                }
                QVERIFY2(p.solo ? uguali == 9 : uguali > 0, qPrintable(p.colore.name()));
            }
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
