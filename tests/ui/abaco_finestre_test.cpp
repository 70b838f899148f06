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
#include "core/materials/form3.h"
#include "ui/abaco_materiali.h"
#include "ui/form3_vista.h"

using namespace paretix;

namespace {

class DialoghiScritti : public Dialoghi {
  public:
    QStringList Messaggi;
    void Messaggio(const std::string& titolo, const std::string& testo, Icona) override {
        Messaggi << QString::fromStdString(titolo + ": " + testo);
    }
    Risposta DomandaSiNo(const std::string&, const std::string&, Icona) override {
        return Risposta::No;
    }
    Risposta DomandaSiNoAnnulla(const std::string&, const std::string&, Icona) override {
        return Risposta::Annulla;
    }
    std::optional<std::string> ApriFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SalvaFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back({"M" + std::to_string(i), "1800", "0,72", "18,75", "0,9"});
    }
    return a;
}

template <class T> T* Trova(QWidget* w, const QString& nome) {
    T* figlio = w->findChild<T*>(nome);
    if (figlio == nullptr) {
        qWarning() << "manca" << nome;
    }
    return figlio;
}

QLabel* Cella(QWidget* w, int k) {
    return Trova<QLabel>(w, QStringLiteral("LabelMat(%1)").arg(k));
}

QColor Sfondo(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

void Muovi(QWidget* w) {
    QMouseEvent evento(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &evento);
}

// Runs azione on the next modal dialog that opens (it must be named nome).
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
    void grigliaScorrimentoEChiudi();
    void passaggioDelMouse();
    void consultaCaricaIlMaterialeEChiude();
    void consultaRigaVuotaAvvisaSenzaDialogo();
    void menuInserisceDopoIlSelezionato();
    void titoloGruppoAnnullatoNonCambiaNulla();
    void cancellaConSi();
    void apertureDallaFinestraPrincipale();
};

void AbacoFinestreTest::grigliaScorrimentoEChiudi() {
    Form3 modello = Form3::Modifica(Righe(11), nullptr);
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QCOMPARE(v.windowTitle(), QStringLiteral("Abaco Materiali"));
    QCOMPARE(v.findChildren<QLabel*>(QRegularExpression("^LabelMat\\(\\d+\\)$")).size(), 50);
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("M0"));
    QCOMPARE(Cella(&v, 1)->geometry(), QRect(0, 48, 353, 17));
    QCOMPARE(Cella(&v, 95)->geometry(), QRect(688, 192, 113, 17));
    QCOMPARE(Trova<QLabel>(&v, "Label7(2)")->text(), QString::fromUtf8(IntestazioniCampi[1]));
    QCOMPARE(Trova<QLabel>(&v, "Label8")->text(), QString::fromUtf8(InfoForm3));

    auto* scorrimento = Trova<QScrollBar>(&v, "VScroll1");
    QVERIFY(scorrimento->isVisible());
    QCOMPARE(scorrimento->maximum(), 1);
    scorrimento->setValue(1);
    QCOMPARE(modello.VScroll1Valore(), 1);
    QCOMPARE(Cella(&v, 1)->text(), QStringLiteral("M1"));
    QCOMPARE(Cella(&v, 91)->text(), QStringLiteral("M10"));

    auto* chiudi = Trova<QPushButton>(&v, "Command1");
    QCOMPARE(chiudi->text(), QStringLiteral("Chiudi"));
    chiudi->click();
    QVERIFY(!v.isVisible());
}

void AbacoFinestreTest::passaggioDelMouse() {
    Form3 modello = Form3::Modifica(Righe(3), nullptr);
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QCOMPARE(Trova<QScrollBar>(&v, "VScroll1")->isVisible(), false);
    Muovi(Cella(&v, 23));
    QCOMPARE(Sfondo(Cella(&v, 21)), QColor(Qt::yellow));
    QCOMPARE(Sfondo(Cella(&v, 25)), QColor(Qt::yellow));
    QCOMPARE(Sfondo(Cella(&v, 11)), QColor(Qt::white));
    Muovi(Trova<QLabel>(&v, "Label7(3)"));
    QCOMPARE(Sfondo(Cella(&v, 21)), QColor(Qt::white));
    Muovi(Cella(&v, 94));
    QCOMPARE(Sfondo(Cella(&v, 91)), QColor(Qt::yellow));
    Muovi(&v);
    QCOMPARE(Sfondo(Cella(&v, 91)), QColor(Qt::white));
}

void AbacoFinestreTest::consultaCaricaIlMaterialeEChiude() {
    Esercizio e;
    e.Strati.resize(2);
    Abaco a = Righe(3);
    a[1] = {"Acciaio", "7800", "50", "0,0001875", "-"};
    Form3 modello = Form3::Consulta(a, e, 2);
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    auto visto = SulProssimoDialogo("Form4", [](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Caricare i valori"));
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("Acciaio"));
        QCOMPARE(Trova<QLabel>(d, "Label5")->text(), QStringLiteral("-"));
        QCOMPARE(Trova<QPushButton>(d, "CommandNonCarica")->text(), QStringLiteral("No"));
        Trova<QPushButton>(d, "CommandCarica")->click();
    });
    QTest::mouseClick(Cella(&v, 14), Qt::LeftButton);
    QVERIFY(*visto);
    QCOMPARE(v.result(), int(QDialog::Accepted));
    QVERIFY(!v.isVisible());
    QCOMPARE(e.strato(2).Materiale, std::string("Acciaio"));
    QCOMPARE(e.strato(2).Densità.Bloccato, true);
    QVERIFY(dialoghi.Messaggi.isEmpty());
}

void AbacoFinestreTest::consultaRigaVuotaAvvisaSenzaDialogo() {
    Esercizio e;
    const Esercizio prima = e;
    Form3 modello = Form3::Consulta(Righe(3), e, 1);
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QTest::mouseClick(Cella(&v, 52), Qt::LeftButton);
    QCOMPARE(dialoghi.Messaggi, QStringList{"Abaco: Nessun materiale selezionato"});
    QVERIFY(v.isVisible());
    QVERIFY(e == prima);
}

void AbacoFinestreTest::menuInserisceDopoIlSelezionato() {
    int salvataggi = 0;
    Form3 modello = Form3::Modifica(Righe(3), [&](const Abaco&) { ++salvataggi; });
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QTest::mouseClick(Cella(&v, 21), Qt::LeftButton);
    auto* menu = Trova<QMenu>(&v, "menunascosto");
    QVERIFY(menu->isVisible());
    menu->hide();
    QCOMPARE(Trova<QMenu>(&v, "InserireNuovoMateriale")->title(),
             QStringLiteral("Inserire nuovo materiale"));
    auto* prima = Trova<QAction>(&v, "PrinaDelSelezionato");
    QCOMPARE(prima->text(), QStringLiteral("Prina del selezionato"));

    auto visto = SulProssimoDialogo("Form5", [](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Inserisci"));
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("Materiale"));
        auto* nome = Trova<QLineEdit>(d, "Text1");
        QCOMPARE(nome->text(), QStringLiteral(" "));
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
    QVERIFY(v.isVisible());
}

void AbacoFinestreTest::titoloGruppoAnnullatoNonCambiaNulla() {
    int salvataggi = 0;
    Form3 modello = Form3::Modifica(Righe(3), [&](const Abaco&) { ++salvataggi; });
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QTest::mouseClick(Cella(&v, 1), Qt::LeftButton);
    auto visto = SulProssimoDialogo("Form5", [](QDialog* d) {
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("Gruppo materiali"));
        QVERIFY(Trova<QLineEdit>(d, "Text1")->isVisible());
        QVERIFY(!Trova<QLineEdit>(d, "Text2")->isVisible());
        QVERIFY(!Trova<QLabel>(d, "Label5")->isVisible());
        QCOMPARE(d->height(), 1260 / 15);
        Trova<QLineEdit>(d, "Text1")->setText("Metalli");
        Trova<QPushButton>(d, "CommandNonCarica")->click();
    });
    Trova<QAction>(&v, "InserisciTitoloGruppoMaterialiSopra")->trigger();
    QVERIFY(*visto);
    QVERIFY(modello.Voci() == Righe(3));
    QCOMPARE(salvataggi, 0);
}

void AbacoFinestreTest::cancellaConSi() {
    Abaco salvato;
    Form3 modello = Form3::Modifica(Righe(3), [&](const Abaco& a) { salvato = a; });
    DialoghiScritti dialoghi;
    Form3Vista v(modello, dialoghi);
    v.show();
    QTest::mouseClick(Cella(&v, 13), Qt::LeftButton);
    auto visto = SulProssimoDialogo("Form4", [](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Cancellare materiale ?"));
        QCOMPARE(Trova<QLabel>(d, "Label1")->text(), QStringLiteral("M1"));
        Trova<QPushButton>(d, "CommandCarica")->click();
    });
    Trova<QAction>(&v, "CancellareMateriale")->trigger();
    QVERIFY(*visto);
    QCOMPARE(Cella(&v, 11)->text(), QStringLiteral("M2"));
    QCOMPARE(Cella(&v, 21)->text(), QString());
    QCOMPARE(salvato.size(), std::size_t(2));
    QVERIFY(v.isVisible());
}

void AbacoFinestreTest::apertureDallaFinestraPrincipale() {
    QTemporaryDir cartella;
    const std::string percorso = cartella.filePath("abaco.txt").toStdString();
    QVERIFY(SalvaAbaco(percorso, Righe(3), ""));
    DialoghiScritti dialoghi;
    Esercizio e;

    // Edit mode: a deletion reaches the file at once.
    auto visto = SulProssimoDialogo("Form3", [](QDialog* browser) {
        QTest::mouseClick(Cella(browser, 11), Qt::LeftButton);
        SulProssimoDialogo("Form4",
                           [](QDialog* d) { Trova<QPushButton>(d, "CommandCarica")->click(); });
        Trova<QAction>(browser, "CancellareMateriale")->trigger();
        Trova<QPushButton>(browser, "Command1")->click();
    });
    ApriAbacoModifica(nullptr, percorso, true, dialoghi);
    QVERIFY(*visto);
    QCOMPARE(Prosegui(percorso)->Voci.size(), std::size_t(2));

    // Consult mode: closing without a choice loads nothing; a choice loads and closes.
    visto = SulProssimoDialogo("Form3", [](QDialog* browser) { browser->reject(); });
    QVERIFY(!ApriAbacoConsultazione(nullptr, percorso, e, 1, dialoghi));
    QVERIFY(*visto);
    visto = SulProssimoDialogo("Form3", [](QDialog* browser) {
        SulProssimoDialogo("Form4",
                           [](QDialog* d) { Trova<QPushButton>(d, "CommandCarica")->click(); });
        QTest::mouseClick(Cella(browser, 11), Qt::LeftButton);
    });
    QVERIFY(ApriAbacoConsultazione(nullptr, percorso, e, 1, dialoghi));
    QVERIFY(*visto);
    QCOMPARE(e.strato(1).Materiale, std::string("M2"));

    // A database that cannot be read opens nothing.
    QVERIFY(!ApriAbacoConsultazione(nullptr, percorso + ".manca", e, 1, dialoghi));
    QCOMPARE(dialoghi.Messaggi.size(), 1);
    QVERIFY(dialoghi.Messaggi[0].startsWith("Abaco: "));
}

QTEST_MAIN(AbacoFinestreTest)
#include "abaco_finestre_test.moc"
