#include "ui/grafici_simulazione_qt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "core/simulazione/grafici_simulazione.h"
#include "ui/grafico_widget.h"

namespace paretix::ui {

namespace {

GraficoWidget* Grafico(QWidget* genitore, const char* nome) {
    auto* g = new GraficoWidget(genitore);
    g->setObjectName(QString::fromUtf8(nome));
    g->setMinimumHeight(160);
    return g;
}

} // namespace

GraficiSimulazioneQt::GraficiSimulazioneQt(QWidget* genitore) : QWidget(genitore) {
    acqua_ = Grafico(this, "GraficoAcquaSimulata");
    muffa_ = Grafico(this, "GraficoMuffa");
    temperatura_ = Grafico(this, "GraficoTemperaturaAnno");
    umidità_ = Grafico(this, "GraficoUmiditaAnno");
    profiloT_ = Grafico(this, "GraficoProfiloTemperatura");
    profiloφ_ = Grafico(this, "GraficoProfiloUmidita");
    profiloW_ = Grafico(this, "GraficoProfiloAcqua");
    interfaccia_ = new QComboBox(this);
    interfaccia_->setObjectName(QStringLiteral("ComboInterfaccia"));
    giorno_ = new QSlider(Qt::Horizontal, this);
    giorno_->setObjectName(QStringLiteral("SliderGiorno"));
    didascaliaGiorno_ = new QLabel(this);
    didascaliaGiorno_->setObjectName(QStringLiteral("DidascaliaGiorno"));
    connect(interfaccia_, &QComboBox::currentIndexChanged, this,
            &GraficiSimulazioneQt::MostraInterfaccia);
    connect(giorno_, &QSlider::valueChanged, this, &GraficiSimulazioneQt::MostraGiorno);

    auto* scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel(QString::fromUtf8(CaptionInterfacciaSimulazione), this));
    scelta->addWidget(interfaccia_, 1);
    scelta->addSpacing(20);
    scelta->addWidget(didascaliaGiorno_);
    scelta->addWidget(giorno_, 2);
    auto* griglia = new QGridLayout;
    griglia->addWidget(acqua_, 0, 0);
    griglia->addWidget(muffa_, 0, 1);
    griglia->addWidget(temperatura_, 0, 2);
    griglia->addWidget(umidità_, 0, 3);
    griglia->addWidget(profiloT_, 1, 0);
    griglia->addWidget(profiloφ_, 1, 1);
    griglia->addWidget(profiloW_, 1, 2);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addLayout(scelta);
    colonna->addLayout(griglia, 1);
}

void GraficiSimulazioneQt::Mostra(RisultatoSimulazione r) {
    risultato_ = std::move(r);
    acqua_->ImpostaSuperficie(GraficoAcquaTotale(risultato_));
    muffa_->setVisible(!risultato_.Muffa.empty());
    muffa_->ImpostaSuperficie(GraficoMuffa(risultato_));
    {
        const QSignalBlocker blocco(interfaccia_);
        interfaccia_->clear();
        for (const auto& [dove, nome] : InterfacceOsservate(risultato_)) {
            interfaccia_->addItem(QString::fromStdString(nome), dove);
        }
        interfaccia_->setCurrentIndex(interfaccia_->findData(InterfacciaPiùUmida(risultato_)));
    }
    MostraInterfaccia();
    const int giorni = static_cast<int>(risultato_.ProfiliGiornalieri.size());
    {
        const QSignalBlocker blocco(giorno_);
        giorno_->setRange(1, std::max(1, giorni));
        giorno_->setValue(std::max(1, giorni));
    }
    MostraGiorno(giorno_->value());
}

void GraficiSimulazioneQt::MostraInterfaccia() {
    const int dove = interfaccia_->currentData().toInt();
    temperatura_->ImpostaSuperficie(GraficoAndamento(risultato_, dove, false));
    umidità_->ImpostaSuperficie(GraficoAndamento(risultato_, dove, true));
}

void GraficiSimulazioneQt::MostraGiorno(int giorno) {
    const auto g = static_cast<std::size_t>(giorno);
    didascaliaGiorno_->setText(QString::fromUtf8(CaptionGiornoProfili) + QStringLiteral(" ") +
                               QString::number(giorno));
    profiloT_->ImpostaSuperficie(GraficoProfilo(risultato_, g, GrandezzaProfilo::Temperatura));
    profiloφ_->ImpostaSuperficie(GraficoProfilo(risultato_, g, GrandezzaProfilo::Umidità));
    profiloW_->ImpostaSuperficie(GraficoProfilo(risultato_, g, GrandezzaProfilo::Acqua));
}

} // namespace paretix::ui
