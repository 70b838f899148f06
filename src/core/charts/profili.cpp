#include "core/charts/profili.h"

#include "core/charts/cornici.h"

namespace paretix {

void SpostaLineaZero(Superficie& s, std::string_view nome, double y) {
    PosizionaLinea(s, Linea{std::string(nome), AsseVerticale, y, s.Larghezza, y, BiancoBGR, 3,
                            StileTratto::Continuo, true});
}

void RimuoviProfilo(Superficie& s, std::string_view famiglia) {
    for (int k = 1; k <= NumeroStratiMax + 1; ++k) {
        RimuoviLinea(s, NomeIndice(famiglia, k));
    }
}

void DisegnaProfilo(Superficie& s, std::string_view famiglia, ColoreBGR colore,
                    const ScalaValori& scala, double interno, const Tabella& confini,
                    double esterno, const std::vector<double>& ascisse) {
    const int N = static_cast<int>(ascisse.size()) - 1;
    auto segmento = [&](int k, double x1, double v1, double x2, double v2) {
        PortaDavanti(s, Linea{NomeIndice(famiglia, k), x1, scala.y(v1), x2, scala.y(v2), colore, 1,
                              StileTratto::Continuo, true});
    };
    segmento(0, 0, interno, FacciaInterna, interno);
    for (int k = 1; k <= N; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        const auto b = static_cast<std::size_t>(k);
        segmento(k, ascisse[a], confini[a], ascisse[b], confini[b]);
    }
    segmento(N + 1, FacciaEsterna, esterno, FineLivelloEsterno, esterno);
}

} // namespace paretix
