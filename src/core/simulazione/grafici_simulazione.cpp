#include "core/simulazione/grafici_simulazione.h"

#include <algorithm>
#include <string>

#include "core/charts/grafico_serie.h"
#include "core/simulazione/valutazione_simulazione.h"

namespace paretix {

namespace {

constexpr double MesiPerAnno = 12;
constexpr double OreGiorno = 24;
constexpr double CentimetriMetro = 100;
constexpr double Percento = 100;

// The chart's short name of a place: the legend has room for a few words.
std::string NomePosto(int dove) {
    if (dove == 0) {
        return DidascaliaSuperficieInterna;
    }
    return "interfaccia " + std::to_string(dove) + "|" + std::to_string(dove + 1);
}

// 0 at the start, then the end of each month, in years.
std::vector<double> AnniFineMese(std::size_t mesi) {
    std::vector<double> x{0};
    for (std::size_t m = 1; m <= mesi; ++m) {
        x.push_back(static_cast<double>(m) / MesiPerAnno);
    }
    return x;
}

const AndamentoPunto* Posto(const RisultatoSimulazione& r, int dove) {
    const auto it = std::find_if(r.Andamenti.begin(), r.Andamenti.end(),
                                 [dove](const AndamentoPunto& a) { return a.Dove == dove; });
    return it == r.Andamenti.end() ? nullptr : &*it;
}

CurvaGrafico CurvaOraria(const AndamentoPunto& a, bool umidità, ColoreBGR colore) {
    CurvaGrafico c{NomePosto(a.Dove), {}, {}, colore};
    const std::vector<double>& valori = umidità ? a.φ : a.θ;
    for (std::size_t h = 0; h < valori.size(); ++h) {
        c.x.push_back(static_cast<double>(h + 1) / OreGiorno);
        c.y.push_back(umidità ? valori[h] * Percento : valori[h]);
    }
    return RiduciSerie(std::move(c), GruppiSerie);
}

} // namespace

Superficie GraficoAcquaTotale(const RisultatoSimulazione& r) {
    DatiGraficoSerie d;
    d.UnitàValori = "kg/m²";
    d.UnitàAscisse = UnitàAnni;
    d.DaZero = true;
    CurvaGrafico c{
        DidascaliaAcquaTotale, AnniFineMese(r.AcquaMensile.size()), {r.AcquaIniziale}, CianoBGR};
    c.y.insert(c.y.end(), r.AcquaMensile.begin(), r.AcquaMensile.end());
    d.Curve.push_back(std::move(c));
    return GraficoSerie(d);
}

Superficie GraficoMuffa(const RisultatoSimulazione& r) {
    DatiGraficoSerie d;
    d.UnitàValori = "M";
    d.UnitàAscisse = UnitàAnni;
    d.DaZero = true;
    d.Soglia = IndiceMuffaAmmesso;
    d.DidascaliaSoglia = "ammesso M < " + std::to_string(static_cast<int>(IndiceMuffaAmmesso));
    const auto peggiore = std::max_element(
        r.Muffa.begin(), r.Muffa.end(),
        [](const MuffaPunto& a, const MuffaPunto& b) { return a.Massimo < b.Massimo; });
    for (const MuffaPunto& p : r.Muffa) {
        if (p.Dove != 0 && &p != &*peggiore) {
            continue;
        }
        CurvaGrafico c{NomePosto(p.Dove),
                       AnniFineMese(p.FineMese.size()),
                       {0},
                       p.Dove == 0 ? RossoBGR : MagentaBGR};
        c.y.insert(c.y.end(), p.FineMese.begin(), p.FineMese.end());
        d.Curve.push_back(std::move(c));
    }
    return GraficoSerie(d);
}

int InterfacciaPiùUmida(const RisultatoSimulazione& r) {
    int dove = 0;
    double massimo = -1;
    for (const AndamentoPunto& a : r.Andamenti) {
        if (a.Dove != 0 && !a.φ.empty()) {
            const double φ = *std::max_element(a.φ.begin(), a.φ.end());
            if (φ > massimo) {
                massimo = φ;
                dove = a.Dove;
            }
        }
    }
    return dove;
}

std::vector<std::pair<int, std::string>> InterfacceOsservate(const RisultatoSimulazione& r) {
    std::vector<std::pair<int, std::string>> interfacce;
    for (const AndamentoPunto& a : r.Andamenti) {
        if (a.Dove != 0) {
            interfacce.emplace_back(a.Dove, LuogoMuffa({a.Dove, 0, {}}));
        }
    }
    return interfacce;
}

Superficie GraficoAndamento(const RisultatoSimulazione& r, int dove, bool umidità) {
    const AndamentoPunto* superficie = Posto(r, 0);
    if (!superficie) {
        return {};
    }
    DatiGraficoSerie d;
    d.UnitàValori = umidità ? "φ %" : "θ °C";
    d.UnitàAscisse = UnitàGiorniUltimoAnno;
    d.Curve.push_back(CurvaOraria(*superficie, umidità, RossoBGR));
    if (const AndamentoPunto* interfaccia = dove == 0 ? nullptr : Posto(r, dove)) {
        d.Curve.push_back(CurvaOraria(*interfaccia, umidità, CianoBGR));
    }
    if (umidità) {
        d.Soglia = Percento;
        d.DidascaliaSoglia = "saturazione";
    }
    return GraficoSerie(d);
}

Superficie GraficoProfilo(const RisultatoSimulazione& r, std::size_t giorno, GrandezzaProfilo g) {
    if (giorno == 0 || giorno > r.ProfiliGiornalieri.size()) {
        return {};
    }
    const Profilo& p = r.ProfiliGiornalieri[giorno - 1];
    DatiGraficoSerie d;
    d.UnitàAscisse = UnitàSpessore;
    CurvaGrafico c{"giorno " + std::to_string(giorno), {}, {}, GialloBGR};
    for (const double x : p.x) {
        c.x.push_back(x * CentimetriMetro);
    }
    switch (g) {
    case GrandezzaProfilo::Temperatura:
        d.UnitàValori = "θ °C";
        c.y = p.T;
        break;
    case GrandezzaProfilo::Umidità:
        d.UnitàValori = "φ %";
        for (const double φ : p.φ) {
            c.y.push_back(φ * Percento);
        }
        break;
    case GrandezzaProfilo::Acqua:
        d.UnitàValori = "w kg/m³";
        d.DaZero = true;
        c.y = p.w;
        break;
    }
    d.Curve.push_back(std::move(c));
    double faccia = 0;
    for (std::size_t k = 0; k + 1 < r.Spessori.size(); ++k) {
        faccia += r.Spessori[k];
        d.Confini.push_back(faccia * CentimetriMetro);
    }
    return GraficoSerie(d);
}

} // namespace paretix
