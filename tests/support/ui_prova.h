#pragma once
// What the Qt tests share: the Qt headers, a main window of a new exercise with its dialogs
// recorded, the next modal dialog answered by a script, and a small materials database.

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>
#include <string>

#include "core/materials/voce_abaco.h"
#include "support/dialoghi_registrati.h"
#include "support/finestra_di_prova.h"
#include "support/widget_di_prova.h"
#include "ui/finestra_principale_qt.h"

using namespace Qt::StringLiterals;

// Fails the test with the list of faults when there is one.
#define NESSUN_DIFETTO(elenco)                                                                     \
    do {                                                                                           \
        const QStringList difetti_ = (elenco);                                                     \
        QVERIFY2(difetti_.isEmpty(), qPrintable(difetti_.join(u'\n')));                            \
    } while (false)

namespace paretix::test {

inline QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}

// n materials M0, M1, ... with the same values.
inline Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back({"M" + std::to_string(i), "1800", "0,72", "18,75", "0,9"});
    }
    return a;
}

// Cell k of a materials grid.
inline QLabel* Cella(const QWidget* w, int k) {
    return Trova<QLabel>(w, u"LabelMat(%1)"_s.arg(k));
}

// Runs azione on the next modal dialog when it is named nome, and rejects any other one; the
// flag tells whether azione ran.
inline std::shared_ptr<bool> SulProssimoDialogo(const QString& nome,
                                                std::function<void(QDialog*)> azione) {
    auto visto = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialogo != nullptr && dialogo->objectName() == nome) {
            *visto = true;
            azione(dialogo);
        } else if (dialogo != nullptr) {
            dialogo->reject();
        }
    });
    return visto;
}

// A test class's main window, of a new exercise in a folder, with its dialogs recorded.
class ConFinestra {
  protected:
    DialoghiRegistrati dialoghi_;
    std::unique_ptr<ui::FinestraPrincipaleQt> finestra_;

    // A new window, shown and active.
    bool Mostra(const std::string& cartella = "/tmp") {
        finestra_.reset();
        dialoghi_ = DialoghiRegistrati{};
        finestra_ =
            std::make_unique<ui::FinestraPrincipaleQt>(dialoghi_, EsitoAvvio{cartella, Si, true});
        finestra_->show();
        return QTest::qWaitForWindowActive(finestra_.get());
    }
    FinestraPrincipale& Modello() const { return finestra_->Modello(); }
    template <class T = QWidget> T* W(const QString& nome) const {
        return Trova<T>(finestra_.get(), nome);
    }
    QLineEdit* Casella(const QString& nome) const { return W<QLineEdit>(nome); }
    void Scrivi(const QString& casella, const QString& testo) const {
        test::Scrivi(Casella(casella), testo);
    }
    void Premi(const QString& nome) const {
        QTest::mouseClick(W<QAbstractButton>(nome), Qt::LeftButton);
    }
    // Opens examples/nome with the Open command: true when no message came with it.
    bool ApriEsempio(const std::string& nome) {
        dialoghi_.Mostrati.clear();
        ApriNellaFinestra(Modello(), dialoghi_, PARETIX_ESEMPI "/" + nome);
        const bool soloIlDialogo = dialoghi_.Mostrati.size() == 1;
        dialoghi_.Mostrati.clear();
        finestra_->Aggiorna();
        return soloIlDialogo;
    }
};

} // namespace paretix::test
