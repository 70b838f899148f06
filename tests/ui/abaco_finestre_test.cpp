// The windows of the materials database: they show the browser model and forward the events.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QValidator>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/materials/abaco_file.h"
#include "support/dialoghi_registrati.h"
#include "support/widget_di_prova.h"
#include "ui/abaco_materiali.h"
#include "ui/elenco_materiali_qt.h"

using namespace paretix;

namespace {

// Title and text of the one message shown.
QString Messaggio(const DialoghiRegistrati& d) {
    return d.Mostrati.size() == 1
               ? QString::fromStdString(d.Mostrati[0].Titolo + ": " + d.Mostrati[0].Testo)
               : QStringLiteral("%1 messaggi").arg(d.Mostrati.size());
}

Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back({"M" + std::to_string(i), "1800", "0,72", "18,75", "0,9"});
    }
    return a;
}

using test::Trova;

QLabel* Cella(QWidget* w, int k) {
    return Trova<QLabel>(w, QStringLiteral("LabelMat(%1)").arg(k));
}

QColor Sfondo(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

// Runs azione on the next modal dialog if it is the one named nome; the flag tells it did.
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

class AbacoFinestreTest : public QObject {
    Q_OBJECT
  private slots:
    void grigliaScorrimentoPassaggioEChiudi();
    void consultaCaricaIlMaterialeEChiude();
    void menuEDialogoDiModifica();
    void apertureDallaFinestraPrincipale();
    void caloreSpecificoConLeVerifiche();
};

void AbacoFinestreTest::grigliaScorrimentoPassaggioEChiudi() {
    ElencoMateriali modello = ElencoMateriali::Modifica(Righe(11), nullptr);
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    QCOMPARE(v.windowTitle(), QStringLiteral("Abaco Materiali"));
    QCOMPARE(v.findChildren<QLabel*>(QRegularExpression("^LabelMat\\(\\d+\\)$")).size(), 50);
    QCOMPARE(Cella(&v, 1)->geometry(), QRect(0, 48, 353, 17));
    QCOMPARE(Cella(&v, 95)->geometry(), QRect(688, 192, 113, 17));
    QCOMPARE(Trova<QLabel>(&v, "Label8")->text(), QString::fromUtf8(InfoElencoMateriali));

    auto* scorrimento = Trova<QScrollBar>(&v, "VScroll1");
    QVERIFY(scorrimento->isVisible());
    QCOMPARE(scorrimento->maximum(), 1);
    scorrimento->setValue(1);
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("M1"));
    QCOMPARE(Cella(&v, 91)->text(), QStringLiteral("M10"));

    test::MuoviSopra(Cella(&v, 23));
    QCOMPARE(Sfondo(Cella(&v, 21)), QColor(Qt::yellow));
    QCOMPARE(Sfondo(Cella(&v, 11)), QColor(Qt::white));
    test::MuoviSopra(Trova<QLabel>(&v, "Label7(3)"));
    QCOMPARE(Sfondo(Cella(&v, 21)), QColor(Qt::white));
    test::MuoviSopra(Cella(&v, 94));
    test::MuoviSopra(&v);
    QCOMPARE(Sfondo(Cella(&v, 91)), QColor(Qt::white));

    auto* chiudi = Trova<QPushButton>(&v, "Command1");
    QCOMPARE(chiudi->text(), QStringLiteral("Chiudi"));
    chiudi->click();
    QVERIFY(!v.isVisible());
}

void AbacoFinestreTest::consultaCaricaIlMaterialeEChiude() {
    std::vector<VoceAbaco> caricate;
    Abaco a = Righe(3);
    a[1] = {"Acciaio", "7800", "50", "0,0001875", "-"};
    ElencoMateriali modello =
        ElencoMateriali::Consulta(a, [&](const VoceAbaco& v) { caricate.push_back(v); });
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    // An empty grid row: the message, no dialog, the browser stays.
    QTest::mouseClick(Cella(&v, 52), Qt::LeftButton);
    QCOMPARE(Messaggio(dialoghi), QStringLiteral("Abaco: Nessun materiale selezionato"));
    QVERIFY(v.isVisible());

    auto visto = SulProssimoDialogo("Form4", [](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Caricare i valori"));
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("Acciaio"));
        QCOMPARE(Trova<QLabel>(d, "Label5")->text(), QStringLiteral("-"));
        Trova<QPushButton>(d, "CommandCarica")->click();
    });
    QTest::mouseClick(Cella(&v, 14), Qt::LeftButton);
    QVERIFY(*visto);
    QCOMPARE(v.result(), int(QDialog::Accepted));
    QVERIFY(!v.isVisible());
    QCOMPARE(caricate.size(), std::size_t(1));
    QVERIFY(caricate[0] == a[1]);
}

void AbacoFinestreTest::menuEDialogoDiModifica() {
    int salvataggi = 0;
    ElencoMateriali modello =
        ElencoMateriali::Modifica(Righe(3), [&](const Abaco&) { ++salvataggi; });
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    QTest::mouseClick(Cella(&v, 21), Qt::LeftButton);
    auto* menu = Trova<QMenu>(&v, "menunascosto");
    QVERIFY(menu->isVisible());
    menu->hide();
    QCOMPARE(Trova<QAction>(&v, "PrinaDelSelezionato")->text(),
             QStringLiteral("Prina del selezionato"));

    auto visto = SulProssimoDialogo("Form5", [](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Inserisci"));
        auto* nome = Trova<QLineEdit>(d, "Text1");
        int posizione = 0;
        QString aCapo = "a\nb";
        QCOMPARE(nome->validator()->validate(aCapo, posizione), QValidator::Invalid);
        nome->setText("Nuovo");
        Trova<QLineEdit>(d, "Text2")->setText("900");
        Trova<QPushButton>(d, "CommandSalvaModifiche")->click();
    });
    Trova<QAction>(&v, "DopoIlSelezionato")->trigger();
    QVERIFY(*visto);
    QCOMPARE(Cella(&v, 31)->text(), QStringLiteral("Nuovo "));
    QCOMPARE(Cella(&v, 32)->text(), QStringLiteral("900 "));
    QCOMPARE(salvataggi, 1);

    visto = SulProssimoDialogo("Form5", [](QDialog* d) {
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("Gruppo materiali"));
        QVERIFY(!Trova<QLineEdit>(d, "Text2")->isVisible());
        QVERIFY(!Trova<QLabel>(d, "Label5")->isVisible());
        QCOMPARE(d->height(), 1260 / 15);
        Trova<QLineEdit>(d, "Text1")->setText("Metalli");
        Trova<QPushButton>(d, "CommandNonCarica")->click();
    });
    Trova<QAction>(&v, "InserisciTitoloGruppoMaterialiSopra")->trigger();
    QVERIFY(*visto);
    QCOMPARE(modello.Voci().size(), std::size_t(4));
    QCOMPARE(salvataggi, 1);
}

void AbacoFinestreTest::apertureDallaFinestraPrincipale() {
    QTemporaryDir cartella;
    const std::string percorso = cartella.filePath("abaco.txt").toStdString();
    QVERIFY(SalvaAbaco(percorso, Righe(3), ""));
    DialoghiRegistrati dialoghi;

    // Edit mode: a deletion reaches the file at once. A choice in consult mode is in
    // finestre_ausiliarie_test, through the main window.
    auto visto = SulProssimoDialogo("Form3", [](QDialog* browser) {
        QTest::mouseClick(Cella(browser, 11), Qt::LeftButton);
        SulProssimoDialogo("Form4", [](QDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Cancellare materiale ?"));
            Trova<QPushButton>(d, "CommandCarica")->click();
        });
        Trova<QAction>(browser, "CancellareMateriale")->trigger();
        Trova<QPushButton>(browser, "Command1")->click();
    });
    ApriAbacoModifica(nullptr, percorso, true, dialoghi);
    QVERIFY(*visto);
    QCOMPARE(Prosegui(percorso)->Voci.size(), std::size_t(2));

    // A database that cannot be read opens nothing.
    QVERIFY(!ApriAbacoConsultazione(
        nullptr, percorso + ".manca", [](const VoceAbaco&) {}, dialoghi));
    QVERIFY(Messaggio(dialoghi).startsWith("Abaco: "));
}

// With the compliance checks on: a sixth column and a sixth box in the edit dialog.
void AbacoFinestreTest::caloreSpecificoConLeVerifiche() {
    Abaco salvato;
    Abaco righe = Righe(2);
    righe[0].CaloreSpecifico = "840";
    ElencoMateriali modello =
        ElencoMateriali::Modifica(righe, [&](const Abaco& a) { salvato = a; });
    modello.MostraCaloreSpecifico(true);
    DialoghiRegistrati dialoghi;
    ElencoMaterialiQt v(modello, dialoghi);
    v.show();
    QCOMPARE(Trova<QLabel>(&v, "Label7(6)")->text(), QStringLiteral("Calore specifico J/kgK"));
    QCOMPARE(Cella(&v, 6)->text(), QStringLiteral("840"));
    QCOMPARE(Cella(&v, 6)->geometry(), QRect(800, 48, 113, 17));
    QCOMPARE(v.width(), (12000 + 1695 + 255 + 30) / 15);

    QTest::mouseClick(Cella(&v, 1), Qt::LeftButton);
    Trova<QMenu>(&v, "menunascosto")->hide();
    auto visto = SulProssimoDialogo("Form5", [](QDialog* d) {
        auto* calore = Trova<QLineEdit>(d, "Text6");
        QCOMPARE(calore->text(), QStringLiteral("840"));
        int posizione = 0;
        QString uguale = "8=40";
        QCOMPARE(calore->validator()->validate(uguale, posizione), QValidator::Invalid);
        calore->setText("900");
        Trova<QPushButton>(d, "CommandSalvaModifiche")->click();
    });
    Trova<QAction>(&v, "ModificareMateriale")->trigger();
    QVERIFY(*visto);
    QCOMPARE(salvato.at(0).CaloreSpecifico, std::string("900"));
    QCOMPARE(Cella(&v, 6)->text(), QStringLiteral("900"));
}

QTEST_MAIN(AbacoFinestreTest)
#include "abaco_finestre_test.moc"
