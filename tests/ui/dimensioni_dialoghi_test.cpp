// Every dialog gets at least the room its layout needs, and no caption is cut: each dialog is
// opened with the program's own texts and checked against its layout's minimum size and the
// width its labels' texts take in the font they are drawn with.

#include <QLabel>
#include <QLayout>
#include <QtTest>
#include <optional>

#include "core/files/apertura_file.h"
#include "core/materials/abaco_file.h"
#include "core/materials/dialogo_materiale.h"
#include "core/materials/dialogo_modifica_abaco.h"
#include "core/materials/modo_abaco.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/window/grafici_verifiche.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/regole_disposizione.h"
#include "support/stampante_registrata.h"
#include "ui/dati_verifiche_qt.h"
#include "ui/dialogo_materiale_qt.h"
#include "ui/dialogo_modifica_abaco_qt.h"
#include "ui/elenco_materiali_qt.h"
#include "ui/finestra_appunti_qt.h"
#include "ui/finestra_stampa_qt.h"
#include "ui/informazioni_qt.h"
#include "ui/verifiche_qt.h"

using namespace paretix;

namespace {

// What is wrong with the dialog as shown: smaller than its layout's minimum, a child outside
// it, or a label whose text needs more room than the label has.
QStringList Difetti(QWidget* dialogo) {
    QStringList difetti;
    const QString nome = dialogo->objectName();
    const QSize minimo = dialogo->minimumSizeHint();
    if (minimo.isValid() &&
        (dialogo->width() < minimo.width() || dialogo->height() < minimo.height())) {
        difetti << QStringLiteral("%1: %2x%3 sotto il minimo %4x%5")
                       .arg(nome)
                       .arg(dialogo->width())
                       .arg(dialogo->height())
                       .arg(minimo.width())
                       .arg(minimo.height());
    }
    for (QWidget* figlio : dialogo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (figlio->isVisible() && !figlio->isWindow() &&
            !dialogo->rect().contains(figlio->geometry())) {
            difetti
                << QStringLiteral("%1: %2 fuori dalla finestra").arg(nome, figlio->objectName());
        }
    }
    for (QLabel* etichetta : dialogo->findChildren<QLabel*>()) {
        if (!etichetta->isVisible() || etichetta->text().isEmpty()) {
            continue;
        }
        const QRect spazio = etichetta->contentsRect();
        const bool ricco = Qt::mightBeRichText(etichetta->text());
        const bool aCapo = etichetta->wordWrap() || ricco;
        const bool entra =
            aCapo
                ? etichetta->heightForWidth(spazio.width()) <= spazio.height() &&
                      (etichetta->wordWrap() || etichetta->sizeHint().width() <= etichetta->width())
                : etichetta->fontMetrics().horizontalAdvance(etichetta->text()) <= spazio.width();
        if (!entra) {
            difetti << QStringLiteral("%1: %2 \"%3\" tagliato (%4x%5)")
                           .arg(nome, etichetta->objectName(), etichetta->text())
                           .arg(spazio.width())
                           .arg(spazio.height());
        }
    }
    return difetti;
}

#define VERIFICA_DIALOGO(dialogo)                                                                  \
    do {                                                                                           \
        (dialogo)->show();                                                                         \
        QVERIFY(QTest::qWaitForWindowExposed(dialogo));                                            \
        const QStringList difetti = Difetti(dialogo);                                              \
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(QLatin1Char('\n'))));                  \
    } while (false)

// The shipped database, whose names are the longest texts the browser and its dialogs show.
Abaco AbacoSpedito() {
    const auto contenuto = Prosegui(PARETIX_ESEMPI "/../data/abaco.txt");
    return contenuto ? contenuto->Voci : Abaco{};
}

// The row of the shipped database with the longest name.
int RigaNomePiùLungo(const Abaco& abaco) {
    int migliore = 0;
    for (std::size_t i = 0; i < abaco.size(); ++i) {
        if (abaco[i].Materiale.size() >
            abaco[static_cast<std::size_t>(migliore)].Materiale.size()) {
            migliore = static_cast<int>(i);
        }
    }
    return migliore;
}

} // namespace

class DimensioniDialoghiTest : public QObject {
    Q_OBJECT

    DialoghiRegistrati dialoghi_;

  private slots:
    void materialDialogsFitTheirBoxesAndButtons() {
        const Abaco abaco = AbacoSpedito();
        QVERIFY(abaco.size() > 20);
        const int riga = RigaNomePiùLungo(abaco);
        for (const bool conCalore : {false, true}) {
            ElencoMateriali elenco = ElencoMateriali::Consulta(abaco, [](const VoceAbaco&) {});
            elenco.MostraCaloreSpecifico(conCalore);
            elenco.VScroll1_Change(riga);
            elenco.LabelMat_Click(10 * (riga - elenco.VScroll1Valore()) + 1);
            QCOMPARE(elenco.RigaSelezionata(), riga);
            DialogoMateriale carica(elenco);
            QVERIFY(carica.Form_Load(dialoghi_));
            DialogoMaterialeQt form4(carica);
            VERIFICA_DIALOGO(&form4);
        }
        // The material edit dialog and the group title dialog, from the edit menu's modes.
        for (const char* modo : {ModificaAbacoModifica, ModificaAbacoGruppoSopra}) {
            ElencoMateriali elenco = ElencoMateriali::Modifica(abaco, nullptr);
            elenco.MostraCaloreSpecifico(true);
            elenco.LabelMat_Click(11);
            for (const VoceMenuAbaco& voce : MenuNascosto) {
                if (voce.Modo != nullptr && std::string(voce.Modo) == modo) {
                    elenco.MenuNascosto_Click(voce);
                }
            }
            QCOMPARE(elenco.ModoAbaco(), std::string(modo));
            DialogoModificaAbaco modifica(elenco);
            modifica.Form_Load();
            DialogoModificaAbacoQt form5(modifica);
            VERIFICA_DIALOGO(&form5);
            // Before, the boxes of a material were squeezed into the 2220 twips of the design.
            QVERIFY(form5.height() >= form5.minimumSizeHint().height());
        }
    }

    void browserAtItsDefaultSizeShowsTheShippedNamesWhole() {
        const Abaco abaco = AbacoSpedito();
        for (const bool conCalore : {false, true}) {
            ElencoMateriali elenco = ElencoMateriali::Modifica(abaco, nullptr);
            elenco.MostraCaloreSpecifico(conCalore);
            ElencoMaterialiQt form3(elenco, dialoghi_);
            form3.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form3));
            for (int inizio = 0; inizio <= elenco.VScroll1Max(); inizio += RigheGriglia) {
                elenco.VScroll1_Change(inizio);
                form3.resize(form3.size()); // the same size: the cells show the new rows
                const QStringList difetti = Difetti(&form3);
                QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(QLatin1Char('\n'))));
            }
        }
    }

    void printNotesAndAboutWindows() {
        test::StampanteRegistrata stampante;
        ui::FinestraStampaQt form7(stampante, dialoghi_, stampante);
        form7.Apri("DATI:\r\nRISULTATI:\r\n");
        VERIFICA_DIALOGO(&form7);

        ui::FinestraAppuntiQt form6("parete nord");
        VERIFICA_DIALOGO(&form6);

        test::ApertureRegistrate aperture;
        ui::InformazioniQt form8(aperture, dialoghi_, "/nessuna", nullptr);
        VERIFICA_DIALOGO(&form8);
    }

    // The compliance data dialog and the "Verifiche" window of an exercise with every check,
    // the monthly one included, at their own size and at 1920 × 1080: no caption cut, nothing
    // overlapping or outside its parent.
    void checksDialogAndWindowAtTheirSizeAndFullScreen() {
        Esercizio e;
        QCOMPARE(AperturaFile(PARETIX_ESEMPI "/parete-membrana-fredda.css", e), std::nullopt);
        test::CartellaTemporanea cartella;
        DialogoDatiVerifiche dati(e);
        FontiClima fonti(cartella / "clima.txt", dialoghi_);
        ui::DatiVerificheQt form(
            dati, [](const DialogoDatiVerifiche&) { return true; }, fonti);
        VERIFICA_DIALOGO(&form);
        QStringList falli = test::FaltiDisposizione(&form);
        QVERIFY2(falli.isEmpty(), qPrintable(falli.join(QLatin1Char('\n'))));
        form.resize(1920, 1080);
        QTest::qWait(0);
        falli = test::FaltiDisposizione(&form);
        QVERIFY2(falli.isEmpty(), qPrintable(falli.join(QLatin1Char('\n'))));

        RisultatiCalcolo r;
        std::string testo;
        std::optional<RisultatiVerifiche> v;
        QVERIFY(CalcolaConVerifiche(e, r, testo, &v).DatiValidi && v);
        ui::VerificheQt verifiche;
        verifiche.Mostra(RigheVerifiche(*v), NoteVerifiche(*v), GraficiDelleVerifiche(e, *v));
        VERIFICA_DIALOGO(&verifiche);
        falli = test::FaltiDisposizione(&verifiche);
        QVERIFY2(falli.isEmpty(), qPrintable(falli.join(QLatin1Char('\n'))));
        verifiche.resize(1920, 1080);
        QTest::qWait(0);
        falli = test::FaltiDisposizione(&verifiche);
        QVERIFY2(falli.isEmpty(), qPrintable(falli.join(QLatin1Char('\n'))));
    }

    // The check itself finds a label cut short and a dialog under its minimum.
    void theCheckFindsACutLabelAndASqueezedDialog() {
        QDialog prova;
        prova.setObjectName(QStringLiteral("Prova"));
        auto* colonna = new QVBoxLayout(&prova);
        auto* etichetta = new QLabel(QStringLiteral("Spessore Strato ( cm ) molto lungo"), &prova);
        etichetta->setObjectName(QStringLiteral("Lunga"));
        colonna->addWidget(etichetta);
        prova.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prova));
        QVERIFY(Difetti(&prova).isEmpty());
        prova.setMinimumSize(1, 1);
        etichetta->setMinimumWidth(0);
        prova.setFixedSize(40, 20);
        const QStringList difetti = Difetti(&prova);
        QVERIFY(difetti.join(' ').contains(QStringLiteral("sotto il minimo")));
        QVERIFY(difetti.join(' ').contains(QStringLiteral("Lunga")));
    }
};

QTEST_MAIN(DimensioniDialoghiTest)
#include "dimensioni_dialoghi_test.moc"
