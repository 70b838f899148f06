#include "core/calc/valori_finiti.h"

#include <cmath>
#include <initializer_list>

namespace paretix {

namespace {

inline constexpr const char* InizioFuoriCampo = "Valori fuori campo: ";
inline constexpr const char* FineFuoriCampo =
    " non può essere calcolato: i dati contengono valori troppo grandi o troppo piccoli per il "
    "calcolo.";

bool Finiti(std::initializer_list<double> valori) {
    for (const double v : valori) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// Slots da..a of a table: layers 1..n or boundaries 0..n.
bool Finiti(const Tabella& tabella, int da, int a) {
    for (int k = da; k <= a; ++k) {
        if (!std::isfinite(tabella[k])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Termico(const RisultatiCalcolo& r, int n) {
    if (!Finiti(r.ResistenzaStrato, 1, n) || !Finiti({r.SommatoriaResistenze, r.Hc})) {
        return MessaggioFuoriCampo("la resistenza termica degli strati");
    }
    // 1/H is the resistance the tables and JSON write.
    if (!Finiti({r.ResistenzaLiminareInterna, r.H, 1 / r.H})) {
        return MessaggioFuoriCampo("la trasmittanza");
    }
    if (!Finiti({r.FI})) {
        return MessaggioFuoriCampo("il flusso termico");
    }
    if (!Finiti(r.T, 0, n)) {
        return MessaggioFuoriCampo("la temperatura alle superfici degli strati");
    }
    return std::nullopt;
}

std::optional<std::string> Igrometrico(const RisultatiCalcolo& r, int n) {
    if (!Finiti({r.Pvsi, r.Pvse}) || !Finiti(r.Pvs, 0, n)) {
        return MessaggioFuoriCampo("la pressione di saturazione");
    }
    if (!Finiti(r.ResistenzaVapore, 1, n) || !Finiti({r.PermeanzaParete})) {
        return MessaggioFuoriCampo("la resistenza al vapore degli strati");
    }
    if (!Finiti({r.Pvi, r.Pve}) || !Finiti(r.Pv, 0, n)) {
        return MessaggioFuoriCampo("la pressione del vapore");
    }
    return std::nullopt;
}

std::optional<std::string> Acustico(const RisultatiCalcolo& r, int n) {
    if (!std::isfinite(r.DisturboInEntrata)) {
        return MessaggioFuoriCampo("il disturbo sonoro in entrata");
    }
    for (int k = 1; k <= n; ++k) {
        if (r.MassaSuperficiale[k] && !std::isfinite(*r.MassaSuperficiale[k])) {
            return MessaggioFuoriCampo("la massa superficiale");
        }
    }
    for (std::size_t f = 0; f < FrequenzeOttava.size(); ++f) {
        if (!std::isfinite(r.PotereFonoisolanteParete[f])) {
            return MessaggioFuoriCampo("il potere fonoisolante");
        }
        if (!std::isfinite(r.EnergiaTrasmessa[f])) {
            return MessaggioFuoriCampo("il rumore trasmesso");
        }
    }
    return std::nullopt;
}

} // namespace

std::string MessaggioFuoriCampo(const char* grandezza) {
    return std::string(InizioFuoriCampo) + grandezza + FineFuoriCampo;
}

std::optional<std::string> ControlloValoriFiniti(const Esercizio& e, const RisultatiCalcolo& r) {
    const int n = e.NumeroStrati();
    if (e.Termico) {
        if (auto messaggio = Termico(r, n)) {
            return messaggio;
        }
    }
    if (e.Igrometrico) {
        if (auto messaggio = Igrometrico(r, n)) {
            return messaggio;
        }
    }
    if (e.Acustico) {
        return Acustico(r, n);
    }
    return std::nullopt;
}

} // namespace paretix
