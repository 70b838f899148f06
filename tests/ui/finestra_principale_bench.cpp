// How fast the main window comes up, and how fast a spin button recalculates and repaints a
// wall of 15 layers with all three calculations. Figures only: nothing here asserts a time.

#include <QAbstractButton>
#include <QtTest>

#include "../support/dialoghi_registrati.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

// Fifteen layers, two of them air cavities, every calculation chosen, every value valid.
void PareteCompleta(FinestraPrincipale& m) {
    m.Check1_Click(2, true);
    for (int i = 1; i < NumeroStratiMax; ++i) {
        m.CommandPiù_Click();
    }
    for (int k : {4, 10}) {
        m.LabelStrato_MouseDown(k);
        m.CameraAria_Click();
    }
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        m.TextSpessore_Change(k, "4,5");
        if (!m.esercizio().strato(k).CameraAria()) {
            m.TextDensità_Change(k, "1200");
            m.TextConduttività_Change(k, "0,7");
            m.TextPermeabilità_Change(k, "20");
        }
    }
    for (int k : {3, 5, 9, 11}) {
        m.TextFatAssorbimento_Change(k, "0,9");
    }
    m.TextTInterna_Change("20");
    m.TextTEsterna_Change("-5");
    m.TextUInterna_Change("65");
    m.TextUEsterna_Change("80");
    m.TextDistSonoro_Change("70");
}

} // namespace

class FinestraPrincipaleBench : public QObject {
    Q_OBJECT

  private slots:
    void windowReady() {
        DialoghiRegistrati dialoghi;
        QBENCHMARK {
            FinestraPrincipaleQt finestra(dialoghi, EsitoAvvio{});
            finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&finestra));
            finestra.repaint();
        }
    }

    // What the user waits for: the press, the recalculation and the repaint of what changed.
    void spinButtonRecalculatesAndRepaints() { SpinSuTi(false); }
    // The worst case: the whole window painted again after each press.
    void spinButtonWithTheWholeWindowRepainted() { SpinSuTi(true); }

  private:
    void SpinSuTi(bool tuttaLaFinestra) {
        DialoghiRegistrati dialoghi;
        FinestraPrincipaleQt finestra(dialoghi, EsitoAvvio{});
        PareteCompleta(finestra.Modello());
        finestra.Aggiorna();
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        auto* su = finestra.findChild<QAbstractButton*>(QStringLiteral("CommandSuTi"));
        QVERIFY(su != nullptr);
        QBENCHMARK {
            su->click();
            if (tuttaLaFinestra) {
                finestra.repaint();
            } else {
                QCoreApplication::processEvents();
            }
        }
        QVERIFY(dialoghi.Mostrati.empty());
        QVERIFY(finestra.Modello().Stato().StampaAbilitata);
        QVERIFY(finestra.Modello().Stato().Text2.find("CALCOLO ACUSTICO") != std::string::npos);
    }
};

QTEST_MAIN(FinestraPrincipaleBench)
#include "finestra_principale_bench.moc"
