#include "ui/dialogo_modifica_abaco_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

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
    auto* ok = new QPushButton(QString::fromUtf8(CaptionOk), this);
    ok->setObjectName(QStringLiteral("CommandSalvaModifiche"));
    auto* annulla = new QPushButton(QString::fromUtf8(CaptionAnnulla), this);
    annulla->setObjectName(QStringLiteral("CommandNonCarica"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    // The buttons stand right under the last box shown.
    griglia->addLayout(pulsanti, 5, 0, 1, 2);
    griglia->setRowStretch(6, 1);
    setFixedHeight(ui::Pixel(modello.Altezza()));
    connect(ok, &QPushButton::clicked, this, [this, &modello, caselle] {
        std::array<std::string, 5> testi;
        for (std::size_t i = 0; i < caselle.size(); ++i) {
            testi[i] = caselle[i]->text().toStdString();
        }
        modello.CommandSalvaModifiche_Click(testi);
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace paretix
