// The File menu's exercise commands as a user reaches them: the menu entries and closing the
// window, with scripted answers to the prompts and file dialogs.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/comandi_file.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

class ComandiFileTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;
    std::unique_ptr<QTemporaryDir> cartella_;

    QString Percorso(const QString& nome) const { return cartella_->filePath(nome); }
    std::string P(const QString& nome) const { return Percorso(nome).toStdString(); }

    QLineEdit* Casella(const QString& nome) const { return finestra_->findChild<QLineEdit*>(nome); }
    void Scrivi(const QString& casella, const QString& testo) {
        test::Scrivi(Casella(casella), testo);
    }
    // The entry of the File menu, as the menu bar holds it.
    void Menu(const char* nome) {
        auto* voce = finestra_->findChild<QAction*>(QLatin1String(nome));
        QVERIFY(voce != nullptr);
        voce->trigger();
    }
    QByteArray Contenuto(const QString& percorso) const {
        QFile file(percorso);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const paretix::Esercizio& Eserc() const { return finestra_->Modello().esercizio(); }
    QString Modificato() const {
        return QString::fromStdString(finestra_->Modello().Stato().Modificato);
    }

  private slots:
    void init() {
        cartella_ = std::make_unique<QTemporaryDir>();
        dialoghi_.Mostrati.clear();
        dialoghi_.Risposte.clear();
        dialoghi_.FileScelti.clear();
        finestra_ = std::make_unique<FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{"/tmp", Si, true});
        new ComandiFile(*finestra_);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void cleanup() {
        finestra_.reset();
        cartella_.reset();
    }

    // Save As, then Save without a dialog, then Open of that file over an unsaved edit.
    void saveAsSaveAndOpenShowTheFileInTheTitle() {
        const QString muro = Percorso(QStringLiteral("muro.css"));
        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("30"));
        dialoghi_.FileScelti = {P(QStringLiteral("muro"))};
        Menu("SalvaConNome");
        QVERIFY(Contenuto(muro).contains("\r\n30\r\n"));
        QCOMPARE(finestra_->windowTitle(), muro + " - Paretix LT");
        QCOMPARE(Modificato(), QStringLiteral("NO"));

        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("45"));
        Menu("Salva");
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // only the Save As dialog
        QVERIFY(Contenuto(muro).contains("\r\n45\r\n"));
        QCOMPARE(Modificato(), QStringLiteral("NO"));

        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("99"));
        dialoghi_.Risposte = {Risposta::No};
        dialoghi_.FileScelti = {P(QStringLiteral("muro.css"))};
        Menu("ApriProgetto");
        QCOMPARE(Casella(QStringLiteral("TextSpessore(1)"))->text(), QStringLiteral("45"));
        QCOMPARE(finestra_->windowTitle(), muro + " - Paretix");
        QCOMPARE(Modificato(), QStringLiteral("NO"));
    }

    void newAsksAndEmptiesTheBoxes() {
        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("30"));
        dialoghi_.Risposte = {Risposta::No};
        Menu("NuovoProgetto");
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Casella(QStringLiteral("TextSpessore(1)"))->text(), QString());
        QCOMPARE(Modificato(), QStringLiteral("NO"));
    }

    void exitAndClosingAskForAModifiedExercise() {
        Scrivi(QStringLiteral("TextSpessore(1)"), QStringLiteral("30"));
        dialoghi_.Risposte = {Risposta::Annulla, Risposta::Annulla};
        Menu("Esci");
        QVERIFY(finestra_->isVisible());
        finestra_->close();
        QVERIFY(finestra_->isVisible());
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{2});
        QCOMPARE(Eserc().strato(1).Spessore.Testo, std::string("30"));

        dialoghi_.Risposte = {Risposta::No};
        Menu("Esci");
        QVERIFY(!finestra_->isVisible());
        QVERIFY(QDir(cartella_->path()).isEmpty());
    }

    // A file written by the program, opened and saved with no edit, keeps every byte.
    void openThenSaveKeepsTheFileByteForByte() {
        FinestraPrincipale& m = finestra_->Modello();
        m.CommandPiù_Click();
        m.CommandPiù_Click();
        m.LabelStrato_MouseDown(2);
        m.CameraAria_Click();
        m.Check1_Click(2, true);
        m.TextSpessore_Change(1, "12,5");
        m.TextDensità_Change(3, "1800");
        m.TextTInterna_Change("20");
        m.TextAppunti_Change("prima riga\r\nseconda riga, città");
        m.Timer1_Timer();
        dialoghi_.FileScelti = {P(QStringLiteral("muro.css"))};
        Menu("SalvaConNome");
        const QByteArray scritto = Contenuto(Percorso(QStringLiteral("muro.css")));
        QVERIFY(scritto.contains("\r\nprima riga\r\nseconda riga, citt\xe0\r\n"));

        Menu("NuovoProgetto");
        dialoghi_.FileScelti = {P(QStringLiteral("muro.css"))};
        Menu("ApriProgetto");
        QCOMPARE(Eserc().NumeroStrati(), 3);
        QTest::qWait(2 * IntervalloTimer1);
        Menu("Salva");
        QCOMPARE(Contenuto(Percorso(QStringLiteral("muro.css"))), scritto);
        QCOMPARE(finestra_->windowTitle(), Percorso(QStringLiteral("muro.css")) + " - Paretix LT");
    }
};

QTEST_MAIN(ComandiFileTest)
#include "comandi_file_test.moc"
