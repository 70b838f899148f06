// The windows of the materials database: they show the browser model and forward the events;
// the browser resizes, scrolls with the wheel and the keys, filters as one types, reopens where
// it was, and the layer menu leads to it directly.

#include "core/materials/abaco_file.h"
#include "core/materials/preparazione_abaco.h"
#include "support/aperture_registrate.h"
#include "support/stampante_registrata.h"
#include "support/ui_prova.h"
#include "ui/abaco_materiali.h"
#include "ui/elenco_materiali_qt.h"
#include "ui/finestre_ausiliarie.h"

using namespace paretix;
using test::Cella;
using test::SulProssimoDialogo;
using test::Trova;

namespace {

QColor Sfondo(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

int Celle(QWidget* w) {
    return static_cast<int>(
        w->findChildren<QLabel*>(QRegularExpression("^LabelMat\\(\\d+\\)$")).size());
}

void Rotella(QWidget* w, int angolo) {
    QWheelEvent evento(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angolo),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &evento);
}

} // namespace

class AbacoFinestreTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;

  private slots:
    void init() { dialoghi_ = DialoghiRegistrati{}; }

    // Default 820 x 314 pixels (12300 x 4710 twips). 48 pixels taller is 720 twips: three more
    // rows of 240 twips; 60 pixels wider is 900 twips more for the names. Scrolled by a row, the
    // row under the mouse turns yellow, and white again when the mouse leaves the grid.
    void gridSizeScrollHoverAndClose() {
        ElencoMateriali modello = ElencoMateriali::Modifica(test::Righe(30), nullptr);
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        const auto stato = [&v](const char* caso) {
            return u"%1: %2 × %3, minimo %4 × %5, %6 celle\n"_s.arg(QLatin1String(caso))
                       .arg(v.width())
                       .arg(v.height())
                       .arg(v.minimumWidth())
                       .arg(v.minimumHeight())
                       .arg(Celle(&v)) +
                   test::Fotografia(&v, {}, true);
        };
        QVERIFY(v.maximumWidth() > 2000 && v.maximumHeight() > 2000);
        QString stati = v.windowTitle() + u'\n' + stato("iniziale");
        v.resize(880, 362);
        stati += stato("più grande");
        v.resize(820, 314);
        Trova<QScrollBar>(&v, "VScroll1")->setValue(1);
        test::MuoviSopra(Cella(&v, 23));
        stati += stato("sotto il mouse");
        test::MuoviSopra(Trova<QLabel>(&v, "Label7(3)"));
        stati += stato("fuori dalla griglia");
        COME_NEL_FILE(u"ui/abaco/griglia.txt"_s, stati);
        test::MuoviSopra(Cella(&v, 94));
        test::MuoviSopra(&v);
        QCOMPARE(Sfondo(Cella(&v, 91)), QColor(Qt::white));
        Trova<QPushButton>(&v, "Command1")->click();
        QVERIFY(!v.isVisible());
    }

    void consultLoadsTheMaterialAndCloses() {
        std::vector<VoceAbaco> caricate;
        Abaco a = test::Righe(3);
        a[1] = {"Acciaio", "7800", "50", "0,0001875", "-"};
        ElencoMateriali modello =
            ElencoMateriali::Consulta(a, [&](const VoceAbaco& v) { caricate.push_back(v); });
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        // An empty grid row: the message, no dialog, the browser stays.
        QTest::mouseClick(Cella(&v, 52), Qt::LeftButton);
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(dialoghi_.Mostrati[0].Titolo + ": " + dialoghi_.Mostrati[0].Testo,
                 std::string("Abaco: Nessun materiale selezionato"));
        QVERIFY(v.isVisible());

        auto visto = SulProssimoDialogo(u"Form4"_s, [](QDialog* d) {
            COME_NEL_FILE(u"ui/abaco/caricare.txt"_s,
                          d->windowTitle() + u'\n' + test::Fotografia(d));
            Trova<QPushButton>(d, "CommandCarica")->click();
        });
        QTest::mouseClick(Cella(&v, 14), Qt::LeftButton);
        QVERIFY(*visto);
        QCOMPARE(v.result(), int(QDialog::Accepted));
        QVERIFY(!v.isVisible());
        QCOMPARE(caricate, std::vector<VoceAbaco>{a[1]});
    }

    void menuAndEditDialog() {
        int salvataggi = 0;
        ElencoMateriali modello =
            ElencoMateriali::Modifica(test::Righe(3), [&](const Abaco&) { ++salvataggi; });
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        QTest::mouseClick(Cella(&v, 21), Qt::LeftButton);
        auto* menu = Trova<QMenu>(&v, "menunascosto");
        QVERIFY(menu->isVisible());
        menu->hide();
        QCOMPARE(Trova<QAction>(&v, "PrinaDelSelezionato")->text(), u"Prina del selezionato"_s);

        auto visto = SulProssimoDialogo(u"Form5"_s, [](QDialog* d) {
            QCOMPARE(d->windowTitle(), u"Inserisci"_s);
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
        QCOMPARE(Cella(&v, 31)->text(), u"Nuovo "_s);
        QCOMPARE(Cella(&v, 32)->text(), u"900 "_s);
        QCOMPARE(salvataggi, 1);

        visto = SulProssimoDialogo(u"Form5"_s, [](QDialog* d) {
            QCOMPARE(d->height(), 1260 / 15); // a title only: the material's boxes are hidden
            COME_NEL_FILE(u"ui/abaco/titolo-gruppo.txt"_s, test::Fotografia(d));
            Trova<QLineEdit>(d, "Text1")->setText("Metalli");
            Trova<QPushButton>(d, "CommandNonCarica")->click();
        });
        Trova<QAction>(&v, "InserisciTitoloGruppoMaterialiSopra")->trigger();
        QVERIFY(*visto);
        QCOMPARE(modello.Voci().size(), std::size_t(4));
        QCOMPARE(salvataggi, 1);
    }

    // Edit mode: a deletion reaches the file at once. A choice in consult mode is in
    // finestre_ausiliarie_test, through the main window.
    void openedFromTheProgramTheDeletionReachesTheFile() {
        QTemporaryDir cartella;
        const std::string percorso = cartella.filePath("abaco.txt").toStdString();
        QVERIFY(SalvaAbaco(percorso, test::Righe(3), ""));
        auto visto = SulProssimoDialogo(u"Form3"_s, [](QDialog* browser) {
            QTest::mouseClick(Cella(browser, 11), Qt::LeftButton);
            SulProssimoDialogo(u"Form4"_s, [](QDialog* d) {
                QCOMPARE(d->windowTitle(), u"Cancellare materiale ?"_s);
                Trova<QPushButton>(d, "CommandCarica")->click();
            });
            Trova<QAction>(browser, "CancellareMateriale")->trigger();
            Trova<QPushButton>(browser, "Command1")->click();
        });
        ApriAbacoModifica(nullptr, percorso, true, dialoghi_);
        QVERIFY(*visto);
        QCOMPARE(Prosegui(percorso)->Voci.size(), std::size_t(2));

        // A database that cannot be read opens nothing.
        QVERIFY(!ApriAbacoConsultazione(
            nullptr, percorso + ".manca", [](const VoceAbaco&) {}, dialoghi_));
        QCOMPARE(dialoghi_.Mostrati.size(), std::size_t{1});
        QCOMPARE(dialoghi_.Mostrati[0].Titolo, std::string("Abaco"));
    }

    // With the compliance checks on: a sixth column and a sixth box in the edit dialog.
    void specificHeatWithTheChecks() {
        Abaco salvato;
        Abaco righe = test::Righe(2);
        righe[0].CaloreSpecifico = "840";
        ElencoMateriali modello =
            ElencoMateriali::Modifica(righe, [&](const Abaco& a) { salvato = a; });
        modello.MostraCaloreSpecifico(true);
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        QCOMPARE(v.width(), (12000 + 1695 + 255 + 30) / 15);
        COME_NEL_FILE(u"ui/abaco/calore-specifico.txt"_s,
                      test::Fotografia(&v, u"^(Label7|LabelMat)\\(6\\)$"_s, true));

        QTest::mouseClick(Cella(&v, 1), Qt::LeftButton);
        Trova<QMenu>(&v, "menunascosto")->hide();
        auto visto = SulProssimoDialogo(u"Form5"_s, [](QDialog* d) {
            auto* calore = Trova<QLineEdit>(d, "Text6");
            QCOMPARE(calore->text(), u"840"_s);
            int posizione = 0;
            QString uguale = "8=40";
            QCOMPARE(calore->validator()->validate(uguale, posizione), QValidator::Invalid);
            calore->setText("900");
            Trova<QPushButton>(d, "CommandSalvaModifiche")->click();
        });
        Trova<QAction>(&v, "ModificareMateriale")->trigger();
        QVERIFY(*visto);
        QCOMPARE(salvato.at(0).CaloreSpecifico, std::string("900"));
        QCOMPARE(Cella(&v, 6)->text(), u"900"_s);
    }

    void wheelAndKeysScrollAndEnterOpensTheCurrentRow() {
        ElencoMateriali modello =
            ElencoMateriali::Consulta(test::Righe(25), [](const VoceAbaco&) {});
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        auto* scorrimento = Trova<QScrollBar>(&v, "VScroll1");
        Rotella(Cella(&v, 31), -120); // one notch down: three rows
        QCOMPARE(Cella(&v, 1)->text(), u"M3"_s);
        QCOMPARE(scorrimento->value(), 3);
        Rotella(Cella(&v, 31), 240);
        QCOMPARE(scorrimento->value(), 0);

        auto* filtro = Trova<QLineEdit>(&v, "TextFiltro");
        v.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QVERIFY(filtro->hasFocus()); // one can type the filter at once
        QTest::keyClick(filtro, Qt::Key_Down);
        QTest::keyClick(filtro, Qt::Key_Down);
        QVERIFY(Sfondo(Cella(&v, 11)) != QColor(Qt::white));
        QCOMPARE(Sfondo(Cella(&v, 1)), QColor(Qt::white));
        QTest::keyClick(filtro, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(scorrimento->value(), 15);
        QCOMPARE(Cella(&v, 91)->text(), u"M24"_s);
        QTest::keyClick(filtro, Qt::Key_PageUp);
        QCOMPARE(scorrimento->value(), 14);

        auto visto = SulProssimoDialogo(u"Form4"_s, [](QDialog* d) {
            QCOMPARE(Trova<QLabel>(d, "Label1")->text(), u"M14"_s);
            d->reject();
        });
        QTest::keyClick(filtro, Qt::Key_Return);
        QVERIFY(*visto);
        QVERIFY(v.isVisible()); // Enter chose a row; it did not close the window
    }

    void filterNarrowsTheListAsOneTypes() {
        Abaco a{{"Calcestruzzi", "", "", "", ""},
                {"Calcestruzzo armato", "2400", "2,3", "5", "-"},
                {"Piètra serena", "2600", "3,5", "5", "-"},
                {"Calcestruzzo alleggerito", "1200", "0,5", "10", "-"}};
        ElencoMateriali modello = ElencoMateriali::Consulta(a, [](const VoceAbaco&) {});
        ElencoMaterialiQt v(modello, dialoghi_);
        v.show();
        auto* filtro = Trova<QLineEdit>(&v, "TextFiltro");
        // The singular finds the plural heading too; the filter is not a case or an accent.
        QTest::keyClicks(filtro, u"calcestruzzo"_s);
        QString stati =
            u"calcestruzzo:\n"_s + test::Fotografia(&v, u"^LabelMat\\(([1-3]?[1-5])\\)$"_s);
        test::Scrivi(filtro, u"PIETRA"_s);
        stati += u"PIETRA:\n"_s + test::Fotografia(&v, u"^LabelMat\\(([1-3]?[1-5])\\)$"_s);
        filtro->clear();
        COME_NEL_FILE(u"ui/abaco/filtro.txt"_s,
                      stati + u"nessun filtro:\n"_s + test::Fotografia(&v, u"^LabelMat\\(1\\)$"_s));
    }

    void reopensWithTheSameFilterRowsAndSize() {
        PosizioneElenco posizione;
        {
            ElencoMateriali modello = ElencoMateriali::Modifica(test::Righe(40), nullptr);
            ElencoMaterialiQt v(modello, dialoghi_, nullptr, &posizione);
            v.show();
            v.resize(900, 400);
            QTest::keyClicks(Trova<QLineEdit>(&v, "TextFiltro"), u"m2"_s);
            Trova<QScrollBar>(&v, "VScroll1")->setValue(1);
            Trova<QPushButton>(&v, "Command1")->click();
        }
        ElencoMateriali modello = ElencoMateriali::Modifica(test::Righe(40), nullptr);
        ElencoMaterialiQt v(modello, dialoghi_, nullptr, &posizione);
        v.show();
        QCOMPARE(v.size(), QSize(900, 400));
        QCOMPARE(Trova<QLineEdit>(&v, "TextFiltro")->text(), u"m2"_s);
        // M2, M20 .. M29 are eleven rows; the taller window holds them all from the top.
        QCOMPARE(Cella(&v, 1)->text(), u"M2"_s);
        QCOMPARE(Cella(&v, 101)->text(), u"M29"_s);
    }

    void layerMenuOpensTheDatabaseDirectly() {
        QTemporaryDir cartella;
        QVERIFY(QDir(cartella.path()).mkpath(u"dati"_s));
        QVERIFY(SalvaAbaco(PercorsoAbaco(cartella.path().toStdString()), test::Righe(30), ""));
        test::StampanteRegistrata stampante;
        test::ApertureRegistrate aperture;
        ui::FinestraPrincipaleQt finestra(dialoghi_,
                                          EsitoAvvio{cartella.path().toStdString(), Si, true});
        new ui::FinestreAusiliarie(finestra, dialoghi_, stampante, stampante, aperture);
        finestra.show();
        finestra.Modello().LabelStrato_MouseDown(1);

        auto* voce = Trova<QAction>(finestra.MenuNascosto(), "MaterialeDaAbaco");
        QVERIFY(finestra.MenuNascosto()->actions().contains(voce)); // the top level, not a sub-menu
        auto visto = SulProssimoDialogo(u"Form3"_s, [](QDialog* browser) {
            Trova<QScrollBar>(browser, "VScroll1")->setValue(12);
            browser->reject();
        });
        voce->trigger();
        QVERIFY(*visto);
        // The long way round opens the same browser, where the last one was left.
        visto = SulProssimoDialogo(u"Form3"_s, [](QDialog* browser) {
            QCOMPARE(Cella(browser, 1)->text(), u"M12"_s);
            browser->reject();
        });
        finestra.Azione(ui::Comando::DaAbaco)->trigger();
        QVERIFY(*visto);
        finestra.Azione(ui::Comando::DaAbaco)->setEnabled(false);
        QVERIFY(!voce->isEnabled());
    }
};

QTEST_MAIN(AbacoFinestreTest)
#include "abaco_finestre_test.moc"
