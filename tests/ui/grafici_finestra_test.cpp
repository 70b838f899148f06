#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "support/widget_di_prova.h"
#include "ui/finestra_principale_qt.h"

using namespace paretix;
using namespace paretix::ui;

namespace {

const QColor Magenta(255, 0, 255);

int PuntiDelColore(QWidget* grafico, const QColor& colore) {
    return test::PuntiDelColore(grafico->grab().toImage(), colore);
}

} // namespace

// The charts of the main window: drawn by "Calcola", gone at the next edit.
class GraficiFinestraTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;
    std::unique_ptr<FinestraPrincipaleQt> finestra_;

    void ApriEsempio(const char* nome) {
        test::ApriNellaFinestra(finestra_->Modello(), dialoghi_,
                                std::string(PARETIX_ESEMPI) + "/" + nome);
        QVERIFY(dialoghi_.Mostrati.size() == 1); // the file dialog, no error message
        dialoghi_.Mostrati.clear();
        finestra_->Aggiorna();
    }

    void Mostra(int vista) {
        QTest::mouseClick(
            finestra_->findChild<QRadioButton*>(QStringLiteral("Option2(%1)").arg(vista)),
            Qt::LeftButton);
    }

  private slots:
    void init() {
        finestra_ = std::make_unique<FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{"/tmp", Si, true});
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void cleanup() { finestra_.reset(); }

    void condensationIsHatchedAfterCalcolaAndGoneAfterAnEdit() {
        ApriEsempio("parete-intercapedine.css");
        QCOMPARE(PuntiDelColore(finestra_->Grafico(2), Magenta), 0);

        QTest::mouseClick(finestra_->findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(dialoghi_.Mostrati.empty());
        QVERIFY(!finestra_->Modello().Stato().Disegni.Grafico2.Pennellate.empty());
        Mostra(1);
        QVERIFY(PuntiDelColore(finestra_->Grafico(2), Magenta) > 0);

        Mostra(0);
        auto* spessore = finestra_->findChild<QLineEdit*>(QStringLiteral("TextSpessore(1)"));
        QTest::keyClick(spessore, Qt::Key_End);
        QTest::keyClicks(spessore, QStringLiteral("1"));
        QCOMPARE(PuntiDelColore(finestra_->Grafico(2), Magenta), 0);
        QVERIFY(finestra_->Modello().Stato().Disegni.Grafico2.Pennellate.empty());
    }

    void theAcousticCurveIsPaintedAfterCalcola() {
        ApriEsempio("parete-pesante.css");
        const QColor verde(0, 255, 0);
        QCOMPARE(PuntiDelColore(finestra_->Grafico(3), verde), 0);
        QTest::mouseClick(finestra_->findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        Mostra(2);
        QVERIFY(PuntiDelColore(finestra_->Grafico(3), verde) > 0);
    }
};

QTEST_MAIN(GraficiFinestraTest)
#include "grafici_finestra_test.moc"
