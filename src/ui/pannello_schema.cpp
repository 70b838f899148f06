#include "ui/pannello_schema.h"

#include <QButtonGroup>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "core/window/didascalie.h"
#include "core/window/pannelli.h"
#include "core/window/suggerimento_strato.h"
#include "ui/casella_testo.h"

namespace paretix::ui {

namespace {

const QColor SfondoPannello(0x2b, 0x45, 0x5e);
const QColor ColoreLinee(0x9a, 0xb0, 0xc4);
const QColor ColoreSelezione(0xff, 0xe0, 0x40);

QString Nome(const char* controllo, int indice) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(controllo)).arg(indice);
}

QFont Carattere(const QWidget* w, qreal punti, bool grassetto = false) {
    QFont f = w->font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

// The values stand in narrow boxes side by side: a semi-condensed face of the panel's font.
QFont CaratterePerValori(const QWidget* w) {
    QFont f = w->font();
    f.setStretch(QFont::SemiCondensed);
    return f;
}

QLabel* Etichetta(QWidget* genitore, const QString& testo, Qt::Alignment allineamento,
                  qreal punti) {
    auto* l = new QLabel(testo, genitore);
    l->setAlignment(allineamento);
    l->setFont(Carattere(l, punti));
    return l;
}

QRect Rettangolo(const RettangoloPixel& r) {
    return {r.Sinistra, r.Alto, r.Larghezza, r.Altezza};
}

void ImpostaSfondo(QLineEdit* c, std::int32_t colore) {
    const std::optional<unsigned> rgb = SfondoRGB(colore);
    const QColor voluto =
        rgb ? QColor::fromRgb(*rgb) : c->parentWidget()->palette().color(QPalette::Base);
    if (c->palette().color(QPalette::Base) != voluto) {
        QPalette p = c->palette();
        p.setColor(QPalette::Base, voluto);
        c->setPalette(p);
    }
}

void ImpostaTesto(QLineEdit* c, const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    if (c->text() != t) {
        c->setText(t);
        c->setCursorPosition(0);
    }
}

void ImpostaSuggerimento(QWidget* w, const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    if (w->toolTip() != t) {
        w->setToolTip(t);
    }
}

// The small black triangle of a spin button, 105 × 60 twips at the platform's scale.
QSize DimensioneFreccia(double base) {
    return {static_cast<int>(std::lround(base * 105)), static_cast<int>(std::lround(base * 60))};
}

QIcon IconaFreccia(bool su, QSize d) {
    QPixmap freccia(d);
    freccia.fill(Qt::transparent);
    QPainter p(&freccia);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal l = d.width();
    const qreal a = d.height();
    const QPolygonF punta =
        su ? QPolygonF({{0, a}, {l, a}, {l / 2, 0}}) : QPolygonF({{0, 0}, {l, 0}, {l / 2, a}});
    p.drawPolygon(punta);
    return QIcon(freccia);
}

// The box of row r of a layer.
const Casella* CasellaDi(const Strato& s, int r) {
    switch (static_cast<RigaSchema>(r)) {
    case RigaSchema::Densità:
        return &s.Densità;
    case RigaSchema::Spessore:
        return &s.Spessore;
    case RigaSchema::Conduttività:
        return &s.Conduttività;
    case RigaSchema::Permeabilità:
        return &s.Permeabilità;
    case RigaSchema::FatAssorbimento:
        return &s.FatAssorbimento;
    case RigaSchema::TipoStrato:
        break;
    }
    return nullptr;
}

constexpr std::array<const char*, NumeroRighe + 1> NomiCaselle{"",
                                                               "TextTipoStrato",
                                                               "TextDensità",
                                                               "TextSpessore",
                                                               "TextConduttività",
                                                               "TextPermeabilità",
                                                               "TextFatAssorbimento"};
constexpr std::array<const char*, 3> NomiConfini{"Label17", "Label18", "Label19"};

} // namespace

PannelloSchema::PannelloSchema(FinestraPrincipale& modello, QWidget* genitore)
    : QWidget(genitore), modello_(modello) {
    setObjectName(QStringLiteral("ContenutoSchema"));
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, SfondoPannello);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setFont(Carattere(this, 8));

    base_ = PixelPerTwip(logicalDpiX());
    CreaCornici();
    CreaIntestazioni();
    CreaEtichetteAriaInterna();
    CreaEtichetteConfine(0);

    scrittaSelezionato_ = Etichetta(this, QString(), Qt::AlignLeft | Qt::AlignVCenter, 9);
    scrittaSelezionato_->setObjectName(QStringLiteral("LabelStratoSelezionatoScritta"));
    posti_.Aggiungi(scrittaSelezionato_, SinistraStrato(1), 90, 900, 300, Modo::Controllo);
    numeroSelezionato_ = Etichetta(this, QString(), Qt::AlignLeft | Qt::AlignVCenter, 9);
    numeroSelezionato_->setObjectName(QStringLiteral("LabelStratoSelezionatoNumero"));
    posti_.Aggiungi(numeroSelezionato_, SinistraStrato(1) + 1020, 90, 600, 300, Modo::Controllo);
    for (QLabel* l : {scrittaSelezionato_, numeroSelezionato_}) {
        l->setFont(Carattere(l, 9, true));
        QPalette giallo = l->palette();
        giallo.setColor(QPalette::WindowText, ColoreSelezione);
        l->setPalette(giallo);
    }

    // The width the texts need, with the widest of what the labels made later may show: the
    // layers' boxes are all alike, the selection reads at most "Strato n." and "15".
    CreaStrato(1);
    std::vector<Fabbisogno> fabbisogni = posti_.Fabbisogni();
    const QFontMetrics selezione(scrittaSelezionato_->font());
    fabbisogni.push_back(
        {900, selezione.horizontalAdvance(QString::fromUtf8(CaptionStratoSelezionato)) + 1});
    fabbisogni.push_back({600, selezione.horizontalAdvance(QStringLiteral("15")) + 1});
    const QFontMetrics confine(confini_[1][0]->font());
    fabbisogni.push_back({LarghezzaEtichettaConfine,
                          confine.horizontalAdvance(QString::fromStdString(
                              CaptionEtichettaConfine(EtichettaConfine::Pvs, NumeroStratiMax))) +
                              1});
    minimaX_ = ScalaOrizzontaleMinima(base_, fabbisogni);
    spazio_ = Minimo();
    OrdinaTabulazione();
    Disponi();
}

void PannelloSchema::OrdinaTabulazione() {
    // Tab goes through the boxes of every layer, layer after layer, then the boundary
    // conditions; the commands of the window follow. A hidden box is passed over by Qt.
    std::vector<QWidget*> ordine;
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        for (int r = 1; r <= NumeroRighe; ++r) {
            QLineEdit* c = caselle_[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)];
            if (c != nullptr && c->focusPolicy() != Qt::NoFocus) {
                ordine.push_back(c);
            }
        }
    }
    ordine.insert(ordine.end(), {tInterna_, tEsterna_, uInterna_, uEsterna_, distSonoro_,
                                 option1_[0], option1_[1]});
    for (std::size_t i = 1; i < ordine.size(); ++i) {
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
    }
}

QSize PannelloSchema::Minimo() const {
    return {static_cast<int>(std::lround(base_ * LarghezzaPannello)),
            static_cast<int>(std::lround(base_ * AltezzaPannello))};
}

int PannelloSchema::PassoStrati() const {
    return Disegno(scala_, SinistraStrato(1), 0, SinistraStrato(2) - SinistraStrato(1), 0)
        .Larghezza;
}

int PannelloSchema::LarghezzaNaturale() const {
    return static_cast<int>(std::ceil(minimaX_ * LarghezzaPannello));
}

void PannelloSchema::Adatta(const QSize& spazio) {
    spazio_ = spazio;
    Disponi();
    update();
}

void PannelloSchema::Disponi() {
    scala_ = ScalaPannello(LarghezzaPannello, AltezzaPannello, spazio_.width(), spazio_.height(),
                           base_, minimaX_);
    // Wider than its room only when the layers need it; the room scrolls then. Beyond the
    // outside frames stands the margin the design leaves with fifteen layers.
    const int n = modello_.esercizio().NumeroStrati();
    const int margine = LarghezzaPannello - DestraSchema(NumeroStratiMax);
    const QSize dimensioni(
        std::max(spazio_.width(),
                 static_cast<int>(std::lround(scala_.X * (DestraSchema(n) + margine)))),
        std::max(spazio_.height(), static_cast<int>(std::lround(scala_.Y * AltezzaPannello))));
    if (size() != dimensioni) {
        resize(dimensioni);
    }
    posti_.Colloca(scala_);
}

void PannelloSchema::CreaStrato(int k) {
    auto* area = new QWidget(this);
    area->setObjectName(Nome("LabelStrato", k));
    // As wide as the layer's step, so that neighbouring areas do not overlap on the border
    // the rectangles share.
    posti_.Aggiungi(area, SinistraStrato(k), AltoStrato, LarghezzaCasella, AltezzaStrato,
                    Modo::Disegno);
    area->setMouseTracking(true);
    area->setCursor(Qt::PointingHandCursor);
    area->installEventFilter(this);
    labelStrato_[static_cast<std::size_t>(k)] = area;

    for (int r = 1; r <= NumeroRighe; ++r) {
        auto* c = new QLineEdit(this);
        c->setObjectName(Nome(NomiCaselle[static_cast<std::size_t>(r)], k));
        posti_.Aggiungi(c, SinistraStrato(k), AltoRiga(static_cast<RigaSchema>(r)),
                        LarghezzaCasella, AltezzaCasella, Modo::Controllo);
        c->setTextMargins(0, 0, 0, 0);
        c->setFont(CaratterePerValori(c));
        // Pointing at a layer's boxes keeps the layer selected.
        c->setAttribute(Qt::WA_NoMousePropagation);
        if (r == static_cast<int>(RigaSchema::TipoStrato)) {
            c->setReadOnly(true);
            c->setAlignment(Qt::AlignCenter);
            c->setFocusPolicy(Qt::NoFocus);
        } else {
            c->setValidator(new ValidatoreWin1252(c));
            connect(c, &QLineEdit::textEdited, this,
                    [this, k, r](const QString& testo) { CambiaCasellaStrato(k, r, testo); });
            connect(c, &QLineEdit::editingFinished, this, [this] { modello_.ConfermaCasella(); });
        }
        caselle_[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)] = c;
    }
    CreaEtichetteConfine(k);
}

void PannelloSchema::CreaEtichetteConfine(int k) {
    for (int e = 0; e < 3; ++e) {
        const auto quale = static_cast<EtichettaConfine>(e);
        QLabel* l = Etichetta(this, QString::fromStdString(CaptionEtichettaConfine(quale, k)),
                              Qt::AlignCenter, 7);
        posti_.Aggiungi(l, SinistraEtichettaConfine(k), AltoEtichettaConfine(quale),
                        LarghezzaEtichettaConfine, AltezzaEtichettaConfine, Modo::Controllo);
        l->setObjectName(Nome(NomiConfini[static_cast<std::size_t>(e)], k));
        confini_[static_cast<std::size_t>(k)][static_cast<std::size_t>(e)] = l;
    }
}

void PannelloSchema::CreaEtichetteAriaInterna() {
    for (int e = 0; e < 3; ++e) {
        QLabel* l =
            Etichetta(this, QString::fromUtf8(CaptionAriaInterna[static_cast<std::size_t>(e)]),
                      Qt::AlignRight | Qt::AlignVCenter, 7);
        posti_.Aggiungi(l, SinistraEtichetteAriaInterna,
                        AltoEtichettaConfine(static_cast<EtichettaConfine>(e)),
                        LarghezzaEtichetteAriaInterna, AltezzaEtichettaConfine, Modo::Controllo);
        l->setObjectName(Nome("LabelAriaInterna", e));
    }
}

void PannelloSchema::CreaIntestazioni() {
    QFrame* simboli = cornici_[CorniceSimboli];
    const int altoSimboli = modello_.Stato().Schema.FrameNero[CorniceSimboli].Alto;
    for (int r = 1; r <= NumeroRighe; ++r) {
        const auto riga = static_cast<RigaSchema>(r);
        const auto i = static_cast<std::size_t>(r);
        QLabel* l = Etichetta(this, QString::fromUtf8(CaptionIntestazioni[i]),
                              Qt::AlignRight | Qt::AlignVCenter, 7);
        posti_.Aggiungi(l, SinistraIntestazione, AltoIntestazione(riga), LarghezzaIntestazione,
                        AltezzaIntestazione, Modo::Controllo);
        l->setToolTip(QString::fromUtf8(SuggerimentoIntestazioni[i]));
        l->setObjectName(riga == RigaSchema::Permeabilità ? QStringLiteral("Image1")
                                                          : Nome("Label2", r));
        intestazioni_[i] = l;

        // The symbols' frame stretches with the rows; each symbol keeps level with its row.
        QLabel* s = Etichetta(simboli, QString::fromUtf8(SimboliRighe[i]), Qt::AlignCenter, 9);
        posti_.Aggiungi(s, 0, AltoRiga(riga) - altoSimboli, LarghezzaStrato, AltezzaCasella,
                        Modo::Controllo, simboli);
        s->setFont(QFont(QStringLiteral("DejaVu Serif"), 9, -1, true));
        s->setObjectName(Nome("Label2", 10 + r));
        simboli_[i] = s;
    }
}

QFrame* PannelloSchema::Cornice(int indice) {
    auto* f = new QFrame(this);
    f->setObjectName(Nome("FrameNero", indice));
    f->setFrameShape(QFrame::Box);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    f->setPalette(p);
    cornici_[static_cast<std::size_t>(indice)] = f;
    const CorniceNera& c = modello_.Stato().Schema.FrameNero[static_cast<std::size_t>(indice)];
    posti_.Aggiungi(f, c.Sinistra, c.Alto, LarghezzaCornice(indice), AltezzaCornice(indice),
                    indice == CorniceSimboli ? Modo::Disegno : Modo::Controllo);
    return f;
}

QLineEdit* PannelloSchema::CasellaContorno(QWidget* genitore, const char* nome,
                                           CambioContorno cambio) {
    auto* c = new QLineEdit(genitore);
    c->setFont(CaratterePerValori(c));
    c->setObjectName(QLatin1String(nome));
    c->setValidator(new ValidatoreWin1252(c));
    c->setMouseTracking(true);
    c->installEventFilter(this);
    connect(c, &QLineEdit::textEdited, this, [this, cambio](const QString& testo) {
        if (!(modello_.*cambio)(testo.toStdString())) {
            MostraContorno();
        }
        emit Cambiato();
    });
    connect(c, &QLineEdit::editingFinished, this, [this] { modello_.ConfermaCasella(); });
    return c;
}

void PannelloSchema::CorniceCondizione(int indice, const char* caption, QLineEdit* casella,
                                       const char* su, Spin spinSu, const char* giu, Spin spinGiu) {
    QFrame* f = cornici_[static_cast<std::size_t>(indice)];
    posti_.Aggiungi(Etichetta(f, QString::fromUtf8(caption), Qt::AlignLeft | Qt::AlignVCenter, 7),
                    SinistraInterna, AltoCaptionCornice, LarghezzaCaptionCondizione,
                    AltezzaCaptionCornice, Modo::Interno, f);
    posti_.Aggiungi(casella, SinistraInterna, AltoCasellaCornice, LarghezzaCasellaCondizione,
                    AltezzaCasella, Modo::Interno, f);
    const std::array<std::pair<const char*, Spin>, 2> pulsanti{{{su, spinSu}, {giu, spinGiu}}};
    for (std::size_t i = 0; i < pulsanti.size(); ++i) {
        auto* b = new QToolButton(f);
        b->setObjectName(QLatin1String(pulsanti[i].first));
        b->setIcon(IconaFreccia(i == 0, DimensioneFreccia(base_)));
        b->setIconSize(DimensioneFreccia(base_));
        posti_.Aggiungi(b, SinistraSpin, AltoCasellaCornice + AltezzaSpin * static_cast<int>(i),
                        LarghezzaSpin, AltezzaSpin, Modo::Interno, f);
        b->setFocusPolicy(Qt::NoFocus);
        const Spin spin = pulsanti[i].second;
        connect(b, &QToolButton::clicked, this, [this, spin] {
            (modello_.*spin)();
            emit Cambiato();
        });
    }
}

void PannelloSchema::CreaCorniceSuono() {
    QFrame* f = cornici_[CorniceSuono];
    posti_.Aggiungi(
        Etichetta(f, QString::fromUtf8(CaptionCorniceSuono), Qt::AlignLeft | Qt::AlignVCenter, 7),
        SinistraInterna, AltoCaptionCornice, LarghezzaCaptionSuono, AltezzaCaptionCornice,
        Modo::Interno, f);
    posti_.Aggiungi(distSonoro_, SinistraInterna, AltoCasellaCornice, LarghezzaCasellaSuono,
                    AltezzaCasella, Modo::Interno, f);
    auto* gruppo = new QButtonGroup(f);
    for (int i = 0; i < 2; ++i) {
        auto* o =
            new QRadioButton(QString::fromUtf8(CaptionOption1[static_cast<std::size_t>(i)]), f);
        o->setObjectName(Nome("Option1", i));
        posti_.Aggiungi(o, SinistraInterna + LarghezzaUnitàSuono * i, AltoUnitàSuono,
                        LarghezzaUnitàSuono, AltezzaUnitàSuono, Modo::Interno, f);
        o->setFont(Carattere(o, 7));
        gruppo->addButton(o, i);
        option1_[static_cast<std::size_t>(i)] = o;
    }
    connect(gruppo, &QButtonGroup::idClicked, this, [this](int i) {
        modello_.Option1_Click(i);
        emit Cambiato();
    });
}

void PannelloSchema::CreaCornici() {
    for (int i : IndiciCornici) {
        Cornice(i);
    }
    tInterna_ = CasellaContorno(cornici_[CorniceTInterna], "TextTInterna",
                                &FinestraPrincipale::TextTInterna_Change);
    tEsterna_ = CasellaContorno(cornici_[CorniceTEsterna], "TextTEsterna",
                                &FinestraPrincipale::TextTEsterna_Change);
    uInterna_ = CasellaContorno(cornici_[CorniceUInterna], "TextUInterna",
                                &FinestraPrincipale::TextUInterna_Change);
    uEsterna_ = CasellaContorno(cornici_[CorniceUEsterna], "TextUEsterna",
                                &FinestraPrincipale::TextUEsterna_Change);
    distSonoro_ = CasellaContorno(cornici_[CorniceSuono], "TextDistSonoro",
                                  &FinestraPrincipale::TextDistSonoro_Change);
    CorniceCondizione(CorniceTInterna, CaptionCorniceTInterna, tInterna_, "CommandSuTi",
                      &FinestraPrincipale::CommandSuTi_Click, "CommandGiuTi",
                      &FinestraPrincipale::CommandGiuTi_Click);
    CorniceCondizione(CorniceTEsterna, CaptionCorniceTEsterna, tEsterna_, "CommandSuTe",
                      &FinestraPrincipale::CommandSuTe_Click, "CommandGiuTe",
                      &FinestraPrincipale::CommandGiuTe_Click);
    CorniceCondizione(CorniceUInterna, CaptionCorniceUInterna, uInterna_, "CommandSuUi",
                      &FinestraPrincipale::CommandSuUi_Click, "CommandGiuUi",
                      &FinestraPrincipale::CommandGiuUi_Click);
    CorniceCondizione(CorniceUEsterna, CaptionCorniceUEsterna, uEsterna_, "CommandSuUe",
                      &FinestraPrincipale::CommandSuUe_Click, "CommandGiuUe",
                      &FinestraPrincipale::CommandGiuUe_Click);
    CreaCorniceSuono();
    for (int e = 0; e < 3; ++e) {
        QFrame* f = cornici_[e == 0 ? CorniceEtichetteTEsterna : CorniceEtichettePEsterna];
        const int alto = e == 2 ? AltezzaEtichettaConfine : 0;
        QLabel* l = Etichetta(f, QString::fromUtf8(CaptionAriaEsterna[static_cast<std::size_t>(e)]),
                              Qt::AlignCenter, 7);
        posti_.Aggiungi(l, 0, alto, LarghezzaCornice(CorniceEtichetteTEsterna),
                        AltezzaEtichettaConfine, Modo::Interno, f);
        l->setObjectName(Nome("LabelAriaEsterna", e));
    }
}

void PannelloSchema::CambiaCasellaStrato(int k, int r, const QString& testo) {
    const std::string t = testo.toStdString();
    bool accettato = false;
    switch (static_cast<RigaSchema>(r)) {
    case RigaSchema::Densità:
        accettato = modello_.TextDensità_Change(k, t);
        break;
    case RigaSchema::Spessore:
        accettato = modello_.TextSpessore_Change(k, t);
        break;
    case RigaSchema::Conduttività:
        accettato = modello_.TextConduttività_Change(k, t);
        break;
    case RigaSchema::Permeabilità:
        accettato = modello_.TextPermeabilità_Change(k, t);
        break;
    case RigaSchema::FatAssorbimento:
        accettato = modello_.TextFatAssorbimento_Change(k, t);
        break;
    case RigaSchema::TipoStrato:
        break;
    }
    if (!accettato) {
        MostraCaselleStrato(k);
    }
    emit Cambiato();
}

void PannelloSchema::MostraCaselleStrato(int k) {
    const Esercizio& e = modello_.esercizio();
    const auto& caselle = caselle_[static_cast<std::size_t>(k)];
    const Strato& s = e.strato(k);
    QLineEdit* tipo = caselle[static_cast<int>(RigaSchema::TipoStrato)];
    ImpostaTesto(tipo, s.TipoStrato);
    ImpostaSuggerimento(tipo, s.Materiale);
    ImpostaSfondo(tipo, s.ColoreTipo);
    for (int r = 1; r <= NumeroRighe; ++r) {
        QLineEdit* c = caselle[static_cast<std::size_t>(r)];
        c->setVisible(CasellaVisibile(e, k, static_cast<RigaSchema>(r)));
        if (const Casella* dato = CasellaDi(s, r)) {
            ImpostaTesto(c, dato->Testo);
            ImpostaSuggerimento(c, dato->Suggerimento);
            ImpostaSfondo(c, dato->ColoreSfondo);
            if (c->isReadOnly() != dato->Bloccato) {
                c->setReadOnly(dato->Bloccato);
            }
        }
    }
}

void PannelloSchema::MostraContorno() {
    const Esercizio& e = modello_.esercizio();
    ImpostaTesto(tInterna_, e.TInterna);
    ImpostaTesto(tEsterna_, e.TEsterna);
    ImpostaTesto(uInterna_, e.UInterna);
    ImpostaTesto(uEsterna_, e.UEsterna);
    ImpostaTesto(distSonoro_, e.DistSonoro);
    option1_[e.UnitaDistSonoro == UnitaSuono::Decibel ? 0 : 1]->setChecked(true);
}

void PannelloSchema::Aggiorna() {
    const Esercizio& e = modello_.esercizio();
    const StatoFinestra& s = modello_.Stato();
    const int n = e.NumeroStrati();
    // A layer made now is placed and drawn below.
    bool creati = false;
    // The controls of a layer are made the first time the wall has that layer, and hidden
    // while it has fewer.
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (labelStrato_[i] == nullptr) {
            if (k > n) {
                break;
            }
            CreaStrato(k);
            creati = true;
        }
        labelStrato_[i]->setVisible(k <= n);
        if (k <= n) {
            labelStrato_[i]->setToolTip(QString::fromStdString(SuggerimentoStrato(e.strato(k))));
            MostraCaselleStrato(k);
        } else {
            for (int r = 1; r <= NumeroRighe; ++r) {
                caselle_[i][static_cast<std::size_t>(r)]->hide();
            }
        }
        for (QLabel* l : confini_[i]) {
            l->setVisible(k <= n);
        }
    }
    for (int i : IndiciCornici) {
        const CorniceNera& c = s.Schema.FrameNero[static_cast<std::size_t>(i)];
        QFrame* f = cornici_[static_cast<std::size_t>(i)];
        posti_.Riposiziona(f, c.Sinistra, c.Alto, LarghezzaCornice(i), AltezzaCornice(i));
        f->setVisible(c.Visibile);
    }
    for (int r = 1; r <= NumeroRighe; ++r) {
        const bool visibile = s.Schema.RigaVisibile[static_cast<std::size_t>(r)];
        intestazioni_[static_cast<std::size_t>(r)]->setVisible(visibile);
        QLabel* simbolo = simboli_[static_cast<std::size_t>(r)];
        simbolo->setVisible(visibile && !simbolo->text().isEmpty());
    }
    MostraContorno();
    scrittaSelezionato_->setText(QString::fromStdString(s.LabelStratoSelezionatoScritta));
    numeroSelezionato_->setText(QString::fromStdString(s.LabelStratoSelezionatoNumero));

    // Repaint only when the drawing changes: a repaint of the panel repaints every box on it.
    std::vector<int> disegno{n, s.UltimoStratoEvidenziato, s.Schema.FineLinee};
    for (const Strato& strato : e.Strati) {
        disegno.push_back(strato.StileRiempimento);
    }
    if (creati) {
        OrdinaTabulazione();
    }
    Disponi();
    if (disegno != disegnato_ || creati) {
        disegnato_ = std::move(disegno);
        update();
    }
}

void PannelloSchema::AggiornaSuggerimenti() {
    const Esercizio& e = modello_.esercizio();
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        if (labelStrato_[static_cast<std::size_t>(k)] == nullptr) {
            break; // not shown yet
        }
        for (int r = 1; r <= NumeroRighe; ++r) {
            if (const Casella* dato = CasellaDi(e.strato(k), r)) {
                ImpostaSuggerimento(
                    caselle_[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)],
                    dato->Suggerimento);
            }
        }
    }
}

void PannelloSchema::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), SfondoPannello);
    const StatoFinestra& s = modello_.Stato();
    p.setPen(ColoreLinee);
    for (int alto : {AltoLinea1, AltoLinea2}) {
        const RettangoloPixel linea =
            Disegno(scala_, SinistraLinee, alto, s.Schema.FineLinee - SinistraLinee, 0);
        p.drawLine(linea.Sinistra, linea.Alto, linea.Destra(), linea.Alto);
    }
    const Esercizio& e = modello_.esercizio();
    const int selezionato = s.UltimoStratoEvidenziato;
    auto disegna = [&](int k) {
        const bool sel = k == selezionato;
        const QColor riempimento =
            QColor::fromRgb(sel ? RiempimentoStratoSelezionato : RiempimentoStrato);
        p.setPen(QPen(QColor::fromRgb(sel ? BordoStratoSelezionato : BordoStrato), 1));
        p.setBrush(e.strato(k).StileRiempimento == RiempimentoTratteggio
                       ? QBrush(riempimento, Qt::FDiagPattern)
                       : Qt::NoBrush);
        p.drawRect(Rettangolo(Disegno(scala_, SinistraStrato(k), AltoStrato, LarghezzaStrato,
                                      AltezzaStrato))
                       .adjusted(0, 0, -1, -1));
    };
    // The selected rectangle comes last, in front of its neighbours' shared borders.
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        if (k != selezionato) {
            disegna(k);
        }
    }
    if (selezionato >= 1 && selezionato <= e.NumeroStrati()) {
        disegna(selezionato);
    }
}

void PannelloSchema::MuoveFuoriDagliStrati() {
    if (modello_.Stato().UltimoStratoEvidenziato != 0) {
        modello_.MuoveSu();
        Aggiorna();
    }
}

void PannelloSchema::mouseMoveEvent(QMouseEvent* evento) {
    MuoveFuoriDagliStrati();
    QWidget::mouseMoveEvent(evento);
}

bool PannelloSchema::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseMove && tipo != QEvent::MouseButtonPress) {
        return QWidget::eventFilter(oggetto, evento);
    }
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        if (oggetto != labelStrato_[static_cast<std::size_t>(k)]) {
            continue;
        }
        const int prima = modello_.Stato().UltimoStratoEvidenziato;
        if (tipo == QEvent::MouseMove) {
            modello_.LabelStrato_MouseMove(k);
            if (modello_.Stato().UltimoStratoEvidenziato != prima) {
                Aggiorna();
            }
        } else {
            modello_.LabelStrato_MouseDown(k);
            Aggiorna();
            emit MenuStratoRichiesto(static_cast<QMouseEvent*>(evento)->globalPosition().toPoint());
        }
        return true;
    }
    // The boxes of the boundary conditions clear the selection like the panel.
    if (tipo == QEvent::MouseMove && modello_.Stato().UltimoStratoEvidenziato != 0) {
        modello_.MuoveSu();
        Aggiorna();
    }
    return QWidget::eventFilter(oggetto, evento);
}

} // namespace paretix::ui
