#pragma once
// Qt test helpers: finding the widgets of a window by name and acting on them as a user does.

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

namespace paretix::test {

// The child of w named nome; a missing one ends the test program with its name.
template <class T> T* Trova(const QObject* w, const QString& nome) {
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

} // namespace paretix::test
