#include "ui/pulsante_due_righe.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace paretix::ui {

QStringList PulsanteDueRighe::Righe() const {
    static const QRegularExpression spazi(QStringLiteral("\\s{2,}"));
    return text().split(spazi, Qt::SkipEmptyParts);
}

QSize PulsanteDueRighe::sizeHint() const {
    const QFontMetrics m = fontMetrics();
    int larghezza = 0;
    for (const QString& riga : Righe()) {
        larghezza = std::max(larghezza, m.horizontalAdvance(riga));
    }
    const auto righe = static_cast<int>(Righe().size());
    return {larghezza + 24, righe * m.lineSpacing() + 14};
}

void PulsanteDueRighe::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    opzione.text.clear();
    p.drawControl(QStyle::CE_PushButton, opzione);
    p.drawItemText(rect(), Qt::AlignCenter, palette(), isEnabled(), Righe().join(QLatin1Char('\n')),
                   QPalette::ButtonText);
}

} // namespace paretix::ui
