// The windows and commands attached to the main window: report window, printing, notes, help.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"
#include "support/aperture_registrate.h"
#include "support/finestra_di_prova.h"
#include "support/stampante_registrata.h"
#include "support/widget_di_prova.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestre_ausiliarie.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

// The text of the box named nome in the modal window now open, and closes that window.
QString LeggiEChiudiFinestraModale(const QString& nome, const QString& nuovoTesto = {}) {
    QWidget* modale = QApplication::activeModalWidget();
    if (modale == nullptr) {
        return QStringLiteral("(nessuna finestra)");
    }
    auto* casella = modale->findChild<QPlainTextEdit*>(nome);
    const QString testo = casella != nullptr ? casella->toPlainText() : QString();
    if (casella != nullptr && !nuovoTesto.isNull()) {
        casella->setPlainText(nuovoTesto);
    }
    modale->close();
    return modale->objectName() + u':' + testo;
}

} // namespace

class FinestreAusiliarieTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    test::StampanteRegistrata stampante_;
    test::ApertureRegistrate aperture_;
    QTemporaryDir cartella_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;

    // A one-layer wall, calculated.
    void Calcola() {
        FinestraPrincipale& m = finestra_->Modello();
        m.TextSpessore_Change(1, "30");
        m.TextConduttività_Change(1, "0,25");
        m.TextPermeabilità_Change(1, "25");
        m.Command1_Click();
        finestra_->Aggiorna();
        QVERIFY(!m.Stato().Text2.empty());
    }

  private slots:
    void init() {
        finestra_ = std::make_unique<FinestraPrincipaleQt>(
            dialoghi_, EsitoAvvio{cartella_.path().toStdString(), Si, true});
        new FinestreAusiliarie(*finestra_, dialoghi_, stampante_, stampante_, aperture_);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void cleanup() { finestra_.reset(); }

    void printButtonOpensTheReportWindowWithTheReport() {
        Calcola();
        QString visto;
        QTimer::singleShot(0, [&visto] { visto = LeggiEChiudiFinestraModale("Text1"); });
        finestra_->Command3()->click();
        QVERIFY2(visto.startsWith(QStringLiteral("Form7:DATI:")), qPrintable(visto));
    }

    void printCommandPrintsTheReportBox() {
        Calcola();
        finestra_->Azione(Comando::Stampa)->trigger();
        QCOMPARE(stampante_.Stampati.size(), std::size_t{1});
        QVERIFY(stampante_.Stampati[0] == finestra_->Modello().Stato().Text2);
    }

    void notesWindowWritesTheTrimmedNotesBackWithoutClearingResults() {
        Calcola();
        test::CartellaTemporanea cartella;
        QVERIFY(test::SalvaNellaCartella(finestra_->Modello(), dialoghi_, cartella));
        QTimer::singleShot(0, [] { LeggiEChiudiFinestraModale("Text1", "  parete nord  "); });
        finestra_->CommandMacchinaDaScrivere()->click();
        QCOMPARE(QString::fromStdString(finestra_->Modello().esercizio().Appunti),
                 QStringLiteral("parete nord"));
        QCOMPARE(finestra_->findChild<QPlainTextEdit*>("TextAppunti")->toPlainText(),
                 QStringLiteral("parete nord"));
        QCOMPARE(QString::fromStdString(finestra_->Modello().Stato().Modificato),
                 QStringLiteral("SI"));
        QVERIFY(!finestra_->Modello().Stato().Text2.empty());
    }

    void notesWindowRefusesWhatTheFileCannotStore() {
        QTimer::singleShot(0, [] {
            QWidget* finestra = QApplication::activeModalWidget();
            auto* casella = finestra->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
            test::Digita(casella, QStringLiteral("a\u2192b"));
            finestra->close();
        });
        finestra_->CommandMacchinaDaScrivere()->click();
        QCOMPARE(QString::fromStdString(finestra_->Modello().esercizio().Appunti),
                 QStringLiteral("ab"));
    }

    void helpOpensTheGuideBesideTheProgramOrSaysItIsMissing() {
        const std::size_t prima = dialoghi_.Mostrati.size();
        const std::size_t aperturePrima = aperture_.File.size();
        finestra_->Azione(Comando::GuidaInLinea)->trigger();
        QCOMPARE(aperture_.File.size(), aperturePrima); // no guide yet
        QCOMPARE(dialoghi_.Mostrati.size(), prima + 1);
        QCOMPARE(QString::fromStdString(dialoghi_.Mostrati.back().Titolo),
                 QStringLiteral("Guida in linea"));
        QVERIFY(QString::fromStdString(dialoghi_.Mostrati.back().Testo)
                    .contains(QDir(cartella_.path()).filePath(QStringLiteral("guida.html"))));
        QFile guida(QDir(cartella_.path()).filePath(QStringLiteral("guida.html")));
        QVERIFY(guida.open(QIODevice::WriteOnly));
        guida.close();
        finestra_->Azione(Comando::GuidaInLinea)->trigger();
        QCOMPARE(aperture_.File.size(), aperturePrima + 1);
        QCOMPARE(aperture_.File.back(), guida.fileName().toStdString());
        QCOMPARE(dialoghi_.Mostrati.size(), prima + 1);
    }

    void databaseLoadsAMaterialIntoTheSelectedLayer() {
        QVERIFY(QDir(cartella_.path()).mkpath(QStringLiteral("dati")));
        const Abaco abaco{{"Murature", "", "", "", ""},
                          {"Mattoni pieni", "1800", "0,72", "18,75", "-"}};
        QVERIFY(SalvaAbaco(PercorsoAbaco(cartella_.path().toStdString()), abaco, ""));
        Calcola();
        FinestraPrincipale& m = finestra_->Modello();
        m.LabelStrato_MouseDown(1);

        bool caricato = false;
        QTimer::singleShot(0, [&caricato] {
            QWidget* browser = QApplication::activeModalWidget();
            QVERIFY(browser != nullptr && browser->objectName() == QStringLiteral("Form3"));
            QTimer::singleShot(0, [&caricato] {
                QWidget* dialogo = QApplication::activeModalWidget();
                QVERIFY(dialogo != nullptr && dialogo->objectName() == QStringLiteral("Form4"));
                dialogo->findChild<QPushButton*>(QStringLiteral("CommandCarica"))->click();
                caricato = true;
            });
            QTest::mouseClick(browser->findChild<QLabel*>(QStringLiteral("LabelMat(11)")),
                              Qt::LeftButton);
        });
        finestra_->Azione(Comando::DaAbaco)->trigger();

        QVERIFY(caricato);
        const Strato& s = m.esercizio().strato(1);
        QCOMPARE(s.Materiale, std::string("Mattoni pieni"));
        QCOMPARE(s.Spessore.Testo, std::string("30"));
        QCOMPARE(s.Conduttività, (Casella{"0,72", "0,72", ColoreGiallo, true}));
        QCOMPARE(s.FatAssorbimento.Bloccato, false);
        QCOMPARE(m.Stato().Modificato, std::string(Si));
        QVERIFY(m.Stato().Text2.empty());
        QVERIFY(
            finestra_->findChild<QLineEdit*>(QStringLiteral("TextConduttività(1)"))->isReadOnly());
    }

    void databaseOpensForEditingFromTheEditMenu() {
        QVERIFY(QDir(cartella_.path()).mkpath(QStringLiteral("dati")));
        QVERIFY(SalvaAbaco(PercorsoAbaco(cartella_.path().toStdString()),
                           {{"Metalli", "", "", "", ""}}, ""));
        QString aperta;
        QTimer::singleShot(0, [&aperta] {
            QWidget* browser = QApplication::activeModalWidget();
            aperta = browser != nullptr ? browser->objectName() : QString();
            if (browser != nullptr) {
                browser->close();
            }
        });
        finestra_->Azione(Comando::AbacoMateriali)->trigger();
        QCOMPARE(aperta, QStringLiteral("Form3"));
        QCOMPARE(finestra_->Modello().Stato().Modificato, std::string(No));
    }
};

QTEST_MAIN(FinestreAusiliarieTest)
#include "finestre_ausiliarie_test.moc"
