// The File menu's exercise commands as a user reaches them: the menu entries and closing the
// window, with scripted answers to the prompts and file dialogs; the recovery file's timer and
// start-up question, the recent files in the File menu, and the file dialogs opening in the
// last folder used.

#include "core/files/creazione_file.h"
#include "support/cartella_temporanea.h"
#include "support/ui_prova.h"
#include "ui/comandi_file.h"
#include "ui/dialoghi_qt.h"
#include "ui/file_recenti_qt.h"
#include "ui/recupero_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

// Runs apri, acting on the file dialog it opens with azione as soon as that dialog is there.
void ConIlDialogo(const std::function<void()>& apri,
                  const std::function<void(QFileDialog*)>& azione) {
    QTimer cerca;
    cerca.setInterval(10);
    QObject::connect(&cerca, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            azione(d);
        }
    });
    cerca.start();
    apri();
}

} // namespace

class ComandiFileTest : public QObject, test::ConFinestra {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> cartella_;

    QString Percorso(const QString& nome) const { return cartella_->filePath(nome); }
    std::string P(const QString& nome) const { return Percorso(nome).toStdString(); }
    void Menu(const char* voce) const { W<QAction>(QLatin1String(voce))->trigger(); }
    static QByteArray Contenuto(const QString& percorso) {
        return QByteArray::fromStdString(test::LeggiTutto(percorso.toStdString()));
    }
    QString Modificato() const { return test::Q(Modello().Stato().Modificato); }

  private slots:
    void init() {
        cartella_ = std::make_unique<QTemporaryDir>();
        QVERIFY(Mostra());
        new ComandiFile(*finestra_);
    }
    void cleanup() {
        finestra_.reset();
        cartella_.reset();
    }

    // Save As, then Save without a dialog, then Open of that file over an unsaved edit.
    void saveAsSaveAndOpenShowTheFileInTheTitle() {
        const QString muro = Percorso(u"muro.css"_s);
        Scrivi(u"TextSpessore(1)"_s, u"30"_s);
        dialoghi_.FileScelti = {P(u"muro"_s)};
        Menu("SalvaConNome");
        QVERIFY(Contenuto(muro).contains("\r\n30\r\n"));
        QCOMPARE(finestra_->windowTitle(), muro + " - Paretix LT");

        Scrivi(u"TextSpessore(1)"_s, u"45"_s);
        Menu("Salva");
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // only the Save As dialog
        QVERIFY(Contenuto(muro).contains("\r\n45\r\n"));

        Scrivi(u"TextSpessore(1)"_s, u"99"_s);
        dialoghi_.Risposte = {Risposta::No};
        dialoghi_.FileScelti = {P(u"muro.css"_s)};
        Menu("ApriProgetto");
        QCOMPARE(Casella(u"TextSpessore(1)"_s)->text(), u"45"_s);
        QCOMPARE(finestra_->windowTitle(), muro + " - Paretix");
        QCOMPARE(Modificato(), u"NO"_s);
    }

    void newAsksAndEmptiesTheBoxes() {
        Scrivi(u"TextSpessore(1)"_s, u"30"_s);
        dialoghi_.Risposte = {Risposta::No};
        Menu("NuovoProgetto");
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Casella(u"TextSpessore(1)"_s)->text(), QString());
        QCOMPARE(Modificato(), u"NO"_s);
    }

    void exitAndClosingAskForAModifiedExercise() {
        Scrivi(u"TextSpessore(1)"_s, u"30"_s);
        dialoghi_.Risposte = {Risposta::Annulla, Risposta::Annulla};
        Menu("Esci");
        QVERIFY(finestra_->isVisible());
        finestra_->close();
        QVERIFY(finestra_->isVisible());
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{2});
        QCOMPARE(Modello().esercizio().strato(1).Spessore.Testo, std::string("30"));

        dialoghi_.Risposte = {Risposta::No};
        Menu("Esci");
        QVERIFY(!finestra_->isVisible());
        QVERIFY(QDir(cartella_->path()).isEmpty());
    }

    // A file written by the program, opened and saved with no edit, keeps every byte.
    void openThenSaveKeepsTheFileByteForByte() {
        FinestraPrincipale& m = Modello();
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
        dialoghi_.FileScelti = {P(u"muro.css"_s)};
        Menu("SalvaConNome");
        const QByteArray scritto = Contenuto(Percorso(u"muro.css"_s));
        QVERIFY(scritto.contains("\r\nprima riga\r\nseconda riga, citt\xe0\r\n"));

        Menu("NuovoProgetto");
        dialoghi_.FileScelti = {P(u"muro.css"_s)};
        Menu("ApriProgetto");
        QCOMPARE(Modello().esercizio().NumeroStrati(), 3);
        QTest::qWait(2 * IntervalloTimer1);
        Menu("Salva");
        QCOMPARE(Contenuto(Percorso(u"muro.css"_s)), scritto);
        QCOMPARE(finestra_->windowTitle(), Percorso(u"muro.css"_s) + " - Paretix LT");
    }

    void theTimerWritesTheModifiedExerciseAndTheNextStartOffersIt() {
        const test::CartellaTemporanea cartella;
        const std::string file = cartella / "stato/paretix/recupero.css";
        QVERIFY(Mostra());
        auto* recupero = new RecuperoQt(*finestra_, file);
        QVERIFY(dialoghi_.Mostrati.empty()); // nothing to recover
        QCOMPARE(recupero->Timer()->interval(), 60000);
        QVERIFY(recupero->Timer()->isActive());
        Scrivi(u"TextSpessore(1)"_s, u"42"_s);
        recupero->Timer()->setInterval(5); // a minute, shortened for the test
        QTRY_VERIFY(std::filesystem::exists(file));

        QVERIFY(Mostra()); // the window goes without closing: as after a crash
        dialoghi_.Risposte.push_back(Risposta::Si);
        new RecuperoQt(*finestra_, file);
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(Casella(u"TextSpessore(1)"_s)->text(), u"42"_s);
    }

    void recentFilesStandAboveEsciAndOpenTheirFile() {
        const test::CartellaTemporanea cartella;
        Esercizio e;
        e.strato(1).Spessore.Testo = "17";
        const std::string percorso = cartella / "muro & tetto.css";
        QVERIFY(CreazioneFile(e, percorso));
        QVERIFY(Mostra());
        new FileRecentiQt(*finestra_, cartella / "config/file_recenti.txt");
        auto* primo = W<QAction>(u"FileRecente(1)"_s);
        QVERIFY(!primo->isVisible());
        test::ApriNellaFinestra(Modello(), dialoghi_, percorso);
        finestra_->Aggiorna();
        QVERIFY(primo->isVisible());
        QCOMPARE(primo->text(), "&1 " + test::Q(cartella / "muro && tetto.css"));
        const QList<QAction*> voci = W<QMenu>(u"MenuFile"_s)->actions();
        const qsizetype esci = voci.indexOf(finestra_->Azione(Comando::Esci));
        QVERIFY(voci[esci - 1]->isSeparator() && voci.indexOf(primo) < esci);

        Modello().NuovoProgettoVuoto();
        finestra_->Aggiorna();
        primo->trigger();
        QCOMPARE(Casella(u"TextSpessore(1)"_s)->text(), u"17"_s);
    }

    void fileDialogsOpenInTheLastFolderUsed() {
        const test::CartellaTemporanea cartella;
        std::filesystem::create_directory(cartella / "esercizi");
        std::filesystem::create_directory(cartella / "altra");
        const std::string memoria = cartella / "config/ultima_cartella.txt";
        {
            DialoghiQt dialoghi;
            dialoghi.ImpostaUltimaCartella(memoria);
            std::optional<std::string> scelto;
            ConIlDialogo(
                [&] {
                    scelto =
                        dialoghi.SalvaFile("Salva con nome", "File esercizio (*.css)|*.css|", "");
                },
                [&](QFileDialog* d) {
                    // selectFile leaves a name box that has the focus as it is, and the dialog
                    // takes the focus as soon as its window is active: on a loaded machine,
                    // before the first tick, which then found no file and waited forever.
                    if (QWidget* fuoco = d->focusWidget()) {
                        fuoco->clearFocus();
                    }
                    d->selectFile(test::Q(cartella / "esercizi/muro.css"));
                    QMetaObject::invokeMethod(d, "accept");
                });
            QVERIFY(scelto);
            QCOMPARE(test::LeggiTutto(memoria), cartella / "esercizi" + "\n");
        }
        // The next session opens where the kept folder says, not where this one's last dialog
        // was (which Qt itself would remember within one run).
        test::ScriviTutto(memoria, cartella / "altra" + "\n");
        DialoghiQt dopo;
        dopo.ImpostaUltimaCartella(memoria);
        QString aperta;
        ConIlDialogo([&] { dopo.ApriFile("Apri l'esercizio", "Tutti (*.*)|*.*|"); },
                     [&](QFileDialog* d) {
                         aperta = d->directory().absolutePath();
                         d->reject();
                     });
        QCOMPARE(aperta, test::Q(cartella / "altra"));
    }
};

QTEST_MAIN(ComandiFileTest)
#include "comandi_file_test.moc"
