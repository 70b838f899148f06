#pragma once
// Where the value labels of a chart go: each one near the point it names, but inside the
// surface, off every visible line (curves, axes, zero and grid lines, the wall's section) and
// off every other label. A label tries its places in order and
// takes the first free one.

#include <vector>

#include "core/charts/elementi.h"
#include "core/charts/testo_grafico.h"

namespace paretix {

// The gap kept between a label and the level, point or axis it names.
constexpr double DistanzaEtichetta = 20;
// How far each next place of a label moves from the previous one.
constexpr double PassoPosto = 60;

// Where a label's text stands against the point it names.
enum class Lato { Destra, Sinistra };

class PosaEtichette {
  public:
    // No label may cross a line visible on s now, nor a stroke; every visible label already on
    // s is taken. The strokes are read where they are: they must stay unchanged while the
    // labels are placed.
    explicit PosaEtichette(const Superficie& s);

    // Whether r is inside the surface and free of lines and taken labels.
    bool Libero(const Rettangolo& r) const;

    // Places e beside the level y, with its left edge at sinistra: above it, then below it,
    // then further away by PassoPosto each time; then marks it taken. Whether a free place
    // was found: otherwise e stands at the first place, moved inside the surface.
    bool PosaSopraLivello(Etichetta& e, double sinistra, double y);

    // Places e beside the level y with its left edge somewhere from da to a: right next to
    // the level first, above and then below it, with the left edge at a, then PassoPosto
    // further left each time down to da; only then further away from the level.
    bool PosaLungoLivello(Etichetta& e, double da, double a, double y);

    // Places e beside the point (x, y), above and to the lato side of it first; then the
    // other side, then below, then further above and below.
    bool PosaVicinoAlPunto(Etichetta& e, double x, double y, Lato lato);

    // Marks e taken without moving it.
    void Occupa(const Etichetta& e);

  private:
    const Superficie& superficie_;
    std::vector<Linea> linee_;
    std::vector<Rettangolo> occupati_;
};

} // namespace paretix
