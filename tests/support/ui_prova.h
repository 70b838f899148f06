#pragma once
// What the Qt tests share: the Qt headers, widgets found by name and acted on as a user does, a
// window's state written as text and compared with a file under tests/data, a main window of a
// new exercise with its dialogs recorded, and the next modal dialog answered by a script.

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "support/abaco_di_prova.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "ui/finestra_principale_qt.h"

using namespace Qt::StringLiterals;

// Fails the test with the list of faults when there is one.
#define NESSUN_DIFETTO(elenco)                                                                     \
    do {                                                                                           \
        const QStringList difetti_ = (elenco);                                                     \
        QVERIFY2(difetti_.isEmpty(), qPrintable(difetti_.join(u'\n')));                            \
    } while (false)

// Fails the test when testo differs from the file tests/data/<relativo>, naming the first line
// that differs. PARETIX_RIGENERA=1 writes the file first, to be read in git before a commit.
#define COME_NEL_FILE(relativo, testo)                                                             \
    do {                                                                                           \
        const QString differenza_ = paretix::test::DifferenzaDalFile((relativo), (testo));         \
        QVERIFY2(differenza_.isEmpty(), qPrintable(differenza_));                                  \
    } while (false)

namespace paretix::test {

inline QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}

// The child of w named nome; a missing one ends the test program with its name.
template <class T = QWidget> T* Trova(const QObject* w, const QString& nome) {
    T* figlio = w->findChild<T*>(nome);
    if (figlio == nullptr) {
        qFatal("manca %s", qPrintable(nome));
    }
    return figlio;
}

// Replaces the text of a box from the keyboard: select all, delete, type.
inline void Scrivi(QLineEdit* casella, const QString& testo) {
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_Delete);
    QTest::keyClicks(casella, testo);
}

// The mouse moves over w at punto (in w's coordinates) with no button pressed.
inline void MuoviSopra(QWidget* w, QPointF punto = {3, 3}) {
    QMouseEvent evento(QEvent::MouseMove, punto, w->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QApplication::sendEvent(w, &evento);
}

// Types testo one character at a time with no key code, as a keyboard of any layout would.
inline void Digita(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &tasto);
    }
}

// How many pixels of immagine have the colour colore.
inline int PuntiDelColore(const QImage& immagine, const QColor& colore) {
    int punti = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            punti += immagine.pixelColor(x, y) == colore ? 1 : 0;
        }
    }
    return punti;
}

// Cell k of a materials grid.
inline QLabel* Cella(const QWidget* w, int k) {
    return Trova<QLabel>(w, u"LabelMat(%1)"_s.arg(k));
}

// What a user sees of each widget and action under radice whose name filtro matches, one line
// each in the order they were made: the class, the name, the text in quotes (a text of many
// lines follows, one line each after "| "),
// then what differs from a shown, enabled, editable widget: "nascosto", "spento", "scelto",
// "sola lettura", the tip (not a box's, which follows its text on a timer), a key; with geometria
// also the place in the parent and the background colour.
inline QString Fotografia(const QObject* radice, const QString& filtro = {},
                          bool geometria = false) {
    const QRegularExpression scelta(filtro);
    QStringList righe;
    for (const QObject* o : radice->findChildren<QObject*>()) {
        const QString nome = o->objectName();
        if (nome.isEmpty() || nome.startsWith(u"qt_"_s) || nome.startsWith(u'_') ||
            !scelta.match(nome).hasMatch()) {
            continue;
        }
        QString testo;
        QStringList segni;
        const auto se = [](bool vero, const char16_t* segno) {
            return vero ? QString::fromUtf16(segno) : QString();
        };
        if (const auto* a = qobject_cast<const QAction*>(o)) {
            testo = a->text();
            segni << se(!a->isVisible(), u"nascosto") << se(!a->isEnabled(), u"spento")
                  << se(a->isChecked(), u"scelto")
                  << a->shortcut().toString(QKeySequence::PortableText);
        } else if (const auto* w = qobject_cast<const QWidget*>(o)) {
            if (const auto* l = qobject_cast<const QLabel*>(w)) {
                testo = l->text();
            } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
                testo = b->text();
                segni << se(b->isChecked(), u"scelto");
            } else if (const auto* c = qobject_cast<const QLineEdit*>(w)) {
                testo = c->text();
                segni << se(c->isReadOnly(), u"sola lettura");
            } else if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) {
                testo = p->toPlainText();
                segni << se(p->isReadOnly(), u"sola lettura");
            } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
                testo = g->title();
            } else if (const auto* m = qobject_cast<const QMenu*>(w)) {
                testo = m->title();
            } else if (const auto* s = qobject_cast<const QAbstractSlider*>(w)) {
                testo = u"%1 di %2…%3"_s.arg(s->value()).arg(s->minimum()).arg(s->maximum());
            } else if (w->isWindow()) {
                testo = w->windowTitle();
            }
            segni << se(!w->isVisible(), u"nascosto") << se(!w->isEnabled(), u"spento");
            if (!w->toolTip().isEmpty() && qobject_cast<const QLineEdit*>(w) == nullptr) {
                segni << u"suggerimento \"%1\""_s.arg(w->toolTip());
            }
            if (const QRect r = w->geometry(); geometria) {
                segni << u"(%1, %2, %3 × %4) %5"_s.arg(
                    QString::number(r.x()), QString::number(r.y()), QString::number(r.width()),
                    QString::number(r.height()), w->palette().color(QPalette::Window).name());
            }
        }
        segni.removeAll(QString());
        const QStringList parti = testo.split(u'\n');
        righe << u"%1 %2 \"%3\" %4"_s
                     .arg(QString::fromLatin1(o->metaObject()->className()), nome,
                          parti.size() > 1 ? u"…"_s : testo, segni.join(u", "))
                     .trimmed();
        for (const QString& parte : parti.size() > 1 ? parti : QStringList{}) {
            righe << u"    | "_s + parte;
        }
    }
    return righe.join(u'\n') + u'\n';
}

// Empty when testo is the file tests/data/<relativo>; else the first line that differs.
inline QString DifferenzaDalFile(const QString& relativo, const QString& testo) {
    const std::string percorso = PARETIX_DATI_ATTESI "/" + relativo.toStdString();
    if (std::getenv("PARETIX_RIGENERA") != nullptr) {
        std::filesystem::create_directories(std::filesystem::path(percorso).parent_path());
        ScriviTutto(percorso, testo.toStdString());
    }
    if (!std::filesystem::exists(percorso)) {
        return u"manca %1"_s.arg(Q(percorso));
    }
    const QStringList attese = Q(LeggiTutto(percorso)).split(u'\n');
    const QStringList ottenute = testo.split(u'\n');
    for (qsizetype i = 0; i < std::max(attese.size(), ottenute.size()); ++i) {
        const QString atteso = attese.value(i, u"(fine)"_s),
                      ottenuto = ottenute.value(i, u"(fine)"_s);
        if (atteso != ottenuto) {
            return u"%1, riga %2:\n  attesa:   %3\n  ottenuta: %4"_s.arg(relativo).arg(i + 1).arg(
                atteso, ottenuto);
        }
    }
    return {};
}

// Runs azione on the next modal dialog when it is named nome, and rejects any other one; the
// flag tells whether azione ran.
inline std::shared_ptr<bool> SulProssimoDialogo(const QString& nome,
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

// A test class's main window, of a new exercise in a folder, with its dialogs recorded.
class ConFinestra {
  protected:
    DialoghiRegistrati dialoghi_;
    std::unique_ptr<ui::FinestraPrincipaleQt> finestra_;

    // A new window, shown and active.
    bool Mostra(const std::string& cartella = "/tmp") {
        finestra_.reset();
        dialoghi_ = DialoghiRegistrati{};
        finestra_ =
            std::make_unique<ui::FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{cartella, Si, true});
        finestra_->show();
        return QTest::qWaitForWindowActive(finestra_.get());
    }
    FinestraPrincipale& Modello() const { return finestra_->Modello(); }
    template <class T = QWidget> T* W(const QString& nome) const {
        return Trova<T>(finestra_.get(), nome);
    }
    QLineEdit* Casella(const QString& nome) const { return W<QLineEdit>(nome); }
    void Scrivi(const QString& casella, const QString& testo) const {
        test::Scrivi(Casella(casella), testo);
    }
    void Premi(const QString& nome) const {
        QTest::mouseClick(W<QAbstractButton>(nome), Qt::LeftButton);
    }
    // The main window's widgets and actions whose name filtro matches, as Fotografia writes them.
    QString Stato(const QString& filtro) const { return Fotografia(finestra_.get(), filtro); }
    // Opens examples/nome with the Open command: true when no message came with it.
    bool ApriEsempio(const std::string& nome) {
        dialoghi_.Mostrati.clear();
        ApriNellaFinestra(Modello(), dialoghi_, PARETIX_ESEMPI "/" + nome);
        const bool soloIlDialogo = dialoghi_.Mostrati.size() == 1;
        dialoghi_.Mostrati.clear();
        finestra_->Aggiorna();
        return soloIlDialogo;
    }
};

} // namespace paretix::test
