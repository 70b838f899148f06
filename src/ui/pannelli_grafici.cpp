#include "ui/pannelli_grafici.h"

#include <QLabel>

#include "core/window/didascalie.h"
#include "ui/twip.h"

namespace paretix::ui {

namespace {

const QColor SfondoTavola(0x2b, 0x45, 0x5e);

QWidget* Tavola(const char* nome, QWidget* genitore) {
    auto* t = new QWidget(genitore);
    t->setObjectName(QLatin1String(nome));
    t->setFixedSize(Pixel(LarghezzaPannello), Pixel(AltezzaPannello));
    t->setAutoFillBackground(true);
    QPalette p = t->palette();
    p.setColor(QPalette::Window, SfondoTavola);
    p.setColor(QPalette::WindowText, Qt::white);
    t->setPalette(p);
    return t;
}

QWidget* Superficie(QWidget* tavola, int numero, const QRect& posto) {
    auto* g = new QWidget(tavola);
    g->setObjectName(QStringLiteral("PictureGrafico%1").arg(numero));
    g->setGeometry(posto);
    g->setAutoFillBackground(true);
    QPalette p = g->palette();
    p.setColor(QPalette::Window, Qt::black);
    g->setPalette(p);
    return g;
}

} // namespace

PannelliGrafici::PannelliGrafici(const FinestraPrincipale& modello, QWidget* genitore)
    : modello_(modello), tavolaGrafici_(Tavola("PictureTavolaGrafici", genitore)),
      tavolaGraficoSuono_(Tavola("PictureTavolaGraficoSuono", genitore)) {
    grafici_[0] = Superficie(
        tavolaGrafici_, 1,
        RettangoloTwip(SinistraGrafico1, AltoGrafico1, LarghezzaGrafico, AltezzaGraficoMezzo));
    grafici_[1] = Superficie(
        tavolaGrafici_, 2,
        RettangoloTwip(SinistraGrafico2, AltoGrafico2, LarghezzaGrafico, AltezzaGraficoMezzo));
    grafici_[2] = Superficie(
        tavolaGraficoSuono_, 3,
        RettangoloTwip(SinistraGrafico3, AltoGrafico3, LarghezzaGrafico, AltezzaGraficoIntero));
    const std::array<std::pair<const char*, int>, 4> etichette{{
        {CaptionUmiditàInterna, SinistraUmiditàInterna},
        {CaptionUmiditàEsterna, SinistraUmiditàEsterna},
        {"", SinistraUmiditàInterna},
        {"", SinistraUmiditàEsterna},
    }};
    for (std::size_t i = 0; i < etichette.size(); ++i) {
        auto* l = new QLabel(QString::fromUtf8(etichette[i].first), tavolaGrafici_);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(RettangoloTwip(etichette[i].second,
                                      i < 2 ? AltoCaptionUmidità : AltoValoreUmidità,
                                      LarghezzaUmidità, AltezzaUmidità));
        QFont f = l->font();
        f.setPointSize(i < 2 ? 7 : 9);
        f.setBold(i >= 2);
        l->setFont(f);
        umidità_[i] = l;
    }
    umidità_[0]->setObjectName(QStringLiteral("LabelCaptionUi"));
    umidità_[1]->setObjectName(QStringLiteral("LabelCaptionUe"));
    umidità_[2]->setObjectName(QStringLiteral("LabelUi"));
    umidità_[3]->setObjectName(QStringLiteral("LabelUe"));
}

QWidget* PannelliGrafici::Grafico(int numero) const {
    return grafici_[static_cast<std::size_t>(numero - 1)];
}

void PannelliGrafici::SostituisciGrafico(int numero, QWidget* grafico) {
    QWidget*& posto = grafici_[static_cast<std::size_t>(numero - 1)];
    grafico->setParent(posto->parentWidget());
    grafico->setObjectName(posto->objectName());
    grafico->setGeometry(posto->geometry());
    grafico->setVisible(posto->isVisibleTo(posto->parentWidget()));
    delete posto;
    posto = grafico;
}

void PannelliGrafici::Aggiorna() {
    const StatoFinestra& s = modello_.Stato();
    QWidget* g1 = grafici_[0];
    g1->resize(g1->width(), Pixel(s.AltezzaPictureGrafico1));
    grafici_[1]->setVisible(s.PictureGrafico2Visibile);
    umidità_[2]->setText(QString::fromStdString(s.LabelUi));
    umidità_[3]->setText(QString::fromStdString(s.LabelUe));
    for (QLabel* l : umidità_) {
        l->setVisible(s.Schema.EtichetteUmiditàVisibili);
    }
}

} // namespace paretix::ui
