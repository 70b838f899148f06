#pragma once
// The transmittance of the law (UNI EN ISO 6946): the standard surface resistances, the upper
// and lower limits of a wall with a bridged layer (studs, a frame) and the correction for the
// mechanical fasteners that cross the insulation (Annex F).

#include <optional>
#include <vector>

namespace paretix {

struct ResistenzeLiminari {
    double Rsi = 0, Rse = 0; // m² K/W
};

// A wall with horizontal heat flow: Rsi 0,13 and Rse 0,04 towards the outside, 0,13 on both
// faces towards an unheated space or another dwelling.
ResistenzeLiminari ResistenzeLiminariEsterno();
ResistenzeLiminari ResistenzeLiminariInterno();

// One layer of the chain: its resistance in the main section a and, for a bridged layer, the
// one in the bridging section b, m² K/W.
struct StratoConPonte {
    double Resistenza = 0;
    std::optional<double> ResistenzaPonte;
};

struct LimitiResistenza {
    double Superiore = 0;      // R'T, the parallel sections, m² K/W
    double Inferiore = 0;      // R''T, the layers each averaged, m² K/W
    double Media = 0;          // RT = (R'T + R''T)/2
    double ErroreRelativo = 0; // e = (R'T - R''T)/(2 RT)
    // The method holds while R'T/R''T does not exceed 1,5.
    bool EntroIlMetodo() const;
};

// fb is the share of the area in section b, 0..1.
LimitiResistenza LimitiDellaResistenza(const ResistenzeLiminari& rs, double fb,
                                       const std::vector<StratoConPonte>& strati);

// The fasteners through the insulation: conductivity λf W/(m K), cross-section Af m², number
// per m², the insulation's thickness d0 m and resistance R1 m² K/W, the total resistance of the
// homogeneous wall RTh m² K/W, and the length d1 m inside the insulation when they stop in it.
struct Fissaggi {
    double Conduttività = 0;
    double Sezione = 0;
    double Numero = 0;
    double SpessoreIsolante = 0;
    double ResistenzaIsolante = 0;
    double ResistenzaTotale = 0;
    std::optional<double> Incasso;
};

// ΔUf = α λf Af nf / d0 (R1/RTh)², α = 0,8, or 0,8 d1/d0 for a recessed fastener. W/(m² K).
double CorrezioneFissaggi(const Fissaggi& f);

// Whether ΔUf enters the U: fasteners of λf ≥ 1 W/(m K) and a correction of at least 3 % of U.
bool CorrezioneConta(const Fissaggi& f, double deltaUf, double U);

} // namespace paretix
