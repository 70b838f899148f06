#include "ui/posti_scalati.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace paretix::ui {

namespace {

// A line edit keeps 2 pixels each side inside its frame, and a pixel for the cursor.
constexpr int MargineRigaCasella = 2;
constexpr int PixelCursore = 1;

QRect Rettangolo(const RettangoloPixel& r) {
    return {r.Sinistra, r.Alto, r.Larghezza, r.Altezza};
}

int PixelPerTesto(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text().isEmpty() ? 0 : l->sizeHint().width();
    }
    if (const auto* c = qobject_cast<const QLineEdit*>(w)) {
        return PixelPerCasella(c, c->isReadOnly() && c->validator() == nullptr
                                      ? c->text()
                                      : QString::fromUtf8(ValoreCampione));
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text().isEmpty() ? 0 : b->sizeHint().width();
    }
    return 0;
}

} // namespace

int PixelPerCasella(const QWidget* casella, const QString& testo) {
    QStyleOptionFrame opzione;
    opzione.initFrom(casella);
    opzione.lineWidth =
        casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, casella);
    const int cornice = 2 * opzione.lineWidth;
    int margini = 0;
    if (const auto* c = qobject_cast<const QLineEdit*>(casella)) {
        margini = c->textMargins().left() + c->textMargins().right();
    }
    return casella->fontMetrics().horizontalAdvance(testo) + cornice + margini +
           2 * MargineRigaCasella + PixelCursore;
}

void PostiScalati::Aggiungi(QWidget* w, int sinistra, int alto, int larghezza, int altezza,
                            Modo modo, const QWidget* genitore) {
    posti_.push_back({w, sinistra, alto, larghezza, altezza, modo, genitore});
}

const PostiScalati::Posto* PostiScalati::PostoDi(const QWidget* w) const {
    for (const Posto& p : posti_) {
        if (p.W == w) {
            return &p;
        }
    }
    return nullptr;
}

// Where p lands in the panel's own pixels.
RettangoloPixel PostiScalati::Mappa(const Posto& p, const Scala& scala) const {
    const Posto* g = p.Genitore != nullptr ? PostoDi(p.Genitore) : nullptr;
    if (g == nullptr) {
        switch (p.M) {
        case Modo::Disegno:
            return Disegno(scala, p.Sinistra, p.Alto, p.Larghezza, p.Altezza);
        case Modo::Controllo:
            return Controllo(scala, p.Sinistra, p.Alto, p.Larghezza, p.Altezza);
        case Modo::Interno:
            return Controllo(ScalaInterna(scala), p.Sinistra, p.Alto, p.Larghezza, p.Altezza);
        }
    }
    const RettangoloPixel genitore = Mappa(*g, scala);
    const Posto assoluto{p.W,
                         g->Sinistra + p.Sinistra,
                         g->Alto + p.Alto,
                         p.Larghezza,
                         p.Altezza,
                         p.M == Modo::Interno ? Modo::Controllo : p.M,
                         nullptr};
    RettangoloPixel r = Mappa(assoluto, scala);
    if (p.M == Modo::Interno) {
        // Inside a control nothing stretches vertically: from the parent's top at the
        // platform's scale.
        const RettangoloPixel dentro =
            Controllo(ScalaInterna(scala), p.Sinistra, p.Alto, p.Larghezza, p.Altezza);
        r.Alto = genitore.Alto + dentro.Alto;
        r.Altezza = dentro.Altezza;
    }
    r.Sinistra -= genitore.Sinistra;
    r.Alto -= genitore.Alto;
    return r;
}

void PostiScalati::Riposiziona(const QWidget* w, int sinistra, int alto, int larghezza,
                               int altezza) {
    for (Posto& p : posti_) {
        if (p.W == w) {
            p.Sinistra = sinistra;
            p.Alto = alto;
            p.Larghezza = larghezza;
            p.Altezza = altezza;
        }
    }
}

void PostiScalati::Colloca(const Scala& scala) const {
    for (const Posto& p : posti_) {
        RettangoloPixel r = Mappa(p, scala);
        // An option button is no wider than its caption: a click beside it would miss it.
        if (const auto* b = qobject_cast<const QRadioButton*>(p.W)) {
            r.Larghezza = std::min(r.Larghezza, b->sizeHint().width());
        }
        p.W->setGeometry(Rettangolo(r));
    }
}

std::vector<Fabbisogno> PostiScalati::Fabbisogni() const {
    std::vector<Fabbisogno> f;
    f.reserve(posti_.size());
    for (const Posto& p : posti_) {
        f.push_back({p.Larghezza, PixelPerTesto(p.W)});
    }
    return f;
}

} // namespace paretix::ui
