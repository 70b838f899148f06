// How fast the main window comes up, and how fast a spin button recalculates and repaints a
// wall of 15 layers with all three calculations. Figures only: nothing here asserts a time.

#include <QAbstractButton>
#include <QtTest>

#include "support/dialoghi_registrati.h"
#include "support/parete_di_prova.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

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
#include "finestra_qt_bench.moc"
