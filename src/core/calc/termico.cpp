#include "core/calc/termico.h"

#include <cmath>

#include "core/calc/conduttivita_equivalente.h"
#include "core/calc/testo_rapporto.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

void SommatoriaResistenze(RisultatiCalcolo& r, int n) {
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
}

void Conduttanza(RisultatiCalcolo& r) {
    r.Hc = 1 / r.SommatoriaResistenze;
}

void Trasmittanza(RisultatiCalcolo& r) {
    r.H = 1 / (1 / r.hi + r.SommatoriaResistenze + 1 / r.he);
}

void Flusso(RisultatiCalcolo& r) {
    r.FI = (r.Ti - r.Te) * r.H;
}

void TemperatureIsoterme(RisultatiCalcolo& r, int n) {
    r.ResistenzaStrato[0] = 0;
    double somma = 0;
    for (int k = 0; k <= n; ++k) {
        somma = somma + r.ResistenzaStrato[k];
        r.T[k] = r.Ti - (r.Ti - r.Te) * r.H * (r.ResistenzaLiminareInterna + somma);
    }
}

void AggiungiRisultato(std::string& testo, std::string_view nome, double valore,
                       std::string_view unità) {
    testo.append(nome);
    AggiungiFormaGenerale(testo, valore);
    AggiungiTesti(testo, unità, ACapoERigaVuota);
}

} // namespace

void CalcoloTermicoSenzaRapporto(RisultatiCalcolo& r, int n) {
    SommatoriaResistenze(r, n);
    Conduttanza(r);
    Trasmittanza(r);
    Flusso(r);
    TemperatureIsoterme(r, n);
}

void CalcoloSommatoriaResistenzeTermicheUnitarieR(RisultatiCalcolo& r, int n, std::string& testo) {
    SommatoriaResistenze(r, n);
    AggiungiRisultato(testo, "Sommatoria resistenze termiche unitarie = ", r.SommatoriaResistenze,
                      " (m² °C / W)");
}

void CalcoloConduttanzaTermicaUnitariaHc(RisultatiCalcolo& r, std::string& testo) {
    Conduttanza(r);
    AggiungiRisultato(testo, "Conduttanza termica unitaria Hc = ", r.Hc, " W/m² °C");
}

void CalcoloTrasmittanzaTermicaUnitariaH(RisultatiCalcolo& r, std::string& testo) {
    Trasmittanza(r);
    AggiungiRisultato(testo, "Trasmittanza termica unitaria H = ", r.H, " W/m² °C");
}

void CalcoloFlussoTermicoFI(RisultatiCalcolo& r, std::string& testo) {
    Flusso(r);
    AggiungiRisultato(testo, "Flusso termico Ø = ", r.FI, "");
}

void CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(RisultatiCalcolo& r, int n,
                                                                 std::string& testo) {
    TemperatureIsoterme(r, n);
    AggiungiTesti(testo,
                  "Variazione della temperatura nel passaggio da uno strato all'altro (ovvero "
                  "nelle varie isoterme):",
                  ACapo);
    for (int k = 0; k <= n; ++k) {
        AggiungiEtichettaIsoterma(testo, "T", k);
        AggiungiFormaGenerale(testo, r.T[k]);
        AggiungiTesti(testo, " °C", ACapo);
    }
    testo.append(ACapo);
}

} // namespace paretix
