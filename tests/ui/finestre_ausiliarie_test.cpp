// The windows and commands attached to the main window: report window, printing, notes, help,
// the materials database; the splash window that leads to the main window, the About window's
// link to the guide.

#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"
#include "core/window/guida.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/aperture_qt.h"
#include "ui/finestra_appunti_qt.h"
#include "ui/finestre_ausiliarie.h"
#include "ui/informazioni_qt.h"
#include "ui/presentazione_qt.h"

using namespace paretix;
using namespace paretix::ui;
using test::Q;
using test::SulProssimoDialogo;

namespace {

QColor ColoreTesto(QLabel* etichetta) {
    return etichetta->palette().color(QPalette::WindowText);
}

} // namespace

class FinestreAusiliarieTest : public QObject, test::ConFinestra {
    Q_OBJECT

    test::StampanteRegistrata stampante_;
    test::ApertureRegistrate aperture_;
    test::CartellaTemporanea cartella_;

    // A one-layer wall, calculated.
    void Calcola() {
        Modello().TextSpessore_Change(1, "30");
        Modello().TextConduttività_Change(1, "0,25");
        Modello().TextPermeabilità_Change(1, "25");
        Modello().Command1_Click();
        finestra_->Aggiorna();
        QVERIFY(!Modello().Stato().Text2.empty());
    }
    // The notes window as the typewriter button opens it, azione acting on its box.
    bool Appunti(std::function<void(QPlainTextEdit*)> azione) {
        auto visto = SulProssimoDialogo(u"Form6"_s, [azione](QDialog* d) {
            azione(test::Trova<QPlainTextEdit>(d, u"Text1"_s));
            d->close();
        });
        finestra_->CommandMacchinaDaScrivere()->click();
        return *visto;
    }

  private slots:
    void init() {
        stampante_ = test::StampanteRegistrata{};
        aperture_ = test::ApertureRegistrate{};
        QVERIFY(Mostra(cartella_.Percorso()));
        new FinestreAusiliarie(*finestra_, dialoghi_, stampante_, stampante_, aperture_);
    }
    void cleanup() { finestra_.reset(); }

    void printButtonOpensTheReportWindowAndPrintPrintsTheReport() {
        Calcola();
        QString visto;
        auto aperto = SulProssimoDialogo(u"Form7"_s, [&visto](QDialog* d) {
            visto = test::Trova<QPlainTextEdit>(d, u"Text1"_s)->toPlainText();
            d->close();
        });
        finestra_->Command3()->click();
        QVERIFY(*aperto);
        QVERIFY2(visto.startsWith(u"DATI:"_s), qPrintable(visto));
        finestra_->Azione(Comando::Stampa)->trigger();
        QCOMPARE(stampante_.Stampati, std::vector<std::string>{Modello().Stato().Text2});
    }

    // The box turns CR LF into its own line ends; that alone is no change on closing.
    void theNotesWindowShowsTheNotesInALargerBoxAndClosingUntouchedChangesNothing() {
        ui::FinestraAppuntiQt form("riga uno\r\nriga due");
        QVERIFY(form.isModal());
        const QFont carattere = test::Trova<QPlainTextEdit>(&form, u"Text1"_s)->font();
        COME_NEL_FILE(u"ui/ausiliarie/appunti.txt"_s,
                      u"%1 %2 punti\n"_s.arg(carattere.family()).arg(carattere.pointSize()) +
                          form.windowTitle() + u'\n' + test::Fotografia(&form));
        form.show();
        form.close();
        QVERIFY(!form.Esito().Modificati);
    }

    void notesWindowWritesTheTrimmedNotesBackWithoutClearingResults() {
        Calcola();
        QVERIFY(test::SalvaNellaCartella(Modello(), dialoghi_, cartella_));
        QVERIFY(Appunti([](QPlainTextEdit* c) { c->setPlainText(u"  parete nord  "_s); }));
        QCOMPARE(Q(Modello().esercizio().Appunti), u"parete nord"_s);
        QCOMPARE(W<QPlainTextEdit>(u"TextAppunti"_s)->toPlainText(), u"parete nord"_s);
        QVERIFY(!Modello().Stato().Text2.empty());
    }

    void notesWindowRefusesWhatTheFileCannotStore() {
        QVERIFY(Appunti([](QPlainTextEdit* c) { test::Digita(c, u"a\u2192b"_s); }));
        QCOMPARE(Q(Modello().esercizio().Appunti), u"ab"_s);
    }

    void helpOpensTheGuideBesideTheProgramOrSaysItIsMissing() {
        const std::string guida = cartella_ / "guida.html";
        finestra_->Azione(Comando::GuidaInLinea)->trigger();
        QVERIFY(aperture_.File.empty()); // no guide yet
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(dialoghi_.Mostrati[0].Titolo, std::string("Guida in linea"));
        QVERIFY(dialoghi_.Mostrati[0].Testo.find(guida) != std::string::npos);
        test::ScriviTutto(guida, "");
        finestra_->Azione(Comando::GuidaInLinea)->trigger();
        QCOMPARE(aperture_.File, std::vector<std::string>{guida});
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
    }

    void databaseLoadsAMaterialIntoTheSelectedLayer() {
        std::filesystem::create_directory(cartella_ / "dati");
        QVERIFY(SalvaAbaco(
            PercorsoAbaco(cartella_.Percorso()),
            {{"Murature", "", "", "", ""}, {"Mattoni pieni", "1800", "0,72", "18,75", "-"}}, ""));
        Calcola();
        Modello().LabelStrato_MouseDown(1);
        std::shared_ptr<bool> caricato;
        auto visto = SulProssimoDialogo(u"Form3"_s, [&caricato](QDialog* browser) {
            caricato = SulProssimoDialogo(u"Form4"_s, [](QDialog* d) {
                test::Trova<QPushButton>(d, u"CommandCarica"_s)->click();
            });
            QTest::mouseClick(test::Cella(browser, 11), Qt::LeftButton);
        });
        finestra_->Azione(Comando::DaAbaco)->trigger();
        QVERIFY(*visto && caricato && *caricato);
        const Strato& s = Modello().esercizio().strato(1);
        QCOMPARE(s.Materiale, std::string("Mattoni pieni"));
        QCOMPARE(s.Conduttività, (paretix::Casella{"0,72", "0,72", ColoreGiallo, true}));
        QVERIFY(Casella(u"TextConduttività(1)"_s)->isReadOnly());
    }

    void databaseOpensForEditingFromTheEditMenu() {
        std::filesystem::create_directory(cartella_ / "dati");
        QVERIFY(SalvaAbaco(PercorsoAbaco(cartella_.Percorso()), {{"Metalli", "", "", "", ""}}, ""));
        auto visto = SulProssimoDialogo(u"Form3"_s, [](QDialog* browser) { browser->close(); });
        finestra_->Azione(Comando::AbacoMateriali)->trigger();
        QVERIFY(*visto);
    }

    void splashShowsTheMainWindowWhenItsTimerFires() {
        QWidget principale;
        int chiamate = 0;
        ui::PresentazioneQt splash([&] {
            ++chiamate;
            principale.show();
        });
        splash.show();
        auto* timer1 = test::Trova<QTimer>(&splash, u"Timer1"_s);
        QCOMPARE(timer1->interval(), 6000);
        QVERIFY(timer1->isSingleShot() && timer1->isActive() && !principale.isVisible());

        timer1->start(1); // the same timer, without waiting six seconds
        QTRY_VERIFY(principale.isVisible());
        QVERIFY(!splash.isVisible());
        QCOMPARE(chiamate, 1);
    }

    // The one link leads to the guide; no link leads to an address that does not exist.
    void aboutWindowBesideTheMainWindowLinksToTheGuide() {
        test::CartellaTemporanea cartella;
        test::ScriviTutto(cartella / "guida.html", "");
        QWidget principale;
        principale.move(200, 30);
        ui::InformazioniQt info(aperture_, dialoghi_, cartella.Percorso(), &principale);
        QVERIFY(info.isModal());
        QCOMPARE(info.pos(), QPoint(300, 110));
        info.show();
        auto* label38 = test::Trova<QLabel>(&info, u"Label38"_s);
        auto* label5 = test::Trova<QLabel>(&info, u"Label5"_s);
        // Every text of the window: the program's name, the guide's link, no web address.
        COME_NEL_FILE(u"ui/ausiliarie/informazioni.txt"_s,
                      info.windowTitle() + u'\n' + test::Fotografia(&info));
        const QColor rosso(255, 0, 0), normale = ColoreTesto(label38);
        QVERIFY(normale != rosso);

        test::MuoviSopra(label38);
        QCOMPARE(ColoreTesto(label38), rosso);
        test::MuoviSopra(label5); // the text, like the window itself, puts the link at rest
        QCOMPARE(ColoreTesto(label38), normale);

        QTest::mouseClick(label5, Qt::LeftButton);
        QVERIFY(aperture_.File.empty());
        QTest::mouseClick(label38, Qt::LeftButton);
        QCOMPARE(aperture_.File, std::vector<std::string>{cartella / "guida.html"});
        QVERIFY(aperture_.Indirizzi.empty() && dialoghi_.Mostrati.empty());
    }

    // A file path reaches the desktop as a file URL, an address as it is.
    void desktopReceivesAFileUrl() {
        std::vector<QUrl> aperti;
        ui::ApertureQt aperture([&aperti](const QUrl& url) {
            aperti.push_back(url);
            return true;
        });
        aperture.ApriFile("/usr/share/doc/paretix/guida.html");
        aperture.ApriFile("/tmp/una cartella/guida.html");
        aperture.ApriIndirizzo("mailto:qualcuno@esempio.it");
        QCOMPARE(aperti.at(0).toString(), u"file:///usr/share/doc/paretix/guida.html"_s);
        QCOMPARE(aperti.at(1).toString(QUrl::FullyEncoded),
                 u"file:///tmp/una%20cartella/guida.html"_s);
        QCOMPARE(aperti.at(1).toLocalFile(), u"/tmp/una cartella/guida.html"_s);
        QCOMPARE(aperti.at(2).toString(), u"mailto:qualcuno@esempio.it"_s);
    }

    // Without a browser the guide opens in the program's own window, and the user is told.
    void withoutABrowserTheGuideOpensInTheProgram() {
        test::CartellaTemporanea cartella;
        test::ScriviTutto(cartella / FileGuida,
                          "<html><body><h1>Indice della guida</h1></body></html>");
        ui::ApertureQt aperture([](const QUrl&) { return false; });
        GuidaInLinea(aperture, dialoghi_, cartella.Percorso());
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(dialoghi_.Mostrati[0].Testo, std::string(MessaggioGuidaNelProgramma));
        QTextBrowser* finestra = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            finestra =
                w->objectName() == u"FinestraGuida"_s ? qobject_cast<QTextBrowser*>(w) : finestra;
        }
        QVERIFY(finestra != nullptr && finestra->isVisible());
        QVERIFY(finestra->toPlainText().contains(u"Indice della guida"_s));
        QCOMPARE(finestra->windowTitle(), QString::fromUtf8(TitoloGuida));
    }
};

QTEST_MAIN(FinestreAusiliarieTest)
#include "finestre_ausiliarie_test.moc"
