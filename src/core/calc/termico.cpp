#include "core/calc/termico.h"

#include <cmath>

#include "core/calc/conduttivita_equivalente.h"
#include "core/calc/testo_rapporto.h"
#include "core/model/numeri.h"

namespace paretix {

void CalcoloSommatoriaResistenzeTermicheUnitarieR(RisultatiCalcolo& r, int n, std::string& testo) {
    r.ResistenzaLiminareInterna = 1 / r.hi;
    r.SommatoriaResistenze = 0;
    for (int k = 1; k <= n; ++k) {
        // A zero conductivity (the thickness is never zero) gives no finite quotient.
        const double resistenza = r.SpessoreMetri[k] / r.Ki[k];
        if (std::isfinite(resistenza)) {
            r.ResistenzaStrato[k] = resistenza;
        } else {
            TabellaResistenzaAllaConducibilitàTermicaDiStratiDiAriaFermi(r, k);
        }
        r.SommatoriaResistenze += r.ResistenzaStrato[k];
    }
    testo.append("Sommatoria resistenze termiche unitarie = ");
    AggiungiFormaGenerale(testo, r.SommatoriaResistenze);
    testo.append(" (m² °C / W)");
    testo.append(ACapoERigaVuota);
}

void CalcoloConduttanzaTermicaUnitariaHc(RisultatiCalcolo& r, std::string& testo) {
    r.Hc = 1 / r.SommatoriaResistenze;
    testo.append("Conduttanza termica unitaria Hc = ");
    AggiungiFormaGenerale(testo, r.Hc);
    testo.append(" W/m² °C");
    testo.append(ACapoERigaVuota);
}

void CalcoloTrasmittanzaTermicaUnitariaH(RisultatiCalcolo& r, std::string& testo) {
    r.H = 1 / (1 / r.hi + r.SommatoriaResistenze + 1 / r.he);
    testo.append("Trasmittanza termica unitaria H = ");
    AggiungiFormaGenerale(testo, r.H);
    testo.append(" W/m² °C");
    testo.append(ACapoERigaVuota);
}

void CalcoloFlussoTermicoFI(RisultatiCalcolo& r, std::string& testo) {
    r.FI = (r.Ti - r.Te) * r.H;
    testo.append("Flusso termico Ø = ");
    AggiungiFormaGenerale(testo, r.FI);
    testo.append(ACapoERigaVuota);
}

void CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(RisultatiCalcolo& r, int n,
                                                                 std::string& testo) {
    r.ResistenzaStrato[0] = 0;
    double somma = 0;
    for (int k = 0; k <= n; ++k) {
        somma = somma + r.ResistenzaStrato[k];
        r.T[k] = r.Ti - (r.Ti - r.Te) * r.H * (r.ResistenzaLiminareInterna + somma);
    }
    testo.append("Variazione della temperatura nel passaggio da uno strato all'altro (ovvero "
                 "nelle varie isoterme):");
    testo.append(ACapo);
    for (int k = 0; k <= n; ++k) {
        AggiungiEtichettaIsoterma(testo, "T", k);
        AggiungiFormaGenerale(testo, r.T[k]);
        testo.append(" °C");
        testo.append(ACapo);
    }
    testo.append(ACapo);
}

} // namespace paretix
