// The transient simulation in the main window: its box and its dialog, "Calcola" running it in a
// worker with a progress bar while the window goes on, "Interrompi", and the verdicts in the
// "Verifiche" window.

#include "core/files/dati_aggiuntivi.h"
#include "core/simulazione/grafici_simulazione.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/finestre_ausiliarie.h"
#include "ui/grafico_widget.h"

using namespace paretix;
using namespace paretix::ui;
using test::Trova;

class SimulazioneUiTest : public QObject, test::ConFinestra {
    Q_OBJECT

    test::StampanteRegistrata stampante_;
    test::ApertureRegistrate aperture_;
    std::unique_ptr<test::CartellaTemporanea> cartella_;

    // Plaster and brick under constant climates, only the brick with moisture data, giorni days,
    // the box as acceso says; true when the window shows it.
    bool MostraParete(const char* giorni, bool acceso) {
        Esercizio e;
        e.Strati = std::vector<Strato>(2);
        for (Strato& s : e.Strati) {
            s.Densità.Testo = "1200";
            s.Conduttività.Testo = "0,7";
            s.Permeabilità.Testo = "20";
            s.CaloreSpecifico = "840";
        }
        e.strato(1).Spessore.Testo = "2";
        e.strato(2).Spessore.Testo = "25";
        for (const std::string& riga :
             {std::string("simulazione=") + (acceso ? "1" : "0"),
              "simulazione.giorni=" + std::string(giorni), std::string("simulazione.inizio=15;60"),
              std::string("simulazione.esterno=costante:0;80"),
              std::string("simulazione.interno=costante:20;50"), std::string("strato.2.wf=370"),
              std::string("strato.2.w80=9,5"), std::string("strato.2.porosita=0,41")}) {
            if (!ApplicaRigaDatiAggiuntivi(e, riga)) {
                return false;
            }
        }
        const bool mostrata = MostraNellaFinestra(Modello(), dialoghi_, e, *cartella_);
        finestra_->Aggiorna();
        return mostrata;
    }
    QProgressBar* Avanzamento() const { return W<QProgressBar>(u"ProgressSimulazione"_s); }
    // The rows of the "Verifiche" window that name the mould index; none while it is closed.
    int RigheMuffa() const {
        auto* verifiche = finestra_->findChild<QWidget*>(u"FinestraVerifiche"_s);
        if (verifiche == nullptr || !verifiche->isVisible()) {
            return 0;
        }
        return static_cast<int>(Trova<QTableWidget>(verifiche, u"TabellaVerifiche"_s)
                                    ->findItems(u"Indice di muffa"_s, Qt::MatchStartsWith)
                                    .size());
    }

  private slots:
    void init() {
        cartella_ = std::make_unique<test::CartellaTemporanea>();
        QVERIFY(Mostra(cartella_->Percorso()));
        new FinestreAusiliarie(*finestra_, dialoghi_, stampante_, stampante_, aperture_);
    }
    void cleanup() {
        finestra_.reset();
        cartella_.reset();
    }

    void theBoxAndItsDialogWriteTheKeys() {
        QVERIFY(MostraParete("2", false));
        auto* dati = W<QPushButton>(u"CommandDatiSimulazione"_s);
        QVERIFY(!W<QCheckBox>(u"CheckSimulazione"_s)->isChecked() && !dati->isEnabled());
        Premi(u"CheckSimulazione"_s);
        QCOMPARE(Modello().esercizio().Simulazione.at("simulazione"), "1");
        QVERIFY(dati->isEnabled());
        bool segnalato = false;
        auto visto = test::SulProssimoDialogo(u"FormDatiSimulazione"_s, [&](QDialog* d) {
            // The plaster has no moisture data: its row is flagged.
            segnalato = Trova<QLabel>(d, u"LabelDatiMancanti"_s)->isVisibleTo(d);
            Trova<QLineEdit>(d, u"TextGiorni"_s)->setText(u"3"_s);
            Trova<QPushButton>(d, u"CommandOk"_s)->click();
        });
        dati->click();
        QVERIFY(*visto && segnalato);
        QCOMPARE(Modello().esercizio().Simulazione.at("simulazione.giorni"), "3");
    }

    void calculateRunsTheSimulationAndShowsItsVerdicts() {
        QVERIFY(MostraParete("2", true));
        Premi(u"Command1"_s);
        // The worker's result comes back through the event loop: until then the bar shows.
        QVERIFY(Avanzamento()->isVisible());
        QCOMPARE(RigheMuffa(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!Modello().Stato().SimulazioneInCorso, 60000);
        QVERIFY(!Avanzamento()->isVisible());
        QCOMPARE(RigheMuffa(), 2); // the inside surface and the interface
        QVERIFY(W<QPlainTextEdit>(u"Text2"_s)->toPlainText().contains(u"UNI EN 15026"_s));

        // Its charts: the interface in the list, the profiles at the last day, then at the
        // day the slider picks.
        auto* verifiche = finestra_->findChild<QWidget*>(u"FinestraVerifiche"_s);
        QVERIFY(Trova<QWidget>(verifiche, u"GraficiSimulazione"_s)->isVisible());
        auto* interfaccia = Trova<QComboBox>(verifiche, u"ComboInterfaccia"_s);
        QCOMPARE(interfaccia->count(), 1);
        QCOMPARE(interfaccia->currentData().toInt(), 1);
        const auto profilo = [verifiche] {
            return Trova<GraficoWidget>(verifiche, u"GraficoProfiloTemperatura"_s)
                ->SuperficieMostrata();
        };
        const auto& r = Modello().SimulazioneMostrata()->Risultato;
        QCOMPARE(profilo(), GraficoProfilo(r, 2, GrandezzaProfilo::Temperatura));
        auto* giorno = Trova<QSlider>(verifiche, u"SliderGiorno"_s);
        QCOMPARE(giorno->maximum(), 2);
        giorno->setValue(1);
        QCOMPARE(profilo(), GraficoProfilo(r, 1, GrandezzaProfilo::Temperatura));
        QVERIFY(!(profilo() == GraficoProfilo(r, 2, GrandezzaProfilo::Temperatura)));
        QVERIFY(!Trova<GraficoWidget>(verifiche, u"GraficoUmiditaAnno"_s)
                     ->SuperficieMostrata()
                     .Linee.empty());
    }

    void interruptStopsTheRunAndShowsNothingOfIt() {
        QVERIFY(MostraParete("36500", true));
        Premi(u"Command1"_s);
        // The window takes the worker's progress while it runs.
        QTRY_VERIFY_WITH_TIMEOUT(Avanzamento()->value() > 0, 60000);
        QVERIFY(Modello().Stato().SimulazioneInCorso);
        Premi(u"CommandInterrompi"_s);
        QVERIFY(!Avanzamento()->isVisible());
        QTest::qWait(200);
        QCOMPARE(RigheMuffa(), 0);
        QVERIFY(!Modello().SimulazioneMostrata());
        QVERIFY(!W<QPlainTextEdit>(u"Text2"_s)->toPlainText().contains(u"UNI EN 15026"_s));
        QVERIFY(!W<QPlainTextEdit>(u"Text2"_s)->toPlainText().isEmpty());
    }
};

QTEST_MAIN(SimulazioneUiTest)
#include "simulazione_ui_test.moc"
