#include "core/charts/cornici.h"

#include <cmath>
#include <string>

#include "core/calc/risultati.h"
#include "core/charts/scala.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

namespace {

constexpr int SpessoreAssi = 3;

Linea Segmento(std::string nome, double x1, double y1, double x2, double y2, ColoreBGR colore,
               int spessore = 1, StileTratto tratto = StileTratto::Continuo) {
    return Linea{std::move(nome), x1, y1, x2, y2, colore, spessore, tratto, true};
}

// Axes, the two faces and the upper and lower edge of the section. suffisso names the surface
// ("1" or "2"); the section edges are "Line3(100)"/"Line3(101)" on surface 1 and
// "Line3(200)"/"Line3(201)" on surface 2.
void DisegnaCornice(Superficie& s, const std::string& suffisso, double altezzaAsseX,
                    int primoBordo) {
    const double W = s.Larghezza;
    const double H = s.Altezza;
    const double basso = H - MargineBassoMuro;
    PosizionaLinea(s, Segmento("LineYg" + suffisso, AsseVerticale, H - MargineBassoAsse,
                               AsseVerticale, 0, ColoreSfondoFinestraSistema, SpessoreAssi));
    PosizionaLinea(s, Segmento("LineXg" + suffisso, AsseVerticale, altezzaAsseX, W, altezzaAsseX,
                               BiancoBGR, SpessoreAssi));
    PosizionaLinea(s, Segmento("L" + suffisso + "(0)", FacciaInterna, AltoMuro, FacciaInterna,
                               basso, GialloBGR));
    PosizionaLinea(s, Segmento("L" + suffisso + suffisso + "(0)", FacciaEsterna, AltoMuro,
                               FacciaEsterna, basso, GialloBGR));
    PosizionaLinea(s, Segmento(NomeIndice("Line3", primoBordo), FacciaInterna, AltoMuro,
                               FacciaEsterna, AltoMuro, BiancoBGR, 1, StileTratto::TrattoPunto));
    PosizionaLinea(s, Segmento(NomeIndice("Line3", primoBordo + 1), FacciaInterna, basso,
                               FacciaEsterna, basso, BiancoBGR, 1, StileTratto::TrattoPunto));
}

// The elements that exist only while the acoustic chart is drawn.
void NascondiGraficoEnergia(Superficie& g3) {
    for (Linea& l : g3.Linee) {
        if (l.Nome.starts_with("L3(") || l.Nome.starts_with("L3x(")) {
            l.Visibile = false;
        }
    }
    for (Etichetta& e : g3.Etichette) {
        e.Visibile = false;
    }
}

} // namespace

double AscissaFrequenza(double F) {
    return AscissaPrimaOttava + LarghezzaOttava * std::log2(F / FrequenzeOttava.front());
}

void PosizionaGrigliaFrequenze(Superficie& g3, bool visibile) {
    const double basso = g3.Altezza - MargineBassoMuro;
    PosizionaEtichetta(
        g3, Etichetta{"LabelErz(0)", 100, AltoEtichetteFrequenza, "Hz", BiancoBGR, visibile});
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const double x = AscissaFrequenza(FrequenzeOttava[i]);
        Linea griglia = Segmento(NomeIndice("L3", k), x, AltoGrigliaFrequenze, x, basso, GialloBGR,
                                 1, StileTratto::Punteggiato);
        griglia.Visibile = visibile;
        PosizionaLinea(g3, std::move(griglia));
        const std::string testo = std::to_string(FrequenzeOttava[i]);
        const double sinistra = x - LarghezzaTesto(testo) / 2;
        PosizionaEtichetta(g3, Etichetta{NomeIndice("LabelErz", k), sinistra,
                                         AltoEtichetteFrequenza, testo, GialloBGR, visibile});
    }
}

void DisegnaAsintotiEMuro(Grafici& g) {
    DisegnaCornice(g.Grafico1, "1", g.Grafico1.Altezza - MargineBanda, 100);
    DisegnaCornice(g.Grafico2, "2", AltezzaRiferimentoGrafico2, 200);

    Superficie& g3 = g.Grafico3;
    g3.Altezza = AltezzaSuperficieIntera;
    const double H = g3.Altezza;
    PosizionaLinea(g3, Segmento("LineYg3", AsseVerticale, H - MargineBassoAsse, AsseVerticale, 0,
                                ColoreSfondoFinestraSistema, SpessoreAssi));
    PosizionaLinea(g3, Segmento("LineXg3", AsseVerticale, H - MargineBanda, g3.Larghezza,
                                H - MargineBanda, BiancoBGR, SpessoreAssi));
    PosizionaGrigliaFrequenze(g3, true);
}

Grafici GraficiAzzerati(bool igrometrico) {
    Grafici g;
    g.Grafico1.Larghezza = g.Grafico2.Larghezza = g.Grafico3.Larghezza = LarghezzaSuperficie;
    g.Grafico1.Altezza = igrometrico ? AltezzaSuperficieMezza : AltezzaSuperficieIntera;
    g.Grafico2.Altezza = AltezzaSuperficieMezza;
    DisegnaAsintotiEMuro(g);
    NascondiGraficoEnergia(g.Grafico3);
    return g;
}

} // namespace paretix
