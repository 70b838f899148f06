#include "core/verifiche/verifiche_finite.h"

#include <cmath>
#include <initializer_list>

#include "core/calc/valori_finiti.h"

namespace paretix {

namespace {

bool Finito(const std::optional<double>& valore) {
    return !valore || std::isfinite(*valore);
}

bool Finiti(std::initializer_list<std::optional<double>> valori) {
    for (const auto& v : valori) {
        if (!Finito(v)) {
            return false;
        }
    }
    return true;
}

template <typename Contenitore> bool TuttiFiniti(const Contenitore& valori) {
    for (const double v : valori) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

bool MeseFinito(const MeseIgrometrico& m) {
    return Finiti({m.Te, m.Ue, m.Ti, m.Pi, m.Tsi, m.FRsiMin, m.FlussoTotale, m.AccumuloTotale,
                   m.Pe}) &&
           TuttiFiniti(m.Flusso) && TuttiFiniti(m.Accumulo) && TuttiFiniti(m.Saturazione) &&
           TuttiFiniti(m.Pressione);
}

bool IgrometricaFinita(const VerificaIgrometrica& v) {
    if (!Finiti({v.SdFreno, v.SpessoreMuffa})) {
        return false;
    }
    if (!v.Risultato) {
        return true;
    }
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    for (const MeseIgrometrico& m : r.Mesi) {
        if (!MeseFinito(m)) {
            return false;
        }
    }
    return Finiti({r.AccumuloMassimo, r.Ammissibile, r.FRsiMax, r.FRsi});
}

} // namespace

std::optional<std::string> ControlloVerificheFinite(const RisultatiVerifiche& v) {
    if (const auto& t = v.Trasmittanza;
        t && (!Finiti({t->U, t->UEsercizio, t->DeltaUf, t->Btr, t->UConfrontata, t->Limite,
                       t->SpessoreAggiuntivo}) ||
              (t->Ponti && !Finiti({t->Ponti->Superiore, t->Ponti->Inferiore, t->Ponti->Media,
                                    t->Ponti->ErroreRelativo})))) {
        return MessaggioFuoriCampo("il confronto della trasmittanza con il limite");
    }
    if (!Finiti({v.MassaSuperficiale}) ||
        (v.Acustica && (!TuttiFiniti(v.Acustica->R) || !std::isfinite(v.Acustica->Ms) ||
                        !std::isfinite(v.Acustica->RwParete) ||
                        (v.Acustica->Facciata && !Finiti({v.Acustica->Facciata->RPrimoW,
                                                          v.Acustica->Facciata->D2mnTw}))))) {
        return MessaggioFuoriCampo("l'indice di valutazione del potere fonoisolante");
    }
    if (v.Dinamica && v.Dinamica->Caratteristiche) {
        const CaratteristichePeriodiche& c = *v.Dinamica->Caratteristiche;
        if (!Finiti({c.U, c.Yie, c.FattoreAttenuazione, c.SfasamentoOre, c.Kappa1, c.Kappa2, c.Y11,
                     c.Y22})) {
            return MessaggioFuoriCampo("il comportamento dinamico (EN ISO 13786)");
        }
    }
    if (v.Estiva && !Finiti({v.Estiva->Ms, v.Estiva->Yie})) {
        return MessaggioFuoriCampo("il requisito estivo");
    }
    if (v.Igrometrica && !IgrometricaFinita(*v.Igrometrica)) {
        return MessaggioFuoriCampo("il bilancio igrometrico mensile (EN ISO 13788)");
    }
    return std::nullopt;
}

} // namespace paretix
