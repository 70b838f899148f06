#include "ui/pannelli_grafici.h"

#include <QLabel>
#include <cmath>

#include "core/window/didascalie.h"
#include "core/window/disposizione.h"
#include "ui/area_schema.h"
#include "ui/grafico_widget.h"
#include "ui/posti_scalati.h"

namespace paretix::ui {

namespace {

const QColor SfondoTavola(0x2b, 0x45, 0x5e);

// A chart panel: its charts stretch with it both ways, the humidities beside the vapour
// chart in width only.
class Tavola : public QWidget {
  public:
    Tavola(const char* nome, QWidget* genitore) : QWidget(genitore) {
        setObjectName(QLatin1String(nome));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, SfondoTavola);
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
        base_ = PixelPerTwip(logicalDpiX());
        setMinimumSize(static_cast<int>(std::lround(base_ * LarghezzaPannello)),
                       static_cast<int>(std::lround(base_ * AltezzaPannello)));
    }

    PostiScalati& Posti() { return posti_; }
    void Disponi() {
        posti_.Colloca(ScalaPannello(LarghezzaPannello, AltezzaPannello, width(),
                                     height() - StrisciaScorrimento(this), base_, base_));
    }

  protected:
    void resizeEvent(QResizeEvent*) override { Disponi(); }

  private:
    PostiScalati posti_;
    double base_ = 0;
};

GraficoWidget* Superficie(Tavola* tavola, int numero, int sinistra, int alto, int altezza) {
    auto* g = new GraficoWidget(tavola);
    g->setObjectName(QStringLiteral("PictureGrafico%1").arg(numero));
    tavola->Posti().Aggiungi(g, sinistra, alto, LarghezzaGrafico, altezza, Modo::Disegno);
    return g;
}

} // namespace

PannelliGrafici::PannelliGrafici(const FinestraPrincipale& modello, QWidget* genitore)
    : modello_(modello) {
    auto* grafici = new Tavola("PictureTavolaGrafici", genitore);
    auto* suono = new Tavola("PictureTavolaGraficoSuono", genitore);
    tavolaGrafici_ = grafici;
    tavolaGraficoSuono_ = suono;
    grafici_[0] = Superficie(grafici, 1, SinistraGrafico1, AltoGrafico1, AltezzaGraficoMezzo);
    grafici_[1] = Superficie(grafici, 2, SinistraGrafico2, AltoGrafico2, AltezzaGraficoMezzo);
    grafici_[2] = Superficie(suono, 3, SinistraGrafico3, AltoGrafico3, AltezzaGraficoIntero);
    const std::array<std::pair<const char*, int>, 4> etichette{{
        {CaptionUmiditàInterna, SinistraUmiditàInterna},
        {CaptionUmiditàEsterna, SinistraUmiditàEsterna},
        {"", SinistraUmiditàInterna},
        {"", SinistraUmiditàEsterna},
    }};
    for (std::size_t i = 0; i < etichette.size(); ++i) {
        auto* l = new QLabel(QString::fromUtf8(etichette[i].first), grafici);
        l->setAlignment(Qt::AlignCenter);
        grafici->Posti().Aggiungi(l, etichette[i].second,
                                  i < 2 ? AltoCaptionUmidità : AltoValoreUmidità, LarghezzaUmidità,
                                  AltezzaUmidità, Modo::Controllo);
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
    grafici->Disponi();
    suono->Disponi();
}

GraficoWidget* PannelliGrafici::Grafico(int numero) const {
    return grafici_[static_cast<std::size_t>(numero - 1)];
}

void PannelliGrafici::Aggiorna() {
    const StatoFinestra& s = modello_.Stato();
    auto* tavola = static_cast<Tavola*>(tavolaGrafici_);
    tavola->Posti().Riposiziona(grafici_[0], SinistraGrafico1, AltoGrafico1, LarghezzaGrafico,
                                s.AltezzaPictureGrafico1);
    tavola->Disponi();
    grafici_[1]->setVisible(s.PictureGrafico2Visibile);
    if (versioneMostrata_ != s.VersioneDisegni) {
        versioneMostrata_ = s.VersioneDisegni;
        grafici_[0]->ImpostaSuperficie(s.Disegni.Grafico1);
        grafici_[1]->ImpostaSuperficie(s.Disegni.Grafico2);
        grafici_[2]->ImpostaSuperficie(s.Disegni.Grafico3);
    }
    umidità_[2]->setText(QString::fromStdString(s.LabelUi));
    umidità_[3]->setText(QString::fromStdString(s.LabelUe));
    for (QLabel* l : umidità_) {
        l->setVisible(s.Schema.EtichetteUmiditàVisibili);
    }
}

} // namespace paretix::ui
