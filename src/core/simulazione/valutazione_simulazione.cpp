#include "core/simulazione/valutazione_simulazione.h"

#include <algorithm>
#include <cmath>

#include "core/model/numeri.h"

namespace paretix {

std::optional<AndamentoAcqua> ValutaAndamento(const RisultatoSimulazione& r) {
    if (r.AcquaAnnua.size() < 2 || !r.AcquaAnnoPrima) {
        return std::nullopt;
    }
    AndamentoAcqua a;
    a.PrimoAnno = r.AcquaAnnua.front() - r.AcquaIniziale;
    a.UltimoAnno = r.AcquaFinale - *r.AcquaAnnoPrima;
    const double soglia = std::max(QuotaEquilibrio * std::abs(a.PrimoAnno), SogliaEquilibrio);
    if (std::abs(a.UltimoAnno) <= soglia) {
        a.Esito = Andamento::InEquilibrio;
    } else {
        a.Esito = a.UltimoAnno < 0 ? Andamento::SiAsciuga : Andamento::Accumula;
    }
    return a;
}

std::string TestoAndamento(Andamento a) {
    switch (a) {
    case Andamento::SiAsciuga:
        return "si asciuga";
    case Andamento::Accumula:
        return "accumula";
    case Andamento::InEquilibrio:
        break;
    }
    return "è in equilibrio";
}

std::string TestoEsito(bool verificato) {
    return verificato ? "verificato" : "non verificato";
}

std::string CriterioEquilibrio() {
    return "in equilibrio se l'ultima non supera il " + FormaGenerale(QuotaEquilibrio * 100) +
           " % della prima o " + FormaGenerale(SogliaEquilibrio) + " kg/m²";
}

std::string LuogoMuffa(const MuffaPunto& p) {
    if (p.Dove == 0) {
        return "superficie interna";
    }
    return "interfaccia tra gli strati " + std::to_string(p.Dove) + " e " +
           std::to_string(p.Dove + 1);
}

} // namespace paretix
