// The compliance checks in the window: the fourth check box, the dialog "Dati per le verifiche"
// and the "Verifiche" window that "Calcola" opens.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/window/testo_tabella.h"

#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/epw_di_prova.h"
#include "support/finestra_di_prova.h"
#include "support/stampante_registrata.h"
#include "support/widget_di_prova.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestre_ausiliarie.h"
#include "ui/grafico_widget.h"

using namespace paretix;
using namespace paretix::ui;

class VerificheFinestreTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    test::StampanteRegistrata stampante_;
    test::ApertureRegistrate aperture_;
    std::unique_ptr<test::CartellaTemporanea> cartella_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;

    FinestraPrincipale& Modello() { return finestra_->Modello(); }

    QWidget* FinestraVerifiche() const {
        return finestra_->findChild<QWidget*>(QStringLiteral("FinestraVerifiche"));
    }

    void ApriEsempio() {
        test::ApriNellaFinestra(Modello(), dialoghi_, PARETIX_ESEMPI "/parete-verifiche.css");
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // the file dialog, no message
        dialoghi_.Mostrati.clear();
        finestra_->Aggiorna();
    }

  private slots:
    void init() {
        cartella_ = std::make_unique<test::CartellaTemporanea>();
        std::filesystem::create_directory(*cartella_ / "dati");
        finestra_ = std::make_unique<FinestraPrincipaleQt>(
            dialoghi_, EsitoAvvio{cartella_->Percorso(), Si, true});
        new FinestreAusiliarie(*finestra_, dialoghi_, stampante_, stampante_, aperture_);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void cleanup() {
        finestra_.reset();
        cartella_.reset();
        dialoghi_.Mostrati.clear();
    }

    void theFourthBoxIsOffInANewExerciseAndAnEditWhenClicked() {
        auto* box = test::Trova<QCheckBox>(finestra_.get(), QStringLiteral("CheckVerifiche"));
        QVERIFY(!box->isChecked());
        QCOMPARE(box->text(), QStringLiteral("Verifiche di legge"));
        box->click();
        QVERIFY(Modello().CheckVerifiche());
        QCOMPARE(QString::fromStdString(Modello().Stato().Modificato), QStringLiteral("SI"));
        // "Calcola" stays as the three calculation types make it.
        QCOMPARE(test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->isEnabled(),
                 Modello().Stato().Command1Abilitato);
    }

    void calculateOpensTheChecksWindowAndAnEditClosesIt() {
        ApriEsempio();
        QVERIFY(
            test::Trova<QCheckBox>(finestra_.get(), QStringLiteral("CheckVerifiche"))->isChecked());
        QVERIFY(FinestraVerifiche() == nullptr || !FinestraVerifiche()->isVisible());
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QVERIFY(FinestraVerifiche() != nullptr && FinestraVerifiche()->isVisible());
        auto* tabella =
            test::Trova<QTableWidget>(FinestraVerifiche(), QStringLiteral("TabellaVerifiche"));
        const auto& righe = Modello().Stato().RigheVerifiche;
        QCOMPARE(tabella->rowCount(), static_cast<int>(righe.size()));
        QVERIFY(tabella->rowCount() > 0);
        for (int r = 0; r < tabella->rowCount(); ++r) {
            // The mark first, then the quantity, as the core wrote them.
            QCOMPARE(tabella->item(r, 0)->text(), QString::fromStdString(righe[r].Segno));
            QCOMPARE(tabella->item(r, 1)->text(), QString::fromStdString(righe[r].Grandezza));
            QCOMPARE(tabella->item(r, 4)->text(), QString::fromStdString(righe[r].Esito));
        }
        QVERIFY(!tabella->findItems(QStringLiteral("✔"), Qt::MatchExactly).isEmpty() ||
                !tabella->findItems(QStringLiteral("✘"), Qt::MatchExactly).isEmpty());
        // Every specific heat is given: the chart of the daily wave is there too.
        QVERIFY(test::Trova<QWidget>(FinestraVerifiche(), QStringLiteral("GraficoSfasamento"))
                    ->isVisible());

        // An edit clears the results, and the window that showed them goes.
        test::Scrivi(test::Trova<QLineEdit>(finestra_.get(), QStringLiteral("TextSpessore(1)")),
                     QStringLiteral("3"));
        QVERIFY(Modello().Stato().RigheVerifiche.empty());
        QVERIFY(!FinestraVerifiche()->isVisible());
    }

    // Every word of the table stays readable at the default size, within the screen, and the
    // selection copies as tab-separated text.
    void theChecksTableWrapsFitsTheScreenAndCopiesItsSelection() {
        ApriEsempio();
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QWidget* finestra = FinestraVerifiche();
        QVERIFY(finestra != nullptr);
        const QSize schermo = finestra->screen()->availableGeometry().size();
        QVERIFY(finestra->width() <= schermo.width() && finestra->height() <= schermo.height());
        auto* tabella = test::Trova<QTableWidget>(finestra, QStringLiteral("TabellaVerifiche"));
        QCOMPARE(tabella->textElideMode(), Qt::ElideNone);
        // Every column in view, none beyond the right edge.
        QVERIFY(tabella->horizontalHeader()->length() <= tabella->viewport()->width());
        const QFontMetrics misure(tabella->font());
        for (int r = 0; r < tabella->rowCount(); ++r) {
            for (int c = 0; c < tabella->columnCount(); ++c) {
                for (const QString& parola : tabella->item(r, c)->text().split(QLatin1Char(' '))) {
                    QVERIFY2(misure.horizontalAdvance(parola) < tabella->columnWidth(c),
                             qPrintable(parola));
                }
            }
        }
        tabella->selectAll();
        auto* copia = finestra->findChild<QAction*>(QStringLiteral("TabellaVerificheCopia"));
        QVERIFY(copia != nullptr && tabella->actions().contains(copia));
        QCOMPARE(copia->shortcut(), QKeySequence(QKeySequence::Copy));
        copia->trigger();
        std::vector<std::vector<std::string>> righe;
        for (const RigaVerifica& riga : Modello().Stato().RigheVerifiche) {
            righe.push_back({riga.Segno, riga.Grandezza, riga.Valore, riga.Limite, riga.Esito});
        }
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(TabellaTabulata(righe)));
    }

    // "Esporta relazione PDF..." writes the document of the exercise to the file chosen.
    void theFileMenuWritesTheTechnicalReport() {
        ApriEsempio();
        const std::string pdf = *cartella_ / "relazione";
        dialoghi_.FileScelti = {pdf};
        finestra_->Azione(Comando::EsportaRelazione)->trigger();
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // the file dialog, no message
        const std::string scritto = test::LeggiTutto(pdf + ".pdf");
        QVERIFY(scritto.starts_with("%PDF-"));
        QVERIFY(!Modello().Stato().Modificato.empty() && Modello().Stato().Modificato == No);
    }

    void withoutASpecificHeatTheWindowHasNoChart() {
        ApriEsempio();
        DialogoDatiVerifiche d = Modello().DatiVerifiche_Click();
        d.Strati[1].CaloreSpecifico.clear();
        QVERIFY(Modello().DatiVerifiche_Ok(d));
        finestra_->Aggiorna();
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QVERIFY(FinestraVerifiche() != nullptr && FinestraVerifiche()->isVisible());
        QVERIFY(!test::Trova<QWidget>(FinestraVerifiche(), QStringLiteral("GraficoSfasamento"))
                     ->isVisible());
    }

    void withTheBoxOffCalculateOpensNoChecksWindow() {
        ApriEsempio();
        test::Trova<QCheckBox>(finestra_.get(), QStringLiteral("CheckVerifiche"))->click();
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QVERIFY(!Modello().Stato().Text2.empty());
        QVERIFY(FinestraVerifiche() == nullptr || !FinestraVerifiche()->isVisible());
        QVERIFY(Modello().Stato().Text2.find("VERIFICHE DI LEGGE") == std::string::npos);
    }

    void theDataDialogKeepsAWrongValueAndAppliesARightOne() {
        QVERIFY(!finestra_->CommandDatiVerifiche()->isEnabled());
        test::Trova<QCheckBox>(finestra_.get(), QStringLiteral("CheckVerifiche"))->click();
        QVERIFY(finestra_->CommandDatiVerifiche()->isEnabled());
        bool aperto = false;
        QTimer::singleShot(0, [this, &aperto] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d != nullptr && d->objectName() == QStringLiteral("FormDatiVerifiche"));
            aperto = true;
            test::Trova<QComboBox>(d, QStringLiteral("ComboZona"))->setCurrentIndex(3); // D
            test::Trova<QComboBox>(d, QStringLiteral("ComboElemento"))->setCurrentIndex(1);
            auto* btr = test::Trova<QLineEdit>(d, QStringLiteral("TextBtr"));
            QVERIFY(btr->isEnabled());
            test::Scrivi(btr, QStringLiteral("1,5"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandOk"))->click();
            // The message, and the dialog stays with the text as typed.
            QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
            QCOMPARE(dialoghi_.Mostrati[0].Titolo, std::string("Dati per le verifiche"));
            QVERIFY(d->isVisible());
            QCOMPARE(btr->text(), QStringLiteral("1,5"));
            test::Scrivi(btr, QStringLiteral("0,5"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandOk"))->click();
        });
        finestra_->CommandDatiVerifiche()->click();
        QVERIFY(aperto);
        const DatiVerifiche& v = Modello().esercizio().Verifiche;
        QCOMPARE(v.Zona, std::optional<ZonaClimatica>(ZonaClimatica::D));
        QCOMPARE(v.Elemento, std::optional<ElementoParete>(ElementoParete::NonClimatizzato));
        QCOMPARE(v.Btr, std::string("0,5"));
        QCOMPARE(QString::fromStdString(Modello().Stato().Modificato), QStringLiteral("SI"));
    }

    void theMenuEntryComesWithTheChecksAndCancelChangesNothing() {
        QAction* voce = finestra_->Azione(Comando::DatiVerifiche);
        auto* modifica = test::Trova<QMenu>(finestra_.get(), QStringLiteral("MenuModifica"));
        QVERIFY(!modifica->actions().contains(voce));
        ApriEsempio();
        QVERIFY(modifica->actions().contains(voce));
        const Esercizio prima = Modello().esercizio();
        bool aperto = false;
        QTimer::singleShot(0, [&aperto] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d != nullptr && d->objectName() == QStringLiteral("FormDatiVerifiche"));
            aperto = true;
            test::Trova<QComboBox>(d, QStringLiteral("ComboZona"))->setCurrentIndex(0);
            test::Trova<QPushButton>(d, QStringLiteral("CommandAnnulla"))->click();
        });
        voce->trigger();
        QVERIFY(aperto);
        QVERIFY(Modello().esercizio() == prima);
        QCOMPARE(QString::fromStdString(Modello().Stato().Modificato), QStringLiteral("NO"));
    }
    // The monthly check's data: a pasted year (semicolons, decimal point), the inside class,
    // a layer's sd and the retarder's boundary reach the exercise on "OK".
    void theDialogTakesAPastedYearTheInsideClassAndALayersSd() {
        ApriEsempio();
        QString anno;
        for (int m = 1; m <= 12; ++m) {
            anno += QStringLiteral("%1.5;%2\n").arg(m - 3).arg(60 + m);
        }
        QApplication::clipboard()->setText(anno);
        bool aperto = false;
        QTimer::singleShot(0, [&aperto] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d != nullptr);
            aperto = true;
            test::Trova<QPushButton>(d, QStringLiteral("CommandIncollaClima"))->click();
            auto* tabella = test::Trova<QTableWidget>(d, QStringLiteral("TabellaClima"));
            QCOMPARE(tabella->item(0, 1)->text(), QStringLiteral("-2,5"));
            QCOMPARE(tabella->item(11, 2)->text(), QStringLiteral("72"));
            QVERIFY(tabella->isColumnHidden(3)); // no typed inside year with a class
            test::Trova<QComboBox>(d, QStringLiteral("ComboCondizioniInterne"))->setCurrentIndex(3);
            test::Trova<QComboBox>(d, QStringLiteral("ComboInterfacciaFreno"))->setCurrentIndex(1);
            auto* strati = test::Trova<QTableWidget>(d, QStringLiteral("TabellaStrati"));
            strati->item(0, 5)->setText(QStringLiteral("0,02"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandOk"))->click();
        });
        finestra_->CommandDatiVerifiche()->click();
        QVERIFY(aperto);
        const Esercizio& e = Modello().esercizio();
        QCOMPARE(e.Verifiche.ClimaEsterno[0].Temperatura, std::string("-2,5"));
        QCOMPARE(e.Verifiche.ClimaEsterno[11].Umidità, std::string("72"));
        QCOMPARE(e.Verifiche.ClasseUmidità, std::optional<int>(3));
        QCOMPARE(e.Verifiche.InterfacciaFreno, 1);
        QCOMPARE(e.strato(1).Sd, std::string("0,02"));
    }
    // A weather file fills the year; saved under a name, the year comes back from the library
    // over a typed change, and "OK" takes it to the exercise.
    void theDialogImportsAWeatherFileAndKeepsTheYearInTheLibrary() {
        ApriEsempio();
        const std::string epw = *cartella_ / "prova.epw";
        test::ScriviTutto(epw, test::EpwDiProva());
        dialoghi_.FileScelti = {epw};
        bool aperto = false;
        QTimer::singleShot(0, [&aperto] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d != nullptr);
            aperto = true;
            auto* tabella = test::Trova<QTableWidget>(d, QStringLiteral("TabellaClima"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandImportaEpw"))->click();
            QCOMPARE(tabella->item(0, 1)->text(), QStringLiteral("-5,5"));
            QCOMPARE(tabella->item(11, 2)->text(), QStringLiteral("60,5"));
            auto* localita = test::Trova<QComboBox>(d, QStringLiteral("ComboLocalita"));
            QCOMPARE(localita->count(), 0);
            QCOMPARE(localita->currentText(), QStringLiteral("Prova")); // named by the file
            localita->setCurrentText(QStringLiteral("Prova"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandSalvaLocalita"))->click();
            QCOMPARE(localita->count(), 1);
            QCOMPARE(localita->itemText(0), QStringLiteral("Prova"));
            tabella->item(0, 1)->setText(QStringLiteral("7"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandCaricaLocalita"))->click();
            QCOMPARE(tabella->item(0, 1)->text(), QStringLiteral("-5,5"));
            test::Trova<QPushButton>(d, QStringLiteral("CommandOk"))->click();
        });
        finestra_->CommandDatiVerifiche()->click();
        QVERIFY(aperto);
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // the file dialog, no message
        const Esercizio& e = Modello().esercizio();
        QCOMPARE(e.Verifiche.ClimaEsterno[0].Temperatura, std::string("-5,5"));
        QCOMPARE(e.Verifiche.ClimaEsterno[5].Umidità, std::string("60,5"));
        QVERIFY(test::LeggiTutto(*cartella_ / "dati/clima.txt").find("localita=Prova") !=
                std::string::npos);
    }
    // The monthly check's charts: Ma through the year, and the pressures of the month picked,
    // first the one of the largest Ma (May in this example).
    void theMonthlyChecksChartsFollowTheMonthPicked() {
        test::ApriNellaFinestra(Modello(), dialoghi_, PARETIX_ESEMPI "/parete-membrana-fredda.css");
        dialoghi_.Mostrati.clear();
        finestra_->Aggiorna();
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QWidget* verifiche = FinestraVerifiche();
        QVERIFY(verifiche != nullptr && verifiche->isVisible());
        const GraficiVerifiche& grafici = Modello().Stato().DisegniVerifiche;
        QCOMPARE(grafici.PressioniMesi.size(), std::size_t{12});
        QVERIFY(grafici.Accumulo.has_value());
        auto* accumulo = test::Trova<GraficoWidget>(verifiche, QStringLiteral("GraficoAccumulo"));
        QVERIFY(accumulo->isVisible());
        QVERIFY(accumulo->SuperficieMostrata() == *grafici.Accumulo);
        QVERIFY(!test::Trova<QWidget>(verifiche, QStringLiteral("GraficoSfasamento"))->isVisible());
        // The year's table as the report has it: May holds the largest Ma.
        auto* mesi = test::Trova<QTableWidget>(verifiche, QStringLiteral("TabellaMesi"));
        QVERIFY(mesi->isVisible());
        QCOMPARE(mesi->rowCount(), 12);
        QCOMPARE(mesi->item(4, 0)->text(), QStringLiteral("maggio"));
        QCOMPARE(mesi->item(4, 8)->text(), QStringLiteral("8845,0"));
        QCOMPARE(mesi->item(0, 1)->text(), QStringLiteral("-4,5"));
        auto* mese = test::Trova<QComboBox>(verifiche, QStringLiteral("ComboMesePressioni"));
        auto* pressioni =
            test::Trova<GraficoWidget>(verifiche, QStringLiteral("GraficoPressioniMese"));
        QCOMPARE(mese->count(), 12);
        QCOMPARE(mese->currentText(), QStringLiteral("maggio"));
        QVERIFY(pressioni->SuperficieMostrata() == grafici.PressioniMesi[4]);
        mese->setCurrentIndex(0);
        QVERIFY(pressioni->SuperficieMostrata() == grafici.PressioniMesi[0]);
        QVERIFY(!(grafici.PressioniMesi[0] == grafici.PressioniMesi[4]));

        // A wall without the monthly data shows neither.
        ApriEsempio();
        test::Trova<QPushButton>(finestra_.get(), QStringLiteral("Command1"))->click();
        QVERIFY(!accumulo->isVisible());
        QVERIFY(!pressioni->isVisible());
        QVERIFY(!mesi->isVisible());
    }
};

QTEST_MAIN(VerificheFinestreTest)
#include "verifiche_finestre_test.moc"
