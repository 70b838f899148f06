#include "ui/presentazione_qt.h"

#include <QFont>
#include <QPainter>
#include <QTimer>

#include "core/window/presentazione.h"
#include "ui/disegno_parete.h"

namespace paretix::ui {

PresentazioneQt::PresentazioneQt(std::function<void()> mostraPrincipale, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      mostraPrincipale_(std::move(mostraPrincipale)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(NomeProgramma));
    setFixedSize(520, 340);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(IntervalloSplashMs);
    connect(timer1_, &QTimer::timeout, this, &PresentazioneQt::Timer1_Timer);
    timer1_->start();
}

void PresentazioneQt::Timer1_Timer() {
    mostraPrincipale_();
    hide();
}

void PresentazioneQt::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.fillRect(rect(), QColor(250, 250, 246));
    DisegnaParete(pittore, QRectF(30, 30, width() - 60, 200));

    pittore.setPen(QColor(30, 30, 70));
    QFont titolo = font();
    titolo.setPointSize(24);
    titolo.setBold(true);
    pittore.setFont(titolo);
    pittore.drawText(QRectF(0, 240, width(), 50), Qt::AlignCenter,
                     QString::fromUtf8(NomeProgramma));
    QFont sottotitolo = font();
    sottotitolo.setPointSize(10);
    pittore.setFont(sottotitolo);
    pittore.drawText(QRectF(0, 290, width(), 30), Qt::AlignCenter,
                     QString::fromUtf8(DescrizioneProgramma));
}

} // namespace paretix::ui
