#include "core/verifiche/calcola_verifiche.h"

#include "core/verifiche/estiva.h"
#include "core/verifiche/indice_acustico.h"
#include "core/verifiche/massa_superficiale.h"
#include "core/verifiche/rapporto_verifiche.h"
#include "core/verifiche/trasmittanza.h"
#include "core/verifiche/verifiche_finite.h"

namespace paretix {

RisultatiVerifiche CalcolaVerifiche(const Esercizio& e, const RisultatiCalcolo& r) {
    RisultatiVerifiche v;
    if (!e.Verifiche.Attive) {
        return v;
    }
    if (e.Termico) {
        v.Trasmittanza = VerificaDellaTrasmittanza(e, r);
    }
    // With the checks on the densities are asked for and validated in every run.
    v.MassaSuperficiale = MassaSuperficialeDiLegge(e, r);
    if (e.Acustico) {
        const double totale = MassaSuperficialeTotale(e, r);
        v.Acustica = VerificaDellIsolamentoAcustico(e, r, totale);
        v.Acustica->MsConIntonaci = totale != *v.MassaSuperficiale;
    }
    if (e.Termico) {
        v.Dinamica = VerificaDellaDinamica(e, r);
        v.Estiva = VerificaDellaEstiva(e, *v.MassaSuperficiale, *v.Dinamica);
    }
    v.IgrometricaRichiesta = ConDatiIgrometrici(e.Verifiche);
    if (v.IgrometricaRichiesta && e.Termico && e.Igrometrico) {
        v.Igrometrica = VerificaDellIgrometria(e, r);
    }
    return v;
}

EsitoCalcola CalcolaConVerifiche(Esercizio& e, RisultatiCalcolo& r, std::string& TestoStampa,
                                 std::optional<RisultatiVerifiche>* verifiche) {
    const std::string prima = e.Verifiche.Attive ? TestoStampa : std::string();
    EsitoCalcola esito = Command1_Click(e, r, TestoStampa);
    std::optional<RisultatiVerifiche> v;
    if (esito.DatiValidi && e.Verifiche.Attive) {
        v = CalcolaVerifiche(e, r);
        // A check whose numbers are not finite fails the run as the calculation's own would:
        // the message, and the report left as it was before the run.
        if (auto messaggio = ControlloVerificheFinite(*v)) {
            esito.DatiValidi = false;
            esito.Messaggio = std::move(*messaggio);
            TestoStampa = prima;
            v.reset();
        } else {
            AggiungiRapportoVerifiche(*v, TestoStampa);
        }
    }
    if (verifiche != nullptr) {
        *verifiche = std::move(v);
    }
    return esito;
}

} // namespace paretix
