#include "core/charts/grafico_serie.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/charts/assi.h"
#include "core/charts/cornici.h"
#include "core/charts/posa_etichette.h"
#include "core/charts/scala.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

namespace {

constexpr double Sinistra = AsseVerticale + 60; // clear of the value axis
constexpr double Destra = LarghezzaGraficoSerie - 300;
constexpr double AltoLegenda = AltoUnita;
constexpr double CampioneLegenda = 200; // the stroke before each legend entry
constexpr double SpazioLegenda = 150;

class ScalaAscisse {
  public:
    explicit ScalaAscisse(const DatiGraficoSerie& d) {
        for (const CurvaGrafico& c : d.Curve) {
            for (const double v : c.x) {
                Includi(v);
            }
        }
        for (const double v : d.Confini) {
            Includi(v);
        }
        if (!(min_ <= max_)) {
            min_ = max_ = 0;
        }
    }

    double x(double v) const {
        return max_ > min_ ? Sinistra + (Destra - Sinistra) * (v - min_) / (max_ - min_) : Sinistra;
    }
    double Minimo() const { return min_; }
    double Massimo() const { return max_; }

  private:
    void Includi(double v) {
        if (std::isfinite(v)) {
            min_ = std::min(min_, v);
            max_ = std::max(max_, v);
        }
    }

    double min_ = std::numeric_limits<double>::infinity();
    double max_ = -std::numeric_limits<double>::infinity();
};

ScalaValori ScalaDi(const DatiGraficoSerie& d, double altezza) {
    std::optional<ScalaValori> scala;
    const auto includi = [&](double v) {
        if (!std::isfinite(v)) {
            return;
        }
        if (!scala) {
            scala.emplace(altezza, v);
        } else {
            scala->Includi(v);
        }
    };
    for (const CurvaGrafico& c : d.Curve) {
        std::for_each(c.y.begin(), c.y.end(), includi);
    }
    if (d.DaZero) {
        includi(0);
    }
    if (d.Soglia) {
        includi(*d.Soglia);
    }
    return scala.value_or(ScalaValori(altezza, 0));
}

// The legend starts right of the value axis's unit, on its row.
void DisegnaLegenda(Superficie& s, const DatiGraficoSerie& d) {
    const double inizio = std::max(AsseVerticale + 300,
                                   SinistraUnita + LarghezzaTesto(d.UnitàValori) + SpazioLegenda);
    double x = inizio, alto = AltoLegenda;
    for (std::size_t k = 0; k < d.Curve.size(); ++k) {
        const CurvaGrafico& c = d.Curve[k];
        const double larghezza = CampioneLegenda + DistanzaEtichetta + LarghezzaTesto(c.Didascalia);
        if (x + larghezza > s.Larghezza - DistanzaEtichetta && x > inizio) {
            x = inizio;
            alto += AltezzaTesto;
        }
        const int i = static_cast<int>(k) + 1;
        const double y = alto + AltezzaTesto / 2;
        s.Linee.push_back({NomeIndice("Legenda", i), x, y, x + CampioneLegenda, y, c.Colore, 2,
                           StileTratto::Continuo, true});
        s.Etichette.push_back({NomeIndice("EtichettaLegenda", i),
                               x + CampioneLegenda + DistanzaEtichetta, alto, c.Didascalia,
                               c.Colore, true});
        x += larghezza + SpazioLegenda;
    }
}

void DisegnaAscisse(Superficie& s, const ScalaAscisse& sx, std::string_view unità,
                    PosaEtichette& posa) {
    const double y = s.Altezza - MargineBanda + 40;
    s.Linee.push_back({"LineaAscisse", AsseVerticale, y, Destra, y, ColoreSfondoFinestraSistema, 1,
                       StileTratto::Continuo, true});
    const std::vector<double> valori =
        ValoriTacche(sx.Minimo(), sx.Massimo(), (Destra - Sinistra) / 3);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const double x = sx.x(valori[i]);
        s.Linee.push_back({NomeIndice("TaccaAscissa", k), x, y, x, y + LunghezzaTacca, BiancoBGR, 1,
                           StileTratto::Continuo, true});
        Etichetta e{
            NomeIndice("EtichettaAscissa", k), 0,         y + LunghezzaTacca + DistanzaEtichetta,
            FormaGrafico(valori[i]),           BiancoBGR, true};
        e.Sinistra =
            std::clamp(x - LarghezzaTesto(e.Testo) / 2, 0.0, s.Larghezza - LarghezzaTesto(e.Testo));
        if (posa.Libero(Ingombro(e))) {
            posa.Occupa(e);
            s.Etichette.push_back(std::move(e));
        }
    }
    Etichetta u{
        "EtichettaUnitaAscisse", 0,         y + LunghezzaTacca + DistanzaEtichetta + AltezzaTesto,
        std::string(unità),      BiancoBGR, true};
    u.Sinistra = Destra - LarghezzaTesto(u.Testo);
    posa.Occupa(u);
    s.Etichette.push_back(std::move(u));
}

} // namespace

Superficie GraficoSerie(const DatiGraficoSerie& d) {
    Superficie s;
    s.Larghezza = LarghezzaGraficoSerie;
    s.Altezza = AltezzaGraficoSerie;
    const ScalaAscisse sx(d);
    const ScalaValori sy = ScalaDi(d, s.Altezza);

    s.Linee.push_back({"LineaVerticale", AsseVerticale, MargineBanda, AsseVerticale,
                       s.Altezza - MargineBanda + 40, ColoreSfondoFinestraSistema, 1,
                       StileTratto::Continuo, true});
    for (std::size_t k = 0; k < d.Confini.size(); ++k) {
        const double x = sx.x(d.Confini[k]);
        s.Linee.push_back({NomeIndice("LineaConfine", static_cast<int>(k) + 1), x, MargineBanda, x,
                           s.Altezza - MargineBanda, BiancoBGR, 1, StileTratto::Punteggiato, true});
    }
    for (std::size_t k = 0; k < d.Curve.size(); ++k) {
        const CurvaGrafico& c = d.Curve[k];
        const std::string famiglia = "Curva" + std::to_string(k + 1);
        const std::size_t punti = std::min(c.x.size(), c.y.size());
        int indice = 0;
        for (std::size_t i = 1; i < punti; ++i) {
            if (std::isfinite(c.x[i - 1] + c.y[i - 1] + c.x[i] + c.y[i])) {
                s.Linee.push_back({NomeIndice(famiglia, ++indice), sx.x(c.x[i - 1]),
                                   sy.y(c.y[i - 1]), sx.x(c.x[i]), sy.y(c.y[i]), c.Colore, 2,
                                   StileTratto::Continuo, true});
            }
        }
    }
    if (d.Soglia) {
        const double y = sy.y(*d.Soglia);
        s.Linee.push_back(
            {"LineaSoglia", Sinistra, y, Destra, y, GialloBGR, 1, StileTratto::Punteggiato, true});
    }
    DisegnaLegenda(s, d);

    PosaEtichette posa(s);
    if (d.Soglia) {
        Etichetta e{"EtichettaSoglia", 0, 0, d.DidascaliaSoglia, GialloBGR, true};
        posa.PosaSopraLivello(e, Destra - LarghezzaTesto(e.Testo), sy.y(*d.Soglia));
        s.Etichette.push_back(std::move(e));
    }
    DisegnaAscisse(s, sx, d.UnitàAscisse, posa);
    DisegnaAsseValori(s, sy, d.UnitàValori, posa);
    return s;
}

CurvaGrafico RiduciSerie(CurvaGrafico c, std::size_t gruppi) {
    const std::size_t n = std::min(c.x.size(), c.y.size());
    if (gruppi == 0 || n <= 2 * gruppi) {
        return c;
    }
    CurvaGrafico r{c.Didascalia, {}, {}, c.Colore};
    for (std::size_t g = 0; g < gruppi; ++g) {
        const std::size_t da = n * g / gruppi, a = n * (g + 1) / gruppi;
        const auto inizio = c.y.begin() + static_cast<std::ptrdiff_t>(da);
        const auto fine = c.y.begin() + static_cast<std::ptrdiff_t>(a);
        const auto [basso, alto] = std::minmax_element(inizio, fine);
        for (const auto it : {std::min(basso, alto), std::max(basso, alto)}) {
            const auto i = static_cast<std::size_t>(it - c.y.begin());
            r.x.push_back(c.x[i]);
            r.y.push_back(c.y[i]);
        }
    }
    return r;
}

} // namespace paretix
