#include "core/calc/igrometrico.h"

#include <cmath>

#include "core/calc/testo_rapporto.h"
#include "core/model/esercizio.h"
#include "core/model/numeri.h"
#include "core/model/unita_misura.h"

namespace paretix {

namespace {

void AggiungiNumeroERiga(std::string& testo, double valore) {
    AggiungiFormaGenerale(testo, valore);
    testo.append(ACapo);
}

} // namespace

double PressioneDiSaturazione(double t) {
    using V = ValoriPredefiniti;
    if (t < 0) {
        // The cubic below falls far short of the real pressure under 0 °C and even turns
        // negative; over ice the exponential law holds.
        return PressioneSaturazioneGhiaccio(t, 6.105);
    }
    return V::a0 + V::a1 * t + V::a2 * (t * t) + V::a3 * (t * t * t);
}

double PressioneSaturazioneGhiaccio(double t, double p0) {
    return p0 * std::exp(21.875 * t / (265.5 + t));
}

void CalcoloPressioneDiSaturazione(RisultatiCalcolo& r, int n, std::string& testo) {
    r.Pvse = PressioneDiSaturazione(r.Te);
    for (int i = 0; i <= n; ++i) {
        r.Pvs[i] = PressioneDiSaturazione(r.T[i]);
    }
    r.Pvsi = PressioneDiSaturazione(r.Ti);

    testo.append(SeparatoreRapporto);
    testo.append(ACapoERigaVuota);
    testo.append("CALCOLO IGROMETRICO");
    testo.append(ACapoERigaVuota);
    testo.append("Pressioni di saturazione (pressione del vapore saturo):");
    testo.append(ACapo);
    testo.append("Pvsi    = ");
    AggiungiNumeroERiga(testo, r.Pvsi);
    for (int i = 0; i <= n; ++i) {
        AggiungiEtichettaIsoterma(testo, "Pvs", i);
        AggiungiNumeroERiga(testo, r.Pvs[i]);
    }
    testo.append("Pvse   = ");
    AggiungiNumeroERiga(testo, r.Pvse);
    testo.append(ACapo);
}

void CalcoloPermeanzaDellaPareteAlVaporeDAcqua(RisultatiCalcolo& r, int n) {
    double somma = 0;
    for (int k = 1; k <= n; ++k) {
        const double permeabilità = r.PermeabilitàStrato[k] * UnitàPermeabilità;
        r.ResistenzaVapore[k] = r.SpessoreMetri[k] / permeabilità;
        somma += r.ResistenzaVapore[k];
    }
    r.PermeanzaParete = 1 / somma;
}

void CalcoloPressioneEffettiva(RisultatiCalcolo& r, int n, std::string& testo) {
    r.Pvi = r.Ui / 100 * r.Pvsi;
    r.Pve = r.Ue / 100 * r.Pvse;
    r.Pv[0] = r.Pvi;
    double somma = 0;
    for (int i = 1; i <= n; ++i) {
        somma += r.ResistenzaVapore[i];
        r.Pv[i] = r.Pvi - (r.Pvi - r.Pve) * r.PermeanzaParete * somma;
    }

    testo.append("Pressioni effettive:");
    testo.append(ACapo);
    testo.append("Pvi    = ");
    AggiungiNumeroERiga(testo, r.Pvi);
    for (int i = 0; i <= n; ++i) {
        AggiungiEtichettaIsoterma(testo, "Pv", i);
        AggiungiNumeroERiga(testo, r.Pv[i]);
    }
    testo.append("Pve   = ");
    AggiungiNumeroERiga(testo, r.Pve);
    testo.append(ACapo);
}

bool CondensaAlConfine(const RisultatiCalcolo& r, int i) {
    return r.Pvs[i] < r.Pv[i];
}

void Confronto(const RisultatiCalcolo& r, int n, std::string& testo) {
    bool qualcuna = false;
    for (int i = 0; i <= n && !qualcuna; ++i) {
        qualcuna = CondensaAlConfine(r, i);
    }
    if (!qualcuna) {
        testo.append("Nessuna condensa interstiziale rilevata");
        testo.append(ACapoERigaVuota);
        return;
    }
    testo.append("Per l 'isoterma");
    testo.append(ACapo);
    // The two surfaces condense; the inner boundaries condense interstitially.
    for (int i = 0; i <= n; ++i) {
        if (CondensaAlConfine(r, i)) {
            AggiungiIntero(testo, i);
            testo.append(i == 0 || i == n ? " vi è condensa" : " vi è condensa interstiziale");
            testo.append(ACapo);
        }
    }
    testo.append(ACapo);
}

} // namespace paretix
