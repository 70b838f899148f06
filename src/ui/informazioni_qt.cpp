#include "ui/informazioni_qt.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "disegno/colore.h"
#include "ui/dimensione_minima.h"
#include "ui/disegno_parete.h"

namespace paretix::ui {

namespace {

QLabel* Etichetta(const char* nome, const QString& testo, QWidget* genitore) {
    auto* etichetta = new QLabel(testo, genitore);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setMouseTracking(true);
    etichetta->setAlignment(Qt::AlignCenter);
    return etichetta;
}

QPixmap Immagine() {
    QPixmap immagine(240, 130);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    DisegnaParete(pittore, QRectF(4, 4, 232, 122));
    return immagine;
}

} // namespace

InformazioniQt::InformazioniQt(ApertureEsterne& aperture, Dialoghi& dialoghi,
                               const std::string& cartellaProgramma, QWidget* principale)
    : QDialog(principale), modello_(aperture, dialoghi, cartellaProgramma) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QString::fromUtf8(DidascaliaInformazioni));
    setModal(true);
    setMouseTracking(true);
    if (principale != nullptr) {
        const Punto angolo = paretix::InformazioniQt::Posizione({principale->x(), principale->y()});
        move(angolo.X, angolo.Y);
    }

    image2_ = Etichetta("Image2", QString(), this);
    image2_->setPixmap(Immagine());
    label5_ =
        Etichetta("Label5",
                  QStringLiteral("<b>%1</b><br>%2<br>%3")
                      .arg(QString::fromUtf8(NomeProgramma), QString::fromUtf8(VersioneProgramma),
                           QString::fromUtf8(DescrizioneProgramma)),
                  this);
    label5_->setWordWrap(true);
    label38_ = Etichetta("Label38", QString::fromUtf8(TestoLabel38), this);
    label38_->setCursor(Qt::PointingHandCursor);
    QFont sottolineato = label38_->font();
    sottolineato.setUnderline(true);
    label38_->setFont(sottolineato);

    auto* colonna = new QVBoxLayout(this);
    for (QLabel* etichetta : {image2_, label5_, label38_}) {
        colonna->addWidget(etichetta);
        etichetta->installEventFilter(this);
    }
    AlmenoDimensioneMinima(this);
    Aggiorna();
}

// The movement is handled here and goes no further: passed on to the window, it would reset
// the link just lit.
bool InformazioniQt::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        if (oggetto == label38_) {
            modello_.Label38_MouseMove();
        } else {
            modello_.Form_MouseMove();
        }
        Aggiorna();
        return true;
    }
    if (evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (oggetto == label38_) {
            modello_.Label38_Click();
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void InformazioniQt::mouseMoveEvent(QMouseEvent* evento) {
    modello_.Form_MouseMove();
    Aggiorna();
    QDialog::mouseMoveEvent(evento);
}

void InformazioniQt::Aggiorna() {
    QPalette tavolozza = label38_->palette();
    tavolozza.setColor(QPalette::WindowText,
                       ColoreQt(static_cast<std::uint32_t>(modello_.ColoreLabel38())));
    label38_->setPalette(tavolozza);
}

} // namespace paretix::ui
