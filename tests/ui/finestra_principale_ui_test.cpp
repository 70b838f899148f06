// The main window as a user meets it: typing, pressing buttons, the layer menu, what shows.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/model/validazione.h"
#include "core/window/didascalie.h"
#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/dialoghi_qt.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}

} // namespace

class FinestraPrincipaleUiTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;

    template <typename T> T* Trova(const QString& nome) const {
        return test::Trova<T>(finestra_.get(), nome);
    }
    QLineEdit* Casella(const QString& nome) const { return Trova<QLineEdit>(nome); }
    QString Rapporto() const {
        return Trova<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText();
    }

    void Scrivi(const QString& casella, const QString& testo) {
        test::Scrivi(Casella(casella), testo);
    }

    void Premi(const QString& pulsante) {
        QTest::mouseClick(Trova<QAbstractButton>(pulsante), Qt::LeftButton);
    }

    void ScriviParete() {
        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("30"));
        Scrivi(QStringLiteral("TextConduttività(1)"), QStringLiteral("0,25"));
        Scrivi(QStringLiteral("TextPermeabilità(1)"), QStringLiteral("25"));
        Scrivi(QStringLiteral("TextTInterna"), QStringLiteral("20"));
        Scrivi(QStringLiteral("TextUInterna"), QStringLiteral("65"));
    }

    void PremiSuStrato(int k) {
        QWidget* area = Trova<QWidget>(QStringLiteral("LabelStrato(%1)").arg(k));
        test::MuoviSopra(area, {5, 5});
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QAction* Voce(const QString& nome) const { return Trova<QAction>(nome); }

  private slots:
    void init() {
        dialoghi_.Mostrati.clear();
        finestra_ = std::make_unique<FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{"/tmp", Si, true});
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void cleanup() { finestra_.reset(); }

    void startsAsANewExerciseWithItsMenus() {
        QCOMPARE(finestra_->windowTitle(), QStringLiteral("Senza nome - Paretix LT"));
        QStringList menu, tasti;
        for (QAction* a : finestra_->menuBar()->actions()) {
            menu << a->text();
            for (QAction* v : a->menu()->actions()) {
                if (!v->isSeparator()) {
                    menu << v->text();
                    tasti << v->shortcut().toString(QKeySequence::PortableText);
                }
            }
        }
        // The desktop's usual keys beside the captions.
        QCOMPARE(tasti, (QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "", "Ctrl+P", "",
                                     "Ctrl+Q", "", "F1", ""}));
        QCOMPARE(menu,
                 (QStringList{"&File", "&Nuovo", "&Apri...", "&Salva", "Sal&va con nome...",
                              "Anteprima &di stampa", "S&tampa...", "Esporta relazione PDF...",
                              "&Esci", "&Modifica", "&Abaco materiali", "&?", "&Guida in linea",
                              "&Informazioni su Paretex LT"}));
        QVERIFY(!finestra_->Azione(Comando::AnteprimaDiStampa)->isEnabled());
        QVERIFY(!finestra_->Azione(Comando::Stampa)->isEnabled());
        QVERIFY(finestra_->Azione(Comando::AbacoMateriali)->isEnabled());
        QCOMPARE(Trova<QPushButton>(QStringLiteral("Command3"))->text(),
                 QString(14, u' ') + "Stampa" + QString(14, u' ') + "( modifica e anteprima )");
        QVERIFY(!Trova<QPushButton>(QStringLiteral("Command3"))->isEnabled());
        QCOMPARE(Trova<QLabel>(QStringLiteral("LabelNumeroStratiMax"))->text(),
                 QStringLiteral("Numero strati max 15"));
        QCOMPARE(Casella(QStringLiteral("TextLiminariInterno"))->text(), QStringLiteral("7"));
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("1"));
        QVERIFY(Casella(QStringLiteral("TextSpessore(1)"))->isVisible());
        auto* secondo = finestra_->findChild<QLineEdit*>(QStringLiteral("TextSpessore(2)"));
        QVERIFY(secondo == nullptr || !secondo->isVisible());
        QVERIFY(!Casella(QStringLiteral("TextDensità(1)"))->isVisible());
        QVERIFY(finestra_->width() <= 1280 && finestra_->height() <= 800);
    }

    void typingAndCalcolaShowTheReport() {
        ScriviParete();
        QCOMPARE(Q(finestra_->Modello().esercizio().strato(1).Conduttività.Testo),
                 QStringLiteral("0,25"));
        QCOMPARE(Q(finestra_->Modello().Stato().Modificato), QStringLiteral("SI"));
        Premi(QStringLiteral("Command1"));
        QVERIFY(dialoghi_.Mostrati.empty());
        QVERIFY(Rapporto().startsWith(QStringLiteral("DATI:\n\nNumero strati: 1\n")));
        QVERIFY(Rapporto().contains(QStringLiteral("CALCOLO TERMICO")));
        QVERIFY(Trova<QPushButton>(QStringLiteral("Command3"))->isEnabled());
        QVERIFY(finestra_->Azione(Comando::Stampa)->isEnabled());
        QVERIFY(Trova<QRadioButton>(QStringLiteral("Option2(1)"))->isEnabled());
        QVERIFY(!Trova<QRadioButton>(QStringLiteral("Option2(2)"))->isEnabled());

        // An edit throws the results away.
        QTest::keyClicks(Casella(QStringLiteral("TextSpessore(1)")), QStringLiteral("5"));
        QVERIFY(Rapporto().isEmpty());
        QVERIFY(!Trova<QPushButton>(QStringLiteral("Command3"))->isEnabled());
        QVERIFY(!Trova<QRadioButton>(QStringLiteral("Option2(1)"))->isEnabled());
    }

    void aFaultShowsTheProgramsMessage() {
        Premi(QStringLiteral("Command1"));
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Q(dialoghi_.Mostrati[0].Titolo), QStringLiteral("ERRORE:"));
        QCOMPARE(Q(dialoghi_.Mostrati[0].Testo), Q(Frase3(1, "''Spessore''")));
        QVERIFY(dialoghi_.Mostrati[0].Tipo == Icona::Critica);
        QVERIFY(Rapporto().isEmpty());
    }

    void spinButtonsStepAndRecalculate() {
        ScriviParete();
        Premi(QStringLiteral("CommandSuUi"));
        QCOMPARE(Casella(QStringLiteral("TextUInterna"))->text(), QStringLiteral("66"));
        QCOMPARE(Trova<QLabel>(QStringLiteral("LabelUi"))->text(), QStringLiteral("66"));
        QVERIFY(Rapporto().contains(QStringLiteral("Umidità relativa interna Ui = 66 %")));
        Scrivi(QStringLiteral("TextUEsterna"), QStringLiteral("80"));
        Premi(QStringLiteral("CommandSuUe"));
        QCOMPARE(Casella(QStringLiteral("TextUEsterna"))->text(), QStringLiteral("81"));
        Premi(QStringLiteral("CommandGiuTi"));
        QCOMPARE(Casella(QStringLiteral("TextTInterna"))->text(), QStringLiteral("19"));
        QVERIFY(Rapporto().contains(QStringLiteral("Ti = 19 °C")));
        QVERIFY(dialoghi_.Mostrati.empty());
    }

    void checkBoxesAreCoupledAndChangeTheSchema() {
        QCheckBox* termico = Trova<QCheckBox>(QStringLiteral("Check1(0)"));
        QCheckBox* igrometrico = Trova<QCheckBox>(QStringLiteral("Check1(1)"));
        QTest::mouseClick(termico, Qt::LeftButton);
        QVERIFY(!igrometrico->isChecked());
        QVERIFY(!Trova<QWidget>(QStringLiteral("FrameLiminariInEst"))->isVisible());
        QVERIFY(!Casella(QStringLiteral("TextConduttività(1)"))->isVisible());
        QVERIFY(!Trova<QWidget>(QStringLiteral("FrameNero(7)"))->isVisible());
        QVERIFY(!Trova<QPushButton>(QStringLiteral("Command1"))->isEnabled());

        QTest::mouseClick(igrometrico, Qt::LeftButton);
        QVERIFY(termico->isChecked());
        QVERIFY(Casella(QStringLiteral("TextPermeabilità(1)"))->isVisible());
        QVERIFY(Trova<QPushButton>(QStringLiteral("Command1"))->isEnabled());

        QTest::mouseClick(Trova<QCheckBox>(QStringLiteral("Check1(2)")), Qt::LeftButton);
        QVERIFY(Casella(QStringLiteral("TextDensità(1)"))->isVisible());
        QWidget* suono = Trova<QWidget>(QStringLiteral("FrameNero(12)"));
        QVERIFY(suono->isVisible());
        QCOMPARE(suono->y(), 2880 / 15);
    }

    void viewSelectorBringsAPanelToTheFrontAndLocksTheCheckBoxes() {
        ScriviParete();
        Premi(QStringLiteral("Command1"));
        Premi(QStringLiteral("Option2(1)"));
        auto* pannelli = Trova<QStackedWidget>(QString());
        QCOMPARE(pannelli->currentWidget()->objectName(), QStringLiteral("PictureTavolaGrafici"));
        QVERIFY(!Trova<QCheckBox>(QStringLiteral("Check1(0)"))->isEnabled());
        QVERIFY(Trova<QWidget>(QStringLiteral("PictureGrafico2"))->isVisible());
        Premi(QStringLiteral("Option2(0)"));
        QCOMPARE(pannelli->currentWidget()->objectName(), QStringLiteral("PictureSchemaStruttura"));
        QVERIFY(Trova<QCheckBox>(QStringLiteral("Check1(0)"))->isEnabled());
    }

    void unitSwitchConvertsOrReportsTheFault() {
        QTest::mouseClick(Trova<QCheckBox>(QStringLiteral("Check1(2)")), Qt::LeftButton);
        Scrivi(QStringLiteral("TextDistSonoro"), QStringLiteral("60"));
        Premi(QStringLiteral("Option1(1)"));
        QCOMPARE(Casella(QStringLiteral("TextDistSonoro"))->text(), QStringLiteral("1E-06"));
        Premi(QStringLiteral("Option1(0)"));
        QCOMPARE(Casella(QStringLiteral("TextDistSonoro"))->text(), QStringLiteral("60"));

        Scrivi(QStringLiteral("TextDistSonoro"), QStringLiteral("forte"));
        Premi(QStringLiteral("Option1(1)"));
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Q(dialoghi_.Mostrati[0].Testo), Q(Frase2(NomeDistSonoro)));
        QVERIFY(Trova<QRadioButton>(QStringLiteral("Option1(0)"))->isChecked());
        QCOMPARE(Casella(QStringLiteral("TextDistSonoro"))->text(), QStringLiteral("forte"));
    }

    void layerMenuOffersWhatKeepsTheWallSound() {
        PremiSuStrato(1);
        QMenu* menu = finestra_->MenuNascosto();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(Voce(QStringLiteral("EliminaStrato"))->text(),
                 QStringLiteral("Elimina strato n. 1"));
        QVERIFY(!Voce(QStringLiteral("EliminaStrato"))->isEnabled());
        QVERIFY(!Voce(QStringLiteral("CameraAria"))->isEnabled());
        QVERIFY(Voce(QStringLiteral("DaAbaco"))->isEnabled());
        QCOMPARE(Trova<QLabel>(QStringLiteral("LabelStratoSelezionatoNumero"))->text(),
                 QStringLiteral("1"));
        Voce(QStringLiteral("InserisciStratoADestra"))->trigger();
        menu->close();
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("2"));
        PremiSuStrato(2);
        QTRY_VERIFY(menu->isVisible());
        Voce(QStringLiteral("InserisciStratoASinistra"))->trigger();
        menu->close();
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("3"));
        QVERIFY(Casella(QStringLiteral("TextSpessore(3)"))->isVisible());

        PremiSuStrato(2);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(Voce(QStringLiteral("CameraAria"))->isEnabled());
        Voce(QStringLiteral("CameraAria"))->trigger();
        menu->close();
        QCOMPARE(Casella(QStringLiteral("TextTipoStrato(2)"))->text(), QStringLiteral("A"));
        QCOMPARE(Casella(QStringLiteral("TextTipoStrato(2)"))->toolTip(),
                 QStringLiteral("Intercapedine d'aria"));
        QCOMPARE(Casella(QStringLiteral("TextPermeabilità(2)"))->text(), QStringLiteral("187,52"));
        QVERIFY(!Casella(QStringLiteral("TextConduttività(2)"))->isVisible());
        QVERIFY(Casella(QStringLiteral("TextFatAssorbimento(1)"))->isVisible());
        QVERIFY(Casella(QStringLiteral("TextFatAssorbimento(3)"))->isVisible());

        PremiSuStrato(3);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!Voce(QStringLiteral("EliminaStrato"))->isEnabled());
        menu->close();
        Premi(QStringLiteral("CommandMeno"));
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("1"));
    }

    // Tab walks every shown box of every layer in order, then the boundary conditions.
    void tabGoesThroughEveryLayerThenTheConditions() {
        for (int k = 1; k <= 2; ++k) {
            PremiSuStrato(k);
            QTRY_VERIFY(finestra_->MenuNascosto()->isVisible());
            Voce(QStringLiteral("InserisciStratoADestra"))->trigger();
            finestra_->MenuNascosto()->close();
        }
        QVERIFY(Casella(QStringLiteral("TextSpessore(3)"))->isVisible());
        QStringList attese;
        for (int k = 1; k <= 3; ++k) {
            for (const char* nome : {"TextDensità", "TextSpessore", "TextConduttività",
                                     "TextPermeabilità", "TextFatAssorbimento"}) {
                QLineEdit* c =
                    Casella(QStringLiteral("%1(%2)").arg(QString::fromUtf8(nome)).arg(k));
                if (c->isVisible()) {
                    attese << c->objectName();
                }
            }
        }
        attese << QStringLiteral("TextTInterna");
        QStringList percorse;
        QWidget* w = Casella(attese.front());
        while (percorse.size() < attese.size()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0) {
                percorse << w->objectName();
            }
            w = w->nextInFocusChain();
        }
        QCOMPARE(percorse, attese);
    }

    // A layer's rectangle names its material.
    void theLayerRectangleTellsItsMaterial() {
        QCOMPARE(Trova<QWidget>(QStringLiteral("LabelStrato(1)"))->toolTip(),
                 QString::fromUtf8(MaterialeDaTastiera));
        for (int k = 1; k <= 2; ++k) {
            PremiSuStrato(k);
            QTRY_VERIFY(finestra_->MenuNascosto()->isVisible());
            Voce(QStringLiteral("InserisciStratoADestra"))->trigger();
            finestra_->MenuNascosto()->close();
        }
        PremiSuStrato(2);
        QTRY_VERIFY(finestra_->MenuNascosto()->isVisible());
        QVERIFY(Voce(QStringLiteral("CameraAria"))->isEnabled());
        Voce(QStringLiteral("CameraAria"))->trigger();
        finestra_->MenuNascosto()->close();
        QCOMPARE(Trova<QWidget>(QStringLiteral("LabelStrato(2)"))->toolTip(),
                 QString::fromUtf8(MaterialeCameraAria));
    }

    void theLayerUnderTheMouseTurnsYellow() {
        Premi(QStringLiteral("CommandPiù"));
        QWidget* area = Trova<QWidget>(QStringLiteral("LabelStrato(2)"));
        QWidget* schema = Trova<QWidget>(QStringLiteral("PictureSchemaStruttura"));
        auto gialli = [&] {
            return test::PuntiDelColore(schema->grab(area->geometry()).toImage(), Qt::yellow);
        };
        QCOMPARE(gialli(), 0);
        test::MuoviSopra(area);
        QVERIFY(gialli() > 100);
        QCOMPARE(Trova<QLabel>(QStringLiteral("LabelStratoSelezionatoScritta"))->text(),
                 QStringLiteral("Strato n."));
        test::MuoviSopra(schema, {5, 5});
        QCOMPARE(gialli(), 0);
        QVERIFY(Trova<QLabel>(QStringLiteral("LabelStratoSelezionatoScritta"))->text().isEmpty());
    }

    void boxesRefuseWhatTheFileCannotStore() {
        QLineEdit* spessore = Casella(QStringLiteral("TextSpessore(1)"));
        test::Digita(spessore, QStringLiteral("1\u03a92"));
        QCOMPARE(spessore->text(), QStringLiteral("12"));
        auto* appunti = Trova<QPlainTextEdit>(QStringLiteral("TextAppunti"));
        test::Digita(appunti, QStringLiteral("muro \u2192 nord €"));
        QCOMPARE(Q(finestra_->Modello().esercizio().Appunti), QStringLiteral("muro  nord €"));

        QApplication::clipboard()->setText(QStringLiteral("\U0001F600"));
        appunti->paste();
        spessore->paste();
        QCOMPARE(Q(finestra_->Modello().esercizio().Appunti), QStringLiteral("muro  nord €"));
        QCOMPARE(Q(finestra_->Modello().esercizio().strato(1).Spessore.Testo),
                 QStringLiteral("12"));
    }

    void toolTipsFollowTheBoxesEvery100Ms() {
        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("12,3456789"));
        QTRY_COMPARE(Casella(QStringLiteral("TextSpessore(1)"))->toolTip(),
                     QStringLiteral("12,3456789"));
    }

    // The print button's hook is in finestre_ausiliarie_test, which opens the print window.
    void theClosingHookMayKeepTheWindowOpen() {
        bool chiedi = false;
        finestra_->ImpostaChiusura([&chiedi] {
            chiedi = true;
            return false;
        });
        finestra_->Azione(Comando::Esci)->trigger();
        QVERIFY(chiedi);
        QVERIFY(finestra_->isVisible());
        finestra_->ImpostaChiusura({});
        finestra_->Azione(Comando::Esci)->trigger();
        QVERIFY(!finestra_->isVisible());
    }

    void messageBoxesHaveTitleIconAndYesAsDefault() {
        QCOMPARE(FiltroQt("File esercizio (*.css)|*.css|Tutti i files (*.*)|*.*|"),
                 QStringLiteral("File esercizio (*.css);;Tutti i files (*)"));
        DialoghiQt veri;
        QString titolo;
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        QString predefinito;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            titolo = box->windowTitle();
            icona = box->icon();
            predefinito = box->defaultButton() == box->button(QMessageBox::Yes) ? "Si" : "altro";
            box->button(QMessageBox::No)->click();
        });
        const Risposta r = veri.DomandaSiNoAnnulla("Paretix LT", "Salvare?", Icona::Esclamazione);
        QVERIFY(r == Risposta::No);
        QCOMPARE(titolo, QStringLiteral("Paretix LT"));
        QCOMPARE(icona, QMessageBox::Warning);
        QCOMPARE(predefinito, QStringLiteral("Si"));
    }
};

QTEST_MAIN(FinestraPrincipaleUiTest)
#include "finestra_principale_ui_test.moc"
