// The recovery file's timer and start-up question, the recent files in the File menu, and the
// file dialogs opening in the last folder used.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "core/files/creazione_file.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/dialoghi_qt.h"
#include "ui/file_recenti_qt.h"
#include "ui/finestra_principale_qt.h"
#include "ui/recupero_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

// Answers the next file dialog by cancelling it, and tells the folder it opened in.
QString CartellaDelDialogo(const std::function<void()>& apri) {
    QString cartella;
    QTimer cerca;
    cerca.setInterval(10);
    QObject::connect(&cerca, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            cartella = d->directory().absolutePath();
            d->reject();
        }
    });
    cerca.start();
    apri();
    return cartella;
}

} // namespace

class RecuperoRecentiUiTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;

    static std::unique_ptr<FinestraPrincipaleQt> Finestra(DialoghiRegistrati& d) {
        auto f = std::make_unique<FinestraPrincipaleQt>(d, EsitoAvvio{"/tmp", Si, true});
        f->show();
        return f;
    }

  private slots:
    void init() { dialoghi_ = DialoghiRegistrati{}; }

    void theTimerWritesTheModifiedExerciseAndTheNextStartOffersIt() {
        const test::CartellaTemporanea cartella;
        const std::string file = cartella / "stato/paretix/recupero.css";
        {
            auto finestra = Finestra(dialoghi_);
            auto* recupero = new RecuperoQt(*finestra, file);
            QVERIFY(dialoghi_.Mostrati.empty()); // nothing to recover
            QCOMPARE(recupero->Timer()->interval(), 60000);
            QVERIFY(recupero->Timer()->isActive());
            test::Scrivi(test::Trova<QLineEdit>(finestra.get(), QStringLiteral("TextSpessore(1)")),
                         QStringLiteral("42"));
            recupero->Timer()->setInterval(5); // a minute, shortened for the test
            QTRY_VERIFY(std::filesystem::exists(file));
        } // the window goes without closing: as after a crash

        dialoghi_.Risposte.push_back(Risposta::Si);
        auto dopo = Finestra(dialoghi_);
        new RecuperoQt(*dopo, file);
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(dialoghi_.Mostrati[0].Testo)
                    .startsWith(QStringLiteral("È stato trovato un esercizio non salvato del ")));
        QCOMPARE(test::Trova<QLineEdit>(dopo.get(), QStringLiteral("TextSpessore(1)"))->text(),
                 QStringLiteral("42"));
        QCOMPARE(dopo->windowTitle(), QStringLiteral("Senza nome - Paretix LT"));
    }

    void recentFilesStandAboveEsciAndOpenTheirFile() {
        const test::CartellaTemporanea cartella;
        Esercizio e;
        e.strato(1).Spessore.Testo = "17";
        const std::string percorso = cartella / "muro & tetto.css";
        QVERIFY(CreazioneFile(e, percorso));
        auto finestra = Finestra(dialoghi_);
        new FileRecentiQt(*finestra, cartella / "config/file_recenti.txt");
        auto* primo = test::Trova<QAction>(finestra.get(), QStringLiteral("FileRecente(1)"));
        QVERIFY(!primo->isVisible());
        dialoghi_.FileScelti.push_back(percorso);
        finestra->Modello().ApriProgetto0();
        finestra->Aggiorna();
        QVERIFY(primo->isVisible());
        QCOMPARE(primo->text(),
                 QStringLiteral("&1 ") + QString::fromStdString(cartella / "muro && tetto.css"));
        const QList<QAction*> voci =
            test::Trova<QMenu>(finestra.get(), QStringLiteral("MenuFile"))->actions();
        const qsizetype esci = voci.indexOf(finestra->Azione(Comando::Esci));
        QCOMPARE(voci[esci - 1]->isSeparator(), true);
        QVERIFY(voci.indexOf(primo) < esci);

        finestra->Modello().NuovoProgettoVuoto();
        finestra->Aggiorna();
        primo->trigger();
        QCOMPARE(test::Trova<QLineEdit>(finestra.get(), QStringLiteral("TextSpessore(1)"))->text(),
                 QStringLiteral("17"));
    }

    void fileDialogsOpenInTheLastFolderUsed() {
        const test::CartellaTemporanea cartella;
        std::filesystem::create_directory(cartella / "esercizi");
        std::filesystem::create_directory(cartella / "altra");
        const std::string memoria = cartella / "config/ultima_cartella.txt";
        {
            DialoghiQt dialoghi;
            dialoghi.ImpostaUltimaCartella(memoria);
            QTimer cerca;
            cerca.setInterval(10);
            connect(&cerca, &QTimer::timeout, [&] {
                if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    // selectFile leaves a name box that has the focus as it is, and the dialog
                    // takes the focus as soon as its window is active: on a loaded machine,
                    // before the first tick, which then found no file and waited forever.
                    if (QWidget* fuoco = d->focusWidget()) {
                        fuoco->clearFocus();
                    }
                    d->selectFile(QString::fromStdString(cartella / "esercizi/muro.css"));
                    QMetaObject::invokeMethod(d, "accept");
                }
            });
            cerca.start();
            QVERIFY(dialoghi.SalvaFile("Salva con nome", "File esercizio (*.css)|*.css|", ""));
            QCOMPARE(test::LeggiTutto(memoria), cartella / "esercizi" + "\n");
        }
        // The next session opens where the kept folder says, not where this one's last dialog
        // was (which Qt itself would remember within one run).
        test::ScriviTutto(memoria, cartella / "altra" + "\n");
        DialoghiQt dopo;
        dopo.ImpostaUltimaCartella(memoria);
        QCOMPARE(CartellaDelDialogo([&] { dopo.ApriFile("Apri l'esercizio", "Tutti (*.*)|*.*|"); }),
                 QString::fromStdString(cartella / "altra"));
    }
};

QTEST_MAIN(RecuperoRecentiUiTest)
#include "recupero_recenti_ui_test.moc"
