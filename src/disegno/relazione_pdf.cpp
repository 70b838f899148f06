#include "disegno/relazione_pdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string_view>
#include <vector>

#include "core/files/scrittura_atomica.h"
#include "core/verifiche/righe_verifiche.h"
#include "disegno/colore.h"
#include "disegno/pittura_superficie.h"

namespace paretix::disegno {

namespace {

constexpr int Risoluzione = 600; // dots per inch of the page's coordinates
// A screen pixel at 100 % is 1/96 inch; chart lines are drawn a little finer on paper.
constexpr double PixelCarta = Risoluzione / 96.0 * 0.75;
constexpr double TwipPerPollice = 1440;
constexpr const char* FamigliaCarattere = "DejaVu Sans";
constexpr double PuntiTitolo = 16;
constexpr double PuntiSezione = 12;
constexpr double PuntiCorpo = 9;
constexpr double PuntiPiede = 8;
// A drawing takes at most this share of the page's height.
constexpr double QuotaDisegno = 0.45;

double Mm(double mm) {
    return mm / 25.4 * Risoluzione;
}

QFont Carattere(double punti, bool grassetto = false, bool corsivo = false) {
    QFont f(QString::fromLatin1(FamigliaCarattere));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    // Without ligatures the text extracted from the file reads as typed ("fi", not "ﬁ").
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}

using Pezzo = std::function<void(QPainter&)>;

// Places the blocks one under the other and starts a page where the next one does not fit;
// a table goes on over pages with its headings repeated. The pieces are painted afterwards,
// once the number of pages is known.
class Impaginazione {
  public:
    Impaginazione(QPaintDevice& dispositivo, QRectF pagina)
        : dispositivo_(dispositivo), larghezza_(pagina.width()), altezza_(pagina.height() - Mm(10)),
          piede_(pagina.height() - Mm(5)) {
        NuovaPagina();
    }

    void Intestazione(const Relazione& r) {
        const QFont titolo = Carattere(PuntiTitolo, true);
        Testo(titolo, Q(TitoloRelazione), 0, larghezza_);
        y_ += Mm(3);
        Blocco dati;
        dati.Tipo = TipoBlocco::Tabella;
        dati.Intestazioni = {"Dato", "Valore"};
        for (const auto& [etichetta, valore] : r.Intestazione) {
            dati.Righe.push_back({etichetta, valore});
        }
        Tabella(dati, false);
    }

    void Aggiungi(const Blocco& b) {
        switch (b.Tipo) {
        case TipoBlocco::Sezione: {
            const QFont f = Carattere(PuntiSezione, true);
            // A heading keeps company with what follows it.
            Richiedi(Altezza(f, Q(b.Testo), larghezza_) + Mm(30));
            y_ += y_ > 0 ? Mm(5) : 0;
            Testo(f, Q(b.Testo), 0, larghezza_);
            y_ += Mm(1.5);
            break;
        }
        case TipoBlocco::Paragrafo: {
            const QFont f = Carattere(PuntiCorpo);
            Richiedi(Altezza(f, Q(b.Testo), larghezza_));
            Testo(f, Q(b.Testo), 0, larghezza_);
            y_ += Mm(1);
            break;
        }
        case TipoBlocco::Tabella:
            Tabella(b, true);
            break;
        case TipoBlocco::Disegno:
            Disegno(b);
            break;
        }
    }

    int Pagine() const { return static_cast<int>(pagine_.size()); }

    void Dipingi(QPdfWriter& scrittore, QPainter& p) const {
        const QFont piede = Carattere(PuntiPiede);
        for (std::size_t i = 0; i < pagine_.size(); ++i) {
            if (i > 0) {
                scrittore.newPage();
            }
            for (const Pezzo& pezzo : pagine_[i]) {
                pezzo(p);
            }
            p.setFont(piede);
            p.setPen(Qt::black);
            p.drawText(QRectF(0, piede_, larghezza_, Mm(5)), Qt::AlignHCenter | Qt::AlignBottom,
                       Q(TestoPagina(static_cast<int>(i) + 1, Pagine())));
        }
    }

  private:
    void NuovaPagina() {
        pagine_.emplace_back();
        y_ = 0;
    }

    void Richiedi(double h) {
        if (y_ + h > altezza_ && y_ > 0) {
            NuovaPagina();
        }
    }

    double Altezza(const QFont& f, const QString& testo, double larghezza) const {
        const QFontMetricsF m(f, &dispositivo_);
        return m.boundingRect(QRectF(0, 0, larghezza, altezza_), Qt::TextWordWrap, testo).height();
    }

    void Testo(const QFont& f, const QString& testo, double x, double larghezza,
               QColor colore = Qt::black) {
        const QRectF r(x, y_, larghezza, Altezza(f, testo, larghezza));
        pagine_.back().push_back([f, testo, r, colore](QPainter& p) {
            p.setFont(f);
            p.setPen(colore);
            p.drawText(r, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, testo);
        });
        y_ += r.height();
    }

    // Each column gets at least its heading and its longest word, so that no heading wraps
    // and no word is broken (Qt would break a unit after its "/"); the rest of the width goes
    // to the columns that need more, in proportion. Only a table whose least widths exceed the
    // page is shrunk as a whole.
    std::vector<double> Colonne(const Blocco& b, double margine) const {
        const QFontMetricsF corpo(Carattere(PuntiCorpo), &dispositivo_);
        const QFontMetricsF grassetto(Carattere(PuntiCorpo, true), &dispositivo_);
        const std::size_t n = b.Intestazioni.size();
        std::vector<double> minime(n, 0), naturali(n, 0);
        auto misura = [&](std::size_t c, const std::string& testo, const QFontMetricsF& m) {
            for (const QString& riga : Q(testo).split(QLatin1Char('\n'))) {
                naturali[c] = std::max(naturali[c], m.horizontalAdvance(riga) + 2 * margine);
                for (const QString& parola : riga.split(QLatin1Char(' '))) {
                    minime[c] = std::max(minime[c], m.horizontalAdvance(parola) + 2 * margine);
                }
            }
        };
        for (std::size_t c = 0; c < n; ++c) {
            misura(c, b.Intestazioni[c], grassetto);
            minime[c] = naturali[c];
            for (const auto& riga : b.Righe) {
                if (c < riga.size()) {
                    misura(c, riga[c], corpo);
                }
            }
        }
        double minimo = std::accumulate(minime.begin(), minime.end(), 0.0);
        if (minimo > larghezza_) {
            for (double& m : minime) {
                m *= larghezza_ / minimo;
            }
            minimo = larghezza_;
        }
        const double naturale = std::accumulate(naturali.begin(), naturali.end(), 0.0);
        std::vector<double> larghezze(n);
        for (std::size_t c = 0; c < n; ++c) {
            larghezze[c] = naturale <= larghezza_
                               ? naturali[c]
                               : minime[c] + (naturali[c] - minime[c]) *
                                                 std::max(0.0, larghezza_ - minimo) /
                                                 std::max(1.0, naturale - minimo);
        }
        return larghezze;
    }

    double AltezzaRiga(const std::vector<std::string>& celle, const std::vector<double>& colonne,
                       const QFont& f, double margine) const {
        double h = 0;
        for (std::size_t c = 0; c < colonne.size() && c < celle.size(); ++c) {
            h = std::max(h, Altezza(f, Q(celle[c]), colonne[c] - 2 * margine));
        }
        return h + 2 * margine;
    }

    void Riga(const std::vector<std::string>& celle, const std::vector<double>& colonne,
              const QFont& f, double margine, double h, bool intestazione) {
        std::vector<QColor> colori(celle.size(), Qt::black);
        for (std::size_t c = 0; c < celle.size(); ++c) {
            if (celle[c] == SegnoSuperata) {
                colori[c] = ColoreQt(ColoreSuperata);
            } else if (celle[c] == SegnoNonSuperata) {
                colori[c] = ColoreQt(ColoreNonSuperata);
            }
        }
        const double y = y_;
        const double larghezza = larghezza_;
        pagine_.back().push_back([=](QPainter& p) {
            if (intestazione) {
                p.fillRect(QRectF(0, y, larghezza, h), QColor(230, 230, 230));
            }
            p.setFont(f);
            double x = 0;
            for (std::size_t c = 0; c < colonne.size() && c < celle.size(); ++c) {
                p.setPen(colori[c]);
                p.drawText(
                    QRectF(x + margine, y + margine, colonne[c] - 2 * margine, h - 2 * margine),
                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Q(celle[c]));
                x += colonne[c];
            }
            p.setPen(QPen(QColor(160, 160, 160), Mm(0.15)));
            p.drawLine(QPointF(0, y + h), QPointF(larghezza, y + h));
        });
        y_ += h;
    }

    void Tabella(const Blocco& b, bool conIntestazioni) {
        const double margine = Mm(1);
        const std::vector<double> colonne = Colonne(b, margine);
        const QFont corpo = Carattere(PuntiCorpo);
        const QFont grassetto = Carattere(PuntiCorpo, true);
        const double hIntestazioni =
            conIntestazioni ? AltezzaRiga(b.Intestazioni, colonne, grassetto, margine) : 0;
        auto intestazioni = [&] {
            if (conIntestazioni) {
                Riga(b.Intestazioni, colonne, grassetto, margine, hIntestazioni, true);
            }
        };
        const double prima =
            b.Righe.empty() ? 0 : AltezzaRiga(b.Righe.front(), colonne, corpo, margine);
        Richiedi(hIntestazioni + prima);
        intestazioni();
        for (const auto& riga : b.Righe) {
            const double h = AltezzaRiga(riga, colonne, corpo, margine);
            if (y_ + h > altezza_) {
                NuovaPagina();
                intestazioni();
            }
            Riga(riga, colonne, corpo, margine, h, false);
        }
        y_ += Mm(3);
    }

    void Disegno(const Blocco& b) {
        const Superficie& s = b.Disegno;
        if (!(s.Larghezza > 0) || !(s.Altezza > 0)) {
            return;
        }
        double w = larghezza_;
        double h = w * s.Altezza / s.Larghezza;
        if (h > altezza_ * QuotaDisegno) {
            h = altezza_ * QuotaDisegno;
            w = h * s.Larghezza / s.Altezza;
        }
        const QFont didascalia = Carattere(PuntiCorpo, false, true);
        Richiedi(h + Mm(2) + Altezza(didascalia, Q(b.Testo), larghezza_));
        const QRectF area((larghezza_ - w) / 2, y_, w, h);
        // The window's text size at this scale, against the chart's size on screen.
        const double naturale = s.Larghezza / TwipPerPollice * Risoluzione;
        const double pixel = PixelCarta * std::max(1.0, w / naturale);
        pagine_.back().push_back([s, area, pixel](QPainter& p) {
            DisegnaSuperficie(p, s, area, Carattere(PuntiCorpo), pixel);
        });
        y_ += h + Mm(1);
        Testo(didascalia, Q(b.Testo), 0, larghezza_);
        y_ += Mm(3);
    }

    QPaintDevice& dispositivo_;
    double larghezza_, altezza_, piede_;
    double y_ = 0;
    std::vector<std::vector<Pezzo>> pagine_;
};

} // namespace

QByteArray PdfDellaRelazione(const Relazione& relazione) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter scrittore(&buffer);
        scrittore.setResolution(Risoluzione);
        scrittore.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter));
        scrittore.setTitle(Q(TitoloRelazione));
        scrittore.setCreator(QStringLiteral("Paretix LT"));
        Impaginazione impaginazione(scrittore,
                                    scrittore.pageLayout().paintRectPixels(Risoluzione).toRectF());
        impaginazione.Intestazione(relazione);
        for (const Blocco& b : relazione.Blocchi) {
            impaginazione.Aggiungi(b);
        }
        QPainter p;
        if (!p.begin(&scrittore)) {
            return {};
        }
        impaginazione.Dipingi(scrittore, p);
        p.end();
    }
    return buffer.data();
}

bool ScrittoreRelazionePdf::ScriviRelazione(const Relazione& relazione,
                                            const std::string& percorso) {
    const QByteArray pdf = PdfDellaRelazione(relazione);
    if (pdf.isEmpty()) {
        return false;
    }
    return static_cast<bool>(ScritturaAtomica(
        percorso, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))));
}

} // namespace paretix::disegno
