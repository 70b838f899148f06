// The materials browser as a window one can resize, scroll with the wheel and the keyboard and
// filter by typing, which reopens where it was; and the layer menu's direct way to it.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"
#include "support/aperture_registrate.h"
#include "support/dialoghi_registrati.h"
#include "support/stampante_registrata.h"
#include "support/widget_di_prova.h"
#include "ui/elenco_materiali_qt.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestre_ausiliarie.h"

using namespace paretix;
using namespace paretix::ui;
using test::Trova;

namespace {

Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back({"M" + std::to_string(i), "1800", "0,72", "18,75", "0,9"});
    }
    return a;
}

QLabel* Cella(QWidget* w, int k) {
    return Trova<QLabel>(w, QStringLiteral("LabelMat(%1)").arg(k));
}

int Celle(QWidget* w) {
    return static_cast<int>(
        w->findChildren<QLabel*>(QRegularExpression("^LabelMat\\(\\d+\\)$")).size());
}

void Rotella(QWidget* w, int angolo) {
    const QPointF punto(5, 5);
    QWheelEvent evento(punto, w->mapToGlobal(punto), QPoint(), QPoint(0, angolo), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &evento);
}

// Runs azione on the next modal dialog when it is named nome; the flag tells it did.
std::shared_ptr<bool> SulProssimoDialogo(const QString& nome,
                                         std::function<void(QDialog*)> azione) {
    auto visto = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialogo != nullptr && dialogo->objectName() == nome) {
            *visto = true;
            azione(dialogo);
        } else if (dialogo != nullptr) {
            dialogo->reject();
        }
    });
    return visto;
}

} // namespace

class ElencoNavigazioneTest : public QObject {
    Q_OBJECT
  private slots:
    void taller_and_wider_window_shows_more_rows_and_longer_names();
    void wheel_and_keys_scroll_and_enter_opens_the_current_row();
    void filter_narrows_the_list_as_one_types();
    void reopens_with_the_same_filter_rows_and_size();
    void layer_menu_opens_the_database_directly();
};

// Default 820 x 314 pixels (12300 x 4710 twips). 48 pixels taller is 720 twips: three more
// rows of 240 twips; 60 pixels wider is 900 twips more for the names.
void ElencoNavigazioneTest::taller_and_wider_window_shows_more_rows_and_longer_names() {
    ElencoMateriali modello = ElencoMateriali::Modifica(Righe(30), nullptr);
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    QCOMPARE(v.size(), QSize(820, 314));
    QCOMPARE(v.minimumSize(), QSize(820, 314));
    QVERIFY(v.maximumWidth() > 2000 && v.maximumHeight() > 2000);
    QCOMPARE(Celle(&v), 50);
    QCOMPARE(Trova<QScrollBar>(&v, "VScroll1")->maximum(), 20);

    v.resize(880, 362);
    QCOMPARE(Celle(&v), 65);
    QCOMPARE(Cella(&v, 121)->text(), QStringLiteral("M12"));
    QCOMPARE(Cella(&v, 121)->width(), 353 + 60);
    QCOMPARE(Cella(&v, 122)->x(), 352 + 60);
    QCOMPARE(Trova<QScrollBar>(&v, "VScroll1")->maximum(), 17);
    for (const char* nome : {"Command1", "TextFiltro", "Label8"}) {
        const QWidget* w = Trova<QWidget>(&v, QString::fromLatin1(nome));
        QVERIFY2(v.rect().contains(w->geometry()), nome);
        QVERIFY2(w->y() > Cella(&v, 121)->geometry().bottom(), nome);
    }
    v.resize(820, 314);
    QCOMPARE(Celle(&v), 50);
}

void ElencoNavigazioneTest::wheel_and_keys_scroll_and_enter_opens_the_current_row() {
    ElencoMateriali modello = ElencoMateriali::Consulta(Righe(25), [](const VoceAbaco&) {});
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    auto* scorrimento = Trova<QScrollBar>(&v, "VScroll1");
    Rotella(Cella(&v, 31), -120); // one notch down: three rows
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("M3"));
    QCOMPARE(scorrimento->value(), 3);
    Rotella(Cella(&v, 31), 240);
    QCOMPARE(scorrimento->value(), 0);

    auto* filtro = Trova<QLineEdit>(&v, "TextFiltro");
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    QVERIFY(filtro->hasFocus()); // one can type the filter at once
    QTest::keyClick(filtro, Qt::Key_Down);
    QTest::keyClick(filtro, Qt::Key_Down);
    const QColor bianco(Qt::white);
    QVERIFY(Cella(&v, 11)->palette().color(QPalette::Window) != bianco);
    QCOMPARE(Cella(&v, 1)->palette().color(QPalette::Window), bianco);
    QTest::keyClick(filtro, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(scorrimento->value(), 15);
    QCOMPARE(Cella(&v, 91)->text(), QStringLiteral("M24"));
    QTest::keyClick(filtro, Qt::Key_PageUp);
    QCOMPARE(scorrimento->value(), 14);

    auto visto = SulProssimoDialogo("Form4", [](QDialog* d) {
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("M14"));
        d->reject();
    });
    QTest::keyClick(filtro, Qt::Key_Return);
    QVERIFY(*visto);
    QVERIFY(v.isVisible()); // Enter chose a row; it did not close the window
}

void ElencoNavigazioneTest::filter_narrows_the_list_as_one_types() {
    Abaco a{{"Calcestruzzi", "", "", "", ""},
            {"Calcestruzzo armato", "2400", "2,3", "5", "-"},
            {"Piètra serena", "2600", "3,5", "5", "-"},
            {"Calcestruzzo alleggerito", "1200", "0,5", "10", "-"}};
    ElencoMateriali modello = ElencoMateriali::Consulta(a, [](const VoceAbaco&) {});
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    auto* filtro = Trova<QLineEdit>(&v, "TextFiltro");
    QCOMPARE(Trova<QLabel>(&v, "LabelFiltro")->text(), QStringLiteral("Cerca:"));
    // The singular finds the plural heading too.
    QTest::keyClicks(filtro, QStringLiteral("calcestruzzo"));
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("CALCESTRUZZI"));
    QCOMPARE(Cella(&v, 11)->text(), QStringLiteral("Calcestruzzo armato"));
    QCOMPARE(Cella(&v, 21)->text(), QStringLiteral("Calcestruzzo alleggerito"));
    QCOMPARE(Cella(&v, 31)->text(), QString());
    test::Scrivi(filtro, QStringLiteral("PIETRA"));
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("Piètra serena"));
    QCOMPARE(Cella(&v, 2)->text(), QStringLiteral("2600"));
    QCOMPARE(Cella(&v, 11)->text(), QString());
    filtro->clear();
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("CALCESTRUZZI"));
}

void ElencoNavigazioneTest::reopens_with_the_same_filter_rows_and_size() {
    PosizioneElenco posizione;
    DialoghiRegistrati dialoghi;
    {
        ElencoMateriali modello = ElencoMateriali::Modifica(Righe(40), nullptr);
        ElencoMaterialiQt v(modello, dialoghi, nullptr, &posizione);
        v.show();
        v.resize(900, 400);
        QTest::keyClicks(Trova<QLineEdit>(&v, "TextFiltro"), QStringLiteral("m2"));
        Trova<QScrollBar>(&v, "VScroll1")->setValue(1);
        Trova<QPushButton>(&v, "Command1")->click();
    }
    ElencoMateriali modello = ElencoMateriali::Modifica(Righe(40), nullptr);
    ElencoMaterialiQt v(modello, dialoghi, nullptr, &posizione);
    v.show();
    QCOMPARE(v.size(), QSize(900, 400));
    QCOMPARE(Trova<QLineEdit>(&v, "TextFiltro")->text(), QStringLiteral("m2"));
    // M2, M20 .. M29 are eleven rows; the taller window holds them all from the top.
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("M2"));
    QCOMPARE(Cella(&v, 101)->text(), QStringLiteral("M29"));
}

void ElencoNavigazioneTest::layer_menu_opens_the_database_directly() {
    QTemporaryDir cartella;
    QVERIFY(QDir(cartella.path()).mkpath(QStringLiteral("dati")));
    QVERIFY(SalvaAbaco(PercorsoAbaco(cartella.path().toStdString()), Righe(30), ""));
    DialoghiRegistrati dialoghi;
    test::StampanteRegistrata stampante;
    test::ApertureRegistrate aperture;
    FinestraPrincipaleQt finestra(dialoghi, EsitoAvvio{cartella.path().toStdString(), Si, true});
    new FinestreAusiliarie(finestra, dialoghi, stampante, stampante, aperture);
    finestra.show();
    finestra.Modello().LabelStrato_MouseDown(1);

    auto* voce = Trova<QAction>(finestra.MenuNascosto(), "MaterialeDaAbaco");
    QCOMPARE(voce->text(), QStringLiteral("Materiale da abaco…"));
    QVERIFY(finestra.MenuNascosto()->actions().contains(voce)); // the top level, not a sub-menu

    auto visto = SulProssimoDialogo("Form3", [](QDialog* browser) {
        Trova<QScrollBar>(browser, "VScroll1")->setValue(12);
        browser->reject();
    });
    voce->trigger();
    QVERIFY(*visto);
    // The long way round opens the same browser, where the last one was left.
    visto = SulProssimoDialogo("Form3", [](QDialog* browser) {
        QCOMPARE(Cella(browser, 1)->text(), QStringLiteral("M12"));
        browser->reject();
    });
    finestra.Azione(Comando::DaAbaco)->trigger();
    QVERIFY(*visto);

    finestra.Azione(Comando::DaAbaco)->setEnabled(false);
    QVERIFY(!voce->isEnabled());
}

QTEST_MAIN(ElencoNavigazioneTest)
#include "elenco_navigazione_test.moc"
