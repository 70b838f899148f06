#include "ui/dialogo_modifica_abaco_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "ui/dimensione_minima.h"
#include "ui/twip.h"

namespace paretix {

namespace {

// Refuses, as typed or pasted, any text the database file could not hold.
class ValidatoreModificaAbaco : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override {
        return TestoAmmessoModificaAbaco(testo.toStdString()) ? Acceptable : Invalid;
    }
};

class ValidatoreCalore : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override {
        return CaloreAmmessoModificaAbaco(testo.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

DialogoModificaAbacoQt::DialogoModificaAbacoQt(DialogoModificaAbaco& modello, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromStdString(modello.Caption()));
    setModal(true);
    auto* griglia = new QGridLayout(this);
    auto* validatore = new ValidatoreModificaAbaco(this);
    std::array<QLineEdit*, 5> caselle{};
    for (int i = 0; i < 5; ++i) {
        const auto campo = static_cast<std::size_t>(i);
        auto* intestazione = new QLabel(
            QString::fromUtf8(i == 0 ? modello.Intestazione1() : IntestazioniCampi[campo]), this);
        intestazione->setObjectName(QStringLiteral("Label%1").arg(1 + i));
        auto* casella = new QLineEdit(QString::fromStdString(modello.Text()[campo]), this);
        casella->setObjectName(QStringLiteral("Text%1").arg(1 + i));
        casella->setValidator(validatore);
        casella->setMinimumWidth(280);
        griglia->addWidget(intestazione, i, 0);
        griglia->addWidget(casella, i, 1);
        // A group title has a name only.
        const bool visibile = i == 0 || !modello.SoloTitoloGruppo();
        intestazione->setVisible(visibile);
        casella->setVisible(visibile);
        caselle[campo] = casella;
    }
    // The specific heat, while the compliance checks are on.
    QLineEdit* calore = nullptr;
    if (modello.MostraCaloreSpecifico()) {
        auto* intestazione = new QLabel(QString::fromUtf8(IntestazioneCaloreSpecifico), this);
        intestazione->setObjectName(QStringLiteral("Label6"));
        calore = new QLineEdit(QString::fromStdString(modello.CaloreSpecifico()), this);
        calore->setObjectName(QStringLiteral("Text6"));
        calore->setValidator(new ValidatoreCalore(calore));
        griglia->addWidget(intestazione, 5, 0);
        griglia->addWidget(calore, 5, 1);
    }
    auto* ok = new QPushButton(QString::fromUtf8(CaptionOk), this);
    ok->setObjectName(QStringLiteral("CommandSalvaModifiche"));
    auto* annulla = new QPushButton(QString::fromUtf8(CaptionAnnulla), this);
    annulla->setObjectName(QStringLiteral("CommandNonCarica"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    // The buttons stand right under the last box shown.
    griglia->addLayout(pulsanti, 6, 0, 1, 2);
    griglia->setRowStretch(7, 1);
    // The height of the design, unless the boxes and buttons need more.
    setFixedHeight(
        std::max(ui::Pixel(modello.Altezza() + (calore != nullptr ? AltezzaRigaCalore : 0)),
                 minimumSizeHint().height()));
    ui::AlmenoDimensioneMinima(this);
    connect(ok, &QPushButton::clicked, this, [this, &modello, caselle, calore] {
        std::array<std::string, 5> testi;
        for (std::size_t i = 0; i < caselle.size(); ++i) {
            testi[i] = caselle[i]->text().toStdString();
        }
        modello.CommandSalvaModifiche_Click(
            testi, calore != nullptr ? std::optional<std::string>(calore->text().toStdString())
                                     : std::nullopt);
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace paretix
