// "Annulla" and "Ripeti" in the Edit menu and on Ctrl+Z / Ctrl+Shift+Z, with the focus in a box.

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/comandi_cronologia.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

class AnnullaRipetiUiTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;
    ComandiCronologia* comandi_ = nullptr;

    QLineEdit* Casella(const QString& nome) const {
        return test::Trova<QLineEdit>(finestra_.get(), nome);
    }

  private slots:
    void init() {
        finestra_ = std::make_unique<FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{"/tmp", Si, true});
        comandi_ = new ComandiCronologia(*finestra_);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowActive(finestra_.get()));
    }
    void cleanup() { finestra_.reset(); }

    void theEntriesStandFirstInTheEditMenuDisabledAndPlain() {
        const QList<QAction*> voci =
            test::Trova<QMenu>(finestra_.get(), QStringLiteral("MenuModifica"))->actions();
        QVERIFY(voci.size() >= 4);
        QCOMPARE(voci[0], comandi_->Annulla());
        QCOMPARE(voci[1], comandi_->Ripeti());
        QVERIFY(voci[2]->isSeparator());
        QCOMPARE(voci[3], finestra_->Azione(Comando::AbacoMateriali));
        QCOMPARE(comandi_->Annulla()->text(), QStringLiteral("Annulla"));
        QVERIFY(!comandi_->Annulla()->isEnabled());
        QVERIFY(!comandi_->Ripeti()->isEnabled());
        QCOMPARE(comandi_->Annulla()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(comandi_->Ripeti()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    }

    void theMenuEntryUndoesALayerInsertAndNamesIt() {
        QTest::mouseClick(
            test::Trova<QAbstractButton>(finestra_.get(), QStringLiteral("CommandPiù")),
            Qt::LeftButton);
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("2"));
        QCOMPARE(comandi_->Annulla()->text(), QStringLiteral("Annulla aggiunta strato"));
        QVERIFY(comandi_->Annulla()->isEnabled());
        comandi_->Annulla()->trigger();
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("1"));
        QCOMPARE(comandi_->Ripeti()->text(), QStringLiteral("Ripeti aggiunta strato"));
        QVERIFY(!comandi_->Annulla()->isEnabled());
        comandi_->Ripeti()->trigger();
        QCOMPARE(Casella(QStringLiteral("TextNumeroStrati"))->text(), QStringLiteral("2"));
    }

    void theKeysUndoTheProgramsStepEvenWhileABoxIsBeingTyped() {
        QLineEdit* spessore = Casella(QStringLiteral("TextSpessore(1)"));
        spessore->setFocus();
        QTest::keyClicks(spessore, QStringLiteral("30"));
        QTest::keyClick(spessore, Qt::Key_Return); // the value is complete
        QTest::keyClicks(spessore, QStringLiteral("5"));
        QCOMPARE(spessore->text(), QStringLiteral("305"));
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spessore->text(), QStringLiteral("30"));
        QCOMPARE(QString::fromStdString(finestra_->Modello().esercizio().strato(1).Spessore.Testo),
                 QStringLiteral("30"));
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spessore->text(), QString());
        QCOMPARE(QString::fromStdString(finestra_->Modello().Stato().Modificato),
                 QStringLiteral("NO"));
        // Nothing left to undo: the box does not undo by itself either.
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spessore->text(), QString());
        QTest::keyClick(spessore, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(spessore->text(), QStringLiteral("30"));
        QCOMPARE(comandi_->Annulla()->text(), QStringLiteral("Annulla modifica spessore strato 1"));
    }
};

QTEST_MAIN(AnnullaRipetiUiTest)
#include "annulla_ripeti_ui_test.moc"
