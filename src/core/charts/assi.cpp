#include "core/charts/assi.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/charts/cornici.h"

namespace paretix {

std::vector<double> ValoriTacche(double minimo, double massimo, double altezzaBanda) {
    const double ampiezza = massimo - minimo;
    if (!std::isfinite(minimo) || !std::isfinite(massimo) || !std::isfinite(ampiezza) ||
        !(altezzaBanda > 0)) {
        return {};
    }
    if (ampiezza == 0) {
        return {minimo};
    }
    const double intervalli = std::max(1.0, std::floor(altezzaBanda / DistanzaMinimaTacche));
    const double grezzo = ampiezza / intervalli;
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = 10 * potenza;
    for (const double fattore : {1.0, 2.0, 5.0}) {
        if (fattore * potenza >= grezzo) {
            passo = fattore * potenza;
            break;
        }
    }
    std::vector<double> valori;
    const double primo = std::ceil(minimo / passo);
    for (int i = 0; static_cast<int>(valori.size()) < TaccheMassime; ++i) {
        const double valore = (primo + i) * passo;
        if (valore > massimo) {
            break;
        }
        valori.push_back(valore);
    }
    return valori;
}

void DisegnaAsseValori(Superficie& s, const ScalaValori& scala, std::string_view unita,
                       PosaEtichette& posa) {
    for (int k = 1; k <= TaccheMassime; ++k) {
        RimuoviLinea(s, NomeIndice("Tacca", k));
        RimuoviEtichetta(s, NomeIndice("EtichettaTacca", k));
    }
    if (!unita.empty()) {
        Etichetta didascalia{"EtichettaUnita",   SinistraUnita, AltoUnita,
                             std::string(unita), BiancoBGR,     true};
        posa.Occupa(didascalia);
        PosizionaEtichetta(s, std::move(didascalia));
    }
    const std::vector<double> valori =
        ValoriTacche(scala.Minimo(), scala.Massimo(), s.Altezza - MarginiBandaTotali);
    const double destra = AsseVerticale - LunghezzaTacca - DistanzaEtichetta;
    std::string precedente;
    std::vector<Linea> tacche;
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const double y = scala.y(valori[i]);
        tacche.push_back(Linea{NomeIndice("Tacca", k), AsseVerticale - LunghezzaTacca, y,
                               AsseVerticale, y, BiancoBGR, 1, StileTratto::Continuo, true});
        Etichetta e{NomeIndice("EtichettaTacca", k), 0,         y - AltezzaTesto / 2,
                    FormaGrafico(valori[i]),         BiancoBGR, true};
        e.Sinistra = std::max(0.0, destra - LarghezzaTesto(e.Testo));
        if (e.Testo != precedente && posa.Libero(Ingombro(e))) {
            posa.Occupa(e);
            precedente = e.Testo;
            PosizionaEtichetta(s, std::move(e));
        }
    }
    s.Linee.insert(s.Linee.begin(), tacche.begin(), tacche.end());
}

} // namespace paretix
