#include "core/charts/grafici_igrometria_mensile.h"

#include <algorithm>
#include <string>

#include "core/charts/assi.h"
#include "core/charts/cornici.h"
#include "core/charts/grafico_umidita.h"
#include "core/charts/isoterme.h"
#include "core/charts/posa_etichette.h"
#include "core/charts/scala.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

namespace {

// The relative humidity in % of air at the vapour pressure p and the saturation pressure ps.
double UmiditàRelativa(double p, double ps) {
    return ps > 0 ? 100 * p / ps : 0;
}

// The months stand between the value axis and the right edge.
constexpr double Sinistra = AsseVerticale;
constexpr double Destra = LarghezzaGraficoAccumulo - 300;

double XMese(double m) {
    return Sinistra + (Destra - Sinistra) * (m + 0.5) / MesiAnno;
}

} // namespace

Superficie GraficoAccumulo(const AccumuloAnno& a) {
    Superficie s;
    s.Larghezza = LarghezzaGraficoAccumulo;
    s.Altezza = AltezzaGraficoAccumulo;
    const bool condensa = a.Massimo > 0;

    ScalaValori scala(s.Altezza, 0);
    for (const double ma : a.Ma) {
        scala.Includi(ma);
    }
    if (condensa) {
        scala.Includi(a.Ammissibile);
    }
    const double zero = scala.y(0);
    s.Linee.push_back({"LineaVerticale", AsseVerticale, MargineBanda, AsseVerticale,
                       s.Altezza - MargineBanda, ColoreSfondoFinestraSistema, 1,
                       StileTratto::Continuo, true});
    s.Linee.push_back(
        {"LineaZero", Sinistra, zero, Destra, zero, BiancoBGR, 1, StileTratto::Continuo, true});
    for (int m = 0; m + 1 < MesiAnno; ++m) {
        const auto i = static_cast<std::size_t>(m);
        s.Linee.push_back({NomeIndice("LineaMa", m + 1), XMese(m), scala.y(a.Ma[i]), XMese(m + 1),
                           scala.y(a.Ma[i + 1]), RossoBGR, 2, StileTratto::Continuo, true});
    }
    const double inizioCiclo = XMese(a.MeseInizio - 0.5);
    if (condensa) {
        const double limite = scala.y(a.Ammissibile);
        s.Linee.push_back({"LineaAmmissibile", Sinistra, limite, Destra, limite, GialloBGR, 1,
                           StileTratto::Punteggiato, true});
        s.Linee.push_back({"LineaInizioCiclo", inizioCiclo, MargineBanda, inizioCiclo, zero,
                           BiancoBGR, 1, StileTratto::Punteggiato, true});
    }

    PosaEtichette posa(s);
    for (int m = 0; m < MesiAnno; ++m) {
        Etichetta e{
            NomeIndice("EtichettaMese", m + 1),        0,         s.Altezza - MargineBanda + 60,
            InizialiMesi[static_cast<std::size_t>(m)], BiancoBGR, true};
        e.Sinistra = XMese(m) - LarghezzaTesto(e.Testo) / 2;
        posa.Occupa(e);
        s.Etichette.push_back(std::move(e));
    }
    if (condensa) {
        Etichetta e{"EtichettaAmmissibile",
                    0,
                    0,
                    PrefissoAmmissibile + FormaGrafico(a.Ammissibile) + " " + UnitàAccumulo,
                    GialloBGR,
                    true};
        posa.PosaLungoLivello(e, Sinistra + DistanzaEtichetta, Destra - LarghezzaTesto(e.Testo),
                              scala.y(a.Ammissibile));
        s.Etichette.push_back(std::move(e));
        Etichetta picco{"EtichettaMaMassimo",
                        0,
                        0,
                        "Ma " + FormaGrafico(a.Massimo) + " " + UnitàAccumulo,
                        RossoBGR,
                        true};
        posa.PosaVicinoAlPunto(picco, XMese(a.MeseMassimo), scala.y(a.Massimo), Lato::Destra);
        s.Etichette.push_back(std::move(picco));
        Etichetta ciclo{"EtichettaInizioCiclo", 0, 0, EtichettaInizioCiclo, BiancoBGR, true};
        posa.PosaVicinoAlPunto(ciclo, inizioCiclo, MargineBanda,
                               a.MeseInizio < MesiAnno / 2 ? Lato::Destra : Lato::Sinistra);
        s.Etichette.push_back(std::move(ciclo));
    } else {
        Etichetta e{"EtichettaSenzaCondensa", 0, 0, EtichettaSenzaCondensa, BiancoBGR, true};
        posa.PosaSopraLivello(e, Sinistra + 200, zero);
        s.Etichette.push_back(std::move(e));
    }
    DisegnaAsseValori(s, scala, UnitàAccumulo, posa);
    return s;
}

Superficie GraficoPressioniMese(const Esercizio& e, const PressioniMese& mese) {
    Grafici g = GraficiAzzerati(true);
    DisegnaLeIsoterme(g, e);
    RisultatiCalcolo r;
    r.Pvsi = mese.SaturazioneInterna;
    r.Pvi = mese.Interna;
    r.Pvse = mese.SaturazioneEsterna;
    r.Pve = mese.Esterna;
    r.Ui = UmiditàRelativa(mese.Interna, mese.SaturazioneInterna);
    r.Ue = UmiditàRelativa(mese.Esterna, mese.SaturazioneEsterna);
    const std::size_t confini = std::min(
        {mese.Saturazione.size(), mese.Pressione.size(), static_cast<std::size_t>(SlotTabelle)});
    for (std::size_t k = 0; k < confini; ++k) {
        r.Pvs[k] = mese.Saturazione[k];
        r.Pv[k] = mese.Pressione[k];
    }
    DisegnaGraficiUmidità(g.Grafico2, r, AscisseConfini(e), "Pa");
    tratteggio(g.Grafico2, e.NumeroStrati());
    return g.Grafico2;
}

} // namespace paretix
