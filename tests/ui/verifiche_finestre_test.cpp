// The compliance checks in the window: the fourth check box, the dialog "Dati per le verifiche"
// and the "Verifiche" window that "Calcola" opens.

#include "core/files/creazione_file.h"
#include "core/window/testo_tabella.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/epw_di_prova.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/finestre_ausiliarie.h"
#include "ui/grafico_widget.h"

using namespace paretix;
using namespace paretix::ui;
using test::Q;
using test::Trova;

class VerificheFinestreTest : public QObject, test::ConFinestra {
    Q_OBJECT

    test::StampanteRegistrata stampante_;
    test::ApertureRegistrate aperture_;
    std::unique_ptr<test::CartellaTemporanea> cartella_;

    QWidget* Verifiche() const { return finestra_->findChild<QWidget*>(u"FinestraVerifiche"_s); }
    bool VerificheMostrate() const { return Verifiche() != nullptr && Verifiche()->isVisible(); }
    // The exercise as its file would hold it: what the dialog wrote into it.
    QString FileEsercizio() const {
        return QString::fromLatin1(ContenutoFileEsercizio(Modello().esercizio()).value_or("-"));
    }
    // Opens the data dialog with its button, azione acting on it: true when it opened.
    bool ApriDatiVerifiche(std::function<void(QDialog*)> azione) {
        auto visto = test::SulProssimoDialogo(u"FormDatiVerifiche"_s, std::move(azione));
        finestra_->CommandDatiVerifiche()->click();
        return *visto;
    }

    // Every word of the table stays readable at the default size, within the screen, and the
    // selection copies as tab-separated text.
    void ControllaLaTabella() {
        const QSize schermo = Verifiche()->screen()->availableGeometry().size();
        QVERIFY(Verifiche()->width() <= schermo.width() &&
                Verifiche()->height() <= schermo.height());
        auto* tabella = Trova<QTableWidget>(Verifiche(), u"TabellaVerifiche"_s);
        QCOMPARE(tabella->textElideMode(), Qt::ElideNone);
        // Every column in view, none beyond the right edge.
        QVERIFY(tabella->horizontalHeader()->length() <= tabella->viewport()->width());
        const QFontMetrics misure(tabella->font());
        for (int r = 0; r < tabella->rowCount(); ++r) {
            for (int c = 0; c < tabella->columnCount(); ++c) {
                for (const QString& parola : tabella->item(r, c)->text().split(u' ')) {
                    QVERIFY2(misure.horizontalAdvance(parola) < tabella->columnWidth(c),
                             qPrintable(parola));
                }
            }
        }
        tabella->selectAll();
        auto* copia = Trova<QAction>(Verifiche(), u"TabellaVerificheCopia"_s);
        QVERIFY(tabella->actions().contains(copia));
        QCOMPARE(copia->shortcut(), QKeySequence(QKeySequence::Copy));
        copia->trigger();
        std::vector<std::vector<std::string>> righe;
        for (const RigaVerifica& riga : Modello().Stato().RigheVerifiche) {
            righe.push_back({riga.Segno, riga.Grandezza, riga.Valore, riga.Limite, riga.Esito});
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), Q(TabellaTabulata(righe)));
    }

  private slots:
    void init() {
        cartella_ = std::make_unique<test::CartellaTemporanea>();
        std::filesystem::create_directory(*cartella_ / "dati");
        QVERIFY(Mostra(cartella_->Percorso()));
        new FinestreAusiliarie(*finestra_, dialoghi_, stampante_, stampante_, aperture_);
    }
    void cleanup() {
        finestra_.reset();
        cartella_.reset();
    }

    void calculateOpensTheChecksWindowAsTheExerciseAsks_data() {
        QTest::addColumn<int>("caso");
        QTest::newRow("ogni calore specifico: il grafico dell'onda giornaliera") << 0;
        QTest::newRow("un calore specifico mancante: nessun grafico") << 1;
        QTest::newRow("verifiche spente: nessuna finestra") << 2;
    }
    void calculateOpensTheChecksWindowAsTheExerciseAsks() {
        QFETCH(int, caso);
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        QVERIFY(W<QCheckBox>(u"CheckVerifiche"_s)->isChecked());
        if (caso == 1) {
            DialogoDatiVerifiche d = Modello().DatiVerifiche_Click();
            d.Strati[1].CaloreSpecifico.clear();
            QVERIFY(Modello().DatiVerifiche_Ok(d));
            finestra_->Aggiorna();
        } else if (caso == 2) {
            W<QCheckBox>(u"CheckVerifiche"_s)->click();
        }
        QVERIFY(!VerificheMostrate());
        W<QPushButton>(u"Command1"_s)->click();
        QVERIFY(!Modello().Stato().Text2.empty());
        QCOMPARE(Modello().Stato().Text2.find("VERIFICHE DI LEGGE") != std::string::npos,
                 caso != 2);
        QCOMPARE(VerificheMostrate(), caso != 2);
        if (caso == 2) {
            return;
        }
        QCOMPARE(Trova<QWidget>(Verifiche(), u"GraficoSfasamento"_s)->isVisible(), caso == 0);
        auto* tabella = Trova<QTableWidget>(Verifiche(), u"TabellaVerifiche"_s);
        const auto& righe = Modello().Stato().RigheVerifiche;
        QCOMPARE(tabella->rowCount(), static_cast<int>(righe.size()));
        QVERIFY(tabella->rowCount() > 0);
        for (int r = 0; r < tabella->rowCount(); ++r) {
            // The mark first, then the quantity, as the core wrote them.
            QCOMPARE(tabella->item(r, 0)->text(), Q(righe[r].Segno));
            QCOMPARE(tabella->item(r, 1)->text(), Q(righe[r].Grandezza));
            QCOMPARE(tabella->item(r, 4)->text(), Q(righe[r].Esito));
        }
        if (caso == 0) {
            ControllaLaTabella();
        }
        // An edit clears the results, and the window that showed them goes.
        Scrivi(u"TextSpessore(1)"_s, u"3"_s);
        QVERIFY(Modello().Stato().RigheVerifiche.empty());
        QVERIFY(!Verifiche()->isVisible());
    }

    // "Esporta relazione PDF..." writes the document of the exercise to the file chosen.
    void theFileMenuWritesTheTechnicalReport() {
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        const std::string pdf = *cartella_ / "relazione";
        dialoghi_.FileScelti = {pdf};
        finestra_->Azione(Comando::EsportaRelazione)->trigger();
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // the file dialog, no message
        QVERIFY(test::LeggiTutto(pdf + ".pdf").starts_with("%PDF-"));
        QCOMPARE(Modello().Stato().Modificato, std::string(No));
    }

    void theDataDialogKeepsAWrongValueAndAppliesARightOne() {
        // The fourth box (off in a new exercise, ui/principale/nuovo.txt) enables the dialog.
        W<QCheckBox>(u"CheckVerifiche"_s)->click();
        QVERIFY(finestra_->CommandDatiVerifiche()->isEnabled());
        // "Calcola" stays as the three calculation types make it.
        QVERIFY(W<QPushButton>(u"Command1"_s)->isEnabled());
        QVERIFY(ApriDatiVerifiche([this](QDialog* d) {
            Trova<QComboBox>(d, u"ComboZona"_s)->setCurrentIndex(3); // D
            Trova<QComboBox>(d, u"ComboElemento"_s)->setCurrentIndex(1);
            auto* btr = Trova<QLineEdit>(d, u"TextBtr"_s);
            QVERIFY(btr->isEnabled());
            test::Scrivi(btr, u"1,5"_s);
            Trova<QPushButton>(d, u"CommandOk"_s)->click();
            // The message, and the dialog stays with the text as typed.
            QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
            QCOMPARE(dialoghi_.Mostrati[0].Titolo, std::string("Dati per le verifiche"));
            QVERIFY(d->isVisible());
            QCOMPARE(btr->text(), u"1,5"_s);
            test::Scrivi(btr, u"0,5"_s);
            Trova<QPushButton>(d, u"CommandOk"_s)->click();
        }));
        // Zone D, an element towards an unheated room, btr 0,5.
        COME_NEL_FILE(u"ui/verifiche/zona-d-btr.css"_s, FileEsercizio());
    }

    void theMenuEntryComesWithTheChecksAndCancelChangesNothing() {
        QAction* voce = finestra_->Azione(Comando::DatiVerifiche);
        auto* modifica = W<QMenu>(u"MenuModifica"_s);
        QVERIFY(!modifica->actions().contains(voce));
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        QVERIFY(modifica->actions().contains(voce));
        const Esercizio prima = Modello().esercizio();
        auto visto = test::SulProssimoDialogo(u"FormDatiVerifiche"_s, [](QDialog* d) {
            Trova<QComboBox>(d, u"ComboZona"_s)->setCurrentIndex(0);
            Trova<QPushButton>(d, u"CommandAnnulla"_s)->click();
        });
        voce->trigger();
        QVERIFY(*visto);
        QVERIFY(Modello().esercizio() == prima);
    }

    // The monthly check's data: a pasted year (semicolons, decimal point), the inside class,
    // a layer's sd and the retarder's boundary reach the exercise on "OK".
    void theDialogTakesAPastedYearTheInsideClassAndALayersSd() {
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        QString anno;
        for (int m = 1; m <= 12; ++m) {
            anno += u"%1.5;%2\n"_s.arg(m - 3).arg(60 + m);
        }
        QApplication::clipboard()->setText(anno);
        QVERIFY(ApriDatiVerifiche([](QDialog* d) {
            Trova<QPushButton>(d, u"CommandIncollaClima"_s)->click();
            auto* tabella = Trova<QTableWidget>(d, u"TabellaClima"_s);
            QCOMPARE(tabella->item(0, 1)->text(), u"-2,5"_s);
            QCOMPARE(tabella->item(11, 2)->text(), u"72"_s);
            QVERIFY(tabella->isColumnHidden(3)); // no typed inside year with a class
            Trova<QComboBox>(d, u"ComboCondizioniInterne"_s)->setCurrentIndex(3);
            Trova<QComboBox>(d, u"ComboInterfacciaFreno"_s)->setCurrentIndex(1);
            Trova<QTableWidget>(d, u"TabellaStrati"_s)->item(0, 5)->setText(u"0,02"_s);
            Trova<QPushButton>(d, u"CommandOk"_s)->click();
        }));
        // January -2,5 °C … December 72 %, class 3, the retarder's boundary 1, sd 0,02 m.
        COME_NEL_FILE(u"ui/verifiche/anno-incollato.css"_s, FileEsercizio());
    }

    // A weather file fills the year; saved under a name, the year comes back from the library
    // over a typed change, and "OK" takes it to the exercise.
    void theDialogImportsAWeatherFileAndKeepsTheYearInTheLibrary() {
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        const std::string epw = *cartella_ / "prova.epw";
        test::ScriviTutto(epw, test::EpwDiProva());
        dialoghi_.FileScelti = {epw};
        QVERIFY(ApriDatiVerifiche([](QDialog* d) {
            auto* tabella = Trova<QTableWidget>(d, u"TabellaClima"_s);
            Trova<QPushButton>(d, u"CommandImportaEpw"_s)->click();
            QCOMPARE(tabella->item(0, 1)->text(), u"-5,5"_s);
            QCOMPARE(tabella->item(11, 2)->text(), u"60,5"_s);
            auto* localita = Trova<QComboBox>(d, u"ComboLocalita"_s);
            QCOMPARE(localita->count(), 0);
            QCOMPARE(localita->currentText(), u"Prova"_s); // named by the file
            Trova<QPushButton>(d, u"CommandSalvaLocalita"_s)->click();
            QCOMPARE(localita->count(), 1);
            QCOMPARE(localita->itemText(0), u"Prova"_s);
            tabella->item(0, 1)->setText(u"7"_s);
            Trova<QPushButton>(d, u"CommandCaricaLocalita"_s)->click();
            QCOMPARE(tabella->item(0, 1)->text(), u"-5,5"_s);
            Trova<QPushButton>(d, u"CommandOk"_s)->click();
        }));
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1}); // the file dialog, no message
        COME_NEL_FILE(u"ui/verifiche/anno-epw.css"_s, FileEsercizio()); // January -5,5 °C …
        QVERIFY(test::LeggiTutto(*cartella_ / "dati/clima.txt").find("localita=Prova") !=
                std::string::npos);
    }

    // The monthly check's charts: Ma through the year, and the pressures of the month picked,
    // first the one of the largest Ma (May in this example).
    void theMonthlyChecksChartsFollowTheMonthPicked() {
        QVERIFY(ApriEsempio("parete-membrana-fredda.css"));
        W<QPushButton>(u"Command1"_s)->click();
        QVERIFY(VerificheMostrate());
        const GraficiVerifiche& grafici = Modello().Stato().DisegniVerifiche;
        QCOMPARE(grafici.PressioniMesi.size(), std::size_t{12});
        QVERIFY(grafici.Accumulo.has_value());
        auto* accumulo = Trova<GraficoWidget>(Verifiche(), u"GraficoAccumulo"_s);
        QVERIFY(accumulo->isVisible());
        QVERIFY(accumulo->SuperficieMostrata() == *grafici.Accumulo);
        QVERIFY(!Trova<QWidget>(Verifiche(), u"GraficoSfasamento"_s)->isVisible());
        // The year's table as the report has it: May holds the largest Ma.
        auto* mesi = Trova<QTableWidget>(Verifiche(), u"TabellaMesi"_s);
        QVERIFY(mesi->isVisible());
        QCOMPARE(mesi->rowCount(), 12);
        QCOMPARE(mesi->item(4, 0)->text(), u"maggio"_s);
        QCOMPARE(mesi->item(4, 8)->text(), u"8845,0"_s);
        QCOMPARE(mesi->item(0, 1)->text(), u"-4,5"_s);
        auto* mese = Trova<QComboBox>(Verifiche(), u"ComboMesePressioni"_s);
        auto* pressioni = Trova<GraficoWidget>(Verifiche(), u"GraficoPressioniMese"_s);
        QCOMPARE(mese->count(), 12);
        QCOMPARE(mese->currentText(), u"maggio"_s);
        QVERIFY(pressioni->SuperficieMostrata() == grafici.PressioniMesi[4]);
        mese->setCurrentIndex(0);
        QVERIFY(pressioni->SuperficieMostrata() == grafici.PressioniMesi[0]);
        QVERIFY(!(grafici.PressioniMesi[0] == grafici.PressioniMesi[4]));

        // A wall without the monthly data shows neither.
        QVERIFY(ApriEsempio("parete-verifiche.css"));
        W<QPushButton>(u"Command1"_s)->click();
        QVERIFY(!accumulo->isVisible() && !pressioni->isVisible() && !mesi->isVisible());
    }
};

QTEST_MAIN(VerificheFinestreTest)
#include "verifiche_finestre_test.moc"
