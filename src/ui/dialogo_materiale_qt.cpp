#include "ui/dialogo_materiale_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/dimensione_minima.h"

namespace paretix {

DialogoMaterialeQt::DialogoMaterialeQt(DialogoMateriale& modello, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString::fromStdString(modello.Caption()));
    setModal(true);
    auto* griglia = new QGridLayout(this);
    const int campi = modello.MostraCaloreSpecifico() ? 6 : 5;
    for (int i = 0; i < campi; ++i) {
        const auto campo = static_cast<std::size_t>(i);
        const bool calore = i == 5;
        auto* intestazione = new QLabel(
            QString::fromUtf8(calore ? IntestazioneCaloreSpecifico : IntestazioniCampi[campo]),
            this);
        intestazione->setObjectName(QStringLiteral("Label%1").arg(11 + i));
        auto* valore = new QLabel(
            QString::fromStdString(calore ? modello.CaloreSpecifico() : modello.Label()[campo]),
            this);
        valore->setObjectName(QStringLiteral("Label%1").arg(1 + i));
        valore->setFrameShape(QFrame::Panel);
        valore->setFrameShadow(QFrame::Sunken);
        // Never narrower than its text: a long name is not cut where the screen is small.
        valore->setMinimumWidth(std::max(240, valore->sizeHint().width()));
        griglia->addWidget(intestazione, i, 0);
        griglia->addWidget(valore, i, 1);
    }
    auto* si = new QPushButton(QString::fromUtf8(CaptionSi), this);
    si->setObjectName(QStringLiteral("CommandCarica"));
    auto* no = new QPushButton(QString::fromUtf8(CaptionNo), this);
    no->setObjectName(QStringLiteral("CommandNonCarica"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(si);
    pulsanti->addWidget(no);
    griglia->addLayout(pulsanti, campi, 0, 1, 2);
    ui::AlmenoDimensioneMinima(this);
    connect(si, &QPushButton::clicked, this, [this, &modello] {
        modello.CommandCarica_Click();
        accept();
    });
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace paretix
