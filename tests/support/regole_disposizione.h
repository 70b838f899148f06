#pragma once
// The rules of a window that scales, checked on what a user sees: no two visible sibling
// widgets overlap, every visible widget lies inside its parent, and no caption or value is
// wider or taller than the room its label, box or button gives it. Each fault is one line.

#include <QtWidgets>
#include <cmath>

namespace paretix::test {

namespace dettaglio {

inline QString Nome(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

inline QString Geometria(const QRect& r) {
    return QStringLiteral("(%1, %2, %3 × %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The widgets shown inside a scroll area's viewport move under it: they may stand outside.
inline bool DentroUnoScorrimento(const QWidget* w) {
    const QWidget* genitore = w->parentWidget();
    const auto* area = genitore != nullptr
                           ? qobject_cast<const QAbstractScrollArea*>(genitore->parentWidget())
                           : nullptr;
    return area != nullptr && area->viewport() == genitore;
}

// The room a widget gives its text, and the text; an empty room for a widget without text.
struct Testo {
    QRect Spazio;
    QStringList Righe;
    // A rich text's own size instead of lines.
    int LarghezzaRicca = 0;
    int AltezzaRicca = 0;
};

// A label's or box's text fits when its advance does; a box also keeps a pixel for the cursor.
inline int Cursore(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) != nullptr ? 1 : 0;
}

inline Testo TestoDi(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty() || l->wordWrap()) {
            return {};
        }
        const int m = l->margin();
        const QRect spazio = l->contentsRect().adjusted(m, m, -m, -m);
        if (Qt::mightBeRichText(l->text())) {
            QTextDocument documento;
            documento.setDefaultFont(l->font());
            documento.setDocumentMargin(0);
            documento.setHtml(l->text());
            return {spazio,
                    {},
                    static_cast<int>(std::ceil(documento.idealWidth())),
                    static_cast<int>(std::ceil(documento.size().height()))};
        }
        return {spazio, l->text().split(QLatin1Char('\n'))};
    }
    if (const auto* c = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame opzione;
        opzione.initFrom(c);
        opzione.rect = c->rect();
        opzione.lineWidth =
            c->hasFrame() ? c->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, c) : 0;
        opzione.state |= QStyle::State_Sunken;
        // The line edit keeps two pixels inside its contents on each side.
        const QRect r = c->style()
                            ->subElementRect(QStyle::SE_LineEditContents, &opzione, c)
                            .marginsRemoved(c->textMargins())
                            .adjusted(2, 0, -2, 0);
        return {r, {c->text()}};
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty()) {
            return {};
        }
        QStyleOptionButton opzione;
        opzione.initFrom(b);
        opzione.text = b->text();
        QStyle::SubElement elemento = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QRadioButton*>(b) != nullptr) {
            elemento = QStyle::SE_RadioButtonContents;
        } else if (qobject_cast<const QCheckBox*>(b) != nullptr) {
            elemento = QStyle::SE_CheckBoxContents;
        }
        // A caption that holds a run of blanks is drawn in lines there.
        static const QRegularExpression spazi(QStringLiteral("\\s{2,}|\\n"));
        const QStringList righe = b->text().split(spazi, Qt::SkipEmptyParts);
        return {b->style()->subElementRect(elemento, &opzione, b), righe};
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        return {g->rect(), {g->title()}};
    }
    return {};
}

} // namespace dettaglio

inline QStringList FaltiDisposizione(const QWidget* finestra) {
    QStringList falli;
    QList<const QWidget*> visibili;
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isWindow() && w->isVisible()) {
            visibili.append(w);
        }
    }
    for (const QWidget* w : visibili) {
        const QWidget* genitore = w->parentWidget();
        if (!dettaglio::DentroUnoScorrimento(w) && !genitore->rect().contains(w->geometry())) {
            falli.append(QStringLiteral("%1 %2 esce da %3 %4")
                             .arg(dettaglio::Nome(w), dettaglio::Geometria(w->geometry()),
                                  dettaglio::Nome(genitore),
                                  dettaglio::Geometria(genitore->rect())));
        }
        for (const QWidget* altro : visibili) {
            if (altro != w && altro->parentWidget() == genitore && w < altro &&
                w->geometry().intersects(altro->geometry())) {
                falli.append(QStringLiteral("%1 %2 e %3 %4 si sovrappongono")
                                 .arg(dettaglio::Nome(w), dettaglio::Geometria(w->geometry()),
                                      dettaglio::Nome(altro),
                                      dettaglio::Geometria(altro->geometry())));
            }
        }
        const dettaglio::Testo t = dettaglio::TestoDi(w);
        const QFontMetrics metrica = w->fontMetrics();
        const auto n = [](qsizetype numero) { return QString::number(numero); };
        if (t.LarghezzaRicca > t.Spazio.width() || t.AltezzaRicca > t.Spazio.height()) {
            falli.append(QStringLiteral("%1: un testo di %2 × %3 in %4 × %5")
                             .arg(dettaglio::Nome(w), n(t.LarghezzaRicca), n(t.AltezzaRicca),
                                  n(t.Spazio.width()), n(t.Spazio.height())));
        }
        for (const QString& riga : t.Righe) {
            if (metrica.horizontalAdvance(riga) + dettaglio::Cursore(w) > t.Spazio.width()) {
                falli.append(QStringLiteral("%1: \"%2\" è largo %3 in %4")
                                 .arg(dettaglio::Nome(w), riga, n(metrica.horizontalAdvance(riga)),
                                      n(t.Spazio.width())));
            }
        }
        if (!t.Righe.isEmpty() &&
            metrica.height() * static_cast<int>(t.Righe.size()) > t.Spazio.height() &&
            qobject_cast<const QGroupBox*>(w) == nullptr) {
            falli.append(QStringLiteral("%1: %2 righe alte %3 in %4")
                             .arg(dettaglio::Nome(w), n(t.Righe.size()), n(metrica.height()),
                                  n(t.Spazio.height())));
        }
    }
    return falli;
}

} // namespace paretix::test
