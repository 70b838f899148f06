#include "core/window/grafici_verifiche.h"

#include "core/charts/grafici_igrometria_mensile.h"
#include "core/charts/grafico_sfasamento.h"

namespace paretix {

GraficiVerifiche GraficiDelleVerifiche(const Esercizio& e, const RisultatiVerifiche& v) {
    GraficiVerifiche g;
    if (v.Dinamica && v.Dinamica->Caratteristiche) {
        const CaratteristichePeriodiche& c = *v.Dinamica->Caratteristiche;
        g.Sfasamento = GraficoSfasamento(c.U, c.Yie, c.SfasamentoOre);
    }
    if (v.Igrometrica && v.Igrometrica->Risultato) {
        const RisultatoIgrometriaMensile& r = *v.Igrometrica->Risultato;
        AccumuloAnno accumulo{
            {}, r.AccumuloMassimo, r.MeseAccumuloMassimo, r.Ammissibile, r.MeseInizio};
        for (std::size_t m = 0; m < r.Mesi.size(); ++m) {
            accumulo.Ma[m] = r.Mesi[m].AccumuloTotale;
        }
        g.Accumulo = GraficoAccumulo(accumulo);
        for (const MeseIgrometrico& mese : r.Mesi) {
            g.PressioniMesi.push_back(
                GraficoPressioniMese(e, {PressioneSaturazione(mese.Ti), mese.Pi, mese.Saturazione,
                                         mese.Pressione, PressioneSaturazione(mese.Te), mese.Pe}));
        }
        g.Mesi = CelleTabellaMensile(r);
        g.Mese = r.AccumuloMassimo > 0 ? r.MeseAccumuloMassimo : r.MeseCritico;
    }
    return g;
}

} // namespace paretix
